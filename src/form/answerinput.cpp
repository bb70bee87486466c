// SPDX-FileCopyrightText: 2026 Sumgrove developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Whether a box takes an input method is kept in its WA_InputMethodEnabled
// attribute: Qt 5's line edit answers from it, and this filter makes Qt 6's,
// which answers yes whatever it says, answer the same.
#include "answerinput.h"

#include "arithmetic.h"

#include <QtCore/QCoreApplication>
#include <QtGui/QGuiApplication>
#include <QtGui/QInputMethod>
#include <QtGui/QInputMethodEvent>
#include <QtGui/QInputMethodQueryEvent>
#include <QtGui/QMouseEvent>
#include <QtWidgets/QLineEdit>

void AnswerInput::watch(QLineEdit *box)
{
    box->setInputMethodHints(Qt::ImhDigitsOnly | Qt::ImhNoPredictiveText | Qt::ImhNoAutoUppercase);
    box->setAttribute(Qt::WA_InputMethodEnabled, false);
    box->installEventFilter(this);
}

void AnswerInput::takeInputMethod(QLineEdit *box, bool take)
{
    if (box->testAttribute(Qt::WA_InputMethodEnabled) == take)
        return;
    box->setAttribute(Qt::WA_InputMethodEnabled, take);
    // The platform follows at once: Windows' IMM, Wayland's text input, fcitx5.
    QGuiApplication::inputMethod()->update(Qt::ImEnabled | Qt::ImHints);
}

bool AnswerInput::eventFilter(QObject *watched, QEvent *event)
{
    auto *box = static_cast<QLineEdit *>(watched);
    switch (event->type()) {
    case QEvent::TouchBegin:
        takeInputMethod(box, true);
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: // a second tap soon after the first
        // A tap reaches a line edit as a mouse press made from the touch.
        takeInputMethod(box, static_cast<QMouseEvent *>(event)->source() != Qt::MouseEventNotSynthesized);
        break;
    case QEvent::KeyPress:
    case QEvent::FocusOut:
        takeInputMethod(box, false);
        break;
    case QEvent::InputMethodQuery: {
        auto *query = static_cast<QInputMethodQueryEvent *>(event);
        if (!(query->queries() & Qt::ImEnabled))
            break;
        watched->event(event); // the box answers the other questions
        query->setValue(Qt::ImEnabled, box->testAttribute(Qt::WA_InputMethodEnabled));
        return true;
    }
    case QEvent::InputMethod: {
        auto *input = static_cast<QInputMethodEvent *>(event);
        if (!input->commitString().isEmpty()) {
            if (const std::optional<QString> plain = drill::plainAnswer(input->commitString()))
                input->setCommitString(*plain, input->replacementStart(), input->replacementLength());
            else
                input->setCommitString(QString());
        }
        m_composing = box;
        m_preedit = input->preeditString();
        break;
    }
    default:
        break;
    }
    return false;
}

void AnswerInput::commitHeldText()
{
    // Some platforms commit what they hold when reset (Windows, fcitx5),
    // others drop it (Wayland, ibus): whatever the box still shows then is
    // committed here, through this filter like any other commit.
    if (!m_composing || m_preedit.isEmpty())
        return;
    resetInputMethod();
    if (!m_composing || m_preedit.isEmpty())
        return;
    QInputMethodEvent commit;
    commit.setCommitString(m_preedit);
    QCoreApplication::sendEvent(m_composing, &commit);
}

void AnswerInput::resetInputMethod()
{
    QGuiApplication::inputMethod()->reset();
}
