// SPDX-FileCopyrightText: 2026 Sumgrove developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A Weston module that gives Weston's first seat a touch screen which the
// tests of the real program tap with: each line written to the FIFO named by
// WESTON_TOUCH_FIFO, "down X Y" or "up", is a touch at X,Y of Weston's
// output, as a touch screen's driver would report it. Weston's X11 backend
// has a pointer and a keyboard but no touch.
#include <libweston/libweston.h>
#include <libweston/version.h>

#include <fcntl.h>
#include <climits>
#include <unistd.h>

#include <cstdlib>
#include <ctime>
#include <sstream>
#include <string>

// Weston exports these to its backends, without a public header.
extern "C" {
void weston_seat_init_touch(weston_seat *seat);
weston_touch_device *weston_touch_create_touch_device(weston_touch *touch, const char *syspath,
                                                      void *backend_data, const weston_touch_device_ops *ops);
#if defined(WESTON_TOUCH_EVENT) // a touch became an event of its own (Weston 16)
void notify_touch_normalized(const weston_touch_event *event, const weston_point2d_device_normalized *norm);
#elif WESTON_VERSION_MAJOR >= 12 // a place on the output became a coordinate of its own
void notify_touch_normalized(weston_touch_device *device, const timespec *time, int touch_id,
                             const weston_coord_global *pos, const weston_point2d_device_normalized *norm,
                             int touch_type);
#else
void notify_touch_normalized(weston_touch_device *device, const timespec *time, int touch_id, double x,
                             double y, const weston_point2d_device_normalized *norm, int touch_type);
#endif
void notify_touch_frame(weston_touch_device *device);
void weston_touch_device_destroy(weston_touch_device *device);
}

namespace {

weston_seat *seat;
weston_touch_device *screen;
wl_listener gone;

int readCommands(int fd, uint32_t, void *)
{
    char buffer[PIPE_BUF + 1]; // a test writes its commands at once, so they arrive whole
    const ssize_t n = read(fd, buffer, PIPE_BUF);
    buffer[n > 0 ? n : 0] = '\0';
    std::istringstream commands(buffer);
    for (std::string command; commands >> command;) {
        double x = 0, y = 0;
        if (command == "down")
            commands >> x >> y;
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        const int type = command == "down" ? WL_TOUCH_DOWN : WL_TOUCH_UP;
#if defined(WESTON_TOUCH_EVENT)
        const weston_coord_global place{{x, y}}; // a lifted finger has none
        weston_touch_event event{};
        weston_touch_event_init(&event, &now, seat, screen, type, 0, type == WL_TOUCH_UP ? nullptr : &place);
        notify_touch_normalized(&event, nullptr);
#elif WESTON_VERSION_MAJOR >= 12
        const weston_coord_global place{{x, y}};
        notify_touch_normalized(screen, &now, 0, type == WL_TOUCH_UP ? nullptr : &place, nullptr, type);
#else
        notify_touch_normalized(screen, &now, 0, x, y, nullptr, type);
#endif
        notify_touch_frame(screen);
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
    seat = wl_container_of(compositor->seat_list.next, seat, link);
    weston_seat_init_touch(seat);
    screen = weston_touch_create_touch_device(weston_seat_get_touch(seat), "test-touch", nullptr, nullptr);
    // Gone before Weston's seat, which asserts that it has none left.
    gone.notify = [](wl_listener *, void *) { weston_touch_device_destroy(screen); };
    wl_signal_add(&compositor->destroy_signal, &gone);
    wl_event_loop_add_fd(wl_display_get_event_loop(compositor->wl_display), fd, WL_EVENT_READABLE, readCommands,
                         nullptr);
    return 0;
}
