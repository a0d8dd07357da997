// Corvanthelix - tests of the score table's rows, sorting and removal.
#include "scores/scoretable.h"

#include <QCollator>
#include <atomic>
#include <QRandomGenerator>
#include <QTest>
#include <QSignalSpy>
#include <QTextDocument>
#include <cmath>
#include <cstdlib>

using Rows = QList<QStringList>; // {name, score} per row

// Allocations of more than this many bytes fail, as they do when memory is
// all but gone; one row's worth still succeeds. Every form of new whose
// memory plain delete frees is replaced, so a sanitizer's never meets ours.
// Atomic: the table ranks names on a thread of its own.
static std::atomic_size_t failAbove = SIZE_MAX;

void *operator new(std::size_t size, const std::nothrow_t &) noexcept
{
    return size > failAbove.load(std::memory_order_relaxed) ? nullptr : std::malloc(std::max<std::size_t>(size, 1));
}

void *operator new(std::size_t size)
{
    if (void *memory = operator new(size, std::nothrow))
        return memory;
    throw std::bad_alloc();
}

void operator delete(void *memory) noexcept { std::free(memory); }
void operator delete(void *memory, std::size_t) noexcept { std::free(memory); }

namespace {

Rows rowsOf(const ScoreTable &table)
{
    Rows rows;
    for (int row = 0; row < table.rowCount(); ++row)
        rows.append({table.index(row, 0).data().toString(), table.index(row, 1).data().toString()});
    return rows;
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
        // have rows removed (never past the end) and added in between, a
        // file's rows arriving late among them, beside a plain list sorted
        // with std::stable_sort by the rules spelled out: names by the locale
        // ignoring case, scores by value (exactly, as long double tells these
        // apart) with the texts that are not numbers after them. A current row
        // follows its row. Some actions find memory all but gone, and change
        // nothing.
        const QStringList names = {"Ann", "ann", "Ånn", "Émile", "emile", "Zoë", "zoe", "Bob", "bób", "", "Ann,B",
                                   QString("a") + QChar(0) + "z", QString("a") + QChar(0) + "b"};
        const QStringList scores = {"7", "12", "0", "100", "7", "x", " B", "3.5", "-2", "1e3", "99999999", "007", "-0",
                                    "9007199254740993", "9007199254740992", "9223372036854775808",
                                    "9223372036854775807", "-" + QString(400, u'9'), "0.3", "0.30000000000000001",
                                    "+5", "1e", "inf"};
        QCollator collator(ScoreRows::SortLocale());
        collator.setCaseSensitivity(Qt::CaseInsensitive);
        auto value = [](const QString &score) {
            const QByteArray text = score.toLatin1();
            char *end = nullptr;
            const long double v = std::strtold(text.constData(), &end);
            const bool number = !text.isEmpty() && *end == 0 && std::isdigit(text.back()) && text[0] != ' ' && text[0] != '+';
            return number ? v : std::nanl("");
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
            QSignalSpy refused(&table, &ScoreTable::notEnoughMemory);
            int sortedBy = -1;
            bool descending = false;
            auto sortExpected = [&] {
                auto less = [&](const QStringList &a, const QStringList &b) {
                    if (sortedBy == 0)
                        return collator.compare(a[0], b[0]) < 0;
                    const long double x = value(a[1]), y = value(b[1]);
                    return !std::isnan(x) && (std::isnan(y) || x < y);
                };
                std::stable_sort(expected.begin(), expected.end(), [&](const auto &a, const auto &b) {
                    return descending ? less(b, a) : less(a, b);
                });
            };
            auto load = [&](int count) {
                Rows added;
                ScoreRows rows;
                for (int i = 0; i < count; ++i) {
                    added.append(newRow());
                    rows.append(added.last()[0].toStdString(), added.last()[1].toStdString());
                }
                QVERIFY(table.addLoadedRows(std::move(rows)));
                expected = added + expected;
                if (sortedBy >= 0)
                    sortExpected();
            };
            load(150);
            QPersistentModelIndex current = table.index(random.bounded(150), 1);
            QString currentId = expected[current.row()][2];
            for (int step = 0; step < 12; ++step) {
                const bool memoryGone = random.bounded(4) == 0;
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
                    failAbove = memoryGone ? 512 : SIZE_MAX;
                    const int added = table.addRow(row[0], row[1]);
                    failAbove = SIZE_MAX;
                    QCOMPARE(added, memoryGone && added < 0 ? -1 : expected.size());
                    if (added >= 0)
                        expected.append(row);
                    break;
                }
                case 2:
                    load(random.bounded(1, 20));
                    break;
                default: {
                    const int column = random.bounded(2);
                    const bool down = random.bounded(2);
                    failAbove = memoryGone ? 512 : SIZE_MAX;
                    table.sort(column, down ? Qt::DescendingOrder : Qt::AscendingOrder);
                    failAbove = SIZE_MAX;
                    QCOMPARE(refused.size(), int(memoryGone));
                    refused.clear();
                    if (!memoryGone) {
                        std::tie(sortedBy, descending) = std::pair(column, down);
                        sortExpected();
                    }
                    QCOMPARE(table.sortColumn(), sortedBy);
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

    // A file of many names has them ranked on a thread as it arrives, while
    // the table is read, added to and sorted by score: the order by name is
    // still the locale's.
    void namesRankedAheadSortByTheLocale()
    {
        const QString letters = QStringLiteral("aAåÅeéÉzZ -");
        QRandomGenerator random(7);
        QStringList names;
        ScoreRows rows;
        for (int i = 0; i < 70000; ++i) {
            QString name;
            for (int length = 4 + random.bounded(6); length > 0; --length)
                name += letters[random.bounded(int(letters.size()))];
            names << name;
            rows.append(name.toStdString(), "1");
        }
        ScoreTable table;
        QVERIFY(table.addLoadedRows(std::move(rows)));
        table.sort(1, Qt::AscendingOrder);
        QCOMPARE(table.addRow(QStringLiteral("Zoë"), QStringLiteral("2")), 70000);
        names << QStringLiteral("Zoë");
        table.sort(0, Qt::AscendingOrder);
        QCollator collator(ScoreRows::SortLocale());
        collator.setCaseSensitivity(Qt::CaseInsensitive);
        std::stable_sort(names.begin(), names.end(), [&](const QString &a, const QString &b) { return collator.compare(a, b) < 0; });
        for (int row = 0; row < table.rowCount(); ++row)
            QCOMPARE(table.index(row, 0).data().toString(), names[row]);
    }

    void typingFindsTheNextName()
    {
        // The quick search for a name agrees with asking every row in turn.
        ScoreTable table;
        for (const QStringList &row : Rows{{"Ann", "7"}, {"émile", "3"}, {"bob", "1"}, {"Émile", "2"}, {"ann", "5"}, {"Zoë", "9"}})
            table.addRow(row[0], row[1]);
        table.sort(1, Qt::AscendingOrder); // shown in an order of their own
        // From a Score cell, it finds names too, and keeps to its column.
        for (const char *text : {"a", "AN", "é", "É", "em", "z", "q", ""})
            for (int from = 0; from < table.rowCount(); ++from)
                for (Qt::MatchFlags flags : {Qt::MatchFlags(Qt::MatchStartsWith), Qt::MatchStartsWith | Qt::MatchWrap})
                    for (int column : {0, 1}) {
                        QModelIndexList expected =
                            table.QAbstractTableModel::match(table.index(from, 0), Qt::DisplayRole, QString(text), 1, flags);
                        for (QModelIndex &found : expected)
                            found = found.siblingAtColumn(column);
                        QCOMPARE(table.match(table.index(from, column), Qt::DisplayRole, QString(text), 1, flags), expected);
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
