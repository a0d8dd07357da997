// Corvanthelix - a board kept in memory, for the rules' tests.
#pragma once

#include "puzzle/board.h"

#include <QHash>
#include <QSet>

// Starts as the main window does: the opening arrangement, empty blue sums,
// no steps, the watch running, "DONE" hidden, the score entry disabled.
struct MemoryBoard : Board
{
    MemoryBoard() { lay(OpeningArrangement); }

    const Picture *picture(int well) const override { return wells[well - 1]; }
    void setPicture(int well, const Picture *picture) override { wells[well - 1] = picture; }
    QString text(const QString &control) const override { return texts.value(control); }
    void setText(const QString &control, const QString &text) override { texts[control] = text; }
    void setEnabled(const QString &control, bool enabled) override { flag(disabled, control, !enabled); }
    void setVisible(const QString &control, bool visible) override { flag(hidden, control, !visible); }
    void setTimerMode(int mode) override { timerMode = mode; }
    void beep() override { ++beeps; }

    bool isEnabled(const QString &control) const { return !disabled.contains(control); }
    bool isVisible(const QString &control) const { return !hidden.contains(control); }
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
    static void flag(QSet<QString> &set, const QString &control, bool on)
    {
        on ? void(set.insert(control)) : void(set.remove(control));
    }

    std::array<const Picture *, 9> wells = {};
    QHash<QString, QString> texts = {{StepCounter(), QStringLiteral("0")}};
    QSet<QString> disabled = {QStringLiteral("PushButton3"), QStringLiteral("ListBox1")};
    QSet<QString> hidden = {QStringLiteral("StaticText20")};
    int timerMode = 2;
    int beeps = 0;
};
