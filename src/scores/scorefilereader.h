// Corvanthelix - reading the score file.
#pragma once

#include "scores/filedescriptor.h"
#include "scores/scorerows.h"

#include <QString>
#include <atomic>
#include <string_view>

// What a line holds: name and score, or false for a line to skip. A line whose
// last field is a whole number splits at its last comma, so a name with commas
// comes back whole; any other line gives its first two fields, and is skipped
// when the second is empty.
bool ParseScoreLine(std::string_view line, std::string_view *name, std::string_view *score);

// A score file opened for reading. Its size is taken from the open file, and
// the rows come from that same file, up to that size: a file saved anew under
// the same name meanwhile (as editors and sync tools save, by renaming) cannot
// mix in, and a score appended since (which the table already shows) does
// not come back twice. A missing file, or anything in its place that is not a
// regular file, opens as no file and gives no rows; nothing is created.
class ScoreFileReader
{
public:
    explicit ScoreFileReader(const QString &path);

    qint64 size() const { return m_size; }

    // Every accepted line in file order. Takes "\n" and "\r\n", skips a
    // UTF-8 byte-order mark and any line over 1 MiB, and reads a last line
    // without a line ending. A CR alone also ends a line. A file too large to
    // read within a sensible memory budget gives no rows, and *problem says
    // why; it stays empty for a missing or unreadable file. Once *stop is
    // set, reading ends at the next block with what it has.
    ScoreRows load(QString *problem = nullptr, const std::atomic_bool *stop = nullptr);

private:
    FileDescriptor m_fd;
    qint64 m_size = 0;
};

inline ScoreRows LoadScoreFile(const QString &path, QString *problem = nullptr)
{
    return ScoreFileReader(path).load(problem);
}
