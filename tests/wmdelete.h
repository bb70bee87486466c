// SPDX-FileCopyrightText: 2026 Sumgrove developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Asks an X window to close as a window manager's close button does, by
// sending it WM_DELETE_WINDOW. Used where no window manager runs.
#ifndef SUMGROVE_WMDELETE_H
#define SUMGROVE_WMDELETE_H

#include <X11/Xlib.h>

inline Status requestClose(Display *display, Window window)
{
    XEvent event = {};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    const Status sent = XSendEvent(display, window, False, NoEventMask, &event);
    XFlush(display);
    return sent;
}

#endif // SUMGROVE_WMDELETE_H
