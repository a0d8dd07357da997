// Corvanthelix - tests of the shared menu bar and its commands.
#include "app/app.h"
#include "app/menubar1.h"
#include "app/startup.h"
#include "windows/aboutwindow.h"
#include "windows/window1.h"
#include "windows/window2.h"

#include <QAction>
#include <QLabel>
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
    void aboutShowsOneWindow()
    {
        item("AboutCorvanthelix")->trigger();
        AboutWindow *first = AboutWindow::instance();
        item("AboutCorvanthelix")->trigger();
        QCOMPARE(openAboutWindows(), 1);
        QCOMPARE(AboutWindow::instance(), first);
        QCOMPARE(first->windowTitle(), QStringLiteral("ABOUT"));
        const QLabel *label = first->findChild<QLabel *>();
        const QStringList lines = label->text().split(u'\n');
        QCOMPARE(lines.size(), 6);
        QCOMPARE(lines[2], QStringLiteral("2.2.0"));
        QVERIFY(label->fontMetrics().horizontalAdvance(lines[5]) <= label->width()); // the closing line fits
        QVERIFY(Window1::instance()->isVisible()); // not modal, nothing hidden

        first->showMinimized(); // About brings it back
        item("AboutCorvanthelix")->trigger();
        QVERIFY(!first->isMinimized());

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
