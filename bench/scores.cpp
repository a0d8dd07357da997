// Corvanthelix - score table benchmark: the real main window with a big score file.
//
//   bench_scores LINES [ROUNDS] [distinct]   one size per process, so its peak memory is its own
//   bench_scores --write PATH LINES         writes a score file of that many lines
//
// With a file of LINES lines in its data folder, the game's main window is
// made and shown, and its table, model and view are driven as a player does:
// a click on "Score", then on "Name", ROUNDS times over (31 by default),
// each timed until the rows are repainted, and as many scrolls to the end and
// back to the top, then Enter Score as many times. It prints how long the
// rows took to arrive and their names to be ranked, the process's CPU for the
// first click on "Name", the
// medians, the memory the loaded table adds beside an empty one, and the
// process's peak memory. With "distinct", nearly every line has a name of
// its own, as in a long-lived shared table; otherwise names repeat.
#include "platform/listbox.h"
#include "windows/window1.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace {

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double residentMiB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toDouble() * sysconf(_SC_PAGESIZE) / (1024.0 * 1024.0) : 0;
}

double cpuMs()
{
    rusage usage = {};
    getrusage(RUSAGE_SELF, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

// Names accented and not: 10,000 of them, or one a line.
bool writeScores(const QString &path, int lines, bool distinct = false)
{
    static const char *names[] = {"Ann", "bob", "Cleo", "Dev", "Émile", "Zoë", "anna maria", "Kim, Jr.", "Lee", "x"};
    QRandomGenerator random(lines);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray text;
    for (int i = 0; i < lines; ++i) {
        text += names[random.bounded(10)];
        text += QByteArray::number(distinct ? qint64(i) * 7919 % 1000000007 : random.bounded(1000));
        text += ',';
        text += QByteArray::number(6 + random.bounded(30));
        text += '\n';
        if (text.size() > (1 << 20)) {
            file.write(text);
            text.clear();
        }
    }
    return file.write(text) == text.size();
}

// The window with the file in its data folder, shown, its rows loaded and painted.
std::unique_ptr<Window1> openWindow(const QString &folder, int lines)
{
    qputenv("XDG_DATA_HOME", QFile::encodeName(folder));
    auto window = std::make_unique<Window1>();
    window->show();
    while (window->scores().table().rowCount() < lines)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    window->grab();
    return window;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 4 && QByteArray(argv[1]) == "--write")
        return writeScores(QString::fromLocal8Bit(argv[2]), std::atoi(argv[3])) ? 0 : 1;
    QApplication app(argc, argv);
    const int lines = argc > 1 ? std::atoi(argv[1]) : 1000000;
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 31;
    const bool distinct = argc > 3 && QByteArray(argv[3]) == "distinct";
    QTemporaryDir empty, full;
    if (!writeScores(full.filePath(QStringLiteral("Corvanthelix.txt")), lines, distinct))
        return 1;

    const double before = residentMiB();
    auto baseline = openWindow(empty.path(), 0);
    const double withEmpty = residentMiB();
    QElapsedTimer loading;
    loading.start();
    auto window = openWindow(full.path(), lines);
    const double loaded = loading.nsecsElapsed() / 1e9;

    // The rows are solved for first, as a player must before the table takes clicks.
    for (int well : {1, 2, 2, 6, 4, 5, 5, 9, 6, 7, 7, 9})
        window->ImageWell_MouseDown(well, 20, 20);
    window->Timer1_Action();
    auto *list = window->control<ListBox>(Control::ScoreTable);
    // The names are ranked beside the game once the rows arrive; a player
    // must solve the board before a click can sort them.
    QElapsedTimer ranking;
    ranking.start();
    window->scores().settle();
    const double ranked = loaded + ranking.nsecsElapsed() / 1e9;
    const double withFull = residentMiB();
    std::vector<double> byScore, byName;
    window->PushButton3_Action(); // a new name, entered first, as a player does
    const double cpu = cpuMs();
    list->clickHeading(0);
    list->viewport()->repaint();
    const double firstName = cpuMs() - cpu;
    for (int round = 0; round < rounds; ++round)
        for (int column : {1, 0}) { // each click on the other heading: ascending every time
            QElapsedTimer timer;
            timer.start();
            list->clickHeading(column);
            list->viewport()->repaint();
            (column == 1 ? byScore : byName).push_back(timer.nsecsElapsed() / 1e6);
        }
    std::vector<double> toEnd;
    for (int round = 0; round < rounds; ++round)
        for (bool end : {true, false}) {
            QElapsedTimer timer;
            timer.start();
            end ? list->scrollToBottom() : list->scrollToTop();
            list->viewport()->repaint();
            if (end)
                toEnd.push_back(timer.nsecsElapsed() / 1e6);
        }
    // Enter Score, its CPU and the whole process's: the file is appended to as well.
    std::vector<double> enter;
    for (int round = 0; round < rounds; ++round) {
        const double at = cpuMs();
        window->PushButton3_Action();
        list->viewport()->repaint();
        enter.push_back(cpuMs() - at);
    }
    rusage usage = {};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("  %10d lines%s   rows in %5.1f s   ranked in %5.1f s   first Name click %7.1f ms CPU   click Score %7.1f ms   click Name %7.1f ms"
                "   scroll to end %5.2f ms   Enter Score %5.1f ms CPU   table %7.1f MiB   (empty %5.1f MiB)   peak %7.1f MiB\n",
                lines, distinct ? " (distinct names)" : "", loaded, ranked, firstName, median(byScore), median(byName), median(toEnd),
                median(enter), withFull - withEmpty - (withEmpty - before), withEmpty - before, usage.ru_maxrss / 1024.0);
    return 0;
}
