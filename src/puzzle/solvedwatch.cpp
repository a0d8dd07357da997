// Corvanthelix - the watch that declares the puzzle solved.
#include "puzzle/solvedwatch.h"

#include "platform/pictures.h"
#include "puzzle/board.h"
#include "puzzle/interchange.h"

bool SumsShowSolved(const Board &board)
{
    for (const Line &line : Lines())
        if (line.sum != Control::RisingDiagonalSum && !ShowsTarget(board, line))
            return false;
    return true;
}

Tick WatchTick(Board &board, Selection &selection)
{
    Tick tick;
    const Sums before = SumsShown(board);
    RefreshLineSums(board);
    for (size_t line = 0; line < before.size(); ++line)
        tick.changed[line] = board.text(Lines()[line].sum) != before[line];
    tick.solved = SumsShowSolved(board);
    if (!tick.solved)
        return tick;

    board.setVisible(Control::Done, true);
    board.beep();
    board.setTimerMode(Timer::Off);
    for (int well = 1; well <= 9; ++well)
        board.setPicture(well, picA());
    selection.clear();
    for (Control control : {Control::NameField, Control::ScoreTable, Control::EnterScore, Control::NewGame})
        board.setEnabled(control, true);
    return tick;
}
