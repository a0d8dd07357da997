// Corvanthelix - the watch that declares the puzzle solved.
#pragma once

#include <array>

class Board;
struct Selection;

// What a tick of the watch found.
struct Tick
{
    bool solved = false;
    std::array<bool, 8> changed{}; // for each line, in the order of Lines(): whether its sum changed
};

// Whether the blue sums show the targets. Compares texts, in a fixed order,
// and stops at the first mismatch; the rising diagonal takes no part, since
// rows and columns alone admit only 1 2 3 / 4 5 6 / 7 8 9.
bool SumsShowSolved(const Board &board);

// One tick: refresh the sums, and when they show the solved board, announce
// it ("DONE", the beep), stop the watch, cover the wells with the finish
// picture, drop any pending choice and open the score entry and New Game.
Tick WatchTick(Board &board, Selection &selection);
