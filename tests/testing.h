// SPDX-FileCopyrightText: 2026 Sumgrove developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Helpers shared by the widget tests: reach the window's objects by name, as a
// pupil's assistive tools or a test of the real program would.
#ifndef SUMGROVE_TESTING_H
#define SUMGROVE_TESTING_H

#include <QtCore/QObject>
#include <QtCore/QString>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>

#include <cstdio>
#include <cstdlib>

template <typename T>
T *child(QObject *root, const QString &name)
{
    T *found = root->findChild<T *>(name);
    if (!found) {
        std::fprintf(stderr, "no %s named %s\n", T::staticMetaObject.className(), qPrintable(name));
        std::abort();
    }
    return found;
}

struct RowWidgets
{
    QLineEdit *first;
    QComboBox *op;
    QLineEdit *second;
    QLineEdit *answer;
    QLabel *verdict;
};

inline RowWidgets rowWidgets(QObject *window, int i)
{
    return {child<QLineEdit>(window, QStringLiteral("input%1_1").arg(i)),
            child<QComboBox>(window, QStringLiteral("comboBox_%1").arg(i)),
            child<QLineEdit>(window, QStringLiteral("input%1_2").arg(i)),
            child<QLineEdit>(window, QStringLiteral("lineRet%1").arg(i)),
            child<QLabel>(window, QStringLiteral("label%1").arg(i))};
}

#endif // SUMGROVE_TESTING_H
