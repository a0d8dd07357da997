// Corvanthelix - the score file's format: one "name,score" line per entered score.
#pragma once

#include "platform/textfile.h"

#include <QString>
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
// and the score, nothing quoted or escaped.
QString ScoreLine(const QString &name, const QString &score);

// What a line holds: name and score, or false for a line to skip. A line whose
// last field is a whole number splits at its last comma, so a name with commas
// comes back whole; any other line gives its first two fields, and is skipped
// when the second is empty.
bool ParseScoreLine(std::string_view line, std::string_view *name, std::string_view *score);

// Adds the line and a line ending to the end of the file, durably and all or
// nothing, creating the folders and the file when missing. When the file ends
// in a partial line (a crash mid-write, a hand edit), a line ending goes first.
AppendResult AppendScoreLine(const QString &path, const QString &line);

// The messages that tell the player a score was not saved, or the file not read.
QString NotSavedMessage(const QString &path, const QString &reason);
QString NotLoadedMessage(const QString &path, const QString &problem);
