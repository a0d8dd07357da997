// Corvanthelix - reading the score file.
#include "scores/scorefilereader.h"

#include "scores/filedescriptor.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <algorithm>
#include <cstring>
#include <sys/stat.h>

namespace {

constexpr size_t MaxLineBytes = size_t(1) << 20;
// A score file is a few bytes a game; a file far beyond what any player
// could enter is not read at all, rather than letting it take all memory.
constexpr qint64 MaxFileBytes = qint64(256) << 20;

bool isWholeNumber(std::string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

void report(QString *problem, const QString &why)
{
    if (problem)
        *problem = why;
}

// Where the line that begins at `from` ends: a line feed, a carriage return
// followed by a line feed, or a carriage return alone (as old Mac files have).
// The position of the next line feed is remembered, so that a file of lines
// ended by CR alone is not searched to its end for a line feed once per line.
class LineEnds
{
public:
    static constexpr size_t None = size_t(-1);

    explicit LineEnds(const std::string &text) : m_text(text) {}

    // Sets *end and *next (the next line's start) and returns true; false when
    // the data so far holds no line end, or ends in a CR that an LF may follow.
    bool find(size_t from, bool atEnd, size_t *end, size_t *next)
    {
        const char *data = m_text.data();
        if (m_lf == None || m_lf < from) {
            const size_t start = std::max(from, m_clearTo);
            const void *found = std::memchr(data + start, '\n', m_text.size() - start);
            m_lf = found ? size_t(static_cast<const char *>(found) - data) : None;
            m_clearTo = found ? 0 : m_text.size();
        }
        const size_t limit = m_lf == None ? m_text.size() : m_lf;
        const void *cr = std::memchr(data + from, '\r', limit - from);
        if (!cr && m_lf == None)
            return false;
        *end = cr ? size_t(static_cast<const char *>(cr) - data) : m_lf;
        if (cr && *end + 1 == m_text.size() && !atEnd)
            return false;
        *next = *end + 1 + (cr && *end + 1 == m_lf);
        return true;
    }

    // The text before the data searched so far was changed.
    void forget() { m_lf = None; m_clearTo = 0; }

private:
    const std::string &m_text;
    size_t m_lf = None;   // the next line feed, when known
    size_t m_clearTo = 0; // no line feed before this, from where the last search started
};

// Reads the first `size` bytes.
void readLines(int fd, size_t size, ScoreRows &rows, const std::atomic_bool *stop)
{
    // The file is read straight into the rows' buffer, block by block, and the
    // rows point into it. Only a line that is too long is cut out again.
    constexpr size_t Block = size_t(1) << 20;
    std::string &text = rows.buffer();
    // Room for the scores entered later, so that adding one does not move
    // the whole buffer (and make the index of names over it anew).
    text.reserve(size + 1 + (size_t(1) << 16));
    LineEnds ends(text);
    size_t lineStart = 0;  // where the line being read begins
    size_t scanned = 0;    // how far line endings have been looked for
    bool skipping = false; // inside a line already known to be too long
    bool firstLine = true; // only the file's first line may begin with a byte-order mark

    auto endLine = [&](size_t end, size_t next) {
        if (skipping) {
            text.erase(lineStart, next - lineStart);
            ends.forget();
            next = lineStart;
        } else {
            std::string_view line(text.data() + lineStart, end - lineStart);
            if (firstLine && line.substr(0, 3) == "\xEF\xBB\xBF")
                line.remove_prefix(3);
            std::string_view name, score;
            if (line.size() <= MaxLineBytes && ParseScoreLine(line, &name, &score))
                rows.appendFromBuffer(name, score);
        }
        skipping = firstLine = false;
        lineStart = scanned = next;
    };

    size_t left = size;
    for (bool atEnd = false; !atEnd;) {
        if (stop && stop->load(std::memory_order_relaxed))
            return;
        const size_t filled = text.size(), want = std::min(Block, left);
        text.resize(filled + want);
        ssize_t count = 0;
        while (want > 0 && (count = ::read(fd, text.data() + filled, want)) < 0 && errno == EINTR) {
        }
        text.resize(filled + size_t(std::max<ssize_t>(count, 0)));
        left -= size_t(std::max<ssize_t>(count, 0));
        atEnd = count <= 0;

        size_t end, next;
        while (ends.find(scanned, atEnd, &end, &next))
            endLine(end, next);
        // Either no line end is left, or a CR waits for the next block.
        const bool pendingCr = !text.empty() && text.back() == '\r' && !atEnd;
        scanned = text.size() - pendingCr;
        if (text.size() - lineStart > MaxLineBytes + 1) // +1: the pending CR
            skipping = true;
        if (skipping && !atEnd) {
            text.resize(lineStart);
            if (pendingCr)
                text.push_back('\r');
            scanned = lineStart;
            ends.forget();
        }
    }
    if (lineStart < text.size())
        endLine(text.size(), text.size());
}


} // namespace

bool ParseScoreLine(std::string_view line, std::string_view *name, std::string_view *score)
{
    const size_t last = line.rfind(',');
    if (last == std::string_view::npos)
        return false;
    if (isWholeNumber(line.substr(last + 1))) {
        *name = line.substr(0, last);
        *score = line.substr(last + 1);
        return true;
    }
    const size_t first = line.find(',');
    const std::string_view rest = line.substr(first + 1);
    *score = rest.substr(0, rest.find(','));
    *name = line.substr(0, first);
    return !score->empty();
}

ScoreFileReader::ScoreFileReader(const QString &path)
{
    if (path.isEmpty())
        return;
    // Non-blocking, so that a FIFO in the file's place cannot hang the start.
    FileDescriptor file(FileDescriptor::open(QFile::encodeName(path), O_RDONLY | O_NONBLOCK));
    struct stat status;
    if (file.get() < 0 || ::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode))
        return;
    m_size = status.st_size;
    m_fd = std::move(file);
}

ScoreRows ScoreFileReader::load(QString *problem, const std::atomic_bool *stop)
{
    ScoreRows rows;
    if (m_fd.get() < 0)
        return rows;
    if (m_size > MaxFileBytes) {
        report(problem, QCoreApplication::translate("ScoreFile", "the file is %1, more than the %2 this game reads")
                            .arg(QLocale().formattedDataSize(m_size), QLocale().formattedDataSize(MaxFileBytes)));
        return rows;
    }
    try {
        readLines(m_fd.get(), size_t(m_size), rows, stop);
    } catch (const std::bad_alloc &) {
        rows = {};
        report(problem, QCoreApplication::translate("ScoreFile", "there is not enough memory to read it"));
    }
    return rows;
}
