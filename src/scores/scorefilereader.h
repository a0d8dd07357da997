// Corvanthelix - reading the score file.
#pragma once

#include "platform/textfile.h"
#include "scores/scorerows.h"

#include <QString>
#include <atomic>

// The score file, opened when made and read from that open file: a file saved
// anew under the same name meanwhile cannot mix in, and a score appended since
// (which the table shows already) does not come back twice. A missing file,
// or anything in its place that is not a regular file, gives no rows.
class ScoreFileReader
{
public:
    explicit ScoreFileReader(const QString &path) : m_file(path) {}

    qint64 size() const { return m_file.size(); }

    // Every accepted line in file order, as finished rows. Takes "\n", "\r\n"
    // and a CR alone as line endings, skips a UTF-8 byte-order mark and any
    // line over 1 MiB, and reads a last line without a line ending. A file too
    // large to read within a sensible memory budget, or one that is there but
    // cannot be read, gives no rows, and *problem says why; it stays empty
    // for a missing file.
    // Once *stop is set, reading ends soon with what it has.
    ScoreRows load(QString *problem = nullptr, const std::atomic_bool *stop = nullptr);

private:
    OpenedFile m_file;
};

inline ScoreRows LoadScoreFile(const QString &path, QString *problem = nullptr)
{
    return ScoreFileReader(path).load(problem);
}
