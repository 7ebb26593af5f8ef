#include "Timer.h"

#include "Application.h"

#include <algorithm>

namespace toolkit {

Timer::Timer(QObject *parent) : QObject(parent)
{
    m_timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&m_timer, &QTimer::timeout, this, [this] { tick(); });
    if (TestClock *clock = TestClock::active())
        clock->m_timers.push_back(this);
}

Timer::~Timer()
{
    if (TestClock *clock = TestClock::active()) {
        auto &timers = clock->m_timers;
        timers.erase(std::remove(timers.begin(), timers.end(), this), timers.end());
    }
}

void Timer::setInterval(int milliseconds)
{
    m_interval = milliseconds;
    restart();
}

void Timer::setEnabled(bool enabled)
{
    m_enabled = enabled;
    restart();
}

void Timer::restart()
{
    if (TestClock *clock = TestClock::active()) {
        m_dueAt = clock->now() + m_interval;
        return;
    }
    if (running())
        m_timer.start(m_interval);
    else
        m_timer.stop();
}

void Timer::tick()
{
    if (tickProbe)
        tickProbe(*this);
    if (m_onTick)
        runHandler(m_onTick);
}

TestClock::TestClock() { s_active = this; }
TestClock::~TestClock() { s_active = nullptr; }

Timer *TestClock::nextDue() const
{
    Timer *next = nullptr;
    for (Timer *timer : m_timers)
        if (timer->running() && (!next || timer->m_dueAt < next->m_dueAt))
            next = timer;
    return next;
}

bool TestClock::fireNext()
{
    Timer *timer = nextDue();
    if (!timer)
        return false;
    m_now = std::max(m_now, timer->m_dueAt);
    timer->m_dueAt = m_now + timer->m_interval; // the cadence a repeating timer keeps
    timer->tick();
    return true;
}

void TestClock::advance(int64_t milliseconds)
{
    const int64_t until = m_now + milliseconds;
    while (Timer *timer = nextDue()) {
        if (timer->m_dueAt > until)
            break;
        fireNext();
    }
    m_now = until;
}

} // namespace toolkit
