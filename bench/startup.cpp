// Corvanthelix - start-up benchmark: the game against a bare Qt window.
//
//   bench_startup [RUNS]          runs both children RUNS times each and prints medians
//   bench_startup --child game    the game's own start-up; exits after the first paint
//   bench_startup --child bare    an 800x800 QMainWindow with a File and an Edit menu
//   bench_startup --child bare --stay   the same, left running (for the idle figure)
//   bench_startup --child bare --tick   left running with an empty 500 ms timer: the
//                                       least a program that wakes twice a second costs
//   bench_startup --qt-version    the Qt the benchmarks run on
//
// Each child is started with posix_spawn; the time from spawn to the main
// window's first paint comes back through a pipe, the time to exit and the
// peak memory (ru_maxrss) from wait4.
#include "app/app.h"
#include "app/startup.h"
#include "windows/window1.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

using Clock = std::chrono::steady_clock;

qint64 nowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch()).count();
}

// Reports the first paint of a widget in a window of type W, then quits.
template <typename W> class FirstPaint : public QObject
{
public:
    explicit FirstPaint(bool stay) : m_stay(stay) {}

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!m_done && event->type() == QEvent::Paint && watched->isWidgetType()
            && qobject_cast<W *>(static_cast<QWidget *>(watched)->window())) {
            m_done = true;
            const qint64 start = qEnvironmentVariable("BENCH_SPAWN_NS").toLongLong();
            std::printf("%lld\n", static_cast<long long>(nowNs() - start));
            std::fflush(stdout);
            if (!m_stay)
                QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }

private:
    bool m_stay;
    bool m_done = false;
};

int bareChild(int argc, char **argv, bool stay, bool tick)
{
    QApplication app(argc, argv);
    QTimer ticker;
    if (tick)
        ticker.start(500);
    FirstPaint<QMainWindow> watch(stay);
    app.installEventFilter(&watch);
    QMainWindow window;
    QMenu *file = window.menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("Quit"), QKeySequence(QStringLiteral("Ctrl+Q")), &app, &QCoreApplication::quit);
    file->addAction(QStringLiteral("About"));
    QMenu *edit = window.menuBar()->addMenu(QStringLiteral("&Edit"));
    for (const char *item : {"&Undo", "-", "Cu&t", "&Copy", "&Paste", "Clear", "-", "Select &All"})
        item[0] == '-' ? (void)edit->addSeparator() : (void)edit->addAction(QString::fromLatin1(item));
    auto *content = new QWidget;
    content->setFixedSize(800, 800);
    window.setCentralWidget(content);
    window.setWindowTitle(QStringLiteral("bare"));
    window.show();
    return app.exec();
}

int gameChild(int argc, char **argv)
{
    App app(argc, argv);
    FirstPaint<Window1> watch(false);
    app.installEventFilter(&watch);
    return Main(app);
}

struct Run
{
    double paintMs;
    double exitMs;
    double peakMiB;
};

// dataHome, when given, is the child's data folder.
bool runChild(const char *self, const char *mode, Run *run, const char *dataHome = nullptr)
{
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);

    const qint64 start = nowNs();
    const std::string startVar = "BENCH_SPAWN_NS=" + std::to_string(start);
    const std::string dataVar = dataHome ? std::string("XDG_DATA_HOME=") + dataHome : std::string();
    std::vector<char *> env;
    for (char **e = environ; *e; ++e)
        if (std::strncmp(*e, "BENCH_SPAWN_NS=", 15) != 0 && !(dataHome && std::strncmp(*e, "XDG_DATA_HOME=", 14) == 0))
            env.push_back(*e);
    env.push_back(const_cast<char *>(startVar.c_str()));
    if (dataHome)
        env.push_back(const_cast<char *>(dataVar.c_str()));
    env.push_back(nullptr);
    char *args[] = {const_cast<char *>(self), const_cast<char *>("--child"), const_cast<char *>(mode), nullptr};

    pid_t pid;
    const int spawned = posix_spawn(&pid, self, &actions, nullptr, args, env.data());
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    if (spawned != 0) {
        close(pipeFds[0]);
        return false;
    }
    char line[64] = {};
    const ssize_t got = read(pipeFds[0], line, sizeof line - 1);
    close(pipeFds[0]);
    int status = 0;
    struct rusage usage = {};
    wait4(pid, &status, 0, &usage);
    const qint64 end = nowNs();
    if (got <= 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return false;
    run->paintMs = std::atoll(line) / 1e6;
    run->exitMs = (end - start) / 1e6;
    run->peakMiB = usage.ru_maxrss / 1024.0;
    return true;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc >= 2 && std::strcmp(argv[1], "--qt-version") == 0) {
        std::printf("%s\n", qVersion());
        return 0;
    }
    if (argc >= 3 && std::strcmp(argv[1], "--child") == 0) {
        if (std::strcmp(argv[2], "game") == 0)
            return gameChild(argc, argv);
        const bool tick = argc >= 4 && std::strcmp(argv[3], "--tick") == 0;
        return bareChild(argc, argv, tick || (argc >= 4 && std::strcmp(argv[3], "--stay") == 0), tick);
    }

    const int runs = argc >= 2 ? std::max(1, std::atoi(argv[1])) : 11;
    // BENCH_BIG_DATA names a data folder with a big score file: the game's
    // first paint with it, beside the empty folder's, in the same runs.
    const char *bigData = std::getenv("BENCH_BIG_DATA");
    std::vector<double> paint[3], exit[3], peak[3];
    const char *modes[3] = {"bare", "game", "game"};
    for (int i = 0; i < runs; ++i)
        for (int m = 0; m < (bigData ? 3 : 2); ++m) { // interleaved, so all see the same machine
            Run run{};
            if (!runChild(argv[0], modes[m], &run, m == 2 ? bigData : nullptr)) {
                std::fprintf(stderr, "the %s child failed\n", modes[m]);
                return 1;
            }
            paint[m].push_back(run.paintMs);
            exit[m].push_back(run.exitMs);
            peak[m].push_back(run.peakMiB);
        }
    const char *platform = std::getenv("QT_QPA_PLATFORM");
    std::printf("start-up, %s, median of %d runs      bare window      game     ratio / difference\n",
                platform ? platform : "default", runs);
    std::printf("  start to first paint (ms)      %12.1f %9.1f     %.2fx\n", median(paint[0]), median(paint[1]),
                median(paint[1]) / median(paint[0]));
    std::printf("  start to exit (ms)             %12.1f %9.1f     %.2fx\n", median(exit[0]), median(exit[1]),
                median(exit[1]) / median(exit[0]));
    std::printf("  peak memory (MiB)              %12.1f %9.1f     %+.1f MiB\n", median(peak[0]), median(peak[1]),
                median(peak[1]) - median(peak[0]));
    if (bigData)
        std::printf("  first paint with the big score file (ms)  %.1f, %.2fx the empty file's\n", median(paint[2]),
                    median(paint[2]) / median(paint[1]));
    return 0;
}
