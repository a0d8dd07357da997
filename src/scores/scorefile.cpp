// Corvanthelix - the score file: one "name,score" line per entered score.
#include "scores/scorefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr size_t MaxLineBytes = size_t(1) << 20;
// A score file is a few bytes a game; a file far beyond what any player
// could enter is not read at all, rather than letting it take all memory.
constexpr qint64 MaxFileBytes = qint64(256) << 20;

bool isWholeNumber(std::string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

class FileDescriptor
{
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor() { if (m_fd >= 0) ::close(m_fd); }
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;
    int get() const { return m_fd; }
    // Closes now, so that a failure to close can still be reported.
    int close() { const int result = ::close(m_fd); m_fd = -1; return result; }

private:
    int m_fd;
};

// Takes an exclusive lock on the file, waiting up to a second: another copy
// of the game that holds it longer is not worth a hang, and the append that
// follows is a single write either way.
void lockBriefly(int fd)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0 || (errno != EWOULDBLOCK && errno != EINTR))
            return;
        ::usleep(10000);
    }
}

int openFile(const QByteArray &name, int flags, mode_t mode = 0)
{
    int fd;
    do
        fd = ::open(name.constData(), flags | O_CLOEXEC | O_NOCTTY, mode);
    while (fd < 0 && errno == EINTR);
    return fd;
}

// Makes a new folder or file survive a power cut: its entry lives in the folder above.
void syncFolder(const QByteArray &folder)
{
    FileDescriptor fd(openFile(folder.isEmpty() ? QByteArray("/") : folder, O_RDONLY | O_DIRECTORY));
    if (fd.get() >= 0)
        ::fsync(fd.get());
}

QByteArray parentOf(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash <= 0 ? path.left(slash + 1) : path.left(slash);
}

// Creates the folder and any missing folder above it as private to the user
// (0700), as the XDG rules ask. Returns 0 or the reason it failed.
int makeFolders(const QByteArray &folder)
{
    for (qsizetype slash = folder.indexOf('/', 1);; slash = folder.indexOf('/', slash + 1)) {
        const QByteArray part = slash < 0 ? folder : folder.left(slash);
        if (::mkdir(part.constData(), 0700) == 0)
            syncFolder(parentOf(part));
        else if (errno != EEXIST)
            return errno;
        if (slash < 0)
            return 0;
    }
}

// Lets a file-size limit (ulimit -f) fail a write with EFBIG instead of
// killing the game with SIGXFSZ.
void ignoreFileSizeSignal()
{
    static const bool ignored = std::signal(SIGXFSZ, SIG_IGN) != SIG_ERR;
    Q_UNUSED(ignored);
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
void readLines(int fd, size_t size, ScoreRows &rows)
{
    // The file is read straight into the rows' buffer, block by block, and the
    // rows point into it. Only a line that is too long is cut out again.
    constexpr size_t Block = size_t(1) << 20;
    std::string &text = rows.buffer();
    text.reserve(size + 1);
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

QString ScoreFilePath(const QString &dataFolder)
{
    if (dataFolder.isEmpty())
        return {};
    return QDir(dataFolder).filePath(QStringLiteral("Corvanthelix.txt"));
}

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

ScoreRows LoadScoreFile(const QString &path, QString *problem, qint64 limit)
{
    ScoreRows rows;
    if (path.isEmpty())
        return rows;
    // Non-blocking, so that a FIFO in the file's place cannot hang the start.
    FileDescriptor file(openFile(QFile::encodeName(path), O_RDONLY | O_NONBLOCK));
    struct stat status;
    if (file.get() < 0 || ::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode))
        return rows;
    if (status.st_size > MaxFileBytes) {
        report(problem, QCoreApplication::translate("ScoreFile", "the file is %1, more than the %2 this game reads")
                            .arg(QLocale().formattedDataSize(status.st_size), QLocale().formattedDataSize(MaxFileBytes)));
        return rows;
    }
    try {
        readLines(file.get(), size_t(limit >= 0 ? std::min<qint64>(limit, status.st_size) : status.st_size), rows);
    } catch (const std::bad_alloc &) {
        rows = {};
        report(problem, QCoreApplication::translate("ScoreFile", "there is not enough memory to read it"));
    }
    return rows;
}

QString ScoreName(const QString &typed)
{
    QString name = typed;
    for (QChar &c : name) {
        const char16_t u = c.unicode();
        if (u < 0x20 || u == 0x7F || u == 0x85 || u == 0x2028 || u == 0x2029)
            c = QLatin1Char(' ');
    }
    return name;
}

AppendResult AppendScoreLine(const QString &path, const QString &line)
{
    if (path.isEmpty())
        return {false, QCoreApplication::translate("ScoreFile", "the user's data folder could not be found")};
    ignoreFileSizeSignal();
    const QByteArray name = QFile::encodeName(QFileInfo(path).absoluteFilePath());
    if (const int error = makeFolders(parentOf(name)))
        return {false, systemReason(error)};

    // Read access only serves the look at the last byte below; a file we may
    // write but not read still takes the score.
    bool created = false;
    auto open = [&](int access) {
        int fd = openFile(name, access | O_APPEND | O_NONBLOCK);
        if (fd < 0 && errno == ENOENT) {
            fd = openFile(name, access | O_APPEND | O_NONBLOCK | O_CREAT, 0666);
            created = fd >= 0;
        }
        return fd;
    };
    int fd = open(O_RDWR);
    if (fd < 0 && errno == EACCES)
        fd = open(O_WRONLY);
    FileDescriptor file(fd);
    if (file.get() < 0)
        return {false, systemReason(errno)};

    // The lock makes the look at the last byte, the write and a roll-back one
    // step for copies of the game appending at the same time.
    lockBriefly(file.get());
    struct stat status;
    if (::fstat(file.get(), &status) != 0)
        return {false, systemReason(errno)};
    // A pipe would swallow the score and a device would not keep it.
    if (!S_ISREG(status.st_mode))
        return {false, QCoreApplication::translate("ScoreFile", "it is not a regular file")};

    QByteArray bytes = line.toUtf8();
    bytes.append('\n');
    // A crash mid-write or a hand edit may have left a partial last line; the
    // score must not join it. When the last byte cannot be read, an empty line
    // (skipped on load) is the safe side.
    const off_t before = status.st_size;
    char last = '\n';
    if (before > 0 && (::pread(file.get(), &last, 1, before - 1) != 1 || last != '\n'))
        bytes.prepend('\n');

    qsizetype written = 0;
    int error = 0;
    while (written < bytes.size() && !error) {
        const ssize_t count = ::write(file.get(), bytes.constData() + written, size_t(bytes.size() - written));
        if (count > 0)
            written += count;
        else if (count == 0)
            error = ENOSPC;
        else if (errno != EINTR)
            error = errno;
    }
#ifdef Q_OS_DARWIN
    if (!error && ::fsync(file.get()) != 0)
#else
    if (!error && ::fdatasync(file.get()) != 0)
#endif
        error = errno;
    if (error) {
        // A line cut short by a full disk or a size limit would come back as
        // a wrong score: take back what this append wrote, unless someone
        // else has appended since.
        if (written > 0 && ::fstat(file.get(), &status) == 0 && status.st_size == before + written
            && ::ftruncate(file.get(), before) == 0)
            ::fdatasync(file.get());
        return {false, systemReason(error)};
    }
    if (file.close() != 0)
        return {false, systemReason(errno)};
    if (created)
        syncFolder(parentOf(name));
    return {true, {}};
}

QString NotSavedMessage(const QString &path, const QString &reason)
{
    return QCoreApplication::translate("ScoreFile", "Your score could not be saved.\n\nIt is in the table until you quit, but it will not be there next "
              "time.\n\nFile: %1\nReason: %2")
        .arg(path.isEmpty() ? QCoreApplication::translate("ScoreFile", "(none)") : QDir::toNativeSeparators(path), reason);
}

QString NotLoadedMessage(const QString &path, const QString &problem)
{
    return QCoreApplication::translate("ScoreFile", "Your scores could not be read, so the table starts empty.\n\nThe file is left as it is, and new "
              "scores are still added to it.\n\nFile: %1\nReason: %2")
        .arg(QDir::toNativeSeparators(path), problem);
}
