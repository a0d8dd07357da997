// Corvanthelix - choosing two tiles and interchanging them.
#pragma once

#include <QtGlobal>

class Board;

// The main window's selection between the two clicks of an interchange.
// inum1 is 0 while no tile is chosen; inum2 is set only during a second click.
// The well references are never cleared and are read only after being set in
// the same selection.
struct Selection
{
    qint32 inum1 = 0;
    qint32 inum2 = 0;
    int wellname1 = 0; // well numbers, 1 to 9
    int wellname2 = 0;

    void clear() { inum1 = 0; inum2 = 0; }
};

// What a click on a well did.
enum class ClickResult {
    Nothing,           // a first click on a well with no tile (a finished board): nothing chosen
    Picked,            // a first click: the tile is chosen, nothing on screen changes
    Swapped,           // a second click: the two tiles swapped, one step
    SwappedWithItself, // a second click on the tile chosen first: the board as it was, one step
};

// A mouse-down on a well. The first click records the tile; the second lays
// each well the tile of the other's hidden number and counts one step, even
// when both clicks hit the same well.
ClickResult ClickWell(Board &board, Selection &selection, int well);
