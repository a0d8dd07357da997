// Corvanthelix - tests of the score table's rows, sorting and removal.
#include "scores/scoretable.h"

#include <QTest>
#include <QTextDocument>

using Rows = QList<QStringList>; // {name, score} per row

namespace {

Rows rowsOf(const ScoreTable &table)
{
    Rows rows;
    for (int row = 0; row < table.rowCount(); ++row)
        rows.append({table.index(row, 0).data().toString(), table.index(row, 1).data().toString()});
    return rows;
}

void fill(ScoreTable &table, const Rows &rows)
{
    for (const QStringList &row : rows)
        table.addRow(row[0], row[1]);
}

} // namespace

class TestScoreTable : public QObject
{
    Q_OBJECT
private slots:
    void sort_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<Rows>("rows");
        QTest::addColumn<Rows>("ascending");
        QTest::addColumn<Rows>("descending");
        QTest::newRow("scores numerically, rows whole")
            << 1 << Rows{{"a", "100"}, {"b", "9"}, {"c", "12"}} << Rows{{"b", "9"}, {"c", "12"}, {"a", "100"}}
            << Rows{{"a", "100"}, {"c", "12"}, {"b", "9"}};
        QTest::newRow("texts that are not numbers after the numbers")
            << 1 << Rows{{"a", " B"}, {"b", "10"}, {"c", "x"}, {"d", "2"}}
            << Rows{{"d", "2"}, {"b", "10"}, {"a", " B"}, {"c", "x"}}
            << Rows{{"a", " B"}, {"c", "x"}, {"b", "10"}, {"d", "2"}};
        QTest::newRow("names ignoring case") << 0 << Rows{{"bob", "1"}, {"Ann", "2"}, {"carl", "3"}}
                                             << Rows{{"Ann", "2"}, {"bob", "1"}, {"carl", "3"}}
                                             << Rows{{"carl", "3"}, {"bob", "1"}, {"Ann", "2"}};
        QTest::newRow("equal names keep their order") << 0 << Rows{{"ann", "1"}, {"ANN", "2"}}
                                                      << Rows{{"ann", "1"}, {"ANN", "2"}}
                                                      << Rows{{"ann", "1"}, {"ANN", "2"}};
        const QString az = QString("a") + QChar(0) + "z", ab = QString("a") + QChar(0) + "b";
        QTest::newRow("a NUL does not end a name") << 0 << Rows{{az, "1"}, {ab, "2"}} << Rows{{ab, "2"}, {az, "1"}}
                                                   << Rows{{az, "1"}, {ab, "2"}};
        // Case folding covers every script; letters beyond ASCII follow z.
        QTest::newRow("names beyond ASCII") << 0 << Rows{{"éva", "1"}, {"zoe", "2"}, {"Émile", "3"}}
                                            << Rows{{"zoe", "2"}, {"Émile", "3"}, {"éva", "1"}}
                                            << Rows{{"éva", "1"}, {"Émile", "3"}, {"zoe", "2"}};
    }

    void sort()
    {
        QFETCH(int, column);
        QFETCH(Rows, rows);
        QFETCH(Rows, ascending);
        QFETCH(Rows, descending);
        ScoreTable table;
        fill(table, rows);
        table.sort(column, Qt::AscendingOrder);
        QCOMPARE(rowsOf(table), ascending);
        table.sort(column, Qt::DescendingOrder);
        QCOMPARE(rowsOf(table), descending);
    }

    void newRowsGoToTheEnd()
    {
        ScoreTable table;
        fill(table, {{"a", "9"}, {"b", "3"}});
        table.sort(1, Qt::AscendingOrder);
        QCOMPARE(table.addRow(QStringLiteral("c"), QStringLiteral("1")), 2);
        ScoreRows loaded;
        loaded.append(std::string_view("d"), std::string_view("0"));
        table.addRows(std::move(loaded));
        QCOMPARE(rowsOf(table), (Rows{{"b", "3"}, {"a", "9"}, {"c", "1"}, {"d", "0"}}));
    }

    void removeRow()
    {
        ScoreTable table;
        fill(table, {{"a", "1"}, {"b", "2"}, {"c", "3"}});
        QVERIFY(table.removeRow(1));
        QVERIFY(!table.removeRow(2));
        QVERIFY(!table.removeRows(1, INT_MAX));
        QCOMPARE(rowsOf(table), (Rows{{"a", "1"}, {"c", "3"}}));
    }

    void namesShowAsTyped_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("plain") << "Ann <3";
        QTest::newRow("markup") << QString("<table><tr><td>").repeated(22) + "x";
        QTest::newRow("300 KB") << QString(300000, QLatin1Char('<'));
    }

    void namesShowAsTyped()
    {
        // Qt lays out a tooltip as rich text when it looks like markup: a
        // name of nested tables then hangs the game, and a huge one crashes it.
        QFETCH(QString, name);
        ScoreTable table;
        table.addRow(name, QStringLiteral("7"));
        QCOMPARE(table.index(0, 0).data().toString(), name);
        const QString tip = table.index(0, 0).data(Qt::ToolTipRole).toString();
        QTextDocument shown;
        Qt::mightBeRichText(tip) ? shown.setHtml(tip) : shown.setPlainText(tip);
        QCOMPARE(shown.toPlainText(), name.size() > 500 ? name.left(500) + QChar(0x2026) : name);
    }
};

QTEST_GUILESS_MAIN(TestScoreTable)
#include "tst_scoretable.moc"
