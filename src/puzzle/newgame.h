// Corvanthelix - dealing a new game.
#pragma once

#include <array>

class Board;
class Picture;
class QRandomGenerator;
struct Selection;

// A random arrangement of pic1 to pic9 for wells 1 to 9. Ten slots, one of
// them empty, are shuffled; well k takes slot k-1, and the well that draws the
// empty slot takes slot 9 instead. Every arrangement is equally likely.
std::array<const Picture *, 9> Deal(QRandomGenerator &random);

// Puts a finished game's controls back into play (New Game disabled until the
// next solve), empties the name field, resets the step counter, restarts the
// watch and deals. The blue sums catch up at the next tick.
void NewGame(Board &board, Selection &selection, QRandomGenerator &random);
