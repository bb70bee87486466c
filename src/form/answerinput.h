// SPDX-FileCopyrightText: 2026 Sumgrove developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef SUMGROVE_ANSWERINPUT_H
#define SUMGROVE_ANSWERINPUT_H

#include <QtCore/QObject>
#include <QtCore/QPointer>
#include <QtCore/QString>

class QLineEdit;

// How text reaches the answer boxes it watches. A pupil's pinyin input method
// stays on while they type answers, and through it a digit may pick a
// candidate or arrive full-width, so a box takes no input method. But a
// touch screen's keyboard is an input method too: a box reached by touch
// takes one, with digits-only hints so that the keyboard shown is numeric,
// until a real mouse press, a key or the focus leaving it. Whatever an input
// method commits enters as plain digits, or not at all.
class AnswerInput : public QObject
{
public:
    using QObject::QObject;

    void watch(QLineEdit *box);

    // Commits text that an input method still holds in a box (an on-screen
    // keyboard keeps digits as pre-edit text until Enter), so that grading
    // reads what the box shows.
    void commitHeldText();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    // Asks the platform's input method to give up what it holds.
    virtual void resetInputMethod();

private:
    static void takeInputMethod(QLineEdit *box, bool take);

    QPointer<QLineEdit> m_composing; // the box showing m_preedit
    QString m_preedit;
};

#endif // SUMGROVE_ANSWERINPUT_H
