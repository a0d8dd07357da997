// Corvanthelix - reading the score file.
#include "scores/scorefilereader.h"

#include "scores/scorefile.h"
#include "scores/scorework.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstring>

namespace {

constexpr size_t MaxLineBytes = size_t(1) << 20;

void report(QString *problem, const QString &why)
{
    if (problem)
        *problem = why;
}

// Reads the whole file, block by block; false when stopped or cut short.
bool readAll(OpenedFile &file, std::string &text, const std::atomic_bool *stop)
{
    constexpr qint64 Block = qint64(1) << 20;
    text.reserve(size_t(file.size()));
    text.resize(size_t(file.size()));
    qint64 filled = 0;
    while (filled < file.size()) {
        if (Stopped(stop))
            return false;
        const qint64 count = file.read(text.data() + filled, std::min(Block, file.size() - filled));
        if (count <= 0)
            break;
        filled += count;
    }
    text.resize(size_t(filled));
    return true;
}

// Where lines end: a line feed, a CR and a line feed, or a CR alone (as old
// Mac files have). The next line feed is remembered, so that a file of lines
// ended by a CR alone is not searched to its end once per line.
class LineEnds
{
public:
    explicit LineEnds(std::string_view text) : m_text(text), m_lf(text.find('\n')) {}

    // Where the line that starts at `from` ends; *next is where the next one starts.
    size_t find(size_t from, size_t *next)
    {
        if (m_lf != std::string_view::npos && m_lf < from)
            m_lf = m_text.find('\n', from);
        const size_t limit = std::min(m_lf, m_text.size());
        const void *cr = std::memchr(m_text.data() + from, '\r', limit - from);
        const size_t end = cr ? size_t(static_cast<const char *>(cr) - m_text.data()) : limit;
        *next = end == m_text.size() ? end : end + 1 + (cr && end + 1 == m_lf);
        return end;
    }

private:
    std::string_view m_text;
    size_t m_lf; // the next line feed, or npos when there is none
};

// The rows the buffer's lines hold; the rows point into the buffer.
void splitLines(ScoreRows &rows, const std::atomic_bool *stop)
{
    // One row a line at most, reserved at once: growing by doubling would
    // hold two copies of the index at the moment it grows. The rows point
    // into the buffer, so it is looked at only once it has its room.
    const std::string &buffer = rows.buffer();
    rows.reserve(size_t(std::count(buffer.begin(), buffer.end(), '\n') + std::count(buffer.begin(), buffer.end(), '\r')) + 1, 0, 0);
    const std::string_view text = buffer;
    LineEnds ends(text);
    for (size_t from = 0, next = 0, count = 0; from < text.size(); from = next, ++count) {
        if (count % (1u << 20) == 0 && Stopped(stop))
            return;
        std::string_view line = text.substr(from, ends.find(from, &next) - from);
        // Only the file's first line may begin with a byte-order mark.
        if (from == 0 && line.substr(0, 3) == "\xEF\xBB\xBF")
            line.remove_prefix(3);
        std::string_view name, score;
        if (line.size() <= MaxLineBytes && ParseScoreLine(line, &name, &score))
            rows.appendFromBuffer(name, score);
    }
}

} // namespace

ScoreRows ScoreFileReader::load(QString *problem, const std::atomic_bool *stop)
{
    ScoreRows rows;
    if (!m_file.isOpen()) {
        if (!m_file.problem().isEmpty())
            report(problem, m_file.problem());
        return rows;
    }
    if (ScoreFileTooLarge(m_file.size())) {
        report(problem, TooLargeProblem(m_file.size()));
        return rows;
    }
    try {
        if (readAll(m_file, rows.buffer(), stop))
            splitLines(rows, stop);
        rows.finish();
    } catch (const std::bad_alloc &) {
        rows = {};
        report(problem, QCoreApplication::translate("ScoreFile", "there is not enough memory to read it"));
    }
    return rows;
}
