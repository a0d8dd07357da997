// Corvanthelix - tests of dealing a new game.
#include "platform/pictures.h"
#include "puzzle/board.h"
#include "puzzle/interchange.h"
#include "puzzle/memoryboard.h"
#include "puzzle/newgame.h"
#include "puzzle/solvedwatch.h"

#include <QRandomGenerator>
#include <QSet>
#include <QTest>

class TestNewGame : public QObject
{
    Q_OBJECT
private slots:
    void dealIsAlwaysAPermutation()
    {
        QRandomGenerator random(7);
        for (int deal = 0; deal < 2000; ++deal) {
            const auto wells = Deal(random);
            QSet<const Picture *> seen(wells.begin(), wells.end());
            QCOMPARE(seen.size(), 9);
            QVERIFY(!seen.contains(nullptr));
            for (int n = 1; n <= 9; ++n)
                QVERIFY(seen.contains(TilePicture(n)));
        }
    }

    void everyTileLandsEverywhereAlike()
    {
        // 90,000 deals: each of the 81 (tile, well) pairs expects 10,000 with a
        // standard deviation near 94; a biased deal such as a naive swap loop
        // or a deal that leans on the empty slot is off by hundreds.
        constexpr int deals = 90000;
        int counts[9][9] = {};
        QRandomGenerator random(2026);
        for (int deal = 0; deal < deals; ++deal) {
            const auto wells = Deal(random);
            for (int well = 0; well < 9; ++well)
                ++counts[wells[well]->verticalResolution() - 71][well];
        }
        double chiSquare = 0;
        for (const auto &tile : counts)
            for (int count : tile) {
                QVERIFY2(std::abs(count - deals / 9) < 500, qPrintable(QString::number(count)));
                chiSquare += std::pow(count - deals / 9.0, 2) / (deals / 9.0);
            }
        // 64 degrees of freedom: 120 is far beyond the 99.99th percentile.
        QVERIFY2(chiSquare < 120, qPrintable(QString::number(chiSquare)));
    }

    void newGameRestoresPlay()
    {
        MemoryBoard board;
        Selection selection;
        board.lay({1, 2, 3, 4, 5, 6, 7, 8, 9});
        WatchTick(board, selection); // solved: DONE, timer off, score entry open
        board.setText(QStringLiteral("EditField1"), QStringLiteral("typed, never entered"));
        ClickWell(board, selection, 4);
        ClickWell(board, selection, 5);
        ClickWell(board, selection, 3);

        QRandomGenerator random(1);
        NewGame(board, selection, random);

        QVERIFY(!board.isEnabled(QStringLiteral("PushButton2")));
        QVERIFY(!board.isVisible(QStringLiteral("StaticText20")));
        QVERIFY(!board.isEnabled(QStringLiteral("PushButton3")));
        QVERIFY(!board.isEnabled(QStringLiteral("ListBox1")));
        QVERIFY(board.isEnabled(QStringLiteral("EditField1")));
        QCOMPARE(board.timerMode, 2);
        QCOMPARE(board.text(QStringLiteral("EditField1")), QString());
        QCOMPARE(board.text(StepCounter()), QStringLiteral("0"));
        QCOMPARE(selection.inum1, 0);
        // The blue sums still show the old board until the next tick.
        QCOMPARE(board.text(QStringLiteral("StaticText1")), QStringLiteral("6"));
        auto numbers = board.hiddenNumbers();
        std::sort(numbers.begin(), numbers.end());
        QCOMPARE(numbers, (std::array<qint32, 9>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
    }

    void newGameBetweenTwoClicksMakesTheNextAFirstClick()
    {
        MemoryBoard board;
        Selection selection;
        QRandomGenerator random(3);
        ClickWell(board, selection, 1);
        NewGame(board, selection, random);
        const auto dealt = board.hiddenNumbers();
        ClickWell(board, selection, 2);
        QCOMPARE(board.hiddenNumbers(), dealt);
        QCOMPARE(board.text(StepCounter()), QStringLiteral("0"));
        QCOMPARE(selection.inum1, dealt[1]);
    }
};

QTEST_GUILESS_MAIN(TestNewGame)
#include "tst_newgame.moc"
