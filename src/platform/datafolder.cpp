// Corvanthelix - the user's application-data folder.
#include "platform/datafolder.h"

#include <QDir>
#include <QStandardPaths>

#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
#include <pwd.h>
#include <unistd.h>
#endif

QString ApplicationDataFolder()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    // The XDG rules say a relative XDG_DATA_HOME is invalid and must be
    // ignored; Qt passes it through, which would put the scores wherever the
    // program happened to be started.
    const QString data = qEnvironmentVariable("XDG_DATA_HOME");
    if (QDir::isAbsolutePath(data))
        return QDir::cleanPath(data);
    // Without a usable HOME, Qt falls back to "/": the home the password
    // database gives is the one the user has.
    QString home = qEnvironmentVariable("HOME");
    if (!QDir::isAbsolutePath(home)) {
        const passwd *user = ::getpwuid(::getuid());
        home = user && user->pw_dir ? QFile::decodeName(user->pw_dir) : QString();
        if (!QDir::isAbsolutePath(home))
            return {};
    }
    return QDir::cleanPath(home + QStringLiteral("/.local/share"));
#else
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
#endif
}
