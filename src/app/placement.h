// SPDX-FileCopyrightText: 2026 Sumgrove developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef SUMGROVE_PLACEMENT_H
#define SUMGROVE_PLACEMENT_H

#include <QtCore/QPoint>
#include <QtCore/QSize>

// Where the window opens: centred on the desktop, then 40 pixels higher. Each
// half truncates toward zero and nothing is clamped, so a window larger than the
// desktop gets a negative position.
inline QPoint startPosition(const QSize &desktop, const QSize &window)
{
    return {(desktop.width() - window.width()) / 2,
            (desktop.height() - window.height()) / 2 - 40};
}

#endif // SUMGROVE_PLACEMENT_H
