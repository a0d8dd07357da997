// Corvanthelix - tests of the score table's rows, sorting, searching and removal.
#include "scores/scorejob.h"
#include "scores/scorenumber.h"

#include <QCollator>
#include <QCoreApplication>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>
#include <QTextDocument>
#include <cmath>
#include <cstdlib>

using Rows = QList<QStringList>; // {name, score} per row, and an id of the test's own

// Allocations of more than this many bytes fail, as they do when memory is
// all but gone; one row's worth still succeeds. Every form of new whose
// memory plain delete frees is replaced, so a sanitizer's never meets ours.
// Atomic: the table sorts on threads of its own.
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

// The table, its job, and the worker, stopped first as the game stops it.
struct Table
{
    ScoreWork work;
    ScoreTable table;
    ScoreJob job{table, work};
    ~Table() { work.stop(); }

    void settle()
    {
        while (job.busy()) {
            work.settle();
            QCoreApplication::sendPostedEvents();
        }
    }
};

// Whose order names sort in, as the player expects it: the locale's, and
// English where the locale is C, which has no order for people's names.
QLocale sortLocale()
{
    return QLocale().language() == QLocale::C ? QLocale(QLocale::English) : QLocale();
}

std::shared_ptr<ScoreRows> fileOf(const Rows &rows)
{
    auto file = std::make_shared<ScoreRows>();
    for (const QStringList &row : rows)
        file->append(row[0].toStdString(), row[1].toStdString());
    file->finish();
    return file;
}

// A table beside the table as the rules spell it out: std::stable_sort with
// names by the locale ignoring case, scores by value (exactly, as long double
// tells these apart) with the texts that are not numbers after them. The
// reference keeps what the table shows now, and what it will show once the
// sorts asked for are done; each action is a player's, on both.
struct Round : Table
{
    QSignalSpy refused{&job, &ScoreJob::notEnoughMemory};
    Rows shown, settled; // {name, score, id}
    QCollator collator{sortLocale()};
    int column = -1;
    bool descending = false, atOnce;
    QRandomGenerator &random;
    int made = 0;

    Round(size_t limit, QRandomGenerator &random) : atOnce(limit > 0), random(random)
    {
        table.setAtOnceLimit(limit);
        collator.setCaseSensitivity(Qt::CaseInsensitive);
    }

    static long double value(const QString &score)
    {
        const QByteArray text = score.toLatin1();
        char *end = nullptr;
        const long double v = std::strtold(text.constData(), &end);
        const bool number = !text.isEmpty() && *end == 0 && std::isdigit(text.back()) && text[0] != ' ' && text[0] != '+';
        return number ? v : std::nanl("");
    }

    QStringList newRow(const QStringList &names, const QStringList &scores)
    {
        return {names[random.bounded(int(names.size()))], scores[random.bounded(int(scores.size()))], QString::number(made++)};
    }

    void settleBoth()
    {
        settle();
        shown = settled;
    }

    void sortSettled()
    {
        auto less = [&](const QStringList &a, const QStringList &b) {
            if (column == 0)
                return collator.compare(a[0], b[0]) < 0;
            const long double x = value(a[1]), y = value(b[1]);
            return !std::isnan(x) && (std::isnan(y) || x < y);
        };
        std::stable_sort(settled.begin(), settled.end(), [&](const auto &a, const auto &b) {
            return descending ? less(b, a) : less(a, b);
        });
        if (atOnce)
            shown = settled;
    }

    // Without the memory for its order, on a table large enough to need some, a sort changes nothing.
    void sort(int by, bool down, bool memoryGone)
    {
        settleBoth();
        failAbove = memoryGone ? 512 : SIZE_MAX;
        table.sort(by, down ? Qt::DescendingOrder : Qt::AscendingOrder);
        if (memoryGone)
            settle();
        failAbove = SIZE_MAX;
        QCOMPARE(refused.size(), int(memoryGone));
        refused.clear();
        if (!memoryGone) {
            std::tie(column, descending) = std::pair(by, down);
            sortSettled();
        }
    }

    // The row shown at that place goes, wherever it will stand.
    void remove(int row)
    {
        QVERIFY(!table.removeRow(int(shown.size())) && !table.removeRows(row, INT_MAX));
        QVERIFY(table.removeRow(row));
        const QString id = shown.takeAt(row)[2];
        settled.removeIf([&](const QStringList &other) { return other[2] == id; });
    }

    // Without the memory for one row (and none for a sort beside it), no row is added.
    void add(const QStringList &row, bool memoryGone)
    {
        if (memoryGone)
            settleBoth();
        failAbove = memoryGone ? 512 : SIZE_MAX;
        const int added = table.addRow(row[0], row[1]);
        failAbove = SIZE_MAX;
        QCOMPARE(added, memoryGone && added < 0 ? -1 : shown.size());
        if (added >= 0)
            shown.append(row), settled.append(row);
    }

    // They go first, and the last sort asked for sorts them in.
    void readFile(const Rows &file)
    {
        QVERIFY(table.addFileRows(fileOf(file)));
        job.fileRowsAdded();
        shown = settled = file + shown;
        if (column >= 0)
            sortSettled();
    }

    Rows visible() const
    {
        Rows rows = shown;
        for (QStringList &row : rows)
            row.removeLast();
        return rows;
    }
};

} // namespace

class TestScoreTable : public QObject
{
    Q_OBJECT
private slots:
    void followsAPlainStableSort_data()
    {
        QTest::addColumn<size_t>("atOnce");
        QTest::newRow("sorted at once") << (size_t(1) << 16);
        QTest::newRow("sorted beside the game") << size_t(0);
    }

    void followsAPlainStableSort()
    {
        // Random tables of few distinct names, with ties and scores that are
        // not numbers, are sorted, sorted again, have rows removed and added
        // while a sort runs, and the file's rows arrive late among them. A
        // current row follows its row.
        QFETCH(size_t, atOnce);
        const QStringList names = {"Ann", "ann", "Ånn", "Émile", "emile", "Zoë", "zoe", "Bob", "bób", "", "Ann,B",
                                   QString("a") + QChar(0) + "z", QString("a") + QChar(0) + "b"};
        const QStringList scores = {"7", "12", "0", "100", "7", "x", " B", "3.5", "-2", "1e3", "99999999", "007", "-0",
                                    "9007199254740993", "9007199254740992", "9223372036854775808", "7.0", "0e5",
                                    "9223372036854775807", "-" + QString(400, u'9'), "0.3", "0.30000000000000001",
                                    "+5", "1e", "inf", "0.00"};
        QRandomGenerator random(13);
        for (int number = 0; number < 20; ++number) {
            // Odd rounds keep to small whole numbers and texts, which sort another way.
            const QStringList someScores = number % 2 ? scores.mid(0, 7) : scores;
            Round round(atOnce, random);
            bool fileRead = false;
            QPersistentModelIndex current;
            QString currentId;
            for (int step = 0; step < 16; ++step) {
                switch (random.bounded(fileRead ? 4 : 5)) {
                case 0:
                    if (!round.shown.isEmpty())
                        round.remove(random.bounded(int(round.shown.size())));
                    break;
                case 1:
                    round.add(round.newRow(names, someScores), random.bounded(4) == 0);
                    break;
                case 4: {
                    Rows file;
                    for (int i = random.bounded(1, 150); i > 0; --i)
                        file.append(round.newRow(names, someScores));
                    round.readFile(file);
                    fileRead = true;
                    break;
                }
                default:
                    round.sort(random.bounded(2), random.bounded(2), round.shown.size() >= 200 && random.bounded(4) == 0);
                }
                QCOMPARE(rowsOf(round.table), round.visible()); // the old order while a sort runs
                if (!current.isValid() && !round.shown.isEmpty()) {
                    const int row = random.bounded(int(round.shown.size()));
                    current = round.table.index(row, 1);
                    currentId = round.shown[row][2];
                }
                if (current.isValid())
                    QCOMPARE(round.shown[current.row()][2], currentId);
            }
            round.settleBoth();
            QCOMPARE(rowsOf(round.table), round.visible());
            QCOMPARE(round.table.sortColumn(), round.column);
        }
    }

    void scoresCompareExactly_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<int>("order"); // of a to b
        QTest::newRow("zeros tie, however written") << "0.00" << "0e5" << 0;
        QTest::newRow("a negative zero ties") << "-0.0" << "0" << 0;
        QTest::newRow("a point and trailing zeros") << "7.000" << "0.7e1" << 0;
        QTest::newRow("exponents of twenty digits") << "1e" + QString(20, u'9') << "1e1" + QString(20, u'0') << -1;
        // Exponents of 18 digits and more are added to digit by digit.
        QTest::newRow("a carry to exactly zero") << "10e1999999999999999998" << "1e1999999999999999999" << 0;
        QTest::newRow("a borrow through zeros") << "0.001e100000000000000000000" << "1e99999999999999999997" << 0;
        QTest::newRow("below one, shifted up") << "10e-100000000000000000001" << "1e-100000000000000000000" << 0;
        QTest::newRow("below one, shifted down") << "0.01e-99999999999999999998" << "1e-100000000000000000000" << 0;
        QTest::newRow("tiny, against zero") << "1e-" + QString(40, u'9') << "0" << 1;
        QTest::newRow("negatives mirror") << "-1e100" << "-1e99" << -1;
        QTest::newRow("many digits") << "0." + QString(300, u'3') << "0." + QString(299, u'3') + "4" << -1;
    }

    void scoresCompareExactly()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(int, order);
        std::string x, y;
        QVERIFY(ScoreNumberKey(a.toStdString(), &x) && ScoreNumberKey(b.toStdString(), &y));
        QCOMPARE((x > y) - (x < y), order);
    }

    void namesSortInThePlayersLanguage_data()
    {
        QTest::addColumn<size_t>("atOnce");
        QTest::newRow("ranked at once") << (size_t(1) << 16);
        QTest::newRow("ranked beside the game") << size_t(0);
    }

    void namesSortInThePlayersLanguage()
    {
        // Å is a letter of its own after Z in Swedish, an A elsewhere; case
        // and accents never part names, names that tie keep their order, and
        // names with nothing visible come first. The file's names are ranked
        // as it arrives; those entered later take their places among them.
        // (Run in the C locale, and again in Swedish.)
        QFETCH(size_t, atOnce);
        const bool swedish = QLocale().language() == QLocale::Swedish;
        Table scores;
        scores.table.setAtOnceLimit(atOnce);
        scores.table.addRow(QStringLiteral("Zoe"), QStringLiteral("1"));
        Rows file;
        for (const char *name : {"Åsa", "ann", "", "Émile"})
            file.append({QString::fromUtf8(name), "1"});
        QVERIFY(scores.table.addFileRows(fileOf(file)));
        scores.job.fileRowsAdded();
        for (const char *name : {"Bob", "\u200B", "Ann", "aSA"})
            scores.table.addRow(QString::fromUtf8(name), QStringLiteral("2"));
        scores.table.sort(0, Qt::AscendingOrder);
        scores.settle();
        QStringList names;
        for (const QStringList &row : rowsOf(scores.table))
            names << row[0];
        const QStringList expected = swedish ? QStringList{"", "\u200B", "ann", "Ann", "aSA", "Bob", "Émile", "Zoe", "Åsa"}
                                             : QStringList{"", "\u200B", "ann", "Ann", "aSA", "Åsa", "Bob", "Émile", "Zoe"};
        QCOMPARE(names, expected);
    }

    void typingFindsTheNextName_data()
    {
        QTest::addColumn<size_t>("atOnce");
        QTest::newRow("at once") << (size_t(1) << 16);
        QTest::newRow("beside the game") << size_t(0);
    }

    void typingFindsTheNextName()
    {
        // The quick search for a name agrees with asking every row in turn,
        // from either column; beside the game, its answer comes as found().
        QFETCH(size_t, atOnce);
        Table scores;
        ScoreTable &table = scores.table;
        for (const QStringList &row : Rows{{"Ann", "7"}, {"émile", "3"}, {"bob", "1"}, {"Émile", "2"}, {"ann", "5"}, {"Zoë", "9"}, {"\u212Aim", "4"}})
            table.addRow(row[0], row[1]);
        table.sort(1, Qt::AscendingOrder); // shown in an order of their own
        scores.settle();
        table.setAtOnceLimit(atOnce);
        QSignalSpy found(&scores.job, &ScoreJob::found);
        for (const char *text : {"a", "AN", "é", "É", "em", "z", "q", "", "k", "KI"})
            for (int from = 0; from < table.rowCount(); ++from)
                for (Qt::MatchFlags flags : {Qt::MatchFlags(Qt::MatchStartsWith), Qt::MatchStartsWith | Qt::MatchWrap})
                    for (int column : {0, 1}) {
                        QModelIndexList expected =
                            table.QAbstractTableModel::match(table.index(from, 0), Qt::DisplayRole, QString(text), 1, flags);
                        for (QModelIndex &index : expected)
                            index = index.siblingAtColumn(column);
                        QModelIndexList answer = table.match(table.index(from, column), Qt::DisplayRole, QString(text), 1, flags);
                        if (!atOnce) {
                            QVERIFY(answer.isEmpty());
                            scores.settle();
                            for (const QList<QVariant> &signal : std::as_const(found))
                                answer << signal[0].toModelIndex();
                            found.clear();
                        }
                        QCOMPARE(answer, expected);
                    }
    }

    void namesShowAsTyped_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("markup") << QString("<table><tr><td>").repeated(22) + "x";
        QTest::newRow("300 KB") << QString(300000, QLatin1Char('<'));
    }

    void namesShowAsTyped()
    {
        // Qt lays out a tooltip as rich text when it looks like markup: a
        // name of nested tables then hangs the game, and a huge one crashes it.
        QFETCH(QString, name);
        struct : ScoreTable { QModelIndex past() const { return createIndex(rowCount(), 0); } } table;
        table.addRow(name, QStringLiteral("7"));
        QVERIFY(!table.data(table.past()).isValid()); // an index a view kept past the last row
        QCOMPARE(table.index(0, 0).data().toString(), name);
        const QString tip = table.index(0, 0).data(Qt::ToolTipRole).toString();
        QTextDocument shown;
        Qt::mightBeRichText(tip) ? shown.setHtml(tip) : shown.setPlainText(tip);
        QCOMPARE(shown.toPlainText(), name.size() > 500 ? name.left(500) + QChar(0x2026) : name);
    }
};

QTEST_GUILESS_MAIN(TestScoreTable)
#include "tst_scoretable.moc"
