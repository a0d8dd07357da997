// Corvanthelix - the user's application-data folder.
#pragma once

#include <QString>

// The per-user data folder ($XDG_DATA_HOME, else ~/.local/share on Linux);
// empty when the platform cannot name one, or when its name cannot be kept
// exactly (a name that is not valid UTF-8: Qt would read and write another
// folder), and then *problem says why.
QString ApplicationDataFolder(QString *problem = nullptr);
