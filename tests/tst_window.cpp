// SPDX-FileCopyrightText: 2026 Sumgrove developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window class seen from outside: its meta-object, the wiring of the two
// actions, and where main() opens it.
#include "placement.h"
#include "startup.h"
#include "sumgrove.h"
#include "testing.h"

#include <QtTest/QtTest>

#include <QtGui/QScreen>

#include <cstdlib>
#include <ctime>

class tst_Window : public QObject
{
    Q_OBJECT

private slots:
    void metaObject();
    void slotsReturnZero();
    void metacast();
    void actionsAreWired();
    void seededFromTheClock();
    void startPosition_data();
    void startPosition();
    void opensAtStartPosition();
};

void tst_Window::metaObject()
{
    const QMetaObject &mo = Sumgrove::staticMetaObject;
    QCOMPARE(mo.className(), "Sumgrove");
    QCOMPARE(mo.superClass(), &QMainWindow::staticMetaObject);
    QCOMPARE(mo.methodCount() - mo.methodOffset(), 2);
    QCOMPARE(mo.propertyCount(), mo.propertyOffset());
    QCOMPARE(mo.enumeratorCount(), mo.enumeratorOffset());
    const char *const signatures[] = {"OnActionStartClicked()", "OnActionSendClicked()"};
    for (int i = 0; i < 2; ++i) {
        const QMetaMethod slot = mo.method(mo.methodOffset() + i);
        QCOMPARE(slot.methodSignature(), QByteArray(signatures[i]));
        QCOMPARE(slot.methodType(), QMetaMethod::Slot);
        QCOMPARE(slot.access(), QMetaMethod::Private);
        QCOMPARE(slot.returnType(), int(QMetaType::Int));
        QCOMPARE(slot.parameterCount(), 0);
    }
}

void tst_Window::slotsReturnZero()
{
    Sumgrove window;
    for (const char *slot : {"OnActionStartClicked", "OnActionSendClicked", "OnActionSendClicked"}) {
        int result = -1;
        QVERIFY(QMetaObject::invokeMethod(&window, slot, Q_RETURN_ARG(int, result)));
        QCOMPARE(result, 0);
    }
}

void tst_Window::metacast()
{
    Sumgrove window;
    QCOMPARE(window.qt_metacast("Sumgrove"), static_cast<void *>(&window));
    QCOMPARE(window.qt_metacast("QMainWindow"), static_cast<void *>(static_cast<QMainWindow *>(&window)));
    QCOMPARE(window.qt_metacast("QObject"), static_cast<void *>(static_cast<QObject *>(&window)));
    QCOMPARE(window.qt_metacast("QPushButton"), nullptr);
}

// Each action reaches its slot exactly once: one start deals one set, one submit grades it.
void tst_Window::actionsAreWired()
{
    Sumgrove window;
    const RowWidgets row1 = rowWidgets(&window, 1);
    std::srand(7);
    const int firstDraw = std::rand() % 4;
    std::srand(7);
    child<QAction>(&window, "actionStart")->trigger();
    QVERIFY(!row1.first->text().isEmpty());
    QCOMPARE(row1.op->currentIndex(), firstDraw);

    child<QAction>(&window, "actionSend")->trigger();
    QCOMPARE(child<QLabel>(&window, "labelScore")->text(), QStringLiteral("0"));
    QCOMPARE(row1.verdict->styleSheet(), QStringLiteral("background-color:rgb(255,0,0)"));
}

// Each start of the program deals other sets: the window seeds the draws
// from the time it opens.
void tst_Window::seededFromTheClock()
{
    const auto firstDrawAt = [](std::time_t t) {
        std::srand(static_cast<unsigned>(t));
        return std::rand();
    };
    const std::time_t before = std::time(nullptr);
    std::srand(1);
    Sumgrove window;
    const int drawn = std::rand();
    const std::time_t after = std::time(nullptr);
    QVERIFY(drawn == firstDrawAt(before) || drawn == firstDrawAt(after));
}

void tst_Window::startPosition_data()
{
    QTest::addColumn<QSize>("desktop");
    QTest::addColumn<QPoint>("expected");
    QTest::newRow("1920x1080") << QSize(1920, 1080) << QPoint(506, 200);
    QTest::newRow("1366x768") << QSize(1366, 768) << QPoint(229, 44);
    QTest::newRow("1280x720") << QSize(1280, 720) << QPoint(186, 20);
    QTest::newRow("1024x600") << QSize(1024, 600) << QPoint(58, -40);
    QTest::newRow("narrower than the window") << QSize(800, 600) << QPoint(-53, -40);
    QTest::newRow("lower than the window") << QSize(1920, 500) << QPoint(506, -90);
    QTest::newRow("80 higher") << QSize(907, 680) << QPoint(0, 0);
    QTest::newRow("81 higher") << QSize(907, 681) << QPoint(0, 0);
}

void tst_Window::startPosition()
{
    QFETCH(QSize, desktop);
    QFETCH(QPoint, expected);
    QCOMPARE(::startPosition(desktop, QSize(907, 600)), expected);
}

// main() shows the window where startPosition() puts it on the screen it opens on.
void tst_Window::opensAtStartPosition()
{
    Sumgrove window;
    window.setWindowFlag(Qt::FramelessWindowHint); // as under X with no window manager: no frame to count
    showAtStartPosition(window);
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QSize desktop = QGuiApplication::primaryScreen()->virtualSize();
    QCOMPARE(window.pos(), ::startPosition(desktop, QSize(907, 600)));
}

QTEST_MAIN(tst_Window)
#include "tst_window.moc"
