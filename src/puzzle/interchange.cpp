// Corvanthelix - choosing two tiles and interchanging them.
#include "puzzle/interchange.h"

#include "platform/textnumbers.h"
#include "puzzle/board.h"

ClickResult ClickWell(Board &board, Selection &selection, int well)
{
    if (selection.inum2 == 0 && selection.inum1 == 0) {
        // A finished board shows picA, hidden number 0: this stays "none chosen".
        selection.inum1 = HiddenNumber(board, well);
        selection.wellname1 = well;
        return selection.inum1 != 0 ? ClickResult::Picked : ClickResult::Nothing;
    }

    selection.inum2 = HiddenNumber(board, well);
    selection.wellname2 = well;
    // Each well is given afresh the tile of the other's number, as read at the clicks.
    LayTile(board, selection.wellname2, selection.inum1);
    LayTile(board, selection.wellname1, selection.inum2);
    board.setText(Control::StepCounter, Str(Val(board.text(Control::StepCounter)) + 1));
    selection.clear();
    return selection.wellname1 == selection.wellname2 ? ClickResult::SwappedWithItself : ClickResult::Swapped;
}
