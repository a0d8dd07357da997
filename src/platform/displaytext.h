// Corvanthelix - texts as they are shown where room is short.
#pragma once

#include <QString>

// The text with at most a few marks on each character and at most `longest`
// UTF-16 units, with an ellipsis when it was cut. Laying out one letter under
// thousands of combining marks takes seconds, and no font draws them apart.
QString DisplayText(const QString &text, qsizetype longest);
