// Corvanthelix - a board kept in memory, for the rules' tests.
#pragma once

#include "puzzle/board.h"

#include <QHash>
#include <QSet>

// Starts as the main window does: the opening arrangement, the red targets,
// empty blue sums, the step counter at "0", the watch running, "DONE" hidden,
// "Enter Score" and the score table disabled.
class MemoryBoard : public Board
{
public:
    MemoryBoard();

    const Picture *picture(int well) const override;
    void setPicture(int well, const Picture *picture) override;
    QString text(const QString &control) const override;
    void setText(const QString &control, const QString &text) override;
    void setEnabled(const QString &control, bool enabled) override;
    void setVisible(const QString &control, bool visible) override;
    void setTimerMode(int mode) override { timerMode = mode; }
    void beep() override { ++beeps; }

    bool isEnabled(const QString &control) const { return !disabled.contains(control); }
    bool isVisible(const QString &control) const { return !hidden.contains(control); }
    // Hidden numbers of the nine wells, e.g. for comparing with a grid.
    std::array<qint32, 9> hiddenNumbers() const;
    void lay(const std::array<qint32, 9> &numbers);

    std::array<const Picture *, 9> wells = {};
    QHash<QString, QString> texts;
    QSet<QString> disabled;
    QSet<QString> hidden;
    int timerMode = 2;
    int beeps = 0;
};
