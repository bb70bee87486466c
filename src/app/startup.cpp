// SPDX-FileCopyrightText: 2026 Sumgrove developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "startup.h"

#include "placement.h"

#include <QtGui/QFont>
#include <QtGui/QFontDatabase>
#include <QtGui/QGuiApplication>
#include <QtGui/QScreen>
#include <QtGui/QStyleHints>
#include <QtWidgets/QApplication>
#include <QtWidgets/QMainWindow>
#include <QtWidgets/QStyle>
#include <QtWidgets/QStyleFactory>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {
#if QT_VERSION < QT_VERSION_CHECK(5, 14, 0) && defined(Q_OS_LINUX)
bool scaledByXftDpi(); // at the end of this file, after Qt's headers: Xlib's macros clash with them
#elif QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
bool scaledByXftDpi()
{
    return false; // Qt takes the factor from Xft.dpi itself
}
#endif
} // namespace

void enableHighDpiScaling()
{
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    QGuiApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    if (!scaledByXftDpi())
        QGuiApplication::setAttribute(Qt::AA_EnableHighDpiScaling); // always on in Qt 6
#else
    // A user who rounds the factor would also get text shrunk by what the
    // rounding added (150 % drawn at 200 % with 72 dpi text), out of proportion
    // with the fixed boxes. Qt 5 keeps text and boxes scaled alike; so do we,
    // unless the user says otherwise.
    if (!qEnvironmentVariableIsSet("QT_DPI_ADJUSTMENT_POLICY"))
        qputenv("QT_DPI_ADJUSTMENT_POLICY", "DontAdjustDpi");
#endif
#if QT_VERSION >= QT_VERSION_CHECK(5, 14, 0)
    // Each screen's own factor, fractions included, as Qt 6 does by default:
    // rounded, a 125 % screen would draw the form at 100 % with 125 % text and
    // a 150 % one at 200 %, taller than a 1080-line screen. The user's own
    // QT_SCALE_FACTOR_ROUNDING_POLICY still wins.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
#endif
}

void skipOpenGl()
{
    if (!qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");
}

namespace {
QtMessageHandler handlerBeforeQuiet = nullptr;

void dropResetStyleNotice(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message == QLatin1String("QCssParser::parseColorValue: Specified color without alpha value "
                                 "but alpha given: 'rgb 255,255,255,60'"))
        return;
    if (handlerBeforeQuiet)
        handlerBeforeQuiet(type, context, message);
}
} // namespace

void quietResetStyleNotice()
{
    const QtMessageHandler previous = qInstallMessageHandler(dropResetStyleNotice);
    if (previous != dropResetStyleNotice) // installed twice, it must not call itself
        handlerBeforeQuiet = previous;
}

void substituteFormFonts()
{
    QFont::insertSubstitutions(QString::fromUtf8("微软雅黑"),
                               {QStringLiteral("Microsoft YaHei"), QStringLiteral("WenQuanYi Micro Hei"),
                                QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Droid Sans Fallback")});
    QFont::insertSubstitutions(QString::fromUtf8("华文中宋"),
                               {QStringLiteral("STZhongsong"), QStringLiteral("SimSun"),
                                QStringLiteral("Noto Serif CJK SC"), QStringLiteral("AR PL UMing CN"),
                                QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC")});
#ifdef Q_OS_WASM
    // A browser brings no CJK face, and Qt's default there is 12 pt, which
    // cuts off the legend's captions: the web build carries its own face,
    // which stands in for the default one too, and keeps the desktop's 9 pt.
    const int face = QFontDatabase::addApplicationFont(QStringLiteral(":/Sumgrove/fonts/wqy-microhei.ttf"));
    const QStringList families = QFontDatabase::applicationFontFamilies(face);
    QFont font = QApplication::font();
    QFont::insertSubstitutions(font.family(), families);
    font.setPointSize(9);
    QApplication::setFont(font);
#endif
}

void keepLightSheet()
{
    QPalette palette = QApplication::style()->standardPalette();
    // Windows' own style takes its standard palette from the system colours,
    // which a dark or high-contrast theme makes light on dark.
    if (palette.color(QPalette::Window).lightness() < palette.color(QPalette::WindowText).lightness()) {
        const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
        palette = fusion->standardPalette();
    }
    QApplication::setPalette(palette);
}

void showAtStartPosition(QMainWindow &window)
{
    QWidget *const focus = window.focusWidget();
    window.show();
    // A platform that makes the window active while showing it (a browser's)
    // does so before its boxes are shown, and Qt then gives the focus to the
    // first box in Tab order: it goes back to the one the window chose.
    if (focus && window.isActiveWindow() && QApplication::focusWidget() != focus)
        focus->setFocus(Qt::ActiveWindowFocusReason);
    if (QGuiApplication::styleHints()->showIsFullScreen())
        return; // it has the whole screen (a browser's canvas, sized to the form): nowhere to move it
    window.move(startPosition(QGuiApplication::primaryScreen()->virtualSize(), window.size()));
}

int finish(int status)
{
    if (QGuiApplication::platformName() == QLatin1String("wayland")) {
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}

#if QT_VERSION < QT_VERSION_CHECK(5, 14, 0) && defined(Q_OS_LINUX)
#include <X11/Xlib.h>

#include <cstdlib>

namespace {
// Before 5.14 Qt's X11 plugin scales by the screen's physical size, rounded to
// a whole factor, and draws text at the desktop's Xft.dpi on top: at 150 % the
// form stayed 907 x 600 with text 1.5 times larger, cut off. So the desktop's
// setting, Xft.dpi, becomes the factor here, as later Qt makes it, with text
// at 96 dpi so that only the factor enlarges it. Factors the user set, and
// platforms other than X11, are left to Qt.
bool scaledByXftDpi()
{
    for (const char *own : {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_AUTO_SCREEN_SCALE_FACTOR",
                            "QT_DEVICE_PIXEL_RATIO"}) {
        if (qEnvironmentVariableIsSet(own))
            return false;
    }
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && !platform.startsWith("xcb"))
        return false;
    Display *display = XOpenDisplay(nullptr);
    if (!display)
        return false;
    const char *setting = XGetDefault(display, "Xft", "dpi");
    const double dpi = setting ? std::atof(setting) : 0;
    XCloseDisplay(display);
    if (dpi <= 96)
        return false;
    qputenv("QT_SCALE_FACTOR", QByteArray::number(dpi / 96));
    if (!qEnvironmentVariableIsSet("QT_FONT_DPI"))
        qputenv("QT_FONT_DPI", "96");
    return true;
}
} // namespace
#endif
