// SPDX-FileCopyrightText: 2026 Sumgrove developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The arithmetic of a practice set, kept apart from the widgets: which problems
// are dealt from a stream of random draws, what each should come to, whether an
// answer is right, and what the set scores.
#ifndef SUMGROVE_ARITHMETIC_H
#define SUMGROVE_ARITHMETIC_H

#include <QtCore/QString>

#include <functional>
#include <optional>

namespace drill {

enum class Operation { Add, Subtract, Multiply, Divide };

// A source of non-negative random numbers; the window passes the C runtime's rand().
using Draw = std::function<int()>;

struct Operands
{
    int first;
    int second;
};

// No problem dealt comes to more: an answer box must hold this many digits.
inline constexpr int largestAnswer = 100;

// Index of the operator box item for the next problem: one draw.
int drawOperatorIndex(const Draw &draw);

// The operation an operator box shows, by its exact text; none for any other text.
std::optional<Operation> operationOf(const QString &symbol);

// Two draws, chosen so the result is a whole number from 0 to 100. For division the
// divisor is drawn first, then the quotient, and the dividend is their product.
Operands drawOperands(Operation operation, const Draw &draw);

// None where 32-bit arithmetic has no answer: division by zero, or overflow.
std::optional<int> expectedResult(Operation operation, int first, int second);

// A row is right only when its answer box is not empty and reads as the
// result, full-width forms read as plain ones.
bool isRight(const QString &answer, std::optional<int> expected);

// Text that an input method or on-screen keyboard commits into an answer box,
// as the box should take it: full-width digits, signs and spaces made plain,
// as isRight() reads them. None when it holds anything else: a word, letters.
std::optional<QString> plainAnswer(const QString &committed);

// The verdict of a row as its boxes read; none when the operator is unknown.
std::optional<bool> gradeRow(const QString &symbol, const QString &first, const QString &second,
                             const QString &answer);

// Five points for each of the twenty problems not answered wrongly.
int score(int wrongCount);

} // namespace drill

#endif // SUMGROVE_ARITHMETIC_H
