// Corvanthelix - an open file of the system's, closed when it goes.
#pragma once

#include <QByteArray>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#include <utility>

class FileDescriptor
{
public:
    explicit FileDescriptor(int fd = -1) : m_fd(fd) {}
    ~FileDescriptor() { if (m_fd >= 0) ::close(m_fd); }
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;
    FileDescriptor(FileDescriptor &&other) noexcept : m_fd(std::exchange(other.m_fd, -1)) {}
    FileDescriptor &operator=(FileDescriptor &&other) noexcept
    {
        std::swap(m_fd, other.m_fd);
        return *this;
    }
    int get() const { return m_fd; }
    // Closes now, so that a failure to close can still be reported.
    int close() { const int result = ::close(m_fd); m_fd = -1; return result; }

    // Never a controlling terminal, never inherited by a program started later.
    static int open(const QByteArray &name, int flags, mode_t mode = 0)
    {
        int fd;
        do
            fd = ::open(name.constData(), flags | O_CLOEXEC | O_NOCTTY, mode);
        while (fd < 0 && errno == EINTR);
        return fd;
    }

private:
    int m_fd;
};
