// Corvanthelix - the board: nine tiles, their hidden numbers and the line sums.
#pragma once

#include "platform/timer.h"

#include <QString>
#include <array>

class Picture;

// The main window's controls that the rules read and write. The window's
// layout table says which control each one is.
enum class Control {
    RisingDiagonalSum, TopRowSum, MiddleRowSum, BottomRowSum, RightColumnSum, MiddleColumnSum, LeftColumnSum,
    FallingDiagonalSum, StepCounter, Done, NameField, ScoreTable, EnterScore, NewGame,
};
inline constexpr int ControlCount = int(Control::NewGame) + 1;

// What the rules need of the screen: nine picture slots in row-major order
// (1 2 3 / 4 5 6 / 7 8 9) and the controls they read and write.
// The main window provides them on screen; the tests keep them in memory.
// The pictures are the only record of the board.
class Board
{
public:
    virtual ~Board() = default;

    // 1 <= well <= 9
    virtual const Picture *picture(int well) const = 0;
    virtual void setPicture(int well, const Picture *picture) = 0;

    // Labels and the name field.
    virtual QString text(Control control) const = 0;
    virtual void setText(Control control, const QString &text) = 0;
    virtual void setEnabled(Control control, bool enabled) = 0;
    virtual void setVisible(Control control, bool visible) = 0;

    // The watch's timer.
    virtual void setTimerMode(Timer::Mode mode) = 0;
    virtual void beep() = 0;
};

// A line of three wells, with its blue sum label and the sum its red label
// asks for (the red labels themselves are the layout's, and show the same).
struct Line
{
    std::array<int, 3> wells;
    Control sum;
    qint32 target;
};

// The eight lines in the order the sums are refreshed: rows top to bottom,
// columns right to left, then the rising and the falling diagonal.
const std::array<Line, 8> &Lines();

// The vertical resolution of the well's picture minus 70; worked out afresh
// from the picture every time.
qint32 HiddenNumber(const Board &board, int well);

// The tile picture of hidden number n (pic1 to pic9), null for any other n.
const Picture *TilePicture(qint32 n);

// Lays the tile of hidden number n in the well; any other n lays nothing.
void LayTile(Board &board, int well, qint32 n);

// The texts of the eight sums, in the order the lines are refreshed.
using Sums = std::array<QString, 8>;
// The sums the wells give now, whatever the blue labels show.
Sums SumsOf(const Board &board);
// Rewrites all eight blue sums from the wells, every label every time.
void RefreshLineSums(Board &board);
// The blue sums as they stand.
Sums SumsShown(const Board &board);
// Whether the line's blue sum shows its target, compared as texts.
bool ShowsTarget(const Board &board, const Line &line);
// How many of the eight lines show their targets.
int LinesMatching(const Board &board);

// Hidden numbers of the opening board, wells 1 to 9: 9 1 3 / 7 4 2 / 6 8 5.
inline constexpr std::array<qint32, 9> OpeningArrangement = {9, 1, 3, 7, 4, 2, 6, 8, 5};
