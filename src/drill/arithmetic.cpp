// SPDX-FileCopyrightText: 2026 Sumgrove developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "arithmetic.h"

#include <cstdint>
#include <limits>

namespace drill {

namespace {
constexpr char16_t symbols[] = {u'+', u'-', u'×', u'÷'};

// Full-width digits, plus and minus signs and ideographic spaces, which a
// Chinese input method types, in their plain forms. Nothing else changes:
// circled or superscript digits stay what they are.
QString withPlainDigits(QString answer)
{
    for (QChar &c : answer) {
        const char16_t u = c.unicode();
        if (u >= u'０' && u <= u'９')
            c = QChar(u'0' + (u - u'０'));
        else if (u == u'＋')
            c = QLatin1Char('+');
        else if (u == u'－')
            c = QLatin1Char('-');
        else if (u == u'　')
            c = QLatin1Char(' ');
    }
    return answer;
}
} // namespace

int drawOperatorIndex(const Draw &draw)
{
    return draw() % 4;
}

std::optional<Operation> operationOf(const QString &symbol)
{
    for (int i = 0; i < 4; ++i) {
        if (symbol.size() == 1 && symbol.at(0) == QChar(symbols[i]))
            return static_cast<Operation>(i);
    }
    return std::nullopt;
}

Operands drawOperands(Operation operation, const Draw &draw)
{
    switch (operation) {
    case Operation::Add: {
        const int first = draw() % 50 + 1;
        return {first, draw() % 50 + 1};
    }
    case Operation::Subtract: {
        const int first = draw() % 51 + 50;
        return {first, draw() % 51};
    }
    case Operation::Multiply: {
        const int first = draw() % 11;
        return {first, draw() % 11};
    }
    case Operation::Divide: {
        const int divisor = draw() % 11 + 1;
        const int quotient = draw() % 11;
        return {quotient * divisor, divisor};
    }
    }
    return {0, 0};
}

std::optional<int> expectedResult(Operation operation, int first, int second)
{
    const std::int64_t x = first;
    const std::int64_t y = second;
    std::int64_t result = 0;
    switch (operation) {
    case Operation::Add:
        result = x + y;
        break;
    case Operation::Subtract:
        result = x - y;
        break;
    case Operation::Multiply:
        result = x * y;
        break;
    case Operation::Divide:
        if (y == 0)
            return std::nullopt;
        result = x / y;
        break;
    }
    if (result < std::numeric_limits<int>::min() || result > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(result);
}

bool isRight(const QString &answer, std::optional<int> expected)
{
    return expected && !answer.isEmpty() && withPlainDigits(answer).toInt(nullptr, 10) == *expected;
}

std::optional<QString> plainAnswer(const QString &committed)
{
    QString plain = withPlainDigits(committed);
    for (const QChar c : plain) {
        if ((c < u'0' || c > u'9') && c != u'+' && c != u'-' && c != u' ')
            return std::nullopt;
    }
    return plain;
}

std::optional<bool> gradeRow(const QString &symbol, const QString &first, const QString &second,
                             const QString &answer)
{
    const std::optional<Operation> operation = operationOf(symbol);
    if (!operation)
        return std::nullopt;
    return isRight(answer, expectedResult(*operation, first.toInt(nullptr, 10),
                                          second.toInt(nullptr, 10)));
}

int score(int wrongCount)
{
    return 5 * (20 - wrongCount);
}

} // namespace drill
