// SPDX-FileCopyrightText: 2026 Sumgrove developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef SUMGROVE_WEBPAGE_H
#define SUMGROVE_WEBPAGE_H

#include <QtCore/QObject>
#include <QtCore/QPointer>
#include <QtCore/QString>

#include <vector>

class QAccessibleEvent;
class QMainWindow;
class QWidget;

// The web program's link with the page around the form, for a screen reader.
//
// A screen reader cannot read the canvas Qt draws the form into, and what Qt
// for WebAssembly hands the browser's accessibility tree itself (once a pupil
// finds its hidden "Enable Screen Reader" button) names no answer box, keeps
// no clock and announces no score. So the page keeps real HTML elements over
// the widgets a pupil uses: the tool bar's two buttons, the score, the clock
// and the twenty answer boxes in Tab order. This keeps them in step: Qt's own
// accessibility events say when anything changed, and every element is
// written from its widget's own accessible interface, so the page says what
// the desktop's screen readers hear.
//
// Text typed into those fields reaches the answer boxes as an input method's
// commit, through the box's own filter: digits, full-width ones made plain,
// nothing else.
class WebPage : public QObject
{
public:
    explicit WebPage(QMainWindow *window);

    // What the page asks of the program; ELEMENT counts the elements in the
    // order the page was given them.
    static void press(int element);
    static void focus(int element);
    static void type(int element, const QString &text); // the field's whole text

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Element
    {
        QPointer<QWidget> widget;
        const char *kind; // "button", "status", "timer" or "field"
    };

    void start();
    static void updated(QAccessibleEvent *event);
    void showSoon();
    void show();
    QWidget *widget(int element, const char *kind) const;

    QMainWindow *m_window;
    std::vector<Element> m_elements;
    bool m_showing = false; // a show() is on its way
    int m_notices = 0; // how many the program has announced
};

#endif // SUMGROVE_WEBPAGE_H
