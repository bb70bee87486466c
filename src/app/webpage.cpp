// SPDX-FileCopyrightText: 2026 Sumgrove developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Built into the web program only (cmake/web.cmake), so main() needs no
// branch for it: it starts with the application object and joins the window
// once the form is drawn. The page's side is in web/index.html.
#include "webpage.h"

#include <QtCore/QTimer>
#include <QtGui/QAccessible>
#include <QtGui/QInputMethodEvent>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QMainWindow>
#include <QtWidgets/QTimeEdit>
#include <QtWidgets/QToolBar>

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <string>

namespace {
WebPage *thePage = nullptr;

void joinPage()
{
    QTimer::singleShot(0, qApp, [] { // the window is built and shown by then
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (auto *window = qobject_cast<QMainWindow *>(widget))
                thePage = new WebPage(window);
        }
    });
}

QAccessibleInterface *interfaceOf(QWidget *widget)
{
    return widget ? QAccessible::queryAccessibleInterface(widget) : nullptr;
}

void doAction(QWidget *widget, const QString &action)
{
    if (QAccessibleInterface *interface = interfaceOf(widget)) {
        if (QAccessibleActionInterface *actions = interface->actionInterface())
            actions->doAction(action);
    }
}
} // namespace
Q_COREAPP_STARTUP_FUNCTION(joinPage)

WebPage::WebPage(QMainWindow *window)
    : QObject(window)
    , m_window(window)
{
    window->installEventFilter(this);
}

// The page's elements wait for the form's first picture, which they would
// only make later.
bool WebPage::eventFilter(QObject *, QEvent *event)
{
    if (event->type() == QEvent::Paint) {
        m_window->removeEventFilter(this);
        QTimer::singleShot(0, this, &WebPage::start);
    }
    return false;
}

void WebPage::start()
{
    // In the order a pupil works: 开始练习, the score and the clock, the
    // answer boxes in the order Tab walks them, then the button that grades
    // them, which Tab reaches from the last box.
    std::vector<Element> last;
    for (QToolBar *bar : m_window->findChildren<QToolBar *>()) {
        for (QAction *action : bar->actions()) {
            QWidget *button = bar->widgetForAction(action);
            if (button && !action->isSeparator())
                (action->objectName() == QLatin1String("actionSend") ? last : m_elements).push_back({button, "button"});
        }
    }
    m_elements.push_back({m_window->findChild<QLabel *>(QStringLiteral("labelScore")), "status"});
    m_elements.push_back({m_window->findChild<QTimeEdit *>(QStringLiteral("timeEdit")), "timer"});
    // From the box the focus starts in, as Tab walks them from there.
    QWidget *const first = m_window->focusWidget() ? m_window->focusWidget() : m_window;
    QWidget *widget = first;
    do {
        if (qobject_cast<QLineEdit *>(widget) && widget->isEnabled() && (widget->focusPolicy() & Qt::TabFocus))
            m_elements.push_back({widget, "field"});
        widget = widget->nextInFocusChain();
    } while (widget != first);
    m_elements.insert(m_elements.end(), last.begin(), last.end());
    QAccessible::installUpdateHandler(&WebPage::updated);
    show();
}

void WebPage::updated(QAccessibleEvent *event)
{
    if (!thePage)
        return;
    // Each grading's notice (Announcer), which the page's score tells again
    // even where the score stayed the same.
    QAccessibleInterface *interface = event->accessibleInterface();
    if (event->type() == QAccessible::ObjectShow && interface && interface->role() == QAccessible::Notification)
        ++thePage->m_notices;
    thePage->showSoon();
}

// Once for everything that changed in one pass of the event loop: a new set
// changes a hundred widgets.
void WebPage::showSoon()
{
    if (!m_showing)
        QTimer::singleShot(0, this, &WebPage::show);
    m_showing = true;
}

void WebPage::show()
{
    m_showing = false;
    const emscripten::val page = emscripten::val::global("sumgrovePage");
    if (page.isUndefined()) // a page of one's own, without the elements
        return;
    const QPoint origin = m_window->mapToGlobal(QPoint(0, 0));
    emscripten::val elements = emscripten::val::array();
    for (const Element &element : m_elements) {
        QAccessibleInterface *interface = interfaceOf(element.widget);
        if (!interface)
            continue;
        const QRect place = interface->rect().translated(-origin);
        emscripten::val state = emscripten::val::object();
        state.set("kind", std::string(element.kind));
        state.set("name", interface->text(QAccessible::Name).toStdString());
        state.set("description", interface->text(QAccessible::Description).toStdString());
        state.set("value", interface->text(QAccessible::Value).toStdString());
        state.set("readOnly", bool(interface->state().readOnly));
        state.set("focused", bool(interface->state().focused));
        state.set("notices", m_notices);
        state.set("x", place.x());
        state.set("y", place.y());
        state.set("width", place.width());
        state.set("height", place.height());
        elements.call<void>("push", state);
    }
    page.call<void>("show", elements);
}

QWidget *WebPage::widget(int element, const char *kind) const
{
    if (element < 0 || element >= int(m_elements.size()) || qstrcmp(m_elements[element].kind, kind) != 0)
        return nullptr;
    return m_elements[element].widget;
}

void WebPage::press(int element)
{
    if (thePage)
        doAction(thePage->widget(element, "button"), QAccessibleActionInterface::pressAction());
}

// As Tab brings the focus to a box on the desktop, the box selecting what it
// holds; a box that has the focus already keeps its caret.
void WebPage::focus(int element)
{
    if (QWidget *box = thePage ? thePage->widget(element, "field") : nullptr; box && !box->hasFocus())
        box->setFocus(Qt::TabFocusReason);
}

void WebPage::type(int element, const QString &text)
{
    if (!thePage)
        return;
    if (auto *box = static_cast<QLineEdit *>(thePage->widget(element, "field"))) {
        QInputMethodEvent edit; // replaces all the box holds
        edit.setCommitString(text, -box->cursorPosition(), int(box->text().size()));
        QCoreApplication::sendEvent(box, &edit);
    }
    thePage->showSoon(); // a refused text leaves the box as it was, and the field must say so
}

EMSCRIPTEN_BINDINGS(sumgrove_page)
{
    emscripten::function("sumgrovePress", &WebPage::press);
    emscripten::function("sumgroveFocus", &WebPage::focus);
    emscripten::function("sumgroveType", +[](int element, const std::string &text) {
        WebPage::type(element, QString::fromStdString(text));
    });
}
