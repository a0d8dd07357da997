// Corvanthelix - tests of the watch that declares the puzzle solved.
#include "platform/pictures.h"
#include "puzzle/board.h"
#include "puzzle/interchange.h"
#include "puzzle/memoryboard.h"
#include "puzzle/newgame.h"
#include "puzzle/solvedwatch.h"

#include <QRandomGenerator>
#include <QTest>
#include <algorithm>

using Grid = std::array<qint32, 9>;

namespace {

void click(MemoryBoard &board, Selection &selection, std::initializer_list<int> wells)
{
    for (int well : wells)
        ClickWell(board, selection, well);
}

bool announced(const MemoryBoard &board)
{
    return board.isVisible(QStringLiteral("StaticText20"));
}

} // namespace

class TestSolvedWatch : public QObject
{
    Q_OBJECT
private slots:
    void onlyOneArrangementPasses()
    {
        Grid grid = {1, 2, 3, 4, 5, 6, 7, 8, 9};
        MemoryBoard board;
        int passed = 0;
        Grid solved{};
        do {
            board.lay(grid);
            RefreshLineSums(board);
            if (SumsShowSolved(board)) {
                ++passed;
                solved = grid;
            }
        } while (std::next_permutation(grid.begin(), grid.end()));
        QCOMPARE(passed, 1);
        QCOMPARE(solved, (Grid{1, 2, 3, 4, 5, 6, 7, 8, 9}));
    }

    void solvingTick()
    {
        MemoryBoard board;
        Selection selection;
        click(board, selection, {1, 2, 2, 6, 4, 5, 5, 9, 6, 7, 7, 9, 3});
        WatchTick(board, selection);

        QVERIFY(announced(board));
        QCOMPARE(board.beeps, 1);
        QCOMPARE(board.timerMode, 0);
        for (int well = 1; well <= 9; ++well)
            QCOMPARE(board.picture(well), picA());
        QCOMPARE(selection.inum1, 0);
        for (const char *control : {"EditField1", "ListBox1", "PushButton3", "PushButton2"})
            QVERIFY2(board.isEnabled(QString::fromLatin1(control)), control);
        QCOMPARE(board.text(QStringLiteral("StaticText0")), QStringLiteral("15"));
        QCOMPARE(board.text(StepCounter()), QStringLiteral("6"));
    }

    void unsolvedTickOnlyRefreshes()
    {
        // An interchange that solves, undone before the tick; and a pending choice.
        MemoryBoard board;
        board.lay({2, 1, 3, 4, 5, 6, 7, 8, 9});
        Selection selection;
        click(board, selection, {1, 2, 1, 2, 4});
        WatchTick(board, selection);
        QVERIFY(!announced(board));
        QCOMPARE(board.text(QStringLiteral("StaticText1")), QStringLiteral("6"));
        QCOMPARE(board.text(QStringLiteral("StaticText5")), QStringLiteral("14"));
        QCOMPARE(board.timerMode, 2);
        QCOMPARE(board.beeps, 0);
        QCOMPARE(selection.inum1, 4);
    }

    void dealtSolvedBoardIsAnnouncedWithNoSteps()
    {
        // Count the deals until one is the solved board, then replay them.
        const Grid solved = {1, 2, 3, 4, 5, 6, 7, 8, 9};
        QRandomGenerator search(1);
        int before = 0;
        for (;; ++before) {
            const auto wells = Deal(search);
            Grid grid{};
            for (int i = 0; i < 9; ++i)
                grid[i] = wells[i]->verticalResolution() - 70;
            if (grid == solved)
                break;
        }
        QRandomGenerator random(1);
        for (int i = 0; i < before; ++i)
            Deal(random);
        MemoryBoard board;
        Selection selection;
        NewGame(board, selection, random);
        WatchTick(board, selection);
        QVERIFY(announced(board));
        QCOMPARE(board.text(StepCounter()), QStringLiteral("0"));
    }
};

QTEST_GUILESS_MAIN(TestSolvedWatch)
#include "tst_solvedwatch.moc"
