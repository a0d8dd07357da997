// Corvanthelix - tests of choosing and interchanging tiles.
#include "platform/pictures.h"
#include "puzzle/board.h"
#include "puzzle/interchange.h"
#include "puzzle/memoryboard.h"

#include <QTest>

using Grid = std::array<qint32, 9>;
using Clicks = QList<int>;

class TestInterchange : public QObject
{
    Q_OBJECT
private slots:
    void clicks_data()
    {
        QTest::addColumn<Clicks>("clicks");
        QTest::addColumn<Grid>("grid");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<qint32>("pending"); // inum1 afterwards

        QTest::newRow("one click changes nothing") << Clicks{1} << Grid{9, 1, 3, 7, 4, 2, 6, 8, 5} << "0" << 9;
        QTest::newRow("wells 1 and 2") << Clicks{1, 2} << Grid{1, 9, 3, 7, 4, 2, 6, 8, 5} << "1" << 0;
        QTest::newRow("the same well twice counts and changes nothing")
            << Clicks{5, 5} << Grid{9, 1, 3, 7, 4, 2, 6, 8, 5} << "1" << 0;
        QTest::newRow("five clicks are two steps")
            << Clicks{1, 2, 3, 4, 7} << Grid{1, 9, 7, 3, 4, 2, 6, 8, 5} << "2" << 6;
        QTest::newRow("the six fewest steps solve the opening board")
            << Clicks{1, 2, 2, 6, 4, 5, 5, 9, 6, 7, 7, 9} << Grid{1, 2, 3, 4, 5, 6, 7, 8, 9} << "6" << 0;
    }

    void clicks()
    {
        QFETCH(Clicks, clicks);
        QFETCH(Grid, grid);
        QFETCH(QString, steps);
        QFETCH(qint32, pending);
        MemoryBoard board;
        Selection selection;
        for (int well : clicks)
            QCOMPARE(ClickWell(board, selection, well), false);
        QCOMPARE(board.hiddenNumbers(), grid);
        QCOMPARE(board.text(StepCounter()), steps);
        QCOMPARE(selection.inum1, pending);
        QCOMPARE(selection.inum2, 0);
    }

    void finishedBoardNeverChoosesOrCounts()
    {
        MemoryBoard board;
        for (int well = 1; well <= 9; ++well)
            board.setPicture(well, picA());
        board.setText(StepCounter(), QStringLiteral("6"));
        Selection selection;
        for (int well : {1, 2, 3, 3})
            ClickWell(board, selection, well);
        QCOMPARE(selection.inum1, 0);
        QCOMPARE(board.text(StepCounter()), QStringLiteral("6"));
        QCOMPARE(board.picture(3), picA());
    }

    void stepCounter_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::newRow("0") << "0" << "1";
        QTest::newRow("9 to two digits") << "9" << "10";
        QTest::newRow("beyond a 32-bit int") << "4294967296" << "4294967297";
        QTest::newRow("not a number starts again") << "many" << "1";
        QTest::newRow("infinity starts again") << "inf" << "1";
        QTest::newRow("empty") << "" << "1";
    }

    void stepCounter()
    {
        QFETCH(QString, before);
        QFETCH(QString, after);
        MemoryBoard board;
        board.setText(StepCounter(), before);
        Selection selection;
        ClickWell(board, selection, 1);
        ClickWell(board, selection, 9);
        QCOMPARE(board.text(StepCounter()), after);
    }
};

QTEST_GUILESS_MAIN(TestInterchange)
#include "tst_interchange.moc"
