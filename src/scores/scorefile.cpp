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

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

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

// Makes a new folder or file survive a power cut: its entry lives in the folder above.
void syncFolder(const QByteArray &folder)
{
    FileDescriptor fd(FileDescriptor::open(folder.isEmpty() ? QByteArray("/") : folder, O_RDONLY | O_DIRECTORY));
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

} // namespace

QString ScoreFilePath(const QString &dataFolder)
{
    if (dataFolder.isEmpty())
        return {};
    return QDir(dataFolder).filePath(QStringLiteral("Corvanthelix.txt"));
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
        int fd = FileDescriptor::open(name, access | O_APPEND | O_NONBLOCK);
        if (fd < 0 && errno == ENOENT) {
            fd = FileDescriptor::open(name, access | O_APPEND | O_NONBLOCK | O_CREAT, 0666);
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

namespace {

QString shownPath(const QString &path)
{
    return path.isEmpty() ? QCoreApplication::translate("ScoreFile", "(none)") : QDir::toNativeSeparators(path);
}

} // namespace

QString NotSavedMessage(const QString &path, const QString &reason)
{
    return QCoreApplication::translate("ScoreFile", "Your score could not be saved.\n\nIt is in the table until you quit, but it will not be there next "
              "time.\n\nFile: %1\nReason: %2")
        .arg(shownPath(path), reason);
}

QString NotLoadedMessage(const QString &path, const QString &problem)
{
    return QCoreApplication::translate("ScoreFile", "Your scores could not be read, so the table starts empty.\n\nThe file is left as it "
              "is.\n\nFile: %1\nReason: %2")
        .arg(shownPath(path), problem);
}
