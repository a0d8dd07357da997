// Corvanthelix - tests of the score file: nothing a player enters is lost.
#include "scores/scorefile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>
#include <unistd.h>

using Rows = QList<QStringList>; // {name, score} per row

namespace {

Rows rowsOf(const ScoreRows &rows)
{
    Rows result;
    for (qsizetype row = 0; row < rows.size(); ++row)
        result.append({rows.text(row, ScoreRows::Name), rows.text(row, ScoreRows::Score)});
    return result;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool run(const QString &program, const QStringList &arguments)
{
    return QProcess::execute(program, arguments) == 0;
}

} // namespace

class TestScoreFile : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QString path() const { return m_dir.filePath(QStringLiteral("Corvanthelix.txt")); }

private slots:
    void init()
    {
        QFile::remove(path());
    }

    void load_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Rows>("rows");
        const QByteArray big(1 << 20, 'x');

        QTest::newRow("empty file") << QByteArray() << Rows{};
        QTest::newRow("two lines in order") << QByteArray("Ann,7\nBob,12\n") << Rows{{"Ann", "7"}, {"Bob", "12"}};
        QTest::newRow("no comma skipped") << QByteArray("Ann\nBob,3\n") << Rows{{"Bob", "3"}};
        QTest::newRow("blank lines skipped") << QByteArray("\n\nAnn,7\n\n") << Rows{{"Ann", "7"}};
        QTest::newRow("empty name") << QByteArray(",9\n") << Rows{{"", "9"}};
        QTest::newRow("fields after the second ignored") << QByteArray("Ann,7,x\n") << Rows{{"Ann", "7"}};
        QTest::newRow("empty second field skipped") << QByteArray("Ann,,x\nBob,\n") << Rows{};
        QTest::newRow("score text as it stands") << QByteArray("Ann, 7x\n") << Rows{{"Ann", " 7x"}};
        QTest::newRow("name with a comma comes back whole") << QByteArray("Ann, B,7\n") << Rows{{"Ann, B", "7"}};
        QTest::newRow("a name cannot pass for a score") << QByteArray("a,5,3\n") << Rows{{"a,5", "3"}};
        QTest::newRow("name ending in a comma") << QByteArray("Ann,,7\n") << Rows{{"Ann,", "7"}};
        QTest::newRow("last line without a line ending")
            << QByteArray("Ann,7\nBob,12") << Rows{{"Ann", "7"}, {"Bob", "12"}};
        QTest::newRow("CRLF") << QByteArray("Ann,7\r\nBob,12\r\n") << Rows{{"Ann", "7"}, {"Bob", "12"}};
        QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBF" "Ann,7\n") << Rows{{"Ann", "7"}};
        QTest::newRow("invalid UTF-8") << QByteArray("A\xFFn,7\n") << Rows{{QStringLiteral("A\uFFFDn"), "7"}};
        QTest::newRow("NUL inside a line") << QByteArray("A\0n,7\nBob,3\n", 12)
                                           << Rows{{QString("A") + QChar(0) + "n", "7"}, {"Bob", "3"}};
        QTest::newRow("line over 1 MiB skipped, the next one read")
            << QByteArray("Ann,7\n" + big + ",3\nBob,12\n") << Rows{{"Ann", "7"}, {"Bob", "12"}};
        QTest::newRow("line of exactly 1 MiB read")
            << QByteArray(big.left((1 << 20) - 2) + ",3\r\n") << Rows{{QString(big.left((1 << 20) - 2)), "3"}};
        QTest::newRow("over-long last line without ending") << QByteArray("Ann,7\n" + big + ",3") << Rows{{"Ann", "7"}};
    }

    void load()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(Rows, rows);
        QVERIFY(writeFile(path(), bytes));
        QCOMPARE(rowsOf(LoadScoreFile(path())), rows);
    }

    void loadNeverCreatesOrHangs_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("missing") << "missing";
        QTest::newRow("directory") << "directory";
        QTest::newRow("FIFO with no writer") << "fifo";
        QTest::newRow("device") << "device";
    }

    void loadNeverCreatesOrHangs()
    {
        QFETCH(QString, kind);
        const QString file = m_dir.filePath(QStringLiteral("in-place-") + kind);
        if (kind == QLatin1String("directory"))
            QVERIFY(QDir().mkpath(file));
        else if (kind == QLatin1String("fifo"))
            QCOMPARE(::mkfifo(QFile::encodeName(file).constData(), 0600), 0);
        else if (kind == QLatin1String("device"))
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), file));
        QCOMPARE(LoadScoreFile(file).size(), 0);
        if (kind == QLatin1String("missing"))
            QVERIFY(!QFile::exists(file));
    }

    void appendWritesExactBytes_data()
    {
        QTest::addColumn<QByteArray>("before"); // "-" for no file at all
        QTest::addColumn<QString>("line");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("creates the folder and the file") << QByteArray("-") << "Ann,7" << QByteArray("Ann,7\n");
        QTest::newRow("appends") << QByteArray("Bob,3\n") << "Ann,7" << QByteArray("Bob,3\nAnn,7\n");
        QTest::newRow("never joins a partial line")
            << QByteArray("Bob,3\nCle") << "Ann,7" << QByteArray("Bob,3\nCle\nAnn,7\n");
        QTest::newRow("empty file") << QByteArray("") << ",4" << QByteArray(",4\n");
        QTest::newRow("UTF-8, no translation") << QByteArray("-") << QStringLiteral("Zoë 🙂,8")
                                               << QByteArray("Zo\xC3\xAB \xF0\x9F\x99\x82,8\n");
    }

    void appendWritesExactBytes()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, line);
        QFETCH(QByteArray, after);
        const QString file = m_dir.filePath(QStringLiteral("new/folder/Corvanthelix.txt"));
        QDir(m_dir.filePath(QStringLiteral("new"))).removeRecursively();
        if (before != "-")
            QVERIFY(QDir().mkpath(QFileInfo(file).path()) && writeFile(file, before));
        const AppendResult result = AppendScoreLine(file, line);
        QVERIFY2(result.stored, qPrintable(result.reason));
        QCOMPARE(readFile(file), after);
    }

    void awkwardNamesComeBack_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::newRow("comma") << "Ann, B" << "Ann, B";
        QTest::newRow("trailing comma") << "Ann," << "Ann,";
        QTest::newRow("looks like a score") << "Bob,12" << "Bob,12";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("spaces kept") << "  Ann  " << "  Ann  ";
        QTest::newRow("line feed") << "Ann\nBob,3" << "Ann Bob,3";
        QTest::newRow("carriage return and tab") << "Ann\r\tB" << "Ann  B";
        QTest::newRow("NUL and DEL") << QString("A") + QChar(0) + "B\x7F" << "A B ";
        QTest::newRow("next line, line and paragraph separators")
            << QStringLiteral("a\u0085b\u2028c\u2029d") << "a b c d";
        QTest::newRow("emoji and accents") << QStringLiteral("Zoë 🙂") << QStringLiteral("Zoë 🙂");
        QTest::newRow("32,767 characters") << QString(32767, QLatin1Char('n')) << QString(32767, QLatin1Char('n'));
    }

    void awkwardNamesComeBack()
    {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        QCOMPARE(ScoreName(typed), stored);
        QVERIFY(writeFile(path(), "Old,5\n"));
        QVERIFY(AppendScoreLine(path(), ScoreName(typed) + QStringLiteral(",7")).stored);
        QCOMPARE(rowsOf(LoadScoreFile(path())), (Rows{{"Old", "5"}, {stored, "7"}}));
    }

    void failureIsReportedAndLosesNothing_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("reason"); // a part of the system's reason
        QTest::newRow("no data folder") << "none" << "data folder";
        QTest::newRow("parent is a regular file") << "parent" << "Not a directory";
        QTest::newRow("directory in the file's place") << "directory" << "Is a directory";
        QTest::newRow("disk full") << "full" << "No space left";
        QTest::newRow("immutable file") << "immutable" << "not permitted";
        QTest::newRow("read-only file") << "read-only" << "Permission denied";
    }

    void failureIsReportedAndLosesNothing()
    {
        QFETCH(QString, fault);
        QFETCH(QString, reason);
        QString file = path();
        const QByteArray before("Bob,3\n");
        QVERIFY(fault == "full" || fault == "directory" || writeFile(file, before));
        if (fault == "none")
            file.clear();
        else if (fault == "parent")
            file += QStringLiteral("/sub/Corvanthelix.txt");
        else if (fault == "directory")
            QVERIFY(QDir().mkpath(file));
        else if (fault == "full")
            QVERIFY(QFile::link(QStringLiteral("/dev/full"), file));
        else if (fault == "immutable" && !run(QStringLiteral("chattr"), {QStringLiteral("+i"), file}))
            QSKIP("chattr +i needs root and a file system that supports it");
        else if (fault == "read-only" && (::geteuid() == 0 || !QFile::setPermissions(file, QFile::ReadOwner)))
            QSKIP("root may write to any file");

        const AppendResult result = AppendScoreLine(file, QStringLiteral("Ann,7"));
        if (fault == "immutable")
            run(QStringLiteral("chattr"), {QStringLiteral("-i"), file});
        if (fault == "directory")
            QDir(file).removeRecursively();
        QVERIFY(!result.stored);
        QVERIFY2(result.reason.contains(reason, Qt::CaseInsensitive), qPrintable(result.reason));
        if (fault == "immutable" || fault == "read-only" || fault == "parent")
            QCOMPARE(readFile(path()), before);
        QVERIFY(NotSavedMessage(file, result.reason).contains(result.reason));
    }

    void appendOnlyFileTakesScores()
    {
        QVERIFY(writeFile(path(), "Bob,3"));
        if (!run(QStringLiteral("chattr"), {QStringLiteral("+a"), path()}))
            QSKIP("chattr +a needs root and a file system that supports it");
        const AppendResult result = AppendScoreLine(path(), QStringLiteral("Ann,7"));
        run(QStringLiteral("chattr"), {QStringLiteral("-a"), path()});
        QVERIFY2(result.stored, qPrintable(result.reason));
        QCOMPARE(readFile(path()), QByteArray("Bob,3\nAnn,7\n"));
    }

    void twoProcessesAppendingAtOnce()
    {
        constexpr int lines = 1000;
        QProcess first, second;
        first.start(QStringLiteral(APPEND_SCORES), {path(), QStringLiteral("first player"), QString::number(lines)});
        second.start(QStringLiteral(APPEND_SCORES), {path(), QStringLiteral("second"), QString::number(lines)});
        QVERIFY(first.waitForFinished(60000) && second.waitForFinished(60000));
        QCOMPARE(first.exitCode(), 0);
        QCOMPARE(second.exitCode(), 0);

        const QList<QByteArray> written = readFile(path()).split('\n');
        QCOMPARE(written.size(), 2 * lines + 1);
        QCOMPARE(written.last(), QByteArray());
        static const QRegularExpression whole(QStringLiteral("^(first player|second),(\\d+)$"));
        QHash<QString, int> next;
        for (qsizetype i = 0; i + 1 < written.size(); ++i) {
            const auto match = whole.match(QString::fromUtf8(written[i]));
            QVERIFY2(match.hasMatch(), written[i].constData());
            // Each process's lines stand whole and in its own order.
            QCOMPARE(match.captured(2).toInt(), next[match.captured(1)]++);
        }
        QCOMPARE(LoadScoreFile(path()).size(), 2 * lines);
    }
};

QTEST_GUILESS_MAIN(TestScoreFile)
#include "tst_scorefile.moc"
