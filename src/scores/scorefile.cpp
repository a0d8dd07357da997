// Corvanthelix - the score file: one "name,score" line per entered score.
#include "scores/scorefile.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
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
    rows.reserve(0, status.st_size);

    bool firstLine = true;
    auto accept = [&](std::string_view line) {
        if (firstLine && line.substr(0, 3) == "\xEF\xBB\xBF")
            line.remove_prefix(3);
        firstLine = false;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        std::string_view name, score;
        if (line.size() <= MaxLineBytes && ParseScoreLine(line, &name, &score))
            rows.append(name, score);
    };

    std::string buffer(MaxLineBytes, '\0');
    std::string pending;   // the start of a line that spans two reads
    bool skipping = false; // inside a line already known to be too long
    for (;;) {
        const ssize_t count = ::read(file.get(), buffer.data(), buffer.size());
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            break;
        std::string_view chunk(buffer.data(), size_t(count));
        while (!chunk.empty()) {
            const size_t end = chunk.find('\n');
            const std::string_view part = chunk.substr(0, end);
            if (end != std::string_view::npos && pending.empty() && !skipping) {
                accept(part);
            } else if (!skipping) {
                if (pending.size() + part.size() > MaxLineBytes + 1) { // +1: a CR may follow
                    skipping = true;
                    pending.clear();
                } else {
                    pending.append(part);
                    if (end != std::string_view::npos)
                        accept(pending);
                }
            }
            if (end == std::string_view::npos)
                break;
            pending.clear();
            skipping = false;
            chunk.remove_prefix(end + 1);
        }
    }
    if (!pending.empty() && !skipping)
        accept(pending);
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
    // the score must not join it.
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
