// SPDX-FileCopyrightText: 2026 Sumgrove developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Read-only accessibility interfaces for disabled boxes. Qt picks an interface
// once per widget and keeps it, which fits: the form enables or disables
// nothing after it is built.
#include "accessibility.h"

#include <QtWidgets/QAccessibleWidget>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QLineEdit>

namespace {

class ReadOnlyLineEdit : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit ReadOnlyLineEdit(QLineEdit *box)
        : QAccessibleWidget(box, QAccessible::EditableText)
    {
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        return state;
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value)
            return box()->text();
        return QAccessibleWidget::text(kind);
    }

    QString text(int startOffset, int endOffset) const override
    {
        return box()->text().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(box()->text().size()); }
    int cursorPosition() const override { return box()->cursorPosition(); }
    void setCursorPosition(int) override {}
    void selection(int, int *startOffset, int *endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    QRect characterRect(int) const override { return QRect(); }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = offset;
        return QString();
    }

private:
    QLineEdit *box() const { return static_cast<QLineEdit *>(widget()); }
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

QAccessibleInterface *readOnlyWhenDisabled(const QString &className, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget || widget->isEnabled())
        return nullptr;
    if (className == QLatin1String("QLineEdit"))
        return new ReadOnlyLineEdit(static_cast<QLineEdit *>(widget));
    if (className == QLatin1String("QComboBox"))
        return new ReadOnlyComboBox(static_cast<QComboBox *>(widget));
    return nullptr;
}

} // namespace

void readDisabledBoxesOnly()
{
    static bool installed = false;
    if (!installed)
        QAccessible::installFactory(readOnlyWhenDisabled);
    installed = true;
}
