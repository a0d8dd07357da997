// Corvanthelix - tests of the score table's rows, sorting and removal.
#include "scores/scoretable.h"

#include <QCollator>
#include <QRandomGenerator>
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
    void sortsAsAPlainStableSort()
    {
        // Random tables of few distinct names, in several cases and accents,
        // with ties and scores that are not numbers, against std::stable_sort
        // with the rules spelled out: names by the locale ignoring case, scores
        // by value with the texts that are not numbers after them.
        const QStringList names = {"Ann", "ann", "Ånn", "Émile", "emile", "Zoë", "zoe", "Bob", "bób", "", "Ann,B",
                                   QString("a") + QChar(0) + "z", QString("a") + QChar(0) + "b"};
        const QStringList scores = {"7", "12", "0", "100", "7", "x", " B", "3.5", "-2", "1e3", "99999999"};
        QCollator collator(ScoreRows::SortLocale());
        collator.setCaseSensitivity(Qt::CaseInsensitive);
        auto value = [](const QString &score) {
            bool ok = false;
            const double v = score.toDouble(&ok);
            return ok && !score.startsWith(u' ') ? v : qQNaN();
        };
        QRandomGenerator random(13);
        for (int round = 0; round < 20; ++round) {
            Rows rows;
            for (int row = 0; row < 200; ++row)
                rows.append({names[random.bounded(int(names.size()))], scores[random.bounded(int(scores.size()))]});
            for (int column : {0, 1})
                for (bool descending : {false, true}) {
                    ScoreTable table;
                    fill(table, rows);
                    Rows expected = rows;
                    if (round % 2) // without the numbers that are not small whole ones, taken out again
                        for (int row = int(rows.size()) - 1; row >= 0; --row)
                            if (QStringList{"3.5", "-2", "1e3", "99999999"}.contains(rows[row][1])) {
                                QVERIFY(table.removeRow(row));
                                expected.removeAt(row);
                            }
                    auto less = [&](const QStringList &a, const QStringList &b) {
                        if (column == 0)
                            return collator.compare(a[0], b[0]) < 0;
                        const double x = value(a[1]), y = value(b[1]);
                        return !qIsNaN(x) && (qIsNaN(y) || x < y);
                    };
                    std::stable_sort(expected.begin(), expected.end(), [&](const auto &a, const auto &b) {
                        return descending ? less(b, a) : less(a, b);
                    });
                    table.sort(column, descending ? Qt::DescendingOrder : Qt::AscendingOrder);
                    QCOMPARE(rowsOf(table), expected);
                }
        }
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
