// Corvanthelix - text files: a line appended durably, and a file read as it was when opened.
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

// Lets a file-size limit (ulimit -f) fail a write with EFBIG instead of
// killing the program with SIGXFSZ, whoever writes: the game, or a library
// such as the sound server's client, which sizes a shared-memory file.
void IgnoreFileSizeSignal();

struct AppendResult
{
    bool stored = false;
    QString reason; // the system's reason when not stored
    qint64 size = 0; // the file's, once stored
};

// Appends to the end of the file, creating the folders above it (private to
// the user) and the file when missing. bytesFor is given the file's last
// byte ('\n' for an empty file, or one whose last byte cannot be read) and
// says what to write. The look at that byte, the write and its undoing are
// one step under a brief lock, so another process appending at the same time
// cannot come between them. The bytes count as stored only once all of them
// are on disk; an append that fails takes back what it wrote. Anything in the
// file's place that is not a regular file is refused.
AppendResult AppendToFile(const QString &path, const std::function<QByteArray(char lastByte)> &bytesFor);

// A file opened for reading, read only up to the size it had when opened: a
// file saved anew under the same name meanwhile (as editors and sync tools
// save, by renaming) cannot mix in, nor can bytes appended since. A missing
// file, or anything in its place that is not a regular file, opens as no
// file; a FIFO cannot hang the opening. Nothing is ever created.
// problem() says why a file that is there could not be opened.
class OpenedFile
{
public:
    explicit OpenedFile(const QString &path);
    ~OpenedFile();
    OpenedFile(const OpenedFile &) = delete;
    OpenedFile &operator=(const OpenedFile &) = delete;

    bool isOpen() const { return m_fd >= 0; }
    qint64 size() const { return m_size; }
    // Empty when open or missing; otherwise the system's reason.
    const QString &problem() const { return m_problem; }
    // Reads on from where the last read ended; the number of bytes read, 0
    // at the end, -1 on an error.
    qint64 read(char *into, qint64 most);

private:
    int m_fd = -1;
    qint64 m_size = 0;
    qint64 m_left = 0;
    QString m_problem;
};
