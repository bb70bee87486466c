// SPDX-FileCopyrightText: 2026 Sumgrove developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "startup.h"

#include "placement.h"

#include <QtGui/QFont>
#include <QtGui/QGuiApplication>
#include <QtGui/QScreen>
#include <QtWidgets/QApplication>
#include <QtWidgets/QMainWindow>
#include <QtWidgets/QStyle>

void enableHighDpiScaling()
{
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    QGuiApplication::setAttribute(Qt::AA_EnableHighDpiScaling); // always on in Qt 6
    QGuiApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
#else
    // A user who rounds the factor would also get text shrunk by what the
    // rounding added (150 % drawn at 200 % with 72 dpi text), out of proportion
    // with the fixed boxes. Qt 5 keeps text and boxes scaled alike; so do we,
    // unless the user says otherwise.
    if (!qEnvironmentVariableIsSet("QT_DPI_ADJUSTMENT_POLICY"))
        qputenv("QT_DPI_ADJUSTMENT_POLICY", "DontAdjustDpi");
#endif
    // Each screen's own factor, fractions included, as Qt 6 does by default:
    // rounded, a 125 % screen would draw the form at 100 % with 125 % text and
    // a 150 % one at 200 %, taller than a 1080-line screen. The user's own
    // QT_SCALE_FACTOR_ROUNDING_POLICY still wins.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
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
}

void keepLightSheet()
{
    QApplication::setPalette(QApplication::style()->standardPalette());
}

void showAtStartPosition(QMainWindow &window)
{
    window.show();
    window.move(startPosition(QGuiApplication::primaryScreen()->virtualSize(), window.size()));
}
