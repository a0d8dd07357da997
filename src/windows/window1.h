// Corvanthelix - the main window: the grid, the sums, the buttons and the scores.
#pragma once

#include "platform/window.h"
#include "puzzle/board.h"
#include "puzzle/interchange.h"
#include "scores/scorekeeper.h"
#include "windows/narrator.h"

#include <QRandomGenerator>
#include <array>
#include <memory>

class FocusGrid;
class ImageWell;
class ListBox;
class QLineEdit;
class QPushButton;
class Timer;

// All the game's state lives here: the board in the wells, the sums and the
// steps in the labels, the phase in the controls' flags and the timer, the
// pending choice in the selection, and the scores in the table. The handlers
// read the controls, call a rule and let the rule write back.
class Window1 : public Window
{
    Q_OBJECT
public:
    static const WindowSettings Settings;
    static const std::span<const ControlRow> Controls;
    // The controls the window wires itself, after those the rules name.
    enum Part { Well1 = ControlCount, Timer1 = Well1 + 9, InstructionsButton };

    // The shared instance, created and shown on first use.
    static Window1 *instance();
    static void releaseInstance();

    Window1();
    ~Window1() override;

    // The choice between the two clicks of an interchange.
    Selection selection;

    // The nine wells share one routine.
    void ImageWell_MouseDown(int well, int x, int y);
    void ImageWell1_MouseDown(int x, int y) { ImageWell_MouseDown(1, x, y); }
    void ImageWell2_MouseDown(int x, int y) { ImageWell_MouseDown(2, x, y); }
    void ImageWell3_MouseDown(int x, int y) { ImageWell_MouseDown(3, x, y); }
    void ImageWell4_MouseDown(int x, int y) { ImageWell_MouseDown(4, x, y); }
    void ImageWell5_MouseDown(int x, int y) { ImageWell_MouseDown(5, x, y); }
    void ImageWell6_MouseDown(int x, int y) { ImageWell_MouseDown(6, x, y); }
    void ImageWell7_MouseDown(int x, int y) { ImageWell_MouseDown(7, x, y); }
    void ImageWell8_MouseDown(int x, int y) { ImageWell_MouseDown(8, x, y); }
    void ImageWell9_MouseDown(int x, int y) { ImageWell_MouseDown(9, x, y); }
    void Timer1_Action();
    void PushButton1_Action();
    void PushButton2_Action();
    void ListBox1_Open();
    void ListBox1_CellClick(int row, int column, int x, int y);
    void PushButton3_Action();
    void Event_Open();
    void Event_MouseDown(int x, int y);

    ScoreKeeper &scores() { return m_scores; }
    // The controls the rules read and write.
    template <typename T> T *control(Control control) const { return created<T>(int(control)); }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void CreateControls0();
    void bindHandlers();

    // The board as the rules see it, on this window's controls.
    class OnScreen;

    std::array<ImageWell *, 9> m_wells = {};
    Timer *m_timer = nullptr;
    QPushButton *m_instructions = nullptr;
    QPushButton *m_newGame = nullptr;
    QPushButton *m_enterScore = nullptr;
    ListBox *m_scoreTable = nullptr;
    QLineEdit *m_nameField = nullptr;
    FocusGrid *m_grid = nullptr; // the wells as one stop of the Tab chain
    std::unique_ptr<Board> m_board;
    ScoreKeeper m_scores;
    std::unique_ptr<Narrator> m_narrator;
    QRandomGenerator m_random = QRandomGenerator::securelySeeded();
    // Whether the last move, or New Game, came from a key or a screen reader
    // rather than the mouse: such a player's focus follows the game.
    bool m_playedByKey = false;
};
