#include "fonts.h"

#include <QtGui/QFont>

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
