// Corvanthelix - the main window: the grid, the sums, the buttons and the scores.
#pragma once

#include "platform/window.h"
#include "puzzle/board.h"
#include "puzzle/interchange.h"
#include "scores/scoretable.h"

#include <QHash>
#include <QMessageBox>
#include <QPointer>
#include <QRandomGenerator>
#include <array>
#include <atomic>
#include <memory>
#include <thread>

class FocusGrid;
class ImageWell;
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
    // The controls only the window itself wires, named once for its layout
    // table and its code; those the rules use are named by Control.
    static constexpr std::array<const char *, 9> Wells = {"ImageWell1", "ImageWell2", "ImageWell3", "ImageWell4",
                                                          "ImageWell5", "ImageWell6", "ImageWell7", "ImageWell8",
                                                          "ImageWell9"};
    static constexpr const char *WatchTimer = "Timer1";
    static constexpr const char *InstructionsButton = "PushButton1";

    // The shared instance, created and shown on first use.
    static Window1 *instance();
    static void releaseInstance();

    Window1();
    ~Window1() override;

    // The choice between the two clicks of an interchange.
    Selection selection;

    // The nine wells share one routine.
    bool ImageWell_MouseDown(int well, int x, int y);
    bool ImageWell1_MouseDown(int x, int y) { return ImageWell_MouseDown(1, x, y); }
    bool ImageWell2_MouseDown(int x, int y) { return ImageWell_MouseDown(2, x, y); }
    bool ImageWell3_MouseDown(int x, int y) { return ImageWell_MouseDown(3, x, y); }
    bool ImageWell4_MouseDown(int x, int y) { return ImageWell_MouseDown(4, x, y); }
    bool ImageWell5_MouseDown(int x, int y) { return ImageWell_MouseDown(5, x, y); }
    bool ImageWell6_MouseDown(int x, int y) { return ImageWell_MouseDown(6, x, y); }
    bool ImageWell7_MouseDown(int x, int y) { return ImageWell_MouseDown(7, x, y); }
    bool ImageWell8_MouseDown(int x, int y) { return ImageWell_MouseDown(8, x, y); }
    bool ImageWell9_MouseDown(int x, int y) { return ImageWell_MouseDown(9, x, y); }
    void Timer1_Action();
    void PushButton1_Action();
    void PushButton2_Action();
    void ListBox1_Open();
    bool ListBox1_CellClick(int row, int column, int x, int y);
    void PushButton3_Action();
    void Event_Open();
    bool Event_MouseDown(int x, int y);

    const ScoreTable &scores() const { return m_scores; }

    using Window::control;
    template <typename T> T *control(Control control) const
    {
        return Window::control<T>(QLatin1String(ControlName(control)));
    }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void CreateControls0();
    // Lets a keyboard or screen reader player know the board is solved.
    void announceSolved();
    // Tells assistive technology how the lines through each tile stand, and
    // which tile is the first pick; the focused tile tells what just happened.
    void describeTiles();
    void showPick();
    void speakBoard();
    void announceSort(int column, Qt::SortOrder order);
    // A row of the score table as it is spoken: "Ann, 7".
    QString spokenRow(int row) const;
    void showLoaded(const QString &path, ScoreRows &&rows);
    // The heading's sort mark as the table is sorted.
    void showSortMark();
    void tableOutOfMemory();
    // Tells the player about a trouble, in a window for its kind kept up to date.
    void tell(const QString &title, const QString &text);

    // The board as the rules see it, on this window's controls.
    class OnScreen;

    std::array<ImageWell *, 9> m_wells = {};
    FocusGrid *m_grid = nullptr; // the wells as one stop of the Tab chain
    Timer *m_timer = nullptr;
    std::unique_ptr<Board> m_board;
    ScoreTable m_scores;
    QRandomGenerator m_random = QRandomGenerator::securelySeeded();
    QHash<QString, QPointer<QMessageBox>> m_messages; // by title
    std::thread m_loader; // reads a big score file
    std::atomic_bool m_stopLoading = false;
    QString m_loadProblem;
    QString m_news;                           // spoken at the next tick
    QString m_describedSteps = QStringLiteral("0"); // the steps the tiles last told of
};
