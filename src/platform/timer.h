// Corvanthelix - a timer switched by mode, as the game's watch uses it.
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

// In repeating mode it ticks every period on a grid counted from the moment
// the mode began, however late a tick was delivered. A repeating timer that
// has nothing to watch may sleep: it keeps its mode, wakes no one, and its
// next tick after wake() falls on the same grid.
class Timer : public QObject
{
    Q_OBJECT
public:
    // The toolkit's own numbers for the modes: 0 off, 2 repeating.
    enum Mode { Off = 0, Multiple = 2 };

    explicit Timer(QObject *parent = nullptr);

    Mode mode() const { return m_mode; }
    // Switching a running repeating timer to Multiple again keeps its rhythm.
    void setMode(Mode mode);
    void setPeriod(int milliseconds);

    void sleep();
    void wake();
    // How long until the next tick, as it was armed; -1 while off or asleep.
    int armedFor() const { return m_timer.isActive() ? m_timer.interval() : -1; }
    // The clock the grid is counted on, in milliseconds: a steady one, unless
    // a test sets one of its own.
    void setClock(std::function<qint64()> clock) { m_clock = std::move(clock); }

signals:
    void action();

private:
    void apply();
    void armNext();
    void tick();

    QTimer m_timer; // single shot, armed for the next point of the grid
    std::function<qint64()> m_clock;
    qint64 m_since = 0; // the grid's origin
    int m_period = 0;
    Mode m_mode = Off;
    bool m_asleep = false;
};
