// Corvanthelix - the user's application-data folder.
#pragma once

#include <QString>

// The per-user data folder ($XDG_DATA_HOME, else ~/.local/share on Linux);
// empty when the platform cannot name one.
QString ApplicationDataFolder();
