// A timer control: ticks every Interval ms while Enabled and Interval > 0.
//
// Setting Interval above 0, or Enabled to true, restarts the count from that
// moment, also inside the timer's own tick; Enabled false keeps Interval, and
// Interval 0 stops the ticks but leaves Enabled as it was.
//
// Time is injectable: while a TestClock exists, timers tick only when the test
// advances that clock, at the exact virtual times the rules above give.
#pragma once

#include <QObject>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <vector>

namespace toolkit {

class TestClock;

class Timer : public QObject {
    Q_OBJECT

public:
    explicit Timer(QObject *parent);

    void onTick(std::function<void()> handler) { m_onTick = std::move(handler); }
    ~Timer() override;

    int Interval() const { return m_interval; }
    void setInterval(int milliseconds);
    bool Enabled() const { return m_enabled; }
    void setEnabled(bool enabled);

    // Seen by benchmarks: called right before each tick's handler.
    static inline std::function<void(const Timer &)> tickProbe;

private:
    friend class TestClock;
    void restart();
    void tick();
    bool running() const { return m_enabled && m_interval > 0; }

    std::function<void()> m_onTick;
    QTimer m_timer;
    int m_interval = 0;
    bool m_enabled = true;
    int64_t m_dueAt = 0; // virtual ms, under a TestClock
};

// Virtual time for tests. Timers created or restarted while it exists follow
// it instead of the real clock.
class TestClock {
public:
    TestClock();
    ~TestClock();
    TestClock(const TestClock &) = delete;
    TestClock &operator=(const TestClock &) = delete;

    static TestClock *active() { return s_active; }

    int64_t now() const { return m_now; }
    // Fires the earliest due timer, advancing the clock to its time. False
    // when no timer is running.
    bool fireNext();
    // Fires every timer due up to and including now + milliseconds.
    void advance(int64_t milliseconds);

private:
    friend class Timer;
    Timer *nextDue() const;

    static inline TestClock *s_active = nullptr;
    int64_t m_now = 0;
    std::vector<Timer *> m_timers;
};

} // namespace toolkit
