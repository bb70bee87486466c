// SPDX-FileCopyrightText: 2026 Sumgrove developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Yardsticks for start-up: opens one window the way main() does.
//   yardstick practice|empty|label [quit]
// "practice" is the practice window, "empty" a bare main window of the same
// size, "label" the same with one line of Chinese text, to tell the cost of
// having text at all from the cost of the form. With "quit" it exits as soon as
// the first frame is painted, without tearing the window down, so that
// callgrind counts what start-up costs and nothing else:
//   valgrind --tool=callgrind yardstick practice quit
#include "accessibility.h"
#include "startup.h"
#include "sumgrove.h"

#include <QtCore/QTimer>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLabel>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace {
class FirstPaint : public QObject
{
public:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, qApp, [] { std::_Exit(0); });
        return false;
    }
};
} // namespace

int main(int argc, char *argv[])
{
    const char *kind = argc > 1 ? argv[1] : "practice";
    const bool practice = std::strcmp(kind, "practice") == 0;
    enableHighDpiScaling();
    if (practice) { // as main() does; the others open as any Qt program does
        skipOpenGl();
        quietResetStyleNotice();
    }
    QApplication app(argc, argv);
    std::unique_ptr<QMainWindow> window;
    if (practice) {
        keepLightSheet();
        installBoxAccessibility();
        substituteFormFonts();
        window = std::make_unique<Sumgrove>();
    } else {
        window = std::make_unique<QMainWindow>();
        window->resize(907, 600);
        if (std::strcmp(kind, "label") == 0) {
            auto *label = new QLabel(QString::fromUtf8("数学随机习题练习"), window.get());
            label->setGeometry(310, 10, 211, 41);
        }
    }
    FirstPaint filter;
    if (argc > 2 && std::strcmp(argv[2], "quit") == 0)
        window->installEventFilter(&filter);
    showAtStartPosition(*window);
    return app.exec();
}
