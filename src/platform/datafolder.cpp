// Corvanthelix - the user's application-data folder.
#include "platform/datafolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
#include <pwd.h>
#include <unistd.h>
#endif

namespace {

#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
// A folder name as the program holds it, when it names the same folder again.
bool decodeExactly(const QByteArray &bytes, QString *name)
{
    *name = QFile::decodeName(bytes);
    return QFile::encodeName(*name) == bytes;
}
#endif

} // namespace

QString ApplicationDataFolder(QString *problem)
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    QString folder;
    const auto refuse = [&] {
        if (problem)
            *problem = QCoreApplication::translate("DataFolder", "the name of the data folder, %1, is not valid UTF-8")
                           .arg(QDir::toNativeSeparators(folder));
        return QString();
    };
    // The XDG rules say a relative XDG_DATA_HOME is invalid and must be
    // ignored; Qt passes it through, which would put the scores wherever the
    // program happened to be started.
    const QByteArray data = qgetenv("XDG_DATA_HOME");
    if (data.startsWith('/'))
        return decodeExactly(data, &folder) ? QDir::cleanPath(folder) : refuse();
    // Without a usable HOME, Qt falls back to "/": the home the password
    // database gives is the one the user has.
    QByteArray home = qgetenv("HOME");
    if (!home.startsWith('/')) {
        const passwd *user = ::getpwuid(::getuid());
        home = user && user->pw_dir ? QByteArray(user->pw_dir) : QByteArray();
        if (!home.startsWith('/'))
            return {};
    }
    return decodeExactly(home, &folder) ? QDir::cleanPath(folder + QStringLiteral("/.local/share")) : refuse();
#else
    Q_UNUSED(problem);
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
#endif
}
