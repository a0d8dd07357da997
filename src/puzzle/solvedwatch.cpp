// Corvanthelix - the watch that declares the puzzle solved.
#include "puzzle/solvedwatch.h"

#include "platform/pictures.h"
#include "puzzle/board.h"
#include "puzzle/interchange.h"

#include <array>

bool SumsShowSolved(const Board &board)
{
    static const std::array<std::pair<Control, QString>, 7> expected = {{
        {Control::TopRowSum, QStringLiteral("6")},
        {Control::MiddleRowSum, QStringLiteral("15")},
        {Control::BottomRowSum, QStringLiteral("24")},
        {Control::RightColumnSum, QStringLiteral("18")},
        {Control::MiddleColumnSum, QStringLiteral("15")},
        {Control::LeftColumnSum, QStringLiteral("12")},
        {Control::FallingDiagonalSum, QStringLiteral("15")},
    }};
    for (const auto &[label, text] : expected)
        if (board.text(label) != text)
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
    board.setTimerMode(0);
    for (int well = 1; well <= 9; ++well)
        board.setPicture(well, picA());
    selection.clear();
    for (Control control : {Control::NameField, Control::ScoreTable, Control::EnterScore, Control::NewGame})
        board.setEnabled(control, true);
}
