// Corvanthelix - menu shortcut texts.
#pragma once

#include <QKeySequence>

// "Cmd+Q" names the platform's command key: Ctrl on Linux and Windows,
// Command on macOS (Qt maps Ctrl to Command there). An empty text gives none.
QKeySequence Shortcut(const QString &text);
