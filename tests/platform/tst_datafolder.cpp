// Corvanthelix - tests of where the data folder is.
#include "platform/datafolder.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

class TestDataFolder : public QObject
{
    Q_OBJECT
private slots:
    void followsXdgDataHome_data()
    {
        QTest::addColumn<QByteArray>("xdgDataHome");
        QTest::addColumn<QString>("folder"); // "~" stands for the home folder
        QTest::newRow("absolute") << QByteArray("/srv/games/data") << "/srv/games/data";
        QTest::newRow("unset") << QByteArray() << "~/.local/share";
        QTest::newRow("relative is ignored") << QByteArray("games/data") << "~/.local/share";
    }

    void followsXdgDataHome()
    {
        QFETCH(QByteArray, xdgDataHome);
        QFETCH(QString, folder);
        QTemporaryDir home;
        const QByteArray savedHome = qgetenv("HOME"), savedData = qgetenv("XDG_DATA_HOME");
        qputenv("HOME", QFile::encodeName(home.path()));
        if (xdgDataHome.isNull())
            qunsetenv("XDG_DATA_HOME");
        else
            qputenv("XDG_DATA_HOME", xdgDataHome);
        const QString found = ApplicationDataFolder();
        qputenv("HOME", savedHome);
        qputenv("XDG_DATA_HOME", savedData);
        QCOMPARE(found, folder.replace(QLatin1Char('~'), home.path()));
    }
};

QTEST_GUILESS_MAIN(TestDataFolder)
#include "tst_datafolder.moc"
