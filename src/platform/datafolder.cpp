// Corvanthelix - the user's application-data folder.
#include "platform/datafolder.h"

#include <QDir>
#include <QStandardPaths>

QString ApplicationDataFolder()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    // The XDG rules say a relative XDG_DATA_HOME is invalid and must be
    // ignored; Qt passes it through, which would put the scores wherever the
    // program happened to be started.
    if (!folder.isEmpty() && QDir::isRelativePath(folder))
        folder = QDir::homePath() + QStringLiteral("/.local/share");
#endif
    return folder;
}
