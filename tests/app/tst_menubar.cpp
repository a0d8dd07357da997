// Corvanthelix - tests of the shared menu bar and its commands.
#include "app/app.h"
#include "app/menubar1.h"
#include "app/startup.h"
#include "windows/aboutwindow.h"
#include "windows/window1.h"
#include "windows/window2.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

namespace {
QAction *item(const char *name)
{
    return MenuBar1::instance()->item(QString::fromLatin1(name));
}

int openAboutWindows()
{
    int count = 0;
    for (QWidget *widget : QApplication::topLevelWidgets())
        count += qobject_cast<AboutWindow *>(widget) && widget->isVisible();
    return count;
}
} // namespace

class TestMenuBar : public QObject
{
    Q_OBJECT
private slots:
    void quitAndAboutCarryTheirRoles()
    {
        QCOMPARE(App::instance()->menuBar(), MenuBar1::instance());
        QCOMPARE(item("FileQuit")->menuRole(), QAction::QuitRole);
        QCOMPARE(item("FileQuit")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
        QCOMPARE(item("AboutCorvanthelix")->menuRole(), QAction::AboutRole);
        QCOMPARE(item("AboutCorvanthelix")->text(), QStringLiteral("About Corvanthelix"));
        QCOMPARE(item("EditSelectAll")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_A));
        QVERIFY(item("EditClear")->shortcut().isEmpty());
    }

    void everyWindowShowsFileAndEdit()
    {
        const QList<QMainWindow *> windows = {Window1::instance(), Window2::instance(), AboutWindow::instance()};
        for (QMainWindow *window : windows) {
            QStringList menus;
            for (QAction *action : window->menuBar()->actions())
                menus << action->text();
            QCOMPARE(menus, (QStringList{"&File", "&Edit"}));
        }
        AboutWindow::instance()->close();
        Window2::instance()->hide();
    }

    void aboutShowsOneWindow()
    {
        item("AboutCorvanthelix")->trigger();
        AboutWindow *first = AboutWindow::instance();
        item("AboutCorvanthelix")->trigger();
        QCOMPARE(openAboutWindows(), 1);
        QCOMPARE(AboutWindow::instance(), first);
        QCOMPARE(first->windowTitle(), QStringLiteral("ABOUT"));
        const QStringList lines = first->findChild<QLabel *>()->text().split(u'\n');
        QCOMPARE(lines.size(), 6);
        QCOMPARE(lines[2], QStringLiteral("2.2.0"));
        QVERIFY(Window1::instance()->isVisible()); // not modal, nothing hidden

        first->close();
        QTRY_COMPARE(openAboutWindows(), 0);
        item("AboutCorvanthelix")->trigger();
        QCOMPARE(openAboutWindows(), 1);
        AboutWindow::instance()->close();
    }

};

int main(int argc, char **argv)
{
    App app(argc, argv);
    StartUp(app); // the program's own start-up, without its event loop
    TestMenuBar test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_menubar.moc"
