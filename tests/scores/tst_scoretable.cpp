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
    void followsAPlainStableSort()
    {
        // Random tables of few distinct names, in several cases and accents,
        // with ties and scores that are not numbers, are sorted, sorted again,
        // and have rows removed (never past the end) and added in between,
        // beside a plain list sorted with std::stable_sort by the rules spelled
        // out: names by the locale ignoring case, scores by value with the
        // texts that are not numbers after them. A current row follows its row.
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
            // Odd rounds keep to small whole numbers and texts, which sort another way.
            const int scoreCount = round % 2 ? 7 : int(scores.size());
            int made = 0;
            auto newRow = [&] {
                return QStringList{names[random.bounded(int(names.size()))], scores[random.bounded(scoreCount)],
                                   QString::number(made++)};
            };
            Rows expected;
            ScoreTable table;
            auto add = [&](int count, bool first) {
                Rows added;
                ScoreRows rows;
                for (int i = 0; i < count; ++i) {
                    added.append(newRow());
                    rows.append(added.last()[0], added.last()[1]);
                }
                first ? table.addRowsFirst(std::move(rows)) : table.addRows(std::move(rows));
                expected = first ? added + expected : expected + added;
            };
            add(150, false);
            QPersistentModelIndex current = table.index(random.bounded(150), 1);
            QString currentId = expected[current.row()][2];
            for (int step = 0; step < 12; ++step) {
                switch (random.bounded(5)) {
                case 0: {
                    const int row = random.bounded(int(expected.size()));
                    QVERIFY(!table.removeRow(int(expected.size())) && !table.removeRows(row, INT_MAX));
                    QVERIFY(table.removeRow(row));
                    if (expected[row][2] == currentId)
                        currentId.clear();
                    expected.removeAt(row);
                    break;
                }
                case 1: {
                    const QStringList row = newRow();
                    QCOMPARE(table.addRow(row[0], row[1]), expected.size());
                    expected.append(row);
                    break;
                }
                case 2:
                    add(random.bounded(1, 20), random.bounded(2));
                    break;
                default: {
                    const int column = random.bounded(2);
                    const bool descending = random.bounded(2);
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
                }
                }
                Rows shown = expected;
                for (QStringList &row : shown)
                    row.removeLast();
                QCOMPARE(rowsOf(table), shown);
                if (!currentId.isEmpty())
                    QCOMPARE(expected[current.row()][2], currentId);
            }
        }
    }

    void typingFindsTheNextName()
    {
        // The quick search for a name agrees with asking every row in turn.
        ScoreTable table;
        fill(table, {{"Ann", "7"}, {"émile", "3"}, {"bob", "1"}, {"Émile", "2"}, {"ann", "5"}, {"Zoë", "9"}});
        table.sort(1, Qt::AscendingOrder); // shown in an order of their own
        for (const char *text : {"a", "AN", "é", "É", "em", "z", "q", ""})
            for (int from = 0; from < table.rowCount(); ++from)
                for (Qt::MatchFlags flags : {Qt::MatchFlags(Qt::MatchStartsWith), Qt::MatchStartsWith | Qt::MatchWrap}) {
                    const QModelIndex start = table.index(from, 0);
                    QCOMPARE(table.match(start, Qt::DisplayRole, QString(text), 1, flags),
                             table.QAbstractTableModel::match(start, Qt::DisplayRole, QString(text), 1, flags));
                }
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
