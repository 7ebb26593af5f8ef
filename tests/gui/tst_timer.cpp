// The timer's restart rules, on the test clock and once on the real one.
#include "TestRun.h"
#include "toolkit/Timer.h"

#include <QtTest>

class TimerTest : public QObject {
    Q_OBJECT

private slots:
    void restartRules_data();
    void restartRules();
    void realClockRestartsInsideItsOwnTick();
};

// Each step is an action at a time; the ticks are compared at the end.
struct TimerStep {
    int at;           // ms on the test clock
    char action;      // 'i' Interval <- value, 'e' Enabled <- value
    int value;
};
Q_DECLARE_METATYPE(TimerStep)

void TimerTest::restartRules_data()
{
    QTest::addColumn<QList<TimerStep>>("steps");
    QTest::addColumn<int>("runUntil");
    QTest::addColumn<QList<int>>("ticks");

    QTest::newRow("interval 0 never ticks") << QList<TimerStep>{} << 5000 << QList<int>{};
    QTest::newRow("ticks every interval")
        << QList<TimerStep>{{0, 'i', 1000}} << 3500 << QList<int>{1000, 2000, 3000};
    QTest::newRow("setting the interval restarts the count")
        << QList<TimerStep>{{0, 'i', 1000}, {1700, 'i', 1000}} << 3000 << QList<int>{1000, 2700};
    QTest::newRow("enabling restarts the count, even when enabled")
        << QList<TimerStep>{{0, 'i', 1000}, {1500, 'e', 1}} << 3000 << QList<int>{1000, 2500};
    QTest::newRow("disabled keeps the interval")
        << QList<TimerStep>{{0, 'i', 500}, {700, 'e', 0}, {2000, 'e', 1}} << 3100 << QList<int>{500, 2500, 3000};
    QTest::newRow("interval 0 stops but stays enabled")
        << QList<TimerStep>{{0, 'i', 500}, {1200, 'i', 0}, {3000, 'i', 100}} << 3250 << QList<int>{500, 1000, 3100, 3200};
}

void TimerTest::restartRules()
{
    QFETCH(QList<TimerStep>, steps);
    QFETCH(int, runUntil);
    QFETCH(QList<int>, ticks);

    TestRun run;
    QObject owner;
    toolkit::Timer timer(&owner);
    QList<int> seen;
    timer.onTick([&] { seen << int(run.clock.now()); });
    for (const TimerStep &step : steps) {
        run.clock.advance(step.at - run.clock.now());
        if (step.action == 'i')
            timer.setInterval(step.value);
        else
            timer.setEnabled(step.value != 0);
    }
    run.clock.advance(runUntil - run.clock.now());
    QCOMPARE(seen, ticks);
}

void TimerTest::realClockRestartsInsideItsOwnTick()
{
    toolkit::resetForTests();
    QObject owner;
    toolkit::Timer timer(&owner);
    int ticks = 0;
    timer.onTick([&] {
        ++ticks;
        timer.setInterval(1); // a restart from inside the tick keeps it going
        if (ticks == 3)
            timer.setEnabled(false);
    });
    timer.setInterval(5);
    QTRY_COMPARE(ticks, 3);
    QCOMPARE(timer.Interval(), 1);
}

ZELOR_TEST_MAIN(TimerTest)
#include "tst_timer.moc"
