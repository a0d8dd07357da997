// Corvanthelix - tests of the shared menu bar and its commands.
#include "app/app.h"
#include "app/menubar1.h"
#include "windows/aboutwindow.h"
#include "windows/window1.h"
#include "windows/window2.h"

#include <QAction>
#include <QLineEdit>
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
    void builtOnce()
    {
        QCOMPARE(MenuBar1::instance(), MenuBar1::instance());
        QCOMPARE(App::instance()->menuBar(), MenuBar1::instance());
    }

    void quitAndAboutCarryTheirRoles()
    {
        QCOMPARE(item("FileQuit")->menuRole(), QAction::QuitRole);
        QCOMPARE(item("FileQuit")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
        QCOMPARE(item("AboutCorvanthelix")->menuRole(), QAction::AboutRole);
        QCOMPARE(item("AboutCorvanthelix")->text(), QStringLiteral("About Corvanthelix"));
        QCOMPARE(item("EditSelectAll")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_A));
        QVERIFY(item("EditClear")->shortcut().isEmpty());
    }

    void separatorsInOrder()
    {
        const QList<QAction *> edit = MenuBar1::instance()->child(QStringLiteral("EditMenu"))->actions();
        QStringList separators;
        for (QAction *action : edit)
            if (action->isSeparator())
                separators << action->objectName();
        QCOMPARE(separators, (QStringList{"UntitledMenu1", "UntitledMenu0"}));
        QVERIFY(item("UntitledMenu1")->shortcut().isEmpty());
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
        QVERIFY(Window1::instance()->isVisible()); // not modal, nothing hidden

        first->close();
        QTRY_COMPARE(openAboutWindows(), 0);
        item("AboutCorvanthelix")->trigger();
        QCOMPARE(openAboutWindows(), 1);
        AboutWindow::instance()->close();
    }

    void editItemsReachTheNameField()
    {
        Window1 *window = Window1::instance();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        auto *field = window->findChild<QLineEdit *>(QStringLiteral("EditField1"));
        field->setFocus();
        field->setText(QStringLiteral("Ann"));
        item("EditSelectAll")->trigger();
        item("EditCut")->trigger();
        QCOMPARE(field->text(), QString());
        item("EditUndo")->trigger();
        QCOMPARE(field->text(), QStringLiteral("Ann"));
    }
};

int main(int argc, char **argv)
{
    App app(argc, argv);
    app.setMenuBar(MenuBar1::instance());
    app.addMenuHandler(QStringLiteral("AboutCorvanthelix"), [&app] { return app.AboutCorvanthelix_Action(); });
    TestMenuBar test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_menubar.moc"
