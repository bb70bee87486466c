// SPDX-FileCopyrightText: 2026 Sumgrove developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The boxes' accessibility interfaces. Qt picks an interface once per widget
// and keeps it, which fits: the form enables or disables nothing after it is
// built.
#include "accessibility.h"

#include <QtGui/QFontMetrics>
#include <QtWidgets/QAccessibleWidget>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QLineEdit>

namespace {

// A line edit's text, read whole: one run of attributes over all of it.
class BoxText : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit BoxText(QLineEdit *box)
        : QAccessibleWidget(box, QAccessible::EditableText)
    {
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value)
            return box()->text();
        return QAccessibleWidget::text(kind);
    }

    QString text(int startOffset, int endOffset) const override
    {
        if (startOffset > endOffset)
            return QString();
        return box()->text().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(box()->text().size()); }
    int cursorPosition() const override { return box()->cursorPosition(); }
    QString attributes(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return QString();
    }

    // Where a character is drawn, on the screen: the boxes centre their text.
    QRect characterRect(int offset) const override
    {
        const QString character = text(offset, offset + 1);
        if (character.isEmpty())
            return QRect();
        const QFontMetrics metrics(box()->font());
        const QRect inside = box()->contentsRect().marginsRemoved(box()->textMargins());
        const int left = inside.left() + (inside.width() - advance(metrics, box()->text())) / 2;
        const QRect drawn(left + advance(metrics, box()->text().left(offset)), inside.top(),
                          advance(metrics, character), metrics.height());
        return drawn.translated(box()->mapToGlobal(QPoint(0, 0)));
    }
    int offsetAtPoint(const QPoint &point) const override
    {
        return box()->cursorPositionAt(box()->mapFromGlobal(point));
    }

protected:
    QLineEdit *box() const { return static_cast<QLineEdit *>(widget()); }

private:
    static int advance(const QFontMetrics &metrics, const QString &text)
    {
#if QT_VERSION >= QT_VERSION_CHECK(5, 11, 0)
        return metrics.horizontalAdvance(text);
#else
        return metrics.width(text);
#endif
    }
};

// An answer box: its text read whole, and typed, selected and edited as the box allows.
class AnswerBox : public BoxText, public QAccessibleEditableTextInterface
{
public:
    using BoxText::BoxText;

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface *>(this);
        return BoxText::interface_cast(type);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = true;
        state.selectableText = true;
        state.readOnly = box()->isReadOnly();
        return state;
    }

    void setText(QAccessible::Text kind, const QString &text) override
    {
        if (kind == QAccessible::Value)
            box()->setText(text);
        else
            QAccessibleWidget::setText(kind, text);
    }

    void setCursorPosition(int position) override { box()->setCursorPosition(position); }
    void selection(int selectionIndex, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = 0;
        if (selectionIndex == 0 && box()->hasSelectedText()) {
            *startOffset = box()->selectionStart();
            *endOffset = *startOffset + static_cast<int>(box()->selectedText().size());
        }
    }
    int selectionCount() const override { return box()->hasSelectedText() ? 1 : 0; }
    void addSelection(int startOffset, int endOffset) override { setSelection(0, startOffset, endOffset); }
    void removeSelection(int selectionIndex) override
    {
        if (selectionIndex == 0)
            box()->deselect();
    }
    void setSelection(int selectionIndex, int startOffset, int endOffset) override
    {
        if (selectionIndex == 0)
            box()->setSelection(startOffset, endOffset - startOffset);
    }
    void scrollToSubstring(int startIndex, int endIndex) override
    {
        box()->setCursorPosition(endIndex);
        box()->setCursorPosition(startIndex);
    }

    void deleteText(int startOffset, int endOffset) override
    {
        box()->setText(box()->text().remove(startOffset, endOffset - startOffset));
    }
    void insertText(int offset, const QString &text) override
    {
        box()->setText(box()->text().insert(offset, text));
    }
    void replaceText(int startOffset, int endOffset, const QString &text) override
    {
        box()->setText(box()->text().replace(startOffset, endOffset - startOffset, text));
    }
};

// A disabled box: read, never changed.
class ReadOnlyLineEdit : public BoxText
{
public:
    using BoxText::BoxText;

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        return state;
    }

    void setCursorPosition(int) override {}
    void selection(int, int *startOffset, int *endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    void scrollToSubstring(int, int) override {}
};

class ReadOnlyComboBox : public QAccessibleWidget
{
public:
    explicit ReadOnlyComboBox(QComboBox *box)
        : QAccessibleWidget(box, QAccessible::ComboBox)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        QString own = QAccessibleWidget::text(kind);
        if ((kind == QAccessible::Name || kind == QAccessible::Value) && own.isEmpty())
            return static_cast<QComboBox *>(widget())->currentText();
        return own;
    }

    QStringList actionNames() const override { return QStringList(); }
    void doAction(const QString &) override {}
};

QAccessibleInterface *boxInterface(const QString &className, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return nullptr;
    if (className == QLatin1String("QLineEdit")) {
        auto *box = static_cast<QLineEdit *>(widget);
        if (!box->isEnabled())
            return new ReadOnlyLineEdit(box);
        if (box->echoMode() == QLineEdit::Normal) // the form has no other kind; Qt's own hides the rest
            return new AnswerBox(box);
    }
    if (className == QLatin1String("QComboBox") && !widget->isEnabled())
        return new ReadOnlyComboBox(static_cast<QComboBox *>(widget));
    return nullptr;
}

} // namespace

void installBoxAccessibility()
{
    static bool installed = false;
    if (!installed)
        QAccessible::installFactory(boxInterface);
    installed = true;
}
