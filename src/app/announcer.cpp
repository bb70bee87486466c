// SPDX-FileCopyrightText: 2026 Sumgrove developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "announcer.h"

#include <QtWidgets/QAccessibleWidget>

namespace {
QAccessibleInterface *notificationOf(const QString &className, QObject *object)
{
    if (className == QLatin1String("Announcer"))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Notification);
    return nullptr;
}
} // namespace

Announcer::Announcer(QWidget *parent)
    : QWidget(parent)
{
    static bool installed = false;
    if (!installed)
        QAccessible::installFactory(notificationOf);
    installed = true;
    hide(); // never drawn, never in the way: it is only heard
}

void Announcer::announce(const QString &text)
{
    setAccessibleName(text);
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
#ifdef Q_OS_WIN // where Qt raises a notification from a text value; AT-SPI's bridge would only warn of it
    QAccessibleValueChangeEvent told(this, text);
    QAccessible::updateAccessibility(&told);
#endif
}
