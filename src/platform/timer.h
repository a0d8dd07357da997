// Corvanthelix - a timer switched by mode, as the game's watch uses it.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

// In repeating mode it ticks every period on a grid counted from the moment
// the mode began, however late a tick was delivered. A repeating timer that
// has nothing to watch may sleep: it keeps its mode, wakes no one, and its
// next tick after wake() falls on the same grid.
class Timer : public QObject
{
    Q_OBJECT
public:
    enum Mode { Off = 0, Multiple = 2 };

    explicit Timer(QObject *parent = nullptr);

    int mode() const { return m_mode; }
    // Switching a running repeating timer to Multiple again keeps its rhythm.
    void setMode(int mode);
    void setPeriod(int milliseconds);

    void sleep();
    void wake();

signals:
    void action();

private:
    void apply();
    void armNext();
    void tick();

    QTimer m_timer; // single shot, armed for the next point of the grid
    QElapsedTimer m_since; // the grid's origin
    int m_period = 0;
    int m_mode = Off;
    bool m_asleep = false;
};
