// Corvanthelix - tests of the board's hidden numbers and line sums.
#include "platform/pictures.h"
#include "puzzle/board.h"
#include "puzzle/memoryboard.h"

#include <QTest>

using Grid = std::array<qint32, 9>;
using Sums = QStringList; // in the refresh's label order, StaticText1..6, 0, 7

namespace {
QStringList sumsOf(const MemoryBoard &board)
{
    QStringList sums;
    for (const Line &line : Lines())
        sums << board.text(line.sumLabel);
    return sums;
}
} // namespace

class TestBoard : public QObject
{
    Q_OBJECT
private slots:
    void refresh_data()
    {
        QTest::addColumn<Grid>("grid");
        QTest::addColumn<Sums>("sums");
        QTest::newRow("opening board") << Grid{9, 1, 3, 7, 4, 2, 6, 8, 5}
                                       << Sums{"13", "13", "19", "10", "13", "22", "13", "18"};
        QTest::newRow("after wells 1 and 2 interchanged")
            << Grid{1, 9, 3, 7, 4, 2, 6, 8, 5} << Sums{"13", "13", "19", "10", "21", "14", "13", "10"};
        QTest::newRow("target board") << Grid{1, 2, 3, 4, 5, 6, 7, 8, 9}
                                      << Sums{"6", "15", "24", "18", "15", "12", "15", "15"};
    }

    void refresh()
    {
        QFETCH(Grid, grid);
        QFETCH(Sums, sums);
        MemoryBoard board;
        board.lay(grid);
        RefreshLineSums(board);
        QCOMPARE(sumsOf(board), sums);
    }

    void refreshWritesEveryLabelEveryTime()
    {
        MemoryBoard board;
        for (const Line &line : Lines())
            board.setText(line.sumLabel, QStringLiteral("stale"));
        RefreshLineSums(board);
        QVERIFY(!sumsOf(board).contains(QStringLiteral("stale")));
    }

    void hiddenNumberComesFromThePicture()
    {
        MemoryBoard board;
        QCOMPARE(board.hiddenNumbers(), (Grid{9, 1, 3, 7, 4, 2, 6, 8, 5}));
        board.setPicture(5, picA());
        QCOMPARE(HiddenNumber(board, 5), 0);
    }

};

QTEST_GUILESS_MAIN(TestBoard)
#include "tst_board.moc"
