// Corvanthelix - a timer switched by mode, as the game's watch uses it.
#pragma once

#include <QObject>
#include <QTimer>

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

signals:
    void action();

private:
    void apply();

    QTimer m_timer;
    int m_mode = Off;
};
