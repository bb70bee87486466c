// SPDX-FileCopyrightText: 2026 Sumgrove developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the window does with a practice set: the start action deals twenty
// problems and starts the clock, each tick of the clock adds a second, and the
// submit action grades every row and stops the clock.
//
// One clock timer runs at most. A start stops the running one before it starts
// its own, and a submit stops it and forgets it, so a repeated start does not
// leave a timer waking the program for nothing, and a repeated submit does not
// ask Qt to stop a timer that is already gone.
//
// A new set empties the answer boxes with setText(), not clear(): clear() is an
// edit the box can undo, so every set would grow each box's undo history and
// Ctrl+Z would bring back the previous set's answers.
//
// Both actions also say what they did to a screen reader: each answer box
// describes its problem, and after grading its verdict, in the legend's words;
// the verdict marks are named by their verdict and the score by its caption,
// and every grading announces the score, wherever the focus is.
#include "sumgrove.h"

#include "announcer.h"
#include "answerinput.h"
#include "arithmetic.h"
#include "spoken.h"

#include <QtCore/QTime>
#include <QtCore/QTimerEvent>

#include <cstdlib>

namespace {
QString spokenProblem(const Ui_SumgroveClass::ProblemRow &row)
{
    return drill::spokenProblem(row.firstOperand->text(), row.operatorBox->currentText(),
                                row.secondOperand->text());
}

// Shown bare, heard after its caption; an empty score leaves the caption alone.
void showScore(const Ui_SumgroveClass &ui, const QString &score)
{
    ui.labelScore->setText(score);
    ui.labelScore->setAccessibleName(drill::captioned(ui.label_2->text(), score));
}
} // namespace

int Sumgrove::OnActionStartClicked()
{
    m_wrongCount = 0;
    showScore(ui, QString());
    for (int i = 1; i <= Ui_SumgroveClass::RowCount; ++i) {
        const auto row = ui.row(i);
        row.answer->setText(QString()); // unlike clear(), also drops the undo history
        row.verdict->setStyleSheet(QLatin1String(Ui_SumgroveClass::resetStyle));
        row.verdict->setAccessibleName(QString());
    }
    ui.timeEdit->setTime(QTime(0, 0, 0, 0));
    stopClock();
    m_timerId = startTimer(1000, Qt::CoarseTimer);

    for (int i = 1; i <= Ui_SumgroveClass::RowCount; ++i) {
        const auto row = ui.row(i);
        row.operatorBox->setCurrentIndex(drill::drawOperatorIndex(std::rand));
        if (const auto operation = drill::operationOf(row.operatorBox->currentText())) {
            const drill::Operands operands = drill::drawOperands(*operation, std::rand);
            row.firstOperand->setText(QString::number(operands.first));
            row.secondOperand->setText(QString::number(operands.second));
        }
        row.answer->setAccessibleDescription(spokenProblem(row));
    }
    return 0;
}

int Sumgrove::OnActionSendClicked()
{
    ui.answerInput->commitHeldText();
    m_wrongCount = 0;
    for (int i = 1; i <= Ui_SumgroveClass::RowCount; ++i) {
        const auto row = ui.row(i);
        const std::optional<bool> right =
            drill::gradeRow(row.operatorBox->currentText(), row.firstOperand->text(),
                            row.secondOperand->text(), row.answer->text());
        if (!right)
            continue;
        row.verdict->setStyleSheet(
            QLatin1String(*right ? Ui_SumgroveClass::rightStyle : Ui_SumgroveClass::wrongStyle));
        if (!*right)
            ++m_wrongCount;
        const QString verdict = (*right ? ui.label1_2 : ui.label2_2)->text();
        row.verdict->setAccessibleName(verdict);
        row.answer->setAccessibleDescription(drill::withVerdict(spokenProblem(row), verdict));
    }
    showScore(ui, QString::number(drill::score(m_wrongCount)));
    m_scoreNotice->announce(ui.labelScore->accessibleName()); // at every grading, a regrade too
    stopClock();
    return 0;
}

void Sumgrove::stopClock()
{
    if (m_timerId != 0) {
        killTimer(m_timerId);
        m_timerId = 0;
    }
}

void Sumgrove::timerEvent(QTimerEvent *event)
{
    if (m_timerId != 0 && event->timerId() == m_timerId)
        ui.timeEdit->setTime(ui.timeEdit->time().addSecs(1));
}
