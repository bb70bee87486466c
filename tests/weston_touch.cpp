// SPDX-FileCopyrightText: 2026 Sumgrove developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A Weston module that gives Weston's first seat a touch screen which the
// tests of the real program tap with: each line written to the FIFO named by
// WESTON_TOUCH_FIFO, "down X Y" or "up", is a touch at X,Y of Weston's
// output, as a touch screen's driver would report it. Weston's X11 backend
// has a pointer and a keyboard but no touch.
#include <libweston/libweston.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

// Weston exports these to its backends, without a public header.
extern "C" {
void weston_seat_init_touch(weston_seat *seat);
weston_touch_device *weston_touch_create_touch_device(weston_touch *touch, const char *syspath,
                                                      void *backend_data, const weston_touch_device_ops *ops);
void notify_touch_normalized(weston_touch_device *device, const timespec *time, int touch_id, double x,
                             double y, const weston_point2d_device_normalized *norm, int touch_type);
void notify_touch_frame(weston_touch_device *device);
void weston_touch_device_destroy(weston_touch_device *device);
}

namespace {

struct Finger
{
    weston_touch_device *device;
    wl_listener gone;
    std::string pending;
};

void touch(Finger &finger, int type, double x, double y)
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    notify_touch_normalized(finger.device, &now, 0, x, y, nullptr, type);
    notify_touch_frame(finger.device);
}

void destroy(wl_listener *listener, void *)
{
    Finger *finger = wl_container_of(listener, finger, gone);
    weston_touch_device_destroy(finger->device); // before Weston's seat, which asserts it has none
}

int readLines(int fd, uint32_t, void *data)
{
    auto &finger = *static_cast<Finger *>(data);
    char buffer[256];
    const ssize_t n = read(fd, buffer, sizeof buffer);
    if (n > 0)
        finger.pending.append(buffer, static_cast<size_t>(n));
    for (size_t end; (end = finger.pending.find('\n')) != std::string::npos; finger.pending.erase(0, end + 1)) {
        double x = 0, y = 0;
        const std::string line = finger.pending.substr(0, end);
        if (std::sscanf(line.c_str(), "down %lf %lf", &x, &y) == 2)
            touch(finger, WL_TOUCH_DOWN, x, y);
        else if (line == "up")
            touch(finger, WL_TOUCH_UP, 0, 0);
    }
    return 0;
}

} // namespace

extern "C" WL_EXPORT int wet_module_init(weston_compositor *compositor, int *, char *[])
{
    const char *path = std::getenv("WESTON_TOUCH_FIFO");
    // Read and write: the FIFO never reports end of file between two writers.
    const int fd = path ? open(path, O_RDWR | O_NONBLOCK | O_CLOEXEC) : -1;
    if (fd < 0 || wl_list_empty(&compositor->seat_list))
        return -1;
    // The backend's seat exists by now; clients learn of its touch screen as they bind it.
    weston_seat *seat = wl_container_of(compositor->seat_list.next, seat, link);
    weston_seat_init_touch(seat);
    static Finger finger{weston_touch_create_touch_device(weston_seat_get_touch(seat), "test-touch", nullptr, nullptr),
                         {}, {}};
    finger.gone.notify = destroy;
    wl_signal_add(&compositor->destroy_signal, &finger.gone);
    wl_event_loop_add_fd(wl_display_get_event_loop(compositor->wl_display), fd, WL_EVENT_READABLE, readLines,
                         &finger);
    return 0;
}
