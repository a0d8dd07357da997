// Corvanthelix - score file benchmark: loading and sorting big files.
//
//   bench_scores [LINES...]     default 10000 100000 1000000
//
// For each size it writes a score file of that many lines and prints, as the
// median of several runs: a bare read-and-split of the file (read it whole and
// keep each line's two pieces: the least a loader that keeps them must do),
// the load into the score table, the first sort by each column, the memory
// the loaded table adds, and how long the table takes to show its last page.
#include "platform/listbox.h"
#include "scores/scorefile.h"
#include "scores/scoretable.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int Runs = 5;

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

template <typename F> double timeMs(F &&work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed() / 1e6;
}

double residentMiB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toDouble() * sysconf(_SC_PAGESIZE) / (1024.0 * 1024.0) : 0;
}

void writeScores(const QString &path, int lines)
{
    static const char *names[] = {"Ann", "bob", "Cleo", "Dev", "Émile", "Zoë", "anna maria", "Kim, Jr.", "Lee", "x"};
    QRandomGenerator random(lines);
    QByteArray text;
    text.reserve(qsizetype(lines) * 16);
    for (int i = 0; i < lines; ++i) {
        text += names[random.bounded(10)];
        text += QByteArray::number(random.bounded(1000));
        text += ',';
        text += QByteArray::number(6 + random.bounded(30));
        text += '\n';
    }
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(text);
}

// Reads the whole file into memory and splits each line at its last comma:
// what the simplest loader that keeps the pieces has to do.
qsizetype bareReadAndSplit(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    struct stat status;
    ::fstat(fd, &status);
    std::string text(size_t(status.st_size), '\0');
    size_t filled = 0;
    ssize_t count;
    while (filled < text.size() && (count = ::read(fd, text.data() + filled, text.size() - filled)) > 0)
        filled += size_t(count);
    ::close(fd);

    std::vector<std::pair<std::string_view, std::string_view>> pieces;
    const std::string_view all(text.data(), filled);
    for (size_t start = 0; start < all.size();) {
        size_t end = all.find('\n', start);
        if (end == std::string_view::npos)
            end = all.size();
        const std::string_view line = all.substr(start, end - start);
        const size_t comma = line.rfind(',');
        if (comma != std::string_view::npos)
            pieces.emplace_back(line.substr(0, comma), line.substr(comma + 1));
        start = end + 1;
    }
    return qsizetype(pieces.size());
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    std::vector<int> sizes;
    for (int i = 1; i < argc; ++i)
        sizes.push_back(std::atoi(argv[i]));
    if (sizes.empty())
        sizes = {10000, 100000, 1000000};

    QTemporaryDir dir;
    std::printf("score file, median of %d runs (ms)  bare read  load  ratio  sort Score  sort Name  memory added  last page\n",
                Runs);
    for (int lines : sizes) {
        const QString path = dir.filePath(QStringLiteral("Corvanthelix.txt"));
        writeScores(path, lines);

        std::vector<double> bare, load, byScore, byName, memory, page;
        for (int run = 0; run < Runs; ++run) {
            qsizetype counted = 0;
            bare.push_back(timeMs([&] { counted = bareReadAndSplit(path); }));
            Q_ASSERT(counted == lines);

            const double before = residentMiB();
            auto table = std::make_unique<ScoreTable>();
            load.push_back(timeMs([&] { table->addRows(LoadScoreFile(path)); }));
            memory.push_back(residentMiB() - before);
            if (table->rowCount() != lines) {
                std::fprintf(stderr, "loaded %d rows of %d\n", table->rowCount(), lines);
                return 1;
            }

            // The table on screen (offscreen): how long until it shows its last page.
            ListBox list;
            list.setModel(table.get());
            list.resize(132, 145);
            list.show();
            page.push_back(timeMs([&] {
                list.verticalScrollBar()->setValue(list.verticalScrollBar()->maximum());
                list.grab();
            }));
            byScore.push_back(timeMs([&] { table->sort(1, Qt::AscendingOrder); }));
            auto fresh = std::make_unique<ScoreTable>();
            fresh->addRows(LoadScoreFile(path));
            byName.push_back(timeMs([&] { fresh->sort(0, Qt::AscendingOrder); }));
        }
        std::printf("  %9d lines %22.1f %6.1f %5.2fx %10.1f %10.1f %10.1f MiB %8.1f\n", lines, median(bare),
                    median(load), median(load) / median(bare), median(byScore), median(byName), median(memory),
                    median(page));
    }
    return 0;
}
