// Corvanthelix - score table benchmark: the real main window with a big score file.
//
//   bench_scores LINES [ROUNDS] [distinct]   one size per process, so its peak memory is its own
//   bench_scores --player LINES [distinct]   a player's order: load, Name, Score, Score again, Name
//                                            again, Enter Score, a removal, a typed key: the whole
//                                            process's CPU for each, and the peak, against budgets
//   bench_scores --numbers LINES ROUNDS      scores like 5123e400, which only an exact order tells apart
//   bench_scores --quit LINES                quitting while ten million distinct names are ranked
//   bench_scores --write PATH LINES          writes a score file of that many lines
//
// With a file of LINES lines in its data folder, the game's main window is
// made and shown, and its table is driven as a player does. For each action
// it prints how long the game's own thread was busy at most at one time (the
// action itself, or taking in the result of what ran beside it), and when the
// rows were shown as the action leaves them. Actions are timed at ROUNDS
// rounds (31 by default) and their medians printed. With "distinct", nearly
// every line has a name of its own, as in a long-lived shared table;
// otherwise names repeat.
#include "platform/listbox.h"
#include "windows/window1.h"

#include <QAccessible>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QTemporaryDir>
#include <algorithm>
#include <cstring>
#include <cstdio>
#include <functional>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace {

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n == 0 ? 0 : n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double residentMiB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toDouble() * sysconf(_SC_PAGESIZE) / (1024.0 * 1024.0) : 0;
}

double peakMiB()
{
    rusage usage = {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

// Names accented and not: 10,000 of them, or one a line; scores small, or
// large numbers that differ only far along.
bool writeScores(const QString &path, int lines, bool distinct = false, bool numbers = false)
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
        text += numbers ? QByteArray::number(random.bounded(10000)) + "e400" : QByteArray::number(6 + random.bounded(30));
        text += '\n';
        if (text.size() > (1 << 20)) {
            file.write(text);
            text.clear();
        }
    }
    return file.write(text) == text.size();
}

// The longest time, in ms, the game's own thread spent on one round of its
// events while waiting for the condition, and how long the wait took in all.
struct Waited
{
    double longestMs = 0;
    double allMs = 0;
};

Waited waitFor(const std::function<bool()> &done)
{
    Waited waited;
    QElapsedTimer all;
    all.start();
    while (!done()) {
        QElapsedTimer round;
        round.start();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        waited.longestMs = std::max(waited.longestMs, round.nsecsElapsed() / 1e6);
        usleep(1000);
    }
    waited.allMs = all.nsecsElapsed() / 1e6;
    return waited;
}

// An action on the game's thread: how long it kept that thread, at most at
// once, and when its rows were shown.
struct Timed
{
    double busyMs;
    double shownMs;
};

Timed timeAction(ScoreKeeper &scores, const std::function<void()> &action, QWidget *repaint)
{
    QElapsedTimer call;
    call.start();
    action();
    const double callMs = call.nsecsElapsed() / 1e6;
    const Waited waited = waitFor([&] { return !scores.busy(); });
    QElapsedTimer paint;
    paint.start();
    repaint->repaint();
    const double paintMs = paint.nsecsElapsed() / 1e6;
    return {std::max({callMs, waited.longestMs, paintMs}), callMs + waited.allMs + paintMs};
}

// The game thread's own CPU time, in ms.
double threadCpuMs()
{
    rusage usage = {};
    getrusage(RUSAGE_THREAD, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

// An action that the table shows at once: its time, wall and CPU, with the repaint.
Timed timeCall(const std::function<void()> &action, QWidget *repaint)
{
    QElapsedTimer call;
    call.start();
    const double cpu = threadCpuMs();
    action();
    repaint->repaint();
    return {threadCpuMs() - cpu, call.nsecsElapsed() / 1e6};
}

// The window with the file in its data folder, shown, its rows arrived and painted.
std::unique_ptr<Window1> openWindow(const QString &folder, int lines)
{
    qputenv("XDG_DATA_HOME", QFile::encodeName(folder));
    auto window = std::make_unique<Window1>();
    window->show();
    waitFor([&] { return window->scores().table().rowCount() >= lines; });
    window->grab();
    return window;
}

// The rows are solved for first, as a player must before the table takes clicks.
void solve(Window1 &window)
{
    for (int well : {1, 2, 2, 6, 4, 5, 5, 9, 6, 7, 7, 9})
        window.ImageWell_MouseDown(well, 20, 20);
    window.Timer1_Action();
}

void enter(Window1 &window, const QString &name)
{
    window.control<QLineEdit>(Control::NameField)->setText(name);
    window.PushButton3_Action();
}

// The CPU time of the whole process, every thread, in ms.
double processCpuMs()
{
    rusage usage = {};
    getrusage(RUSAGE_SELF, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

// What one of a player's actions costs: the whole process's CPU until all it
// set off beside the game is done, the game thread's share of it, and the
// longest the game thread was busy at once.
struct Cost
{
    double processMs = 0, threadMs = 0, longestMs = 0;
};

Cost cost(ScoreKeeper &scores, const std::function<void()> &action, QWidget *repaint)
{
    const double process = processCpuMs(), thread = threadCpuMs();
    const Timed timed = timeAction(scores, action, repaint);
    return {processCpuMs() - process, threadCpuMs() - thread, timed.busyMs};
}

// A player's order, each action once, on a fresh process: its CPU against the
// budget for the size, and the peak memory against its budget.
int player(int lines, bool distinct)
{
    QTemporaryDir full;
    if (!writeScores(full.filePath(QStringLiteral("Corvanthelix.txt")), lines, distinct))
        return 1;
    // The budgets: names repeating, each click; names all different, at ten
    // million lines, Score and Name again together; Enter Score and the
    // game thread's longest time at once, always.
    const bool big = lines > 1000000;
    const double clickBudget = distinct ? 0 : big ? 600 : 50;
    const double pairBudget = distinct && big ? 1200 : 0;
    const double peakBudget = distinct ? (big ? 800 : 0) : (big ? 400 : 200);
    Cost load;
    std::unique_ptr<Window1> window;
    {
        const double process = processCpuMs(), thread = threadCpuMs();
        qputenv("XDG_DATA_HOME", QFile::encodeName(full.path()));
        window = std::make_unique<Window1>();
        window->show();
        const Waited waited = waitFor([&] { return !window->scores().busy(); });
        window->grab();
        load = {processCpuMs() - process, threadCpuMs() - thread, waited.longestMs};
    }
    solve(*window);
    ScoreKeeper &scores = window->scores();
    auto *list = window->control<ListBox>(Control::ScoreTable);
    QWidget *rows = list->viewport();
    list->setFocus();
    struct Step
    {
        const char *name;
        std::function<void()> action;
        bool click; // against the click budget, or its own
        double budget = 0;
    };
    const Step steps[] = {
        {"Name", [&] { list->clickHeading(0); }, true},
        {"Score", [&] { list->clickHeading(1); }, true},
        {"Score again", [&] { list->clickHeading(1); }, true},
        {"Name again", [&] { list->clickHeading(0); }, true},
        {"Enter Score", [&] { enter(*window, QStringLiteral("Zed")); }, false, 30},
        {"remove a row", [&] { window->ListBox1_CellClick(0, 0, 0, 0); }, true},
        {"type a key", [&] { list->keyboardSearch(QStringLiteral("q")); }, true},
    };
    std::printf("  %10d lines%s, a player's order: whole process CPU (game thread's share, longest at once)\n", lines,
                distinct ? " (distinct names)" : "");
    std::printf("    %-13s %8.1f ms  (%7.1f ms, %6.1f ms)\n", "load", load.processMs, load.threadMs, load.longestMs);
    bool within = load.longestMs <= 50;
    double pair = 0;
    for (const Step &step : steps) {
        const Cost c = cost(scores, step.action, rows);
        const double budget = step.click ? clickBudget : step.budget;
        const bool ok = (budget == 0 || c.processMs <= budget) && c.longestMs <= 50;
        within = within && ok;
        if (std::strcmp(step.name, "Score") == 0 || std::strcmp(step.name, "Name again") == 0)
            pair += c.processMs;
        std::printf("    %-13s %8.1f ms  (%7.1f ms, %6.1f ms)   %s\n", step.name, c.processMs, c.threadMs, c.longestMs,
                    !ok ? "OVER" : budget ? qPrintable(QStringLiteral("within %1 ms").arg(budget)) : "");
    }
    if (pairBudget > 0) {
        within = within && pair <= pairBudget;
        std::printf("    Score and Name again %8.1f ms   %s %.0f ms\n", pair, pair <= pairBudget ? "within" : "OVER", pairBudget);
    }
    const double peak = peakMiB();
    within = within && (peakBudget == 0 || peak <= peakBudget);
    std::printf("    peak %7.1f MiB   %s\n", peak,
                peakBudget == 0 ? "" : qPrintable(QStringLiteral("%1 %2 MiB").arg(peak <= peakBudget ? "within" : "OVER").arg(peakBudget)));
    return within ? 0 : 3;
}

// Quitting as soon as the rows are there, while the names are ranked: how
// long until the window and everything beside it are gone.
int quit(int lines)
{
    QTemporaryDir full;
    if (!writeScores(full.filePath(QStringLiteral("Corvanthelix.txt")), lines, true))
        return 1;
    auto window = openWindow(full.path(), lines);
    QElapsedTimer quitting;
    quitting.start();
    window.reset();
    std::printf("  %10d lines (distinct names), quit while ranking: gone after %6.1f ms\n", lines, quitting.nsecsElapsed() / 1e6);
    return 0;
}

int numbers(int lines, int rounds)
{
    QTemporaryDir full;
    if (!writeScores(full.filePath(QStringLiteral("Corvanthelix.txt")), lines, false, true))
        return 1;
    auto window = openWindow(full.path(), lines);
    solve(*window);
    auto *list = window->control<ListBox>(Control::ScoreTable);
    std::vector<double> busy, shown;
    for (int round = 0; round < rounds; ++round)
        for (int column : {1, 0}) {
            const Timed timed = timeAction(window->scores(), [&] { list->clickHeading(column); }, list->viewport());
            if (column == 1)
                busy.push_back(timed.busyMs), shown.push_back(timed.shownMs);
        }
    std::printf("  %10d lines, scores like 5123e400   click Score: game thread %6.1f ms, shown after %7.1f ms\n", lines,
                median(busy), median(shown));
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 4 && QByteArray(argv[1]) == "--write")
        return writeScores(QString::fromLocal8Bit(argv[2]), std::atoi(argv[3])) ? 0 : 1;
    QApplication app(argc, argv);
    if (argc >= 3 && QByteArray(argv[1]) == "--player")
        return player(std::atoi(argv[2]), argc > 3 && QByteArray(argv[3]) == "distinct");
    if (argc >= 3 && QByteArray(argv[1]) == "--quit")
        return quit(std::atoi(argv[2]));
    if (argc >= 4 && QByteArray(argv[1]) == "--numbers")
        return numbers(std::atoi(argv[2]), std::atoi(argv[3]));
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
    ScoreKeeper &scores = window->scores();
    ScoreTable &table = scores.table();
    solve(*window);
    auto *list = window->control<ListBox>(Control::ScoreTable);
    QWidget *rows = list->viewport();

    // While the names are ranked, as soon as the rows are there: the table
    // answers at once, and shows each new order when it is ready.
    const Timed enterEarly = timeAction(scores, [&] { enter(*window, QStringLiteral("Early")); }, rows);
    const Timed removeEarly = timeCall([&] { window->ListBox1_CellClick(0, 0, 0, 0); }, rows);
    const Timed nameEarly = timeAction(scores, [&] { list->clickHeading(0); }, rows);
    const double ranked = loading.nsecsElapsed() / 1e9; // the sort by Name waited for the ranking
    const double withFull = residentMiB();

    // A hundred new names, then Name: they take their places among the ranked ones.
    for (int name = 0; name < 100; ++name)
        enter(*window, QStringLiteral("New player %1").arg(name));
    scores.settle();
    const Timed afterNew = timeAction(scores, [&] { list->clickHeading(1); list->clickHeading(0); }, rows);

    std::vector<double> scoreBusy, scoreShown, nameBusy, nameShown, typeBusy, enterCpu, enterWall, removeBusy;
    for (int round = 0; round < rounds; ++round)
        for (int column : {1, 0}) { // each click on the other heading: ascending every time
            const Timed timed = timeAction(scores, [&] { list->clickHeading(column); }, rows);
            (column ? scoreBusy : nameBusy).push_back(timed.busyMs);
            (column ? scoreShown : nameShown).push_back(timed.shownMs);
        }
    list->setFocus();
    for (int round = 0; round < rounds; ++round) {
        typeBusy.push_back(timeAction(scores, [&] { list->keyboardSearch(QStringLiteral("q")); }, rows).busyMs);
        const Timed entered = timeAction(scores, [&] { enter(*window, QStringLiteral("Zed")); }, rows);
        enterCpu.push_back(entered.busyMs);
        enterWall.push_back(entered.shownMs);
        removeBusy.push_back(timeCall([&] { window->ListBox1_CellClick(table.rowCount() - 1, 0, 0, 0); }, rows).shownMs);
    }
    std::vector<double> toEnd;
    for (int round = 0; round < rounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        list->scrollToBottom();
        rows->repaint();
        toEnd.push_back(timer.nsecsElapsed() / 1e6);
        list->scrollToTop();
        rows->repaint();
    }
    // A screen reader asks what is at a point on the scroll bar.
    QElapsedTimer pointing;
    pointing.start();
    QScrollBar *bar = list->verticalScrollBar();
    QAccessible::queryAccessibleInterface(list)->childAt(bar->mapToGlobal(bar->rect().center()).x(),
                                                         bar->mapToGlobal(bar->rect().center()).y());
    const double pointMs = pointing.nsecsElapsed() / 1e6;

    std::printf("  %10d lines%s   rows in %5.1f s   names ranked in %5.1f s   table %7.1f MiB (empty %5.1f MiB)   peak %7.1f MiB\n",
                lines, distinct ? " (distinct names)" : "", loaded, ranked, withFull - withEmpty - (withEmpty - before),
                withEmpty - before, peakMiB());
    std::printf("    while ranking: Enter Score %6.1f ms (row shown after %6.1f ms), remove %6.1f ms, click Name %6.1f ms (shown after %6.1f s)\n",
                enterEarly.busyMs, enterEarly.shownMs, removeEarly.shownMs, nameEarly.busyMs, nameEarly.shownMs / 1e3);
    std::printf("    click Name after 100 new names: %6.1f ms (shown after %7.1f ms)\n", afterNew.busyMs, afterNew.shownMs);
    std::printf("    game thread, medians: click Score %6.1f ms (shown after %7.1f ms)   click Name %6.1f ms (shown after %7.1f ms)\n",
                median(scoreBusy), median(scoreShown), median(nameBusy), median(nameShown));
    std::printf("    Enter Score %6.1f ms (row shown after %6.1f ms)   remove %6.1f ms   type a key %6.1f ms   scroll to end %5.2f ms"
                "   what is at a point %6.2f ms\n",
                median(enterCpu), median(enterWall), median(removeBusy), median(typeBusy), median(toEnd), pointMs);
    return 0;
}
