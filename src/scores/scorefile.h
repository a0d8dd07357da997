// Corvanthelix - the score file: one "name,score" line per entered score.
#pragma once

#include "scores/scorefilereader.h"

#include <QString>

// "Corvanthelix.txt" directly in the given data folder; empty when the folder is.
QString ScoreFilePath(const QString &dataFolder);

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
