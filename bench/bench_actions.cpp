// SPDX-FileCopyrightText: 2026 Sumgrove developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What one click costs, a full repaint of the window included, against the
// floor of repainting an empty main window of the same size.
#include "startup.h"
#include "sumgrove.h"

#include <QtTest/QtTest>

#include <QtWidgets/QLineEdit>

class bench_Actions : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void emptyWindowRepaint();
    void practiceWindowRepaint();
    void startAction_data() { actionRows(); }
    void startAction();
    void submitAction_data() { actionRows(); }
    void submitAction();

private:
    static void actionRows()
    {
        QTest::addColumn<bool>("repaint");
        QTest::newRow("with full repaint") << true;
        QTest::newRow("action alone") << false;
    }

    Sumgrove window;
    QAction *start = nullptr;
    QAction *send = nullptr;
};

void bench_Actions::initTestCase()
{
    quietResetStyleNotice(); // as main() does
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    start = window.findChild<QAction *>(QStringLiteral("actionStart"));
    send = window.findChild<QAction *>(QStringLiteral("actionSend"));
    QVERIFY(start && send);
}

void bench_Actions::emptyWindowRepaint()
{
    QMainWindow empty;
    empty.resize(907, 600);
    empty.show();
    QVERIFY(QTest::qWaitForWindowExposed(&empty));
    QBENCHMARK {
        empty.repaint();
    }
}

// The repaint alone, to tell the cost of an action from the cost of drawing it.
void bench_Actions::practiceWindowRepaint()
{
    start->trigger();
    QBENCHMARK {
        window.repaint();
    }
}

void bench_Actions::startAction()
{
    QFETCH(bool, repaint);
    QBENCHMARK {
        start->trigger();
        if (repaint)
            window.repaint();
    }
}

void bench_Actions::submitAction()
{
    start->trigger();
    for (int i = 1; i <= 20; ++i)
        QTest::keyClicks(window.findChild<QLineEdit *>(QStringLiteral("lineRet%1").arg(i)),
                         QString::number(i * 3));
    QFETCH(bool, repaint);
    QBENCHMARK {
        send->trigger();
        if (repaint)
            window.repaint();
    }
}

QTEST_MAIN(bench_Actions)
#include "bench_actions.moc"
