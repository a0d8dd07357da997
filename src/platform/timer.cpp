// Corvanthelix - a timer switched by mode, as the game's watch uses it.
#include "platform/timer.h"

#include <QElapsedTimer>

Timer::Timer(QObject *parent)
    : QObject(parent)
    , m_clock([] {
        static QElapsedTimer steady = [] {
            QElapsedTimer started;
            started.start();
            return started;
        }();
        return steady.elapsed();
    })
{
    m_timer.setTimerType(Qt::CoarseTimer);
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &Timer::tick);
}

void Timer::setMode(Mode mode)
{
    if (mode == m_mode)
        return;
    m_mode = mode;
    apply();
}

void Timer::setPeriod(int milliseconds)
{
    if (milliseconds == m_period)
        return;
    m_period = milliseconds;
    apply();
}

void Timer::sleep()
{
    m_asleep = true;
    m_timer.stop();
}

void Timer::wake()
{
    if (!m_asleep)
        return;
    m_asleep = false;
    armNext();
}

void Timer::apply()
{
    m_asleep = false;
    m_since = m_clock();
    armNext();
}

void Timer::armNext()
{
    if (m_mode == Off || m_period <= 0 || m_asleep) {
        m_timer.stop();
        return;
    }
    m_timer.start(int(m_period - (m_clock() - m_since) % m_period));
}

void Timer::tick()
{
    emit action();
    if (!m_timer.isActive()) // the handler may have switched the mode, which arms anew
        armNext();
}
