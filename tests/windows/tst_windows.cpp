// Corvanthelix - tests of the windows through their handlers, after the program's own start-up.
#include "app/app.h"
#include "app/menubar1.h"
#include "app/startup.h"
#include "platform/listbox.h"
#include "platform/menubar.h"
#include "scores/scorefile.h"
#include "windows/aboutwindow.h"
#include "windows/window1.h"

#include <QAccessible>
#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

namespace {

template <typename T = QWidget> T *find(const Window *window, const char *name)
{
    return window->findChild<T *>(QString::fromLatin1(name));
}

void solve(Window1 &window)
{
    for (int well : {1, 2, 2, 6, 4, 5, 5, 9, 6, 7, 7, 9})
        window.ImageWell_MouseDown(well, 20, 20);
    window.Timer1_Action();
}

QString cell(const Window1 &window, int row, int column)
{
    return window.scores().index(row, column).data().toString();
}

} // namespace

class TestWindows : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_data;
    QString scoreFile() const { return ScoreFilePath(m_data.path()); }

private slots:
    void init()
    {
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_data.path()));
        QFile file(scoreFile());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("Ann,7\nBob,12\n");
    }

    void enterScore()
    {
        Window1 window;
        solve(window);
        find<QLineEdit>(&window, "EditField1")->setText(QStringLiteral("Zoë\nB"));
        window.PushButton3_Action();
        window.PushButton3_Action(); // stays enabled; each press is one more line
        QFile file(scoreFile());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("Ann,7\nBob,12\nZo\xC3\xAB B,6\nZo\xC3\xAB B,6\n"));
        QCOMPARE(cell(window, 3, 0), QStringLiteral("Zoë B"));
        QCOMPARE(cell(window, 3, 1), QStringLiteral("6"));
        QVERIFY(!window.findChild<QMessageBox *>());
    }

    void troubleIsToldInOneWindow_data()
    {
        QTest::addColumn<bool>("hugeFile"); // else a parent that is a regular file
        QTest::newRow("a score that cannot be saved, three times") << false;
        QTest::newRow("a 100 GiB score file") << true;
    }

    void troubleIsToldInOneWindow()
    {
        QFETCH(bool, hugeFile);
        const QString blocked = m_data.filePath(QStringLiteral("blocked"));
        QVERIFY(QFile(blocked).open(QIODevice::WriteOnly));
        QVERIFY(QFile::resize(scoreFile(), hugeFile ? qint64(100) << 30 : 0));
        if (!hugeFile)
            qputenv("XDG_DATA_HOME", QFile::encodeName(blocked + QStringLiteral("/data")));
        Window1 window;
        solve(window);
        for (int press = 0; press < 3; ++press)
            window.PushButton3_Action();
        QCOMPARE(window.scores().rowCount(), 3); // play goes on
        const auto messages = window.findChildren<QMessageBox *>();
        QCOMPARE(messages.size(), 1);
        QVERIFY(messages[0]->isVisible() && !messages[0]->isModal());
        QVERIFY(messages[0]->text().contains(hugeFile ? QStringLiteral("could not be read") : blocked));
        QFile::resize(scoreFile(), 0);
    }

    void scoreTableSortsAndRemovesOnlyWhenEnabled()
    {
        Window1 window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *list = find<ListBox>(&window, "ListBox1");
        QWidget *heading = list->header()->viewport();
        const QPoint scoreHeading(list->header()->sectionViewportPosition(1) + 5, heading->height() / 2);
        const QPoint firstCell = list->visualRect(window.scores().index(0, 0)).center();
        for (bool solved : {false, true}) {
            if (solved)
                solve(window);
            QTest::mouseClick(heading, Qt::LeftButton, {}, scoreHeading);
            QTest::mouseClick(heading, Qt::LeftButton, {}, scoreHeading); // descending: 12 first
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, firstCell);
            QCOMPARE(window.scores().rowCount(), solved ? 1 : 2);
            QCOMPARE(cell(window, 0, 1), QStringLiteral("7"));
        }
    }

    void everyControlHasASpokenName()
    {
        Window1 window;
        window.Timer1_Action();
        QStringList names;
        for (const ControlRow &row : Window1::Controls)
            if (auto *widget = find(&window, row.name))
                names << QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
        QVERIFY(!names.contains(QString()));
        for (const char *name : {"Tile, row 1, column 2", "Top row sum, 13", "Top row target, 6", "Number of steps, 0"})
            QVERIFY2(names.contains(QString::fromLatin1(name)), name);
    }

    void editCommandsActOnTheNameFieldOnly()
    {
        Window1 window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto *field = find<QLineEdit>(&window, "EditField1");
        field->setFocus();
        QTest::keyClicks(field, QStringLiteral("Ann"));
        for (const char *command : {"EditSelectAll", "EditCut", "EditPaste", "EditPaste", "EditSelectAll", "EditClear", "EditUndo"})
            QVERIFY(RunTextFieldCommand(QString::fromLatin1(command)));
        QCOMPARE(field->text(), QStringLiteral("AnnAnn"));
        find(&window, "PushButton2")->setFocus();
        for (const char *command : {"EditSelectAll", "EditCut", "EditPaste", "EditClear", "EditUndo"})
            QVERIFY(!RunTextFieldCommand(QString::fromLatin1(command)));
        QCOMPARE(field->text(), QStringLiteral("AnnAnn"));
    }

    void aboutShowsOneWindow()
    {
        QAction *about = MenuBar1::instance()->item(QStringLiteral("AboutCorvanthelix"));
        about->trigger();
        AboutWindow *first = AboutWindow::instance();
        about->trigger();
        QCOMPARE(AboutWindow::instance(), first);
        const QLabel *label = first->findChild<QLabel *>();
        const QStringList lines = label->text().split(u'\n');
        QCOMPARE(lines.size(), 6);
        QCOMPARE(lines[2], QStringLiteral("2.2.0"));
        QVERIFY(label->fontMetrics().horizontalAdvance(lines[5]) <= label->width()); // the closing line fits
        QVERIFY(Window1::instance()->isVisible()); // not modal, nothing hidden

        first->showMinimized(); // About brings it back
        about->trigger();
        QVERIFY(!first->isMinimized());
        const QPointer<AboutWindow> closed = first;
        first->close(); // and is gone: the next About makes a new one
        QTRY_VERIFY(!closed);
    }
};

int main(int argc, char **argv)
{
    App app(argc, argv);
    StartUp(app); // the program's own start-up, without its event loop
    TestWindows test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_windows.moc"
