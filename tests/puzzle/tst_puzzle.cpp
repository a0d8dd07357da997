// Corvanthelix - tests of the rules: sums, interchanges, the solved watch and the deal.
#include "platform/pictures.h"
#include "puzzle/board.h"
#include "puzzle/interchange.h"
#include "puzzle/newgame.h"
#include "puzzle/solvedwatch.h"

#include <QRandomGenerator>
#include <QTest>
#include <algorithm>
#include <map>

using Grid = std::array<qint32, 9>;
using Clicks = QList<int>;

namespace {

// Starts as the main window does: the opening arrangement, empty blue sums,
// no steps, the watch running, "DONE" hidden, the score entry disabled.
struct MemoryBoard : Board
{
    MemoryBoard() { lay(OpeningArrangement); }

    const Picture *picture(int well) const override { return wells[well - 1]; }
    void setPicture(int well, const Picture *picture) override { wells[well - 1] = picture; }
    QString text(Control control) const override { return texts.count(control) ? texts.at(control) : QString(); }
    void setText(Control control, const QString &text) override { texts[control] = text; }
    void setEnabled(Control control, bool on) override { enabled[control] = on; }
    void setVisible(Control control, bool on) override { visible[control] = on; }
    void setTimerMode(Timer::Mode mode) override { timerMode = mode; }
    void beep() override { ++beeps; }

    bool isEnabled(Control control) const { return !enabled.count(control) || enabled.at(control); }
    bool isVisible(Control control) const { return !visible.count(control) || visible.at(control); }
    std::array<qint32, 9> hiddenNumbers() const
    {
        std::array<qint32, 9> numbers{};
        for (int well = 1; well <= 9; ++well)
            numbers[well - 1] = HiddenNumber(*this, well);
        return numbers;
    }
    void lay(const std::array<qint32, 9> &numbers)
    {
        for (int well = 1; well <= 9; ++well)
            setPicture(well, TilePicture(numbers[well - 1]));
    }

    std::array<const Picture *, 9> wells = {};
    std::map<Control, QString> texts = {{Control::StepCounter, QStringLiteral("0")}};
    std::map<Control, bool> enabled = {{Control::EnterScore, false}, {Control::ScoreTable, false}};
    std::map<Control, bool> visible = {{Control::Done, false}};
    Timer::Mode timerMode = Timer::Multiple;
    int beeps = 0;
};

const Grid Solved = {1, 2, 3, 4, 5, 6, 7, 8, 9};

// What the last click did.
ClickResult click(MemoryBoard &board, Selection &selection, const Clicks &wells)
{
    ClickResult result = ClickResult::Nothing;
    for (int well : wells)
        result = ClickWell(board, selection, well);
    return result;
}

} // namespace

class TestPuzzle : public QObject
{
    Q_OBJECT
private slots:
    void clicks_data()
    {
        QTest::addColumn<Clicks>("clicks");
        QTest::addColumn<Grid>("grid");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<qint32>("pending"); // inum1 afterwards
        QTest::addColumn<bool>("finished");  // all wells show the finish picture
        QTest::addColumn<ClickResult>("last"); // what the last click did
        using R = ClickResult;

        QTest::newRow("one click changes nothing") << Clicks{1} << Grid{9, 1, 3, 7, 4, 2, 6, 8, 5} << "0" << 9 << false << R::Picked;
        QTest::newRow("wells 1 and 2") << Clicks{1, 2} << Grid{1, 9, 3, 7, 4, 2, 6, 8, 5} << "1" << 0 << false << R::Swapped;
        QTest::newRow("the same well twice counts and changes nothing")
            << Clicks{5, 5} << Grid{9, 1, 3, 7, 4, 2, 6, 8, 5} << "1" << 0 << false << R::SwappedWithItself;
        QTest::newRow("five clicks are two steps")
            << Clicks{1, 2, 3, 4, 7} << Grid{1, 9, 7, 3, 4, 2, 6, 8, 5} << "2" << 6 << false << R::Picked;
        QTest::newRow("the six fewest steps solve the opening board")
            << Clicks{1, 2, 2, 6, 4, 5, 5, 9, 6, 7, 7, 9} << Solved << "6" << 0 << false << R::Swapped;
        // The finish picture's hidden number is 0: a click there chooses nothing.
        QTest::newRow("a finished board neither chooses nor counts")
            << Clicks{1, 2, 3, 3} << Grid{} << "0" << 0 << true << R::Nothing;
    }

    void clicks()
    {
        QFETCH(Clicks, clicks);
        QFETCH(Grid, grid);
        QFETCH(QString, steps);
        QFETCH(qint32, pending);
        QFETCH(bool, finished);
        QFETCH(ClickResult, last);
        MemoryBoard board;
        if (finished)
            board.wells.fill(picA());
        Selection selection;
        QCOMPARE(click(board, selection, clicks), last);
        QCOMPARE(board.hiddenNumbers(), grid);
        QCOMPARE(board.text(Control::StepCounter), steps);
        QCOMPARE(selection.inum1, pending);
        QCOMPARE(selection.inum2, 0);
    }

    void picturesHaveSharpCopies()
    {
        // The tiles' resolutions, which are their hidden numbers, are what every
        // other case here reads; the copies for HiDPI screens never decide one.
        for (auto accessor : {pic1, pic2, pic3, pic4, pic5, pic6, pic7, pic8, pic9, picA, gamepic, numpic2, scoreshot}) {
            const Picture *picture = accessor();
            QVERIFY(picture && accessor() == picture); // read once, shared
            QCOMPARE(picture->imageFor(2.0).size(), picture->size() * 2);
            QCOMPARE(picture->imageFor(2.0).devicePixelRatio(), 2.0);
        }
    }

    void tick_data()
    {
        QTest::addColumn<Grid>("start");
        QTest::addColumn<Clicks>("clicks");
        QTest::addColumn<bool>("solved");
        QTest::newRow("the solving tick") << Grid{9, 1, 3, 7, 4, 2, 6, 8, 5} << Clicks{1, 2, 2, 6, 4, 5, 5, 9, 6, 7, 7, 9, 3} << true;
        QTest::newRow("a solving swap undone before the tick, and a pick pending")
            << Grid{2, 1, 3, 4, 5, 6, 7, 8, 9} << Clicks{1, 2, 1, 2, 4} << false;
    }

    void tick()
    {
        // A board dealt by New Game, which New Game can replace only once solved.
        QFETCH(Grid, start);
        QFETCH(Clicks, clicks);
        QFETCH(bool, solved);
        MemoryBoard board;
        board.lay(start);
        board.enabled[Control::NewGame] = false;
        Selection selection;
        click(board, selection, clicks);
        QCOMPARE(WatchTick(board, selection).solved, solved);
        QCOMPARE(board.text(Control::MiddleColumnSum), solved ? "15" : "14"); // refreshed either way
        QCOMPARE(board.isVisible(Control::Done), solved); // "DONE"
        QCOMPARE(board.beeps, int(solved));
        QCOMPARE(board.timerMode, solved ? Timer::Off : Timer::Multiple);
        QCOMPARE(std::all_of(board.wells.begin(), board.wells.end(), [](const Picture *p) { return p == picA(); }), solved);
        QCOMPARE(selection.inum1, solved ? 0 : 4);
        for (Control control : {Control::ScoreTable, Control::EnterScore, Control::NewGame})
            QVERIFY2(board.isEnabled(control) == solved, qPrintable(QString::number(int(control))));
        QVERIFY(board.isEnabled(Control::NameField));
    }

    void aTickTellsWhichSumsChanged()
    {
        // The first tick fills every sum; after a swap, only the lines
        // through the two tiles whose sums differ.
        MemoryBoard board;
        Selection selection;
        using Changed = std::array<bool, 8>; // in the order of Lines(): rows, columns right to left, diagonals
        QCOMPARE(WatchTick(board, selection).changed, (Changed{true, true, true, true, true, true, true, true}));
        click(board, selection, {1, 2});
        QCOMPARE(WatchTick(board, selection).changed, (Changed{false, false, false, false, true, true, false, true}));
        QCOMPARE(WatchTick(board, selection).changed, Changed{});
        QCOMPARE(LinesMatching(board), 0);
        board.lay(Solved);
        const Tick solved = WatchTick(board, selection);
        QVERIFY(solved.solved);
        QCOMPARE(LinesMatching(board), 8);
    }

    void dealsAreUnbiasedPermutations()
    {
        // 90,000 deals: each of the 81 (tile, well) pairs expects 10,000 with a
        // standard deviation near 94; a biased deal such as a naive swap loop
        // or a deal that leans on the empty slot is off by hundreds.
        constexpr int deals = 90000;
        int counts[9][9] = {};
        QRandomGenerator random(2026);
        MemoryBoard board;
        for (int deal = 0; deal < deals; ++deal) {
            board.wells = Deal(random);
            Grid grid = board.hiddenNumbers();
            for (int well = 0; well < 9; ++well)
                ++counts[grid[well] - 1][well];
            std::sort(grid.begin(), grid.end());
            QCOMPARE(grid, Solved);
        }
        double chiSquare = 0;
        for (const auto &tile : counts)
            for (int count : tile)
                chiSquare += std::pow(count - deals / 9.0, 2) / (deals / 9.0);
        // 64 degrees of freedom: 120 is far beyond the 99.99th percentile.
        QVERIFY2(chiSquare < 120, qPrintable(QString::number(chiSquare)));
    }

    void newGameRestoresPlay()
    {
        MemoryBoard board;
        Selection selection;
        board.lay(Solved);
        WatchTick(board, selection); // solved: DONE, timer off, score entry open
        board.setText(Control::NameField, QStringLiteral("typed, never entered"));
        board.setText(Control::StepCounter, QStringLiteral("6"));

        QRandomGenerator random(1);
        NewGame(board, selection, random);

        for (Control control : {Control::NewGame, Control::EnterScore, Control::ScoreTable})
            QVERIFY2(!board.isEnabled(control), qPrintable(QString::number(int(control))));
        QVERIFY(!board.isVisible(Control::Done));
        QVERIFY(board.isEnabled(Control::NameField));
        QCOMPARE(board.timerMode, Timer::Multiple);
        QCOMPARE(board.text(Control::NameField), QString());
        QCOMPARE(board.text(Control::StepCounter), QStringLiteral("0"));
        // The blue sums still show the old board until the next tick.
        QCOMPARE(board.text(Control::TopRowSum), QStringLiteral("6"));
        QVERIFY(board.wells[0] != picA());
    }
};

QTEST_GUILESS_MAIN(TestPuzzle)
#include "tst_puzzle.moc"
