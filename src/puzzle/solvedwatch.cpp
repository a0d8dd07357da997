// Corvanthelix - the watch that declares the puzzle solved.
#include "puzzle/solvedwatch.h"

#include "platform/pictures.h"
#include "puzzle/board.h"
#include "puzzle/interchange.h"

bool SumsShowSolved(const Board &board)
{
    for (const Line &line : Lines())
        if (line.sum != Control::RisingDiagonalSum && board.text(line.sum) != QString::number(line.target))
            return false;
    return true;
}

void WatchTick(Board &board, Selection &selection)
{
    RefreshLineSums(board);
    if (!SumsShowSolved(board))
        return;

    board.setVisible(Control::Done, true);
    board.beep();
    board.setTimerMode(Timer::Off);
    for (int well = 1; well <= 9; ++well)
        board.setPicture(well, picA());
    selection.clear();
    for (Control control : {Control::NameField, Control::ScoreTable, Control::EnterScore, Control::NewGame})
        board.setEnabled(control, true);
}
