#include "startup.h"

#include "placement.h"

#include <QtGui/QFont>
#include <QtGui/QGuiApplication>
#include <QtGui/QScreen>
#include <QtWidgets/QMainWindow>

void enableHighDpiScaling()
{
    QGuiApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QGuiApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
}

void substituteFormFonts()
{
    QFont::insertSubstitutions(QString::fromUtf8("微软雅黑"),
                               {QStringLiteral("Microsoft YaHei"), QStringLiteral("WenQuanYi Micro Hei"),
                                QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Droid Sans Fallback")});
    QFont::insertSubstitutions(QString::fromUtf8("华文中宋"),
                               {QStringLiteral("STZhongsong"), QStringLiteral("Noto Serif CJK SC"),
                                QStringLiteral("AR PL UMing CN"), QStringLiteral("WenQuanYi Micro Hei"),
                                QStringLiteral("Noto Sans CJK SC")});
}

void showAtStartPosition(QMainWindow &window)
{
    window.show();
    window.move(startPosition(QGuiApplication::primaryScreen()->virtualSize(), window.size()));
}
