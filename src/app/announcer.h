// SPDX-FileCopyrightText: 2026 Sumgrove developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef SUMGROVE_ANNOUNCER_H
#define SUMGROVE_ANNOUNCER_H

#include <QtWidgets/QWidget>

// Tells a screen reader something at once, wherever the focus is: the score
// when a set is graded. A screen reader speaks a label's new name only while
// the label has the focus, and Qt hands AT-SPI nothing for an alert. So this
// is a notification, an object nobody sees: each announcement names it anew
// and shows it to the accessibility tree, which Orca speaks as "通知" and the
// text; and on Windows it tells the text as a string value change, which
// Qt's UI Automation bridge raises as a notification event.
class Announcer : public QWidget
{
    Q_OBJECT

public:
    explicit Announcer(QWidget *parent);

    void announce(const QString &text);
};

#endif // SUMGROVE_ANNOUNCER_H
