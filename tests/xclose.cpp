// SPDX-FileCopyrightText: 2026 Sumgrove developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Closes an X window as a window manager would: the end-to-end tests run
// without one.
//   xclose WINDOW-ID
#include "wmdelete.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: xclose WINDOW-ID\n");
        return 2;
    }
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "xclose: cannot open display\n");
        return 1;
    }
    const Status sent = requestClose(display, std::strtoul(argv[1], nullptr, 0));
    XCloseDisplay(display);
    return sent ? 0 : 1;
}
