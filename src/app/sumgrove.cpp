// SPDX-FileCopyrightText: 2026 Sumgrove developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The practice window: builds the form, seeds the problem generator once and
// wires the two actions. What the actions and the clock do is in practice.cpp.
#include "sumgrove.h"

#include "announcer.h"

#include <cstdlib>
#include <ctime>

Sumgrove::Sumgrove(QWidget *parent)
    : QMainWindow(parent)
{
    ui.setupUi(this);
    m_scoreNotice = new Announcer(this);
    ui.lineRet1->setFocus(Qt::OtherFocusReason);
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    connect(ui.actionStart, SIGNAL(triggered()), this, SLOT(OnActionStartClicked()));
    connect(ui.actionSend, SIGNAL(triggered()), this, SLOT(OnActionSendClicked()));
}
