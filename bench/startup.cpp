// Start-up to the first shown frame, and peak memory, of two programs run in
// turn from this process: the practice window and an empty main window of the
// same size. Run in an X server with no window manager:
//   startup PROGRAM BASELINE [PAIRS]
// PROGRAM and BASELINE are commands; words are split at spaces.
//
// Both open a 907 x 600 window at the same place. "Shown" is the moment a
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
    std::vector<std::string> words;
    std::istringstream split(command);
    for (std::string word; split >> word;)
        words.push_back(word);
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
    if (argc < 3) {
        std::fprintf(stderr, "usage: startup PROGRAM BASELINE [PAIRS]\n");
        return 2;
    }
    const int pairs = argc > 3 ? std::atoi(argv[3]) : 21;
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "startup: cannot open display\n");
        return 1;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    const int width = DisplayWidth(display, DefaultScreen(display));
    const int height = DisplayHeight(display, DefaultScreen(display));
    const Strip strip{(width - 907) / 2 + 453, (height - 600) / 2 - 40 + 100, 400};

    std::vector<double> times[2];
    std::vector<long> peaks[2];
    const std::string programs[2] = {argv[1], argv[2]};
    runOnce(display, programs[0], strip); // warm the file cache for both
    runOnce(display, programs[1], strip);
    for (int pair = 0; pair < pairs; ++pair) {
        for (int k = 0; k < 2; ++k) {
            const int which = (pair % 2) ? 1 - k : k; // alternate which goes first
            const Run run = runOnce(display, programs[which], strip);
            times[which].push_back(run.milliseconds);
            peaks[which].push_back(run.peakKb);
        }
    }
    XCloseDisplay(display);

    const double t0 = median(times[0]), t1 = median(times[1]);
    const long m0 = median(peaks[0]), m1 = median(peaks[1]);
    std::printf("pairs: %d\n", pairs);
    std::printf("%-12s first frame %7.1f ms   peak RSS %7ld KB   (%s)\n", "program", t0, m0, argv[1]);
    std::printf("%-12s first frame %7.1f ms   peak RSS %7ld KB   (%s)\n", "baseline", t1, m1, argv[2]);
    std::printf("ratio        first frame %7.3f      peak RSS %7.3f\n", t0 / t1, double(m0) / double(m1));
    return 0;
}
