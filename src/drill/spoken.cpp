// SPDX-FileCopyrightText: 2026 Sumgrove developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "spoken.h"

namespace drill {

QString spokenProblem(const QString &first, const QString &symbol, const QString &second)
{
    if (first.isEmpty() || second.isEmpty())
        return QString();
    return first + QLatin1Char(' ') + symbol + QLatin1Char(' ') + second + QLatin1String(" =");
}

QString withVerdict(const QString &problem, const QString &verdict)
{
    if (problem.isEmpty())
        return verdict;
    return problem + QStringLiteral(" \uFF0C") + verdict;
}

QString captioned(const QString &caption, const QString &value)
{
    if (value.isEmpty())
        return caption;
    return caption + QLatin1Char(' ') + value;
}

} // namespace drill
