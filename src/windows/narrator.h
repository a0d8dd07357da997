// Corvanthelix - what a screen reader player hears of the main window.
#pragma once

#include "puzzle/board.h"
#include "puzzle/interchange.h"

#include <QCoreApplication>
#include <array>

class ImageWell;
class ListBox;
class QLineEdit;
class QWidget;
struct Tick;

// Tells assistive technology what a player who cannot see the board needs:
// which tile is picked, how the lines stand after each move, the solve, New
// Game, and the score table's current row. Every sentence a screen reader
// speaks of the main window is made here; none of it reaches the screen, and
// the keyboard focus is the window's to move.
class Narrator
{
    Q_DECLARE_TR_FUNCTIONS(Narrator)
public:
    Narrator(QWidget *window, const Board &board, const std::array<ImageWell *, 9> &wells, QLineEdit *nameField,
             ListBox *table);

    // After a click on a well, with what it did: the pick, named, the end of
    // a pick, or a tile swapped with itself.
    void clicked(ClickResult result, const Selection &selection);
    // After a tick that did not solve the board: what the last moves changed
    // and how close the board is.
    void ticked(const Tick &tick);
    // The board is solved: the name field tells of it.
    void solved();
    void dealt();
    void entered(int row);
    void sorted(int column, Qt::SortOrder order);
    // A row is about to go; after it has, removed() says so, news first, with
    // what is current now.
    QString rowText(int row) const;
    void removed(const QString &row);
    // S on a tile: every sum beside its target.
    void readBoard();

private:
    // Sets each tile's description, its pick and its lines by the sums, and
    // lets the focused one tell the news.
    void describeTiles(const Sums &sums, const QString &news);
    // "Now at Ann, 7.", or that the table is empty.
    QString currentRow() const;

    QWidget *m_window;
    const Board &m_board;
    std::array<ImageWell *, 9> m_wells;
    QLineEdit *m_nameField;
    ListBox *m_table;
    Sums m_sums;                                    // the tiles' lines are told by
    QString m_news;                                 // told at the next tick
    QString m_describedSteps = QStringLiteral("0"); // the steps the tiles last told of
    int m_picked = 0;                               // the well picked first, or 0
};
