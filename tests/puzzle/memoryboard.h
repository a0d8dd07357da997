// Corvanthelix - a board kept in memory, for the rules' tests.
#pragma once

#include "puzzle/board.h"

#include <map>

// Starts as the main window does: the opening arrangement, empty blue sums,
// no steps, the watch running, "DONE" hidden, the score entry disabled.
struct MemoryBoard : Board
{
    MemoryBoard() { lay(OpeningArrangement); }

    const Picture *picture(int well) const override { return wells[well - 1]; }
    void setPicture(int well, const Picture *picture) override { wells[well - 1] = picture; }
    QString text(Control control) const override { return texts.count(control) ? texts.at(control) : QString(); }
    void setText(Control control, const QString &text) override { texts[control] = text; }
    void setEnabled(Control control, bool on) override { enabled[control] = on; }
    void setVisible(Control control, bool on) override { visible[control] = on; }
    void setTimerMode(Timer::Mode mode) override { timerMode = mode; }
    void beep() override { ++beeps; }

    bool isEnabled(Control control) const { return !enabled.count(control) || enabled.at(control); }
    bool isVisible(Control control) const { return !visible.count(control) || visible.at(control); }
    std::array<qint32, 9> hiddenNumbers() const
    {
        std::array<qint32, 9> numbers{};
        for (int well = 1; well <= 9; ++well)
            numbers[well - 1] = HiddenNumber(*this, well);
        return numbers;
    }
    void lay(const std::array<qint32, 9> &numbers)
    {
        for (int well = 1; well <= 9; ++well)
            setPicture(well, TilePicture(numbers[well - 1]));
    }

    std::array<const Picture *, 9> wells = {};
    std::map<Control, QString> texts = {{Control::StepCounter, QStringLiteral("0")}};
    std::map<Control, bool> enabled = {{Control::EnterScore, false}, {Control::ScoreTable, false}};
    std::map<Control, bool> visible = {{Control::Done, false}};
    Timer::Mode timerMode = Timer::Multiple;
    int beeps = 0;
};
