// SPDX-FileCopyrightText: 2026 Sumgrove developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A practice set through the real window: what the start action deals and
// resets, the clock and its one timer, grading and scoring, and a whole session
// free of Qt warnings.
#include "arithmetic.h"
#include "startup.h"
#include "sumgrove.h"
#include "testing.h"

#include <QtTest/QtTest>

#include <QtCore/QAbstractEventDispatcher>
#include <QtWidgets/QTimeEdit>

#include <memory>
#include <random>
#include <utility>

namespace {

const QLatin1String resetStyle("background-color:rgb(255,255,255,60)");
const QLatin1String green("background-color:rgb(0,255,0)");
const QLatin1String red("background-color:rgb(255,0,0)");

// What the row should come to, read back from the boxes.
int resultOf(const RowWidgets &w)
{
    return *drill::expectedResult(*drill::operationOf(w.op->currentText()), w.first->text().toInt(),
                                  w.second->text().toInt());
}

QStringList &messages()
{
    static QStringList logged;
    return logged;
}

void recordMessage(QtMsgType, const QMessageLogContext &, const QString &message)
{
    messages() << message;
}

} // namespace

class tst_Practice : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void dealReplaysRandDraws();
    void startResetsTheSet();
    void oneClockTimerRuns();
    void clockTicks_data();
    void clockTicks();
    void clockCountsOncePerSecond();
    void clockIgnoresForeignAndStoppedTimers();
    void gradeAndScore_data();
    void gradeAndScore();
    void regradeAfterCorrection();
    void heldTextIsGraded();
    void submitBeforeStart();
    void newSetLeavesNothingToUndo();
    void anyTypedTextGradesAsItReads();
    void wholeSessionIsQuiet();

private:
    void start() { child<QAction>(window.get(), "actionStart")->trigger(); }
    void submit() { child<QAction>(window.get(), "actionSend")->trigger(); }
    QList<QAbstractEventDispatcher::TimerInfo> timers() const
    {
        return QAbstractEventDispatcher::instance()->registeredTimers(window.get());
    }
    QString clock() const { return child<QTimeEdit>(window.get(), "timeEdit")->text(); }
    QString score() const { return child<QLabel>(window.get(), "labelScore")->text(); }

    std::unique_ptr<Sumgrove> window;
};

void tst_Practice::init()
{
    window = std::make_unique<Sumgrove>();
}

void tst_Practice::cleanup()
{
    window.reset();
}

// Two deals take 120 draws of rand(): row 1 to 20, three each, the second deal
// going on where the first stopped; numbers are written as plain decimals.
void tst_Practice::dealReplaysRandDraws()
{
    const unsigned seed = 4242;
    std::srand(seed);
    QVector<int> draws;
    for (int i = 0; i < 121; ++i)
        draws << std::rand();
    std::srand(seed);

    int next = 0;
    const drill::Draw replay = [&] { return draws.at(next++); };
    for (int deal = 0; deal < 2; ++deal) {
        start();
        for (int i = 1; i <= 20; ++i) {
            const RowWidgets w = rowWidgets(window.get(), i);
            const int op = drill::drawOperatorIndex(replay);
            QCOMPARE(w.op->currentIndex(), op);
            const drill::Operands operands = drill::drawOperands(drill::Operation(op), replay);
            QCOMPARE(w.first->text(), QString::number(operands.first));
            QCOMPARE(w.second->text(), QString::number(operands.second));
        }
        QCOMPARE(next, 60 * (deal + 1));
    }
    QCOMPARE(std::rand(), draws.at(120));
}

void tst_Practice::startResetsTheSet()
{
    start();
    for (int i = 1; i <= 20; ++i)
        QTest::keyClicks(rowWidgets(window.get(), i).answer, QStringLiteral("7"));
    submit();
    QVERIFY(!score().isEmpty());
    child<QTimeEdit>(window.get(), "timeEdit")->setTime(QTime(0, 3, 9));

    start();
    QCOMPARE(score(), QString());
    QCOMPARE(clock(), QStringLiteral("00:00:00"));
    for (int i = 1; i <= 20; ++i) {
        const RowWidgets w = rowWidgets(window.get(), i);
        QCOMPARE(w.answer->text(), QString());
        QCOMPARE(w.verdict->styleSheet(), resetStyle);
        QVERIFY(!w.first->text().isEmpty() && !w.second->text().isEmpty());
        const int result = resultOf(w);
        QVERIFY(result >= 0 && result <= 100);
    }
}

// Idle before a start and after a submit; one coarse 1 s timer while running,
// however often the start action is pressed.
void tst_Practice::oneClockTimerRuns()
{
    QCOMPARE(timers().size(), 0);
    for (int presses = 1; presses <= 3; ++presses) {
        start();
        const auto running = timers();
        QCOMPARE(running.size(), 1);
        QCOMPARE(running.first().interval, 1000);
        QCOMPARE(running.first().timerType, Qt::CoarseTimer);
    }
    submit();
    QCOMPARE(timers().size(), 0);
    submit();
    QCOMPARE(timers().size(), 0);
}

void tst_Practice::clockTicks_data()
{
    QTest::addColumn<QTime>("from");
    QTest::addColumn<int>("ticks");
    QTest::addColumn<QString>("shows");
    QTest::newRow("one tick") << QTime(0, 0) << 1 << "00:00:01";
    QTest::newRow("61 ticks") << QTime(0, 0) << 61 << "00:01:01";
    QTest::newRow("65 ticks") << QTime(0, 0) << 65 << "00:01:05";
    QTest::newRow("past midnight") << QTime(23, 59, 59) << 1 << "00:00:00";
}

void tst_Practice::clockTicks()
{
    QFETCH(QTime, from);
    QFETCH(int, ticks);
    QFETCH(QString, shows);
    start();
    const int id = timers().constFirst().timerId;
    child<QTimeEdit>(window.get(), "timeEdit")->setTime(from);
    for (int i = 0; i < ticks; ++i) {
        QTimerEvent tick(id);
        QCoreApplication::sendEvent(window.get(), &tick);
    }
    QCOMPARE(clock(), shows);
}

// Two starts in a row must not make the clock run at double speed. Coarse
// timers may fire up to 5 % early, so two ticks take at least 1.9 s.
void tst_Practice::clockCountsOncePerSecond()
{
    start();
    start();
    QElapsedTimer elapsed;
    elapsed.start();
    QTRY_COMPARE_WITH_TIMEOUT(clock(), QStringLiteral("00:00:02"), 10000);
    QVERIFY2(elapsed.elapsed() >= 1900, qPrintable(QString::number(elapsed.elapsed())));
}

// (A timer event numbered 0 never reaches the clock: the main window takes it
// as one of its own idle timers.)
void tst_Practice::clockIgnoresForeignAndStoppedTimers()
{
    start();
    const int id = timers().constFirst().timerId;
    for (int foreign : {id + 1, id - 1}) {
        QTimerEvent tick(foreign);
        QCoreApplication::sendEvent(window.get(), &tick);
    }
    QCOMPARE(clock(), QStringLiteral("00:00:00"));

    QTimerEvent tick(id);
    QCoreApplication::sendEvent(window.get(), &tick);
    submit();
    QTimerEvent late(id);
    QCoreApplication::sendEvent(window.get(), &late);
    QCOMPARE(clock(), QStringLiteral("00:00:01"));
}

void tst_Practice::gradeAndScore_data()
{
    QTest::addColumn<int>("wrongRows");  // rows 1..wrongRows get a wrong answer
    QTest::addColumn<bool>("leaveEmpty"); // the wrong ones are left empty instead
    QTest::addColumn<QString>("score");
    QTest::newRow("all right") << 0 << false << "100";
    QTest::newRow("three wrong") << 3 << false << "85";
    QTest::newRow("all empty") << 20 << true << "0";
    QTest::newRow("all wrong") << 20 << false << "0";
}

void tst_Practice::gradeAndScore()
{
    QFETCH(int, wrongRows);
    QFETCH(bool, leaveEmpty);
    QFETCH(QString, score);
    start();
    for (int i = 1; i <= 20; ++i) {
        const RowWidgets w = rowWidgets(window.get(), i);
        const bool wrong = i <= wrongRows;
        if (!(wrong && leaveEmpty))
            QTest::keyClicks(w.answer, QString::number(resultOf(w) + (wrong ? 1 : 0)));
    }
    for (int press = 0; press < 2; ++press) { // a second press regrades the same way
        submit();
        QCOMPARE(this->score(), score);
        for (int i = 1; i <= 20; ++i)
            QCOMPARE(rowWidgets(window.get(), i).verdict->styleSheet(), i <= wrongRows ? red : green);
    }
}

void tst_Practice::regradeAfterCorrection()
{
    start();
    submit();
    QCOMPARE(score(), QStringLiteral("0"));
    const RowWidgets w = rowWidgets(window.get(), 13);
    QTest::keyClicks(w.answer, QString::number(resultOf(w)));
    submit();
    QCOMPARE(score(), QStringLiteral("5"));
    QCOMPARE(w.verdict->styleSheet(), green);
}

// An on-screen keyboard holds typed digits as pre-edit text until Enter; a
// pupil who taps 提交答案 straight away is graded on what the box shows.
void tst_Practice::heldTextIsGraded()
{
    start();
    const RowWidgets w = rowWidgets(window.get(), 13);
    w.answer->setFocus();
    QInputMethodEvent typing(QString::number(resultOf(w)), {});
    QCoreApplication::sendEvent(w.answer, &typing);
    QCOMPARE(w.answer->text(), QString());
    submit();
    QCOMPARE(w.answer->text(), QString::number(resultOf(w)));
    QCOMPARE(w.verdict->styleSheet(), green);
}

// Before any deal every row reads 0 + 0: "0" is right, anything empty wrong.
void tst_Practice::submitBeforeStart()
{
    QTest::keyClicks(rowWidgets(window.get(), 4).answer, QStringLiteral("0"));
    QTest::keyClicks(rowWidgets(window.get(), 9).answer, QStringLiteral("abc"));
    QTest::keyClicks(rowWidgets(window.get(), 11).answer, QStringLiteral("1"));
    submit();
    QCOMPARE(score(), QStringLiteral("10"));
    for (int i = 1; i <= 20; ++i)
        QCOMPARE(rowWidgets(window.get(), i).verdict->styleSheet(), (i == 4 || i == 9) ? green : red);
    QCOMPARE(clock(), QStringLiteral("00:00:00"));
}

void tst_Practice::newSetLeavesNothingToUndo()
{
    start();
    QLineEdit *answer = rowWidgets(window.get(), 6).answer;
    QTest::keyClicks(answer, QStringLiteral("42"));
    start();
    QVERIFY(!answer->isUndoAvailable());
    QTest::keyClick(answer, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(answer->text(), QString());
}

// Thousands of answers of up to three characters from a wide alphabet: a row is
// right exactly when its box is not empty and reads, as toInt() reads it once
// full-width digits, signs and spaces are plain, as the result worked out here
// from the operands shown.
void tst_Practice::anyTypedTextGradesAsItReads()
{
    const QString alphabet = QStringLiteral("0123456789+- \tax") + QString::fromUtf8("中题０９－＋　−①")
        + QChar(0xD83D) + QChar(0xDE00); // the two halves of an emoji, also alone
    std::mt19937 random(1207);
    const auto below = [&random](auto n) { return std::uniform_int_distribution<decltype(n)>(0, n - 1)(random); };
    for (int set = 0; set < 150; ++set) {
        start();
        for (int i = 1; i <= 20; ++i) {
            QString text;
            for (int n = below(4); n > 0; --n)
                text += alphabet.at(below(alphabet.size()));
            rowWidgets(window.get(), i).answer->insert(text);
        }
        submit();
        for (int i = 1; i <= 20; ++i) {
            const RowWidgets w = rowWidgets(window.get(), i);
            const int x = w.first->text().toInt();
            const int y = w.second->text().toInt();
            const int op = w.op->currentIndex();
            const int expected = op == 0 ? x + y : op == 1 ? x - y : op == 2 ? x * y : x / y;
            const QString typed = w.answer->text();
            QString plain = typed;
            for (QChar &c : plain) {
                if ((c >= u'０' && c <= u'９') || c == u'＋' || c == u'－')
                    c = QChar(c.unicode() - 0xFEE0); // the full-width block mirrors ASCII
                else if (c == u'　')
                    c = QLatin1Char(' ');
            }
            const bool right = !typed.isEmpty() && plain.toInt() == expected;
            QVERIFY2(w.verdict->styleSheet() == (right ? green : red), qPrintable(typed));
        }
    }
}

// The reset style's colour notice is dropped; every other message reaches the
// handler installed before, unchanged. Nothing else is logged in a whole session.
void tst_Practice::wholeSessionIsQuiet()
{
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    messages().clear();
    const QtMessageHandler previous = qInstallMessageHandler(recordMessage);
    quietResetStyleNotice();
    quietResetStyleNotice(); // a second time must not make it call itself
    start();
    for (int i = 1; i <= 20; ++i) {
        const RowWidgets w = rowWidgets(window.get(), i);
        QTest::keyClicks(w.answer, QString::number(resultOf(w)));
    }
    QTest::qWait(50);
    submit();
    submit();
    start();
    QTest::qWait(50);
    qWarning("QCssParser::parseColorValue: not ours, %d", 60);
    qInstallMessageHandler(previous);
    QCOMPARE(score(), QString());
    QCOMPARE(messages(), QStringList{QStringLiteral("QCssParser::parseColorValue: not ours, 60")});
}

QTEST_MAIN(tst_Practice)
#include "tst_practice.moc"
