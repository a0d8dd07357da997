// Corvanthelix - the score file: one "name,score" line per entered score.
#pragma once

#include "scores/scorerows.h"

#include <QString>
#include <string_view>

// "Corvanthelix.txt" directly in the given data folder; empty when the folder is.
QString ScoreFilePath(const QString &dataFolder);

// What a line holds: name and score, or false for a line to skip. A line whose
// last field is a whole number splits at its last comma, so a name with commas
// comes back whole; any other line gives its first two fields, and is skipped
// when the second is empty.
bool ParseScoreLine(std::string_view line, std::string_view *name, std::string_view *score);

// Reads every accepted line in file order. A missing file, or anything in its
// place that is not a regular file, gives no rows and creates nothing. Takes
// "\n" and "\r\n", skips a UTF-8 byte-order mark and any line over 1 MiB, and
// reads a last line without a line ending. A CR alone also ends a line.
// A file too large to read within a sensible memory budget gives no rows, and
// *problem says why; it stays empty for a missing or unreadable file. With a
// limit, only the first `limit` bytes are read: the file as it was when the
// game looked, so that a score appended since (which the table already
// shows) does not come back twice.
ScoreRows LoadScoreFile(const QString &path, QString *problem = nullptr, qint64 limit = -1);

// A name as it may stand in the file: line breaks and other control
// characters become spaces, so one score is always one line.
QString ScoreName(const QString &typed);

struct AppendResult
{
    bool stored = false;
    QString reason; // the system's reason when not stored
};

// Adds one line to the end of the file, creating the folders (private to the
// user) and the file when missing. One write in append mode, under a brief
// lock, so another copy of the game appending at the same time cannot
// interleave with it; a line ending goes first when the file ends in a
// partial line; the line counts as stored only once the write was complete
// and is on disk. A failed append leaves the file as it was. Anything in the
// file's place that is not a regular file is refused.
AppendResult AppendScoreLine(const QString &path, const QString &line);

// The messages that tell the player a score was not saved, or the file not read.
QString NotSavedMessage(const QString &path, const QString &reason);
QString NotLoadedMessage(const QString &path, const QString &problem);
