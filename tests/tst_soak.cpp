// SPDX-FileCopyrightText: 2026 Sumgrove developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Thousands of practice sets in one window: nothing accumulates. The object
// tree keeps its size, at most one timer ever exists, and resident memory
// stays flat between set 100 and the last set.
//
// The window is not shown. Painting a style-sheeted combo box or time edit
// gives Qt's pixmap cache a new key each time, and Qt drops stale keys only
// every 30 seconds; at this test's thousand paints a second that is tens of
// megabytes of Qt's own cache, at a pupil's pace a few kilobytes.
#include "sumgrove.h"
#include "testing.h"

#include <QtTest/QtTest>

#include <QtCore/QAbstractEventDispatcher>

#ifdef Q_OS_WIN
#include <windows.h>
#include <psapi.h>
#else
#include <unistd.h>
#endif

namespace {

long long residentBytes()
{
#ifdef Q_OS_WIN
    PROCESS_MEMORY_COUNTERS counters = {};
    if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters))
        return -1;
    return static_cast<long long>(counters.WorkingSetSize);
#else
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.value(1).toLongLong() * sysconf(_SC_PAGESIZE);
#endif
}

bool sanitized()
{
#if defined(__SANITIZE_ADDRESS__)
    return true;
#else
    return false;
#endif
}

} // namespace

class tst_Soak : public QObject
{
    Q_OBJECT

private slots:
    void manySets();
};

void tst_Soak::manySets()
{
    // The sanitizers' quarantine holds freed memory on purpose, so under them
    // the run is shorter and memory is not measured. SOAK_SETS shortens it
    // where the machine is slow (an emulated one).
    int sets = sanitized() ? 600 : 10000;
    if (qEnvironmentVariableIsSet("SOAK_SETS"))
        sets = qEnvironmentVariableIntValue("SOAK_SETS");
    Sumgrove window;
    QAction *start = child<QAction>(&window, "actionStart");
    QAction *send = child<QAction>(&window, "actionSend");
    QVector<RowWidgets> rows;
    for (int i = 1; i <= 20; ++i)
        rows << rowWidgets(&window, i);
    QTextStream(stdout) << "sets: " << sets << '\n';

    QObjectList::size_type objectsAt100 = 0;
    long long residentAt100 = 0;
    for (int set = 1; set <= sets; ++set) {
        start->trigger();
        for (int i = 0; i < 20; ++i)
            QTest::keyClicks(rows[i].answer, QString::number((set + i) % 101));
        send->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
        QVERIFY(QAbstractEventDispatcher::instance()->registeredTimers(&window).size() <= 1);

        const QObjectList::size_type objects = window.findChildren<QObject *>().size();
        if (set == 100) {
            objectsAt100 = objects;
            residentAt100 = residentBytes();
        } else if (set > 100) {
            QCOMPARE(objects, objectsAt100);
        }
    }
    QVERIFY(QAbstractEventDispatcher::instance()->registeredTimers(&window).isEmpty());
    const long long growth = residentBytes() - residentAt100;
    QTextStream(stdout) << "resident growth from set 100 to set " << sets << ": " << growth << " bytes\n";
    if (!sanitized())
        QVERIFY2(growth < 1024LL * 1024, qPrintable(QString::number(growth)));
}

QTEST_MAIN(tst_Soak)
#include "tst_soak.moc"
