// Corvanthelix - a timer switched by mode, as the game's watch uses it.
#include "platform/timer.h"

Timer::Timer(QObject *parent)
    : QObject(parent)
{
    m_timer.setTimerType(Qt::CoarseTimer);
    connect(&m_timer, &QTimer::timeout, this, &Timer::action);
}

void Timer::setMode(int mode)
{
    if (mode == m_mode)
        return;
    m_mode = mode;
    apply();
}

void Timer::setPeriod(int milliseconds)
{
    if (milliseconds == m_timer.interval())
        return;
    m_timer.setInterval(milliseconds);
    apply();
}

void Timer::apply()
{
    if (m_mode == Off)
        m_timer.stop();
    else
        m_timer.start();
}
