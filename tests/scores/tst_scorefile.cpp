// Corvanthelix - tests of the score file: nothing a player enters is lost.
#include "platform/datafolder.h"
#include "scores/scorefile.h"
#include "scores/scorefilereader.h"
#include "scores/scorekeeper.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <functional>
#include <fcntl.h>
#include <sys/file.h>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using Rows = QList<QStringList>; // {name, score} per row

namespace {

Rows rowsOf(const ScoreRows &rows)
{
    Rows result;
    for (quint32 row = 0; row < rows.size(); ++row)
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

// Appends "name,0" ... "name,count-1" from a child process. Returns the
// child's pid; its exit status is the number of appends that failed.
pid_t appendInChild(const QString &path, const QString &name, int count)
{
    const pid_t child = ::fork();
    if (child != 0)
        return child;
    int failed = 0;
    for (int i = 0; i < count; ++i)
        failed += !AppendScoreLine(path, name + QLatin1Char(',') + QString::number(i)).stored;
    ::_exit(failed);
}

// The child's exit status, or -1. QProcess's SIGCHLD handler, there once a
// test has run chattr, interrupts the wait when another child ends first.
int statusOf(pid_t child)
{
    int status = -1;
    while (::waitpid(child, &status, 0) < 0)
        if (errno != EINTR)
            return -1;
    return status;
}

// Puts something of that kind where a score file would be: a directory, a
// FIFO, a device, a symbolic link to itself, or a file of a size or mode.
bool placeAt(const QString &kind, const QString &file, qint64 size = 6, mode_t mode = 0644)
{
    const QByteArray name = QFile::encodeName(file);
    if (kind == "directory")
        return ::mkdir(name, 0700) == 0;
    if (kind == "fifo")
        return ::mkfifo(name, 0600) == 0;
    if (kind == "device")
        return ::symlink("/dev/null", name) == 0;
    if (kind == "loop")
        return ::symlink(name, name) == 0;
    return writeFile(file, "Ann,7\n") && ::truncate(name, size) == 0 && ::chmod(name, mode) == 0;
}

// What the call answers in a child process run as an ordinary user, as root
// may read and write any file; "skip" where root is the only user there is
// (a user namespace that maps root alone, as in reprotest).
QString asUser(const std::function<QString()> &call)
{
    int ends[2];
    if (::pipe(ends) != 0)
        return QStringLiteral("no pipe");
    const pid_t child = ::fork();
    if (child == 0) {
        const bool user = ::geteuid() != 0 || (::setgid(65534) == 0 && ::setuid(65534) == 0);
        const QByteArray answer = user ? call().toUtf8() : QByteArray("skip");
        ::_exit(::write(ends[1], answer.constData(), size_t(answer.size())) < 0);
    }
    ::close(ends[1]);
    QFile pipe;
    const QByteArray answer = pipe.open(ends[0], QIODevice::ReadOnly, QFileDevice::AutoCloseHandle) ? pipe.readAll() : QByteArray();
    statusOf(child);
    return QString::fromUtf8(answer);
}

} // namespace

class TestScoreFile : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QString path() const { return m_dir.filePath(QStringLiteral("Corvanthelix.txt")); }

private slots:
    void initTestCase()
    {
        IgnoreFileSizeSignal(); // as the game does when it starts
    }

    void init()
    {
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_dir.path()));
        QFile::remove(path());
        ::chmod(QFile::encodeName(m_dir.path()).constData(), 0755); // for the child that is not root
    }

    void load_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Rows>("rows");
        const QByteArray big(1 << 20, 'x');

        QTest::newRow("lines in order; no comma, blank and empty score skipped")
            << QByteArray("Ann,7\nNo comma\n\nBob,\nCy,,x\nDee,12\n") << Rows{{"Ann", "7"}, {"Dee", "12"}};
        QTest::newRow("empty name, fields after the second, score as it stands")
            << QByteArray(",9\nAnn,7,x\nBo, 7x\n") << Rows{{"", "9"}, {"Ann", "7"}, {"Bo", " 7x"}};
        QTest::newRow("names with commas come back whole, the last line without ending") << QByteArray("Ann, B,7\na,5,3\nAnn,,7")
                                                           << Rows{{"Ann, B", "7"}, {"a,5", "3"}, {"Ann,", "7"}};
        QTest::newRow("CR alone") << QByteArray("Ann,7\rBob,12\rCy,3") << Rows{{"Ann", "7"}, {"Bob", "12"}, {"Cy", "3"}};
        QTest::newRow("CRLF, CR and LF mixed")
            << QByteArray("Ann,7\r\nBob,12\rCy,3\n") << Rows{{"Ann", "7"}, {"Bob", "12"}, {"Cy", "3"}};
        QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBF" "Ann,7\n") << Rows{{"Ann", "7"}};
        QTest::newRow("invalid UTF-8 and NUL") << QByteArray("A\xFFn,7\nA\0n,3\n", 12)
                                               << Rows{{QStringLiteral("A\uFFFDn"), "7"}, {QString("A") + QChar(0) + "n", "3"}};
        QTest::newRow("line over 1 MiB skipped, the next one read")
            << QByteArray("Ann,7\n" + big + ",3\nBob,12\n") << Rows{{"Ann", "7"}, {"Bob", "12"}};
        QTest::newRow("a mark after a skipped first line is part of the name")
            << QByteArray(big + ",3\n\xEF\xBB\xBF" "Ann,7\n") << Rows{{QStringLiteral("\uFEFFAnn"), "7"}};
        QTest::newRow("line of exactly 1 MiB read")
            << QByteArray(big.left((1 << 20) - 2) + ",3\r\n") << Rows{{QString(big.left((1 << 20) - 2)), "3"}};
        QTest::newRow("over-long last line ended by CR") << QByteArray("Ann,7\n" + big + ",3\r") << Rows{{"Ann", "7"}};
    }

    void load()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(Rows, rows);
        QVERIFY(writeFile(path(), bytes));
        QString problem;
        QCOMPARE(rowsOf(LoadScoreFile(path(), &problem)), rows);
        QCOMPARE(problem, QString());
    }

    void loadReadsTheFileAsItWasOpened()
    {
        // A score appended after the file was opened is in the table already;
        // a file saved anew by renaming is another file; quitting stops the read.
        QVERIFY(writeFile(path(), "Ann,7\nBob,12\n"));
        ScoreFileReader reader(path());
        QVERIFY(AppendScoreLine(path(), QStringLiteral("Cy,3")).stored);
        const QString other = m_dir.filePath(QStringLiteral("saved anew"));
        QVERIFY(writeFile(other, "Zed,4321\nAnn,7\nBob,12\n"));
        QCOMPARE(::rename(QFile::encodeName(other).constData(), QFile::encodeName(path()).constData()), 0);
        QCOMPARE(rowsOf(reader.load()), (Rows{{"Ann", "7"}, {"Bob", "12"}}));
        const std::atomic_bool quitting = true;
        QCOMPARE(ScoreFileReader(path()).load(nullptr, &quitting).size(), size_t(0));
    }

    void whatStandsInTheFilesPlace_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("unread");  // part of why it is not read; empty: read, or nothing there
        QTest::addColumn<QString>("unsaved"); // part of why a score is not saved; empty: saved
        QTest::newRow("nothing") << "missing" << "" << "";
        QTest::newRow("no data folder") << "none" << "" << "data folder";
        QTest::newRow("parent is a regular file") << "parent" << "Not a directory" << "Not a directory";
        QTest::newRow("directory") << "directory" << "not a regular file" << "Is a directory";
        QTest::newRow("FIFO with no writer") << "fifo" << "not a regular file" << "not a regular file";
        QTest::newRow("device") << "device" << "not a regular file" << "not a regular file";
        QTest::newRow("symbolic-link loop") << "loop" << "symbolic links" << "symbolic links";
        QTest::newRow("unreadable, to a user") << "unreadable" << "Permission denied" << "Permission denied";
        QTest::newRow("read-only, to a user") << "read-only" << "" << "Permission denied";
        QTest::newRow("immutable") << "immutable" << "" << "not permitted";
        QTest::newRow("100 GiB, sparse") << "huge" << "more than" << "";
        QTest::newRow("a byte over the limit") << "over" << "more than" << "";
        QTest::newRow("exactly the limit, read") << "limit" << "" << "";
    }

    void whatStandsInTheFilesPlace()
    {
        // Reading never creates, hangs or aborts, and says why it could not
        // read; an append that fails says why, and changes nothing.
        QFETCH(QString, kind);
        QFETCH(QString, unread);
        QFETCH(QString, unsaved);
        const QString file = kind == "none" ? QString() : kind == "parent" ? path() + "/sub/Corvanthelix.txt" : path();
        const qint64 size = kind == "huge" ? qint64(100) << 30 : kind == "over" ? ScoreFileLimit + 1 : kind == "limit" ? ScoreFileLimit : 6;
        QVERIFY(kind == "missing" || kind == "none" || placeAt(kind, path(), size, kind == "unreadable" ? 0 : kind == "read-only" ? 0444 : 0644));
        if (kind == "immutable" && QProcess::execute(QStringLiteral("chattr"), {"+i", path()}) != 0)
            QSKIP("chattr +i needs root and a file system that supports it");
        const bool regular = QFileInfo(path()).isFile() && kind != "huge", user = kind == "unreadable" || kind == "read-only";
        const QByteArray before = regular ? readFile(path()) : QByteArray();
        size_t rows = 0;
        const auto load = [&] { QString problem; rows = LoadScoreFile(file, &problem).size(); return problem; };
        const auto append = [&] { return AppendScoreLine(file, QStringLiteral("Ann,7")).reason; };
        const QString problem = user ? asUser(load) : load();
        QCOMPARE(QFileInfo::exists(path()) || kind == "loop", kind != "missing" && kind != "none");
        const QString reason = user ? asUser(append) : append();
        if (kind == "immutable")
            QProcess::execute(QStringLiteral("chattr"), {"-i", path()});
        if (problem == "skip")
            QSKIP("root is the only user here, and root may read and write any file");
        QVERIFY2(unread.isEmpty() ? problem.isEmpty() : problem.contains(unread), qPrintable(problem));
        QCOMPARE(rows, size_t(kind == "limit" || kind == "immutable"));
        // Both sizes are named so that they differ.
        const QRegularExpressionMatch named = QRegularExpression("the file is (.+), more than the (.+) this game").match(problem);
        QVERIFY(unread != "more than" || (named.hasMatch() && named.captured(1) != named.captured(2)));
        QVERIFY2(unsaved.isEmpty() ? reason.isEmpty() : reason.contains(unsaved, Qt::CaseInsensitive), qPrintable(reason));
        QVERIFY(unsaved.isEmpty() || !regular || readFile(path()) == before);
        QVERIFY(NotSavedMessage(file, reason).contains(reason));
        QFile::remove(path()) || QDir(path()).removeRecursively();
    }

    void appendedScoresComeBack_data()
    {
        QTest::addColumn<QByteArray>("before"); // "-" for no file at all
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<QString>("stored"); // the name as it comes back
        QTest::newRow("creates the folders and the file") << QByteArray("-") << "Ann" << QByteArray("Ann,7\n") << "Ann";
        QTest::newRow("appends") << QByteArray("Bob,3\n") << "Ann" << QByteArray("Bob,3\nAnn,7\n") << "Ann";
        QTest::newRow("never joins a partial line") << QByteArray("Bob,3\nCle") << "Ann" << QByteArray("Bob,3\nCle\nAnn,7\n") << "Ann";
        QTest::newRow("UTF-8, no translation") << QByteArray("") << QStringLiteral("Zoë 🙂")
                                               << QByteArray("Zo\xC3\xAB \xF0\x9F\x99\x82,7\n") << QStringLiteral("Zoë 🙂");
        QTest::newRow("commas") << QByteArray("") << "Ann, B," << QByteArray("Ann, B,,7\n") << "Ann, B,";
        QTest::newRow("looks like a score") << QByteArray("") << "Bob,12" << QByteArray("Bob,12,7\n") << "Bob,12";
        QTest::newRow("line breaks, tab, NUL and DEL")
            << QByteArray("") << QString("A\nB\r\tC") + QChar(0) + "D\x7F" << QByteArray("A B  C D ,7\n") << "A B  C D ";
        QTest::newRow("next line, line and paragraph separators")
            << QByteArray("") << QStringLiteral("a\u0085b\u2028c\u2029d") << QByteArray("a b c d,7\n") << "a b c d";
    }

    void appendedScoresComeBack()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, typed);
        QFETCH(QByteArray, after);
        QFETCH(QString, stored);
        const QString file = m_dir.filePath(QStringLiteral("new/folder/Corvanthelix.txt"));
        QDir(m_dir.filePath(QStringLiteral("new"))).removeRecursively();
        if (before != "-")
            QVERIFY(QDir().mkpath(QFileInfo(file).path()) && writeFile(file, before));
        const AppendResult result = AppendScoreLine(file, ScoreLine(ScoreName(typed), QStringLiteral("7")));
        QVERIFY2(result.stored, qPrintable(result.reason));
        QCOMPARE(readFile(file), after);
        QCOMPARE(rowsOf(LoadScoreFile(file)).constLast(), (QStringList{stored, "7"}));
        struct stat folder;
        QCOMPARE(::stat(QFile::encodeName(m_dir.filePath(QStringLiteral("new"))).constData(), &folder), 0);
        if (before == "-") // private, as the XDG rules ask of a folder the program makes
            QCOMPARE(folder.st_mode & 07777, 0700u);
    }

    void appendCutShortIsTakenBack()
    {
        // A file-size limit cuts the write after "Ann" as a full disk would;
        // what was written goes, and the next append is not killed by SIGXFSZ.
        QVERIFY(writeFile(path(), "Bob,3"));
        rlimit saved;
        QCOMPARE(::getrlimit(RLIMIT_FSIZE, &saved), 0);
        rlimit limit = saved;
        limit.rlim_cur = 9;
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &limit), 0);
        const AppendResult first = AppendScoreLine(path(), QStringLiteral("Ann,12"));
        const AppendResult second = AppendScoreLine(path(), QStringLiteral("Ann,12"));
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &saved), 0);
        QVERIFY(!first.stored && !second.stored);
        QCOMPARE(first.reason, QString::fromLocal8Bit(std::strerror(EFBIG)));
        QCOMPARE(readFile(path()), QByteArray("Bob,3"));
        QVERIFY(AppendScoreLine(path(), QStringLiteral("Ann,12")).stored);
        QCOMPARE(readFile(path()), QByteArray("Bob,3\nAnn,12\n"));
    }

    void twoProcessesAppendingAtOnce()
    {
        constexpr int lines = 1000;
        const pid_t first = appendInChild(path(), QStringLiteral("first player"), lines);
        const pid_t second = appendInChild(path(), QStringLiteral("second"), lines);
        const int firstStatus = statusOf(first), secondStatus = statusOf(second);
        QCOMPARE(firstStatus | secondStatus, 0);

        QList<QByteArray> written = readFile(path()).split('\n');
        QCOMPARE(written.size(), 2 * lines + 1);
        QCOMPARE(written.takeLast(), QByteArray());
        QHash<QByteArray, int> next = {{"first player", 0}, {"second", 0}};
        for (const QByteArray &line : written) {
            // Each process's lines stand whole and in its own order.
            const QList<QByteArray> fields = line.split(',');
            QVERIFY2(fields.size() == 2 && next.contains(fields[0]), line.constData());
            QCOMPARE(fields[1], QByteArray::number(next[fields[0]]++));
        }
    }

    void theKeeperTellsEachOutcomeOnce_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QStringList>("told"); // the titles, at start and after an Enter Score
        QTest::newRow("no data folder") << "none" << QStringList{"Scores not read", "Score not saved"};
        QTest::newRow("too large to read back") << "large" << QStringList{"Scores not read", "Score not read back"};
        QTest::newRow("all well") << "fine" << QStringList{};
    }

    void theKeeperTellsEachOutcomeOnce()
    {
        QFETCH(QString, kind);
        QFETCH(QStringList, told);
        if (kind == "none")
            qputenv("XDG_DATA_HOME", "/srv/caf\xE9");
        else if (kind == "large")
            QVERIFY(placeAt(kind, path(), ScoreFileLimit + 1));
        QStringList heard;
        {
            ScoreKeeper keeper;
            connect(&keeper, &ScoreKeeper::trouble, this, [&](const QString &title, const QString &text) {
                heard << title;
                QVERIFY2(kind == "none" || text.contains(path()), qPrintable(text));
            });
            keeper.load();
            keeper.settle();
            keeper.enter(QStringLiteral("Bob"), QStringLiteral("3"));
            keeper.settle();
            QCOMPARE(keeper.table().rowCount(), 1); // the score shown, saved or not
        }
        QCOMPARE(heard.join(u'/'), told.join(u'/'));
    }

    void enteringNeverWaitsOnTheDisk()
    {
        // Another program holds the file: the game goes on, and each score
        // shows once it is saved, in the order entered, and on quitting too.
        QVERIFY(writeFile(path(), "Ann,7\n"));
        const int other = ::open(QFile::encodeName(path()).constData(), O_RDONLY | O_CLOEXEC);
        QCOMPARE(::flock(other, LOCK_EX), 0);
        {
            ScoreKeeper keeper;
            QSignalSpy entered(&keeper, &ScoreKeeper::entered);
            keeper.load();
            keeper.enter(QStringLiteral("Bob"), QStringLiteral("3"));
            keeper.enter(QStringLiteral("Cy"), QStringLiteral("4"));
            QCOMPARE(readFile(path()), QByteArray("Ann,7\n")); // the saving waits for the lock, not the game
            QCOMPARE(keeper.table().rowCount(), 1);
            ::close(other);
            keeper.settle();
            QCOMPARE(entered.size(), 2);
            keeper.enter(QStringLiteral("Dee"), QStringLiteral("5"));
        }
        QCOMPARE(readFile(path()), QByteArray("Ann,7\nBob,3\nCy,4\nDee,5\n"));
    }

    void dataFolderFollowsXdgRules_data()
    {
        QTest::addColumn<QByteArray>("xdgDataHome"); // null: unset
        QTest::addColumn<QByteArray>("home");
        QTest::addColumn<QByteArray>("folder"); // "~" stands for the password database's home; empty: refused
        QTest::newRow("absolute") << QByteArray("/srv/games/data") << QByteArray("/home/ann") << QByteArray("/srv/games/data");
        QTest::newRow("unset") << QByteArray() << QByteArray("/home/ann") << QByteArray("/home/ann/.local/share");
        QTest::newRow("relative is ignored") << QByteArray("games/d\xE9") << QByteArray("/home/ann")
                                             << QByteArray("/home/ann/.local/share");
        QTest::newRow("HOME unset") << QByteArray() << QByteArray() << QByteArray("~/.local/share");
        QTest::newRow("UTF-8") << QByteArray("/srv/caf\xC3\xA9") << QByteArray() << QByteArray("/srv/caf\xC3\xA9");
        // Qt would read and write another folder, with U+FFFD in its name.
        QTest::newRow("not UTF-8") << QByteArray("/srv/caf\xE9") << QByteArray("/home/ann") << QByteArray();
        QTest::newRow("HOME not UTF-8") << QByteArray() << QByteArray("/home/\xE9") << QByteArray();
    }

    void dataFolderFollowsXdgRules()
    {
        QFETCH(QByteArray, xdgDataHome);
        QFETCH(QByteArray, home);
        QFETCH(QByteArray, folder);
        const QByteArray savedHome = qgetenv("HOME"), savedData = qgetenv("XDG_DATA_HOME");
        home.isNull() ? qunsetenv("HOME") : qputenv("HOME", home);
        xdgDataHome.isNull() ? qunsetenv("XDG_DATA_HOME") : qputenv("XDG_DATA_HOME", xdgDataHome);
        QString problem;
        const QString found = ApplicationDataFolder(&problem);
        qputenv("HOME", savedHome);
        qputenv("XDG_DATA_HOME", savedData);
        QCOMPARE(QFile::encodeName(found), folder.replace('~', QByteArray(::getpwuid(::getuid())->pw_dir)));
        QCOMPARE(problem.contains(QStringLiteral("UTF-8")), folder.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestScoreFile)
#include "tst_scorefile.moc"
