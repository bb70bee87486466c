// SPDX-FileCopyrightText: 2026 Sumgrove developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "accessibility.h"
#include "startup.h"
#include "sumgrove.h"

#include <QtWidgets/QApplication>

int main(int argc, char *argv[])
{
    enableHighDpiScaling();
    skipOpenGl();
    quietResetStyleNotice();
    QApplication app(argc, argv);
    keepLightSheet();
    installBoxAccessibility();
    substituteFormFonts();
    Sumgrove window;
    showAtStartPosition(window);
    return finish(app.exec());
}
