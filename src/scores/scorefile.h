// Corvanthelix - the score file's format: one "name,score" line per entered score.
#pragma once

#include "platform/textfile.h"

#include <QString>
#include <string>
#include <string_view>

// "Corvanthelix.txt" directly in the given data folder; empty when the folder is.
QString ScoreFilePath(const QString &dataFolder);

// The longest name the name field takes, in characters. With its comma, the
// score and the line ending, a score line then stays under 4 KiB even in
// characters of three bytes, well within what one write adds whole and what
// the reader takes as a line.
inline constexpr int ScoreNameLimit = 1000;

// A name as it may stand in the file: line breaks and other control
// characters become spaces, so one score is always one line.
QString ScoreName(const QString &typed);

// The line a score is kept as, without its line ending: the name, a comma
// and the score, nothing quoted or escaped. The file and the rows in memory
// both write it here, and split it below.
inline constexpr char ScoreSeparator = ',';
QString ScoreLine(const QString &name, const QString &score);
void WriteScoreLine(std::string &to, std::string_view name, std::string_view score);

// Whether the text is a whole number as the game writes one: digits alone.
bool IsWholeNumber(std::string_view text);

// Where a score that starts the text ends: at the next field, at the line's
// end, or at the end of the text.
size_t ScoreFieldEnd(std::string_view text);

// What a line holds: name and score, or false for a line to skip. A line whose
// last field is a whole number splits at its last comma, so a name with commas
// comes back whole; any other line gives its first two fields, and is skipped
// when the second is empty.
bool ParseScoreLine(std::string_view line, std::string_view *name, std::string_view *score);

// A score file is a few bytes a game; a file of more than this many bytes,
// far beyond what any player could enter, is not read at all, rather than
// letting it take all memory.
inline constexpr qint64 ScoreFileLimit = qint64(256) << 20;
inline bool ScoreFileTooLarge(qint64 size)
{
    return size > ScoreFileLimit;
}

// Adds the line and a line ending to the end of the file, durably and all or
// nothing, creating the folders and the file when missing. When the file ends
// in a partial line (a crash mid-write, a hand edit), a line ending goes first.
AppendResult AppendScoreLine(const QString &path, const QString &line);

// The messages that tell the player a score was not saved, or the file not read.
QString NotSavedMessage(const QString &path, const QString &reason);
QString NotLoadedMessage(const QString &path, const QString &problem);
// The problem with a file too large to read: its size and the limit.
QString TooLargeProblem(qint64 size);
// The message that a score was saved to a file too large to come back.
QString NotReadBackMessage(const QString &path, qint64 size);
