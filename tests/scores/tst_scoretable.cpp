// Corvanthelix - tests of the score table's rows, sorting and removal.
#include "scores/scoretable.h"

#include <QTest>

namespace {

QStringList column(const ScoreTable &table, int column)
{
    QStringList texts;
    for (int row = 0; row < table.rowCount(); ++row)
        texts << table.index(row, column).data().toString();
    return texts;
}

void fill(ScoreTable &table, const QStringList &names, const QStringList &scores)
{
    for (qsizetype i = 0; i < names.size(); ++i)
        table.addRow(names[i], scores[i]);
}

} // namespace

class TestScoreTable : public QObject
{
    Q_OBJECT
private slots:
    void sort_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("ascending");
        QTest::addColumn<QStringList>("descending");
        QTest::newRow("scores numerically") << 1 << QStringList{"a", "b", "c"} << QStringList{"9", "12", "100"}
                                            << QStringList{"100", "12", "9"};
        QTest::newRow("names ignoring case") << 0 << QStringList{"bob", "Ann", "carl"}
                                             << QStringList{"Ann", "bob", "carl"} << QStringList{"carl", "bob", "Ann"};
        // Case folding covers every script; letters beyond ASCII follow z.
        QTest::newRow("names beyond ASCII") << 0 << QStringList{"éva", "zoe", "Émile"}
                                            << QStringList{"zoe", "Émile", "éva"} << QStringList{"éva", "Émile", "zoe"};
    }

    void sort()
    {
        QFETCH(int, column);
        QFETCH(QStringList, names);
        QFETCH(QStringList, ascending);
        QFETCH(QStringList, descending);
        ScoreTable table;
        fill(table, names, {"100", "9", "12"});
        table.sort(column, Qt::AscendingOrder);
        QCOMPARE(::column(table, column), ascending);
        table.sort(column, Qt::DescendingOrder);
        QCOMPARE(::column(table, column), descending);
    }

    void rowsMoveWhole()
    {
        ScoreTable table;
        fill(table, {"Cleo", "Ann", "Bob"}, {"8", "12", "3"});
        table.sort(1, Qt::AscendingOrder);
        QCOMPARE(column(table, 0), (QStringList{"Bob", "Cleo", "Ann"}));
    }

    void scoresThatAreNotNumbersGoAfter()
    {
        ScoreTable table;
        fill(table, {"a", "b", "c", "d", "e"}, {" B", "10", "x", "2", "1e1x"});
        table.sort(1, Qt::AscendingOrder);
        QCOMPARE(column(table, 1), (QStringList{"2", "10", " B", "x", "1e1x"}));
    }

    void equalKeysKeepTheirOrder()
    {
        ScoreTable table;
        fill(table, {"ann", "ANN", "Ann"}, {"1", "2", "3"});
        table.sort(0, Qt::AscendingOrder);
        QCOMPARE(column(table, 1), (QStringList{"1", "2", "3"}));
    }

    void newRowGoesToTheEndAfterASort()
    {
        ScoreTable table;
        fill(table, {"a", "b"}, {"9", "3"});
        table.sort(1, Qt::AscendingOrder);
        QCOMPARE(table.addRow(QStringLiteral("c"), QStringLiteral("1")), 2);
        QCOMPARE(column(table, 1), (QStringList{"3", "9", "1"}));
    }

    void removeRow()
    {
        ScoreTable table;
        fill(table, {"a", "b", "c"}, {"1", "2", "3"});
        QVERIFY(table.removeRow(1));
        QCOMPARE(column(table, 0), (QStringList{"a", "c"}));
        QVERIFY(!table.removeRow(2));
    }

    void headingsAndFirstSortOrder()
    {
        ScoreTable table;
        QVERIFY(table.setHeaderData(0, Qt::Horizontal, QStringLiteral("Name")));
        QVERIFY(table.setHeaderData(1, Qt::Horizontal, QStringLiteral("Score")));
        QCOMPARE(table.headerData(1, Qt::Horizontal).toString(), QStringLiteral("Score"));
        QCOMPARE(table.headerData(0, Qt::Horizontal, Qt::InitialSortOrderRole).toInt(), int(Qt::AscendingOrder));
    }

    void loadedRowsFollowAddedOnes()
    {
        ScoreTable table;
        table.addRow(QStringLiteral("first"), QStringLiteral("1"));
        ScoreRows loaded;
        loaded.append(std::string_view("second"), std::string_view("2"));
        loaded.append(std::string_view("third"), std::string_view("3"));
        table.addRows(std::move(loaded));
        QCOMPARE(column(table, 0), (QStringList{"first", "second", "third"}));
        QCOMPARE(column(table, 1), (QStringList{"1", "2", "3"}));
    }
};

QTEST_GUILESS_MAIN(TestScoreTable)
#include "tst_scoretable.moc"
