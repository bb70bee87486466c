// SPDX-FileCopyrightText: 2026 Sumgrove developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef SUMGROVE_H
#define SUMGROVE_H

#include "ui_sumgroveclass.h"

#include <QtWidgets/QMainWindow>

class Announcer;
class QTimerEvent;

class Sumgrove : public QMainWindow
{
    Q_OBJECT

public:
    explicit Sumgrove(QWidget *parent = nullptr);

protected:
    void timerEvent(QTimerEvent *event) override;

private slots:
    int OnActionStartClicked();
    int OnActionSendClicked();

private:
    void stopClock();

    Ui_SumgroveClass ui;
    Announcer *m_scoreNotice; // tells a screen reader the score, wherever the focus is
    int m_timerId = 0; // 0 names no timer: the clock is not running
    int m_wrongCount = 0;
};

#endif // SUMGROVE_H
