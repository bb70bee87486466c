// SPDX-FileCopyrightText: 2026 Sumgrove developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The arithmetic without widgets: dealing from scripted and real random draws,
// expected results and verdicts, and what a screen reader hears of a row and
// of the score. The score itself is tested through the window.
#include "arithmetic.h"
#include "spoken.h"

#include <QtTest/QtTest>

#include <algorithm>
#include <cstdlib>
#include <vector>

using namespace drill;

namespace {

const char *const symbols[] = {"+", "-", "×", "÷"};

// Replays a fixed list of draws and counts how many were taken.
struct Script
{
    std::vector<int> draws;
    size_t taken = 0;
    Draw draw()
    {
        return [this] { return draws.at(taken++); };
    }
};

struct Dealt
{
    Operation operation;
    Operands operands;
};

// One row dealt as the window deals it: operator index, then operands for the symbol shown.
Dealt dealRow(const Draw &draw)
{
    const Operation operation = *operationOf(QString::fromUtf8(symbols[drawOperatorIndex(draw)]));
    return {operation, drawOperands(operation, draw)};
}

} // namespace

Q_DECLARE_METATYPE(std::vector<int>)
Q_DECLARE_METATYPE(std::optional<int>)

class tst_Arithmetic : public QObject
{
    Q_OBJECT

private slots:
    void scriptedDeal_data();
    void scriptedDeal();
    void randomDealsStayInRange();
    void expectedResultNeverOverflows_data();
    void expectedResultNeverOverflows();
    void grade_data();
    void grade();
    void spoken_data();
    void spoken();
};

void tst_Arithmetic::scriptedDeal_data()
{
    QTest::addColumn<std::vector<int>>("draws");
    QTest::addColumn<int>("operation");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");

    QTest::newRow("9 x 4") << std::vector<int>{2, 9, 4} << int(Operation::Multiply) << 9 << 4;
    QTest::newRow("45 / 9, divisor first") << std::vector<int>{7, 30, 5} << int(Operation::Divide) << 45 << 9;
    QTest::newRow("59 - 19") << std::vector<int>{1, 60, 70} << int(Operation::Subtract) << 59 << 19;
    QTest::newRow("50 + 50") << std::vector<int>{4, 99, 49} << int(Operation::Add) << 50 << 50;
    QTest::newRow("0 / d") << std::vector<int>{3, 6, 22} << int(Operation::Divide) << 0 << 7;
    QTest::newRow("110 / 11") << std::vector<int>{3, 10, 21} << int(Operation::Divide) << 110 << 11;
    QTest::newRow("a x 0") << std::vector<int>{6, 10, 11} << int(Operation::Multiply) << 10 << 0;
    QTest::newRow("50 - 50") << std::vector<int>{5, 51, 50} << int(Operation::Subtract) << 50 << 50;
    QTest::newRow("100 - 50") << std::vector<int>{9, 50, 101} << int(Operation::Subtract) << 100 << 50;
    QTest::newRow("1 + 1") << std::vector<int>{0, 50, 100} << int(Operation::Add) << 1 << 1;
    QTest::newRow("largest rand") << std::vector<int>{RAND_MAX, RAND_MAX, RAND_MAX}
                                  << int(Operation::Divide) << (RAND_MAX % 11) * (RAND_MAX % 11 + 1)
                                  << RAND_MAX % 11 + 1;
}

void tst_Arithmetic::scriptedDeal()
{
    QFETCH(std::vector<int>, draws);
    QFETCH(int, operation);
    QFETCH(int, first);
    QFETCH(int, second);
    Script script{draws};
    const Dealt dealt = dealRow(script.draw());
    QCOMPARE(int(dealt.operation), operation);
    QCOMPARE(dealt.operands.first, first);
    QCOMPARE(dealt.operands.second, second);
    QCOMPARE(script.taken, size_t(3));
}

void tst_Arithmetic::randomDealsStayInRange()
{
    std::srand(20261207);
    int seen[4] = {};
    int largest = 0;
    for (int i = 0; i < 200000; ++i) {
        const Dealt d = dealRow(std::rand);
        const int x = d.operands.first;
        const int y = d.operands.second;
        const std::optional<int> result = expectedResult(d.operation, x, y);
        QVERIFY(result);
        QVERIFY2(*result >= 0 && *result <= 100, qPrintable(QStringLiteral("%1 %2 %3").arg(x).arg(int(d.operation)).arg(y)));
        largest = std::max(largest, *result);
        switch (d.operation) {
        case Operation::Add:
            QVERIFY(x >= 1 && x <= 50 && y >= 1 && y <= 50);
            break;
        case Operation::Subtract:
            QVERIFY(x >= 50 && x <= 100 && y >= 0 && y <= 50);
            break;
        case Operation::Multiply:
            QVERIFY(x >= 0 && x <= 10 && y >= 0 && y <= 10);
            break;
        case Operation::Divide:
            QVERIFY(y >= 1 && y <= 11);
            QCOMPARE(x % y, 0);
            QVERIFY(*result <= 10);
            break;
        }
        ++seen[int(d.operation)];
    }
    for (int count : seen)
        QVERIFY(count > 40000);
    // The answer boxes and the documents are sized by it: it must be what is dealt.
    QCOMPARE(largest, largestAnswer);
}

void tst_Arithmetic::expectedResultNeverOverflows_data()
{
    QTest::addColumn<int>("operation");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<std::optional<int>>("expected");
    const int max = std::numeric_limits<int>::max();
    const int min = std::numeric_limits<int>::min();
    QTest::newRow("divide by zero") << int(Operation::Divide) << 5 << 0 << std::optional<int>();
    QTest::newRow("zero by zero") << int(Operation::Divide) << 0 << 0 << std::optional<int>();
    QTest::newRow("min / -1") << int(Operation::Divide) << min << -1 << std::optional<int>();
    QTest::newRow("max + 1") << int(Operation::Add) << max << 1 << std::optional<int>();
    QTest::newRow("min - 1") << int(Operation::Subtract) << min << 1 << std::optional<int>();
    QTest::newRow("max x 2") << int(Operation::Multiply) << max << 2 << std::optional<int>();
    QTest::newRow("max + 0") << int(Operation::Add) << max << 0 << std::optional(max);
    QTest::newRow("-7 / 2 truncates") << int(Operation::Divide) << -7 << 2 << std::optional(-3);
}

void tst_Arithmetic::expectedResultNeverOverflows()
{
    QFETCH(int, operation);
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(std::optional<int>, expected);
    QCOMPARE(expectedResult(Operation(operation), x, y), expected);
}

void tst_Arithmetic::grade_data()
{
    QTest::addColumn<QString>("symbol");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("verdict"); // 1 right, 0 wrong, -1 row left alone

    const QString times(QChar(0x00D7));
    const QString divide(QChar(0x00F7));
    QTest::newRow("empty on zero") << times << "7" << "0" << "" << 0;
    QTest::newRow("0 on zero") << times << "7" << "0" << "0" << 1;
    QTest::newRow("00 on zero") << "-" << "50" << "50" << "00" << 1;
    QTest::newRow("letter on zero") << divide << "0" << "4" << "a" << 1;
    QTest::newRow("space on zero") << divide << "0" << "4" << " " << 1;
    QTest::newRow("letter on nonzero") << "+" << "3" << "4" << "x" << 0;
    QTest::newRow("spaces around") << "+" << "3" << "4" << " 7 " << 1;
    QTest::newRow("leading plus") << "+" << "3" << "4" << "+7" << 1;
    QTest::newRow("negative") << "-" << "50" << "57" << "-7" << 1;
    QTest::newRow("negative on a dealt problem") << "-" << "57" << "50" << "-7" << 0;
    QTest::newRow("exact division") << divide << "60" << "6" << "10" << 1;
    QTest::newRow("divisor as answer") << divide << "60" << "6" << "6" << 0;
    QTest::newRow("hundred") << "+" << "50" << "50" << "100" << 1;
    QTest::newRow("full-width digit") << "+" << "3" << "4" << QString::fromUtf8("７") << 1;
    QTest::newRow("full-width digits") << "+" << "5" << "7" << QString::fromUtf8("１２") << 1;
    QTest::newRow("full-width plus") << "+" << "3" << "4" << QString::fromUtf8("＋７") << 1;
    QTest::newRow("full-width minus") << "-" << "50" << "57" << QString::fromUtf8("－７") << 1;
    QTest::newRow("ideographic spaces") << "+" << "3" << "4" << QString::fromUtf8("　７　") << 1;
    QTest::newRow("full-width apart") << "+" << "5" << "7" << QString::fromUtf8("１ ２") << 0;
    QTest::newRow("full-width apart on zero") << "-" << "5" << "5" << QString::fromUtf8("１　２") << 1;
    QTest::newRow("circled digit") << "+" << "0" << "1" << QString::fromUtf8("①") << 0;
    QTest::newRow("superscript digit") << "+" << "1" << "1" << QString::fromUtf8("²") << 0;
    QTest::newRow("before any deal, 0") << "+" << "" << "" << "0" << 1;
    QTest::newRow("before any deal, empty") << "+" << "" << "" << "" << 0;
    QTest::newRow("divide by zero") << divide << "5" << "0" << "0" << 0;
    QTest::newRow("overflow") << times << "2147483647" << "2" << "-2" << 0;
    QTest::newRow("unknown operator") << QString::fromUtf8("−") << "5" << "1" << "4" << -1;
    QTest::newRow("no operator") << "" << "5" << "1" << "4" << -1;
}

void tst_Arithmetic::grade()
{
    QFETCH(QString, symbol);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, answer);
    QFETCH(int, verdict);
    const std::optional<bool> result = gradeRow(symbol, first, second, answer);
    QCOMPARE(result ? int(*result) : -1, verdict);
}

// Heard in the legend's words; a row with nothing dealt says nothing of a
// problem, a score not yet given leaves its caption alone.
void tst_Arithmetic::spoken_data()
{
    QTest::addColumn<QStringList>("problem"); // first, symbol, second
    QTest::addColumn<QString>("verdict");
    QTest::addColumn<QString>("heard");
    const QString divide(QChar(0x00F7));
    QTest::newRow("dealt") << QStringList{"45", divide, "9"} << "" << QString::fromUtf8("45 ÷ 9 =");
    QTest::newRow("graded") << QStringList{"76", "-", "17"} << QString::fromUtf8("错误")
                            << QString::fromUtf8("76 - 17 = ，错误");
    QTest::newRow("nothing dealt") << QStringList{"", "+", ""} << "" << "";
    QTest::newRow("graded before a deal") << QStringList{"", "+", ""} << QString::fromUtf8("正确")
                                          << QString::fromUtf8("正确");
    QTest::newRow("one operand missing") << QStringList{"3", "+", ""} << "" << "";
}

void tst_Arithmetic::spoken()
{
    QFETCH(QStringList, problem);
    QFETCH(QString, verdict);
    QFETCH(QString, heard);
    const QString spoken = spokenProblem(problem[0], problem[1], problem[2]);
    QCOMPARE(verdict.isEmpty() ? spoken : withVerdict(spoken, verdict), heard);
    QCOMPARE(captioned(QString::fromUtf8("得分"), QString()), QString::fromUtf8("得分"));
    QCOMPARE(captioned(QString::fromUtf8("得分"), QStringLiteral("85")), QString::fromUtf8("得分 85"));
}

QTEST_APPLESS_MAIN(tst_Arithmetic)
#include "tst_arithmetic.moc"
