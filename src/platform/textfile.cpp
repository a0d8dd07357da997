// Corvanthelix - text files: a line appended durably, and a file read as it was when opened.
#include "platform/textfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// An open file of the system's, closed when it goes.
class FileDescriptor
{
public:
    explicit FileDescriptor(int fd = -1) : m_fd(fd) {}
    ~FileDescriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;
    int get() const { return m_fd; }
    int release() { return std::exchange(m_fd, -1); }
    // Closes now, so that a failure to close can still be reported.
    int close() { return ::close(release()); }

private:
    int m_fd;
};

// Never a controlling terminal, never inherited by a program started later.
int openFile(const QByteArray &name, int flags, mode_t mode = 0)
{
    int fd;
    do
        fd = ::open(name.constData(), flags | O_CLOEXEC | O_NOCTTY, mode);
    while (fd < 0 && errno == EINTR);
    return fd;
}

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Takes an exclusive lock on the file, waiting up to five seconds (the game
// saves beside play, so only the row waits): another process that holds it
// longer is not worth a hang, and the append that follows is a single write
// either way.
void lockBriefly(int fd)
{
    for (int attempt = 0; attempt < 500; ++attempt) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0 || (errno != EWOULDBLOCK && errno != EINTR))
            return;
        ::usleep(10000);
    }
}

int syncData(int fd)
{
#ifdef Q_OS_DARWIN
    return ::fsync(fd);
#else
    return ::fdatasync(fd);
#endif
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

// Opens the file for appending, creating it when missing. Read access only
// serves the look at the last byte; a file that may be written but not read
// still takes the bytes.
int openForAppend(const QByteArray &name, bool *created)
{
    auto open = [&](int access) {
        int fd = openFile(name, access | O_APPEND | O_NONBLOCK);
        if (fd < 0 && errno == ENOENT) {
            fd = openFile(name, access | O_APPEND | O_NONBLOCK | O_CREAT, 0666);
            *created = fd >= 0;
        }
        return fd;
    };
    const int fd = open(O_RDWR);
    return fd < 0 && errno == EACCES ? open(O_WRONLY) : fd;
}

// Writes all the bytes and puts them on disk; 0 or the reason it failed,
// with *written what reached the file.
int writeDurably(int fd, const QByteArray &bytes, qsizetype *written)
{
    while (*written < bytes.size()) {
        const ssize_t count = ::write(fd, bytes.constData() + *written, size_t(bytes.size() - *written));
        if (count > 0)
            *written += count;
        else if (count == 0)
            return ENOSPC;
        else if (errno != EINTR)
            return errno;
    }
    return syncData(fd) == 0 ? 0 : errno;
}

} // namespace

void IgnoreFileSizeSignal()
{
    std::signal(SIGXFSZ, SIG_IGN);
}

AppendResult AppendToFile(const QString &path, const std::function<QByteArray(char lastByte)> &bytesFor)
{
    const QByteArray name = QFile::encodeName(QFileInfo(path).absoluteFilePath());
    if (const int error = makeFolders(parentOf(name)))
        return {false, systemReason(error)};
    bool created = false;
    FileDescriptor file(openForAppend(name, &created));
    if (file.get() < 0)
        return {false, systemReason(errno)};

    lockBriefly(file.get());
    struct stat status;
    if (::fstat(file.get(), &status) != 0)
        return {false, systemReason(errno)};
    // A pipe would swallow the bytes and a device would not keep them.
    if (!S_ISREG(status.st_mode))
        return {false, QCoreApplication::translate("TextFile", "it is not a regular file")};
    const off_t before = status.st_size;
    char last = '\n';
    if (before > 0 && ::pread(file.get(), &last, 1, before - 1) != 1)
        last = 0; // unknown: not the end of a line
    qsizetype written = 0;
    if (const int error = writeDurably(file.get(), bytesFor(last), &written)) {
        // Bytes cut short by a full disk or a size limit would be read back as
        // something else: take back what this append wrote, unless someone
        // else has appended since.
        if (written > 0 && ::fstat(file.get(), &status) == 0 && status.st_size == before + written
            && ::ftruncate(file.get(), before) == 0)
            syncData(file.get());
        return {false, systemReason(error)};
    }
    if (file.close() != 0)
        return {false, systemReason(errno)};
    if (created)
        syncFolder(parentOf(name));
    return {true, {}, before + written};
}

OpenedFile::OpenedFile(const QString &path)
{
    if (path.isEmpty())
        return;
    // Non-blocking, so that a FIFO in the file's place cannot hang the opening.
    FileDescriptor file(openFile(QFile::encodeName(path), O_RDONLY | O_NONBLOCK));
    struct stat status;
    if (file.get() < 0 || ::fstat(file.get(), &status) != 0) {
        // No file at all is no problem: the first score makes it.
        if (errno != ENOENT)
            m_problem = systemReason(errno);
        return;
    }
    if (!S_ISREG(status.st_mode)) {
        m_problem = QCoreApplication::translate("TextFile", "it is not a regular file");
        return;
    }
    m_size = m_left = status.st_size;
    m_fd = file.release();
}

OpenedFile::~OpenedFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

qint64 OpenedFile::read(char *into, qint64 most)
{
    if (m_fd < 0)
        return -1;
    ssize_t count;
    do
        count = ::read(m_fd, into, size_t(std::min(most, m_left)));
    while (count < 0 && errno == EINTR);
    m_left -= std::max<ssize_t>(count, 0);
    return count;
}
