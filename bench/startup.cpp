// SPDX-FileCopyrightText: 2026 Sumgrove developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up to the first shown frame, and peak memory, of several programs run
// in turn from this process: the practice window and the windows it is
// measured against. Run in an X server with no window manager:
//   startup ROUNDS PROGRAM BASELINE...
// Each is a command whose words are split at spaces; leading VAR=VALUE words
// go into its environment. Every round runs each command once, the order
// turning by one each round, so no command always goes first.
//
// All open a 907 x 600 window at the same place. "Shown" is the moment a
// column of screen pixels across the middle of that place first differs from
// what the screen showed there before the program started; peak memory is the
// child's maximum resident set size, as wait4() reports it once the window has
// been closed with WM_DELETE_WINDOW.
#include "wmdelete.h"

#include <X11/Xutil.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Run
{
    double milliseconds;
    long peakKb;
};

struct Strip
{
    int x, y, height;
};

std::vector<unsigned long> grab(Display *display, const Strip &strip)
{
    XImage *image = XGetImage(display, DefaultRootWindow(display), strip.x, strip.y, 1,
                              strip.height, AllPlanes, ZPixmap);
    std::vector<unsigned long> pixels(strip.height);
    for (int i = 0; i < strip.height; ++i)
        pixels[i] = XGetPixel(image, 0, i);
    XDestroyImage(image);
    return pixels;
}

Run runOnce(Display *display, const std::string &command, const Strip &strip)
{
    std::vector<std::string> environment, words;
    std::istringstream split(command);
    for (std::string word; split >> word;)
        (words.empty() && word.find('=') != std::string::npos ? environment : words).push_back(word);
    std::vector<char *> argv;
    argv.reserve(words.size() + 1);
    for (std::string &word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    const char *program = argv[0];

    const std::vector<unsigned long> before = grab(display, strip);
    XSync(display, True); // forget earlier map events
    const Clock::time_point started = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        for (std::string &variable : environment)
            putenv(variable.data());
        execv(program, argv.data());
        std::perror(program);
        _exit(127);
    }

    Window shown = 0;
    double milliseconds = -1;
    while (milliseconds < 0 || shown == 0) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && !event.xmap.override_redirect && shown == 0)
                shown = event.xmap.window;
        }
        if (milliseconds < 0 && grab(display, strip) != before)
            milliseconds = std::chrono::duration<double, std::milli>(Clock::now() - started).count();
        if (Clock::now() - started > std::chrono::seconds(20)) {
            std::fprintf(stderr, "%s: no window after 20 s\n", program);
            std::exit(1);
        }
        usleep(200);
    }

    requestClose(display, shown);
    int status = 0;
    rusage usage = {};
    wait4(pid, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s: did not exit cleanly (status %d)\n", program, status);
        std::exit(1);
    }
    return {milliseconds, usage.ru_maxrss};
}

template <typename T>
T median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: startup ROUNDS PROGRAM BASELINE...\n");
        return 2;
    }
    const int rounds = std::atoi(argv[1]);
    const std::vector<std::string> commands(argv + 2, argv + argc);
    const size_t n = commands.size();
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "startup: cannot open display\n");
        return 1;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    const int width = DisplayWidth(display, DefaultScreen(display));
    const int height = DisplayHeight(display, DefaultScreen(display));
    const Strip strip{(width - 907) / 2 + 453, (height - 600) / 2 - 40 + 100, 400};

    std::vector<std::vector<double>> times(n);
    std::vector<std::vector<long>> peaks(n);
    for (const std::string &command : commands) // warm the file cache for all
        runOnce(display, command, strip);
    for (int round = 0; round < rounds; ++round) {
        for (size_t k = 0; k < n; ++k) {
            const size_t which = (k + round) % n;
            const Run run = runOnce(display, commands[which], strip);
            times[which].push_back(run.milliseconds);
            peaks[which].push_back(run.peakKb);
        }
    }
    XCloseDisplay(display);

    std::printf("rounds: %d\n", rounds);
    for (size_t k = 0; k < n; ++k)
        std::printf("%-11s first frame %7.1f ms   peak RSS %7ld KB   (%s)\n",
                    k == 0 ? "program" : ("baseline " + std::to_string(k)).c_str(), median(times[k]),
                    median(peaks[k]), commands[k].c_str());
    for (size_t k = 1; k < n; ++k)
        std::printf("ratio to baseline %zu: first frame %.3f   peak RSS %.3f\n", k,
                    median(times[0]) / median(times[k]), double(median(peaks[0])) / double(median(peaks[k])));
    return 0;
}
