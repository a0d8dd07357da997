// Corvanthelix - the score file: one "name,score" line per entered score.
#include "scores/scorefile.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr size_t MaxLineBytes = size_t(1) << 20;

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

int openFile(const QString &path, int flags, mode_t mode = 0)
{
    const QByteArray name = QFile::encodeName(path);
    int fd;
    do
        fd = ::open(name.constData(), flags | O_CLOEXEC | O_NOCTTY, mode);
    while (fd < 0 && errno == EINTR);
    return fd;
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

ScoreRows LoadScoreFile(const QString &path)
{
    ScoreRows rows;
    if (path.isEmpty())
        return rows;
    // Non-blocking, so that a FIFO in the file's place cannot hang the start.
    FileDescriptor file(openFile(path, O_RDONLY | O_NONBLOCK));
    struct stat status;
    if (file.get() < 0 || ::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode))
        return rows;

    // The file is read straight into the rows' buffer, block by block, and the
    // rows point into it. Only a line that is too long is cut out again.
    constexpr size_t Block = size_t(1) << 20;
    std::string &text = rows.buffer();
    text.reserve(size_t(status.st_size) + Block);
    size_t lineStart = 0;  // where the line being read begins
    size_t scanned = 0;    // how far line endings have been looked for
    bool skipping = false; // inside a line already known to be too long

    auto takeLine = [&](size_t begin, size_t end) {
        std::string_view line(text.data() + begin, end - begin);
        if (begin == 0 && line.substr(0, 3) == "\xEF\xBB\xBF")
            line.remove_prefix(3);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        std::string_view name, score;
        if (line.size() <= MaxLineBytes && ParseScoreLine(line, &name, &score))
            rows.appendFromBuffer(name, score);
    };

    for (;;) {
        const size_t filled = text.size();
        text.resize(filled + Block);
        ssize_t count;
        do
            count = ::read(file.get(), text.data() + filled, Block);
        while (count < 0 && errno == EINTR);
        text.resize(filled + size_t(std::max<ssize_t>(count, 0)));
        if (count <= 0)
            break;

        while (const void *found = std::memchr(text.data() + scanned, '\n', text.size() - scanned)) {
            const size_t end = size_t(static_cast<const char *>(found) - text.data());
            if (skipping) {
                text.erase(lineStart, end + 1 - lineStart);
                skipping = false;
                scanned = lineStart;
                continue;
            }
            takeLine(lineStart, end);
            lineStart = scanned = end + 1;
        }
        if (text.size() - lineStart > MaxLineBytes + 1) // +1: a CR may follow
            skipping = true;
        if (skipping)
            text.resize(lineStart);
        scanned = text.size();
    }
    if (!skipping && lineStart < text.size())
        takeLine(lineStart, text.size());
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
        return {false, QStringLiteral("the user's data folder could not be found")};

    std::error_code error;
    std::filesystem::create_directories(QFile::encodeName(QFileInfo(path).absolutePath()).toStdString(), error);
    if (error)
        return {false, QString::fromLocal8Bit(error.message().c_str())};

    // Read access only serves the look at the last byte below; a file we may
    // write but not read still takes the score.
    const int flags = O_APPEND | O_CREAT | O_NONBLOCK;
    int fd = openFile(path, O_RDWR | flags, 0666);
    if (fd < 0 && errno == EACCES)
        fd = openFile(path, O_WRONLY | flags, 0666);
    FileDescriptor file(fd);
    if (file.get() < 0)
        return {false, systemReason(errno)};

    QByteArray bytes = line.toUtf8();
    bytes.append('\n');
    // A crash mid-write or a hand edit may have left a partial last line;
    // the score must not join it. The lock makes the look at the last byte and
    // the write one step for copies of the game appending at the same time:
    // without it, one may see another's line half written and add a blank line.
    lockBriefly(file.get());
    struct stat status;
    if (::fstat(file.get(), &status) == 0 && S_ISREG(status.st_mode) && status.st_size > 0) {
        char last = '\n';
        if (::pread(file.get(), &last, 1, status.st_size - 1) == 1 && last != '\n')
            bytes.prepend('\n');
    }

    ssize_t written;
    do
        written = ::write(file.get(), bytes.constData(), size_t(bytes.size()));
    while (written < 0 && errno == EINTR);
    if (written < 0)
        return {false, systemReason(errno)};
    if (written != bytes.size())
        return {false, systemReason(ENOSPC)};
    // Only regular files can be synced; other things in the file's place answer EINVAL.
#ifdef Q_OS_DARWIN
    if (::fsync(file.get()) != 0 && errno != EINVAL)
#else
    if (::fdatasync(file.get()) != 0 && errno != EINVAL)
#endif
        return {false, systemReason(errno)};
    if (file.close() != 0)
        return {false, systemReason(errno)};
    return {true, {}};
}

QString NotSavedMessage(const QString &path, const QString &reason)
{
    return QStringLiteral("Your score could not be saved.\n\nIt is in the table until you quit, but it will not be "
                          "there next time.\n\nFile: %1\nReason: %2")
        .arg(path.isEmpty() ? QStringLiteral("(none)") : QDir::toNativeSeparators(path), reason);
}
