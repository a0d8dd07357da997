// Corvanthelix - a board kept in memory, for the rules' tests.
#include "puzzle/memoryboard.h"

MemoryBoard::MemoryBoard()
{
    lay(OpeningArrangement);
    for (const Line &line : Lines()) {
        texts.insert(line.sumLabel, QString());
        texts.insert(line.targetLabel, line.target);
    }
    texts.insert(StepCounter(), QStringLiteral("0"));
    texts.insert(QStringLiteral("EditField1"), QString());
    hidden.insert(QStringLiteral("StaticText20"));
    disabled.insert(QStringLiteral("PushButton3"));
    disabled.insert(QStringLiteral("ListBox1"));
}

const Picture *MemoryBoard::picture(int well) const
{
    Q_ASSERT(well >= 1 && well <= 9);
    return wells[well - 1];
}

void MemoryBoard::setPicture(int well, const Picture *picture)
{
    Q_ASSERT(well >= 1 && well <= 9);
    wells[well - 1] = picture;
}

QString MemoryBoard::text(const QString &control) const
{
    return texts.value(control);
}

void MemoryBoard::setText(const QString &control, const QString &text)
{
    texts[control] = text;
}

void MemoryBoard::setEnabled(const QString &control, bool enabled)
{
    if (enabled)
        disabled.remove(control);
    else
        disabled.insert(control);
}

void MemoryBoard::setVisible(const QString &control, bool visible)
{
    if (visible)
        hidden.remove(control);
    else
        hidden.insert(control);
}

std::array<qint32, 9> MemoryBoard::hiddenNumbers() const
{
    std::array<qint32, 9> numbers{};
    for (int well = 1; well <= 9; ++well)
        numbers[well - 1] = HiddenNumber(*this, well);
    return numbers;
}

void MemoryBoard::lay(const std::array<qint32, 9> &numbers)
{
    for (int well = 1; well <= 9; ++well)
        setPicture(well, TilePicture(numbers[well - 1]));
}
