// Corvanthelix - tests of the main and instructions windows, through their handlers.
#include "platform/imagewell.h"
#include "platform/listbox.h"
#include "platform/menubar.h"
#include "platform/pictures.h"
#include "scores/scorefile.h"
#include "windows/window1.h"
#include "windows/window2.h"

#include <QAccessible>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
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

class TestWindow1 : public QObject
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
        QCOMPARE(Window1().scores().rowCount(), 4);
    }

    void troubleIsToldInOneWindow()
    {
        // A parent that is a regular file: nothing can be saved, and pressing
        // Enter Score again brings the same window back rather than a new one.
        const QString blocked = m_data.filePath(QStringLiteral("blocked"));
        QFile plain(blocked);
        QVERIFY(plain.open(QIODevice::WriteOnly));
        qputenv("XDG_DATA_HOME", QFile::encodeName(blocked + QStringLiteral("/data")));
        Window1 window;
        solve(window);
        for (int press = 0; press < 3; ++press)
            window.PushButton3_Action();
        QCOMPARE(window.scores().rowCount(), 3);
        const auto messages = window.findChildren<QMessageBox *>();
        QCOMPARE(messages.size(), 1);
        QVERIFY(messages[0]->isVisible() && !messages[0]->isModal());
        QVERIFY(messages[0]->text().contains(QStringLiteral("Not a directory")));
        QVERIFY(messages[0]->text().contains(blocked));
    }

    void scoreFileTooLargeIsToldAndPlayGoesOn()
    {
        QVERIFY(QFile::resize(scoreFile(), qint64(100) << 30));
        Window1 window;
        auto *message = window.findChild<QMessageBox *>();
        QVERIFY(message && message->text().contains(QStringLiteral("could not be read")));
        QCOMPARE(window.scores().rowCount(), 0);
        QVERIFY(QFile::resize(scoreFile(), 0));
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

    void instructionsAndBackKeepTheGame()
    {
        Window1 *main = Window1::instance();
        for (int well : {1, 2, 4}) // an interchange, and a pending choice
            main->ImageWell_MouseDown(well, 0, 0);
        main->PushButton1_Action();
        Window2 *instructions = Window2::instance();
        QVERIFY(main->isHidden() && instructions->isVisible());
        QVERIFY(!(instructions->windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint)));

        instructions->PushButton1_Action();
        QVERIFY(instructions->isHidden() && main->isVisible());
        QCOMPARE(main->board().picture(1), pic1());
        QCOMPARE(main->board().text(QStringLiteral("StaticText17")), QStringLiteral("1"));
        QCOMPARE(main->selection.inum1, 7);

        main->PushButton1_Action();
        QCOMPARE(Window2::instance(), instructions);
        QVERIFY(QTest::qWaitForWindowActive(instructions));
        QTest::keyClick(instructions, Qt::Key_Return);
        QTRY_VERIFY(main->isVisible());
        QVERIFY(instructions->isHidden());
        main->PushButton1_Action();
        QVERIFY(instructions->close()); // quitting closes it; it must not refuse
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

    void editCommandsActOnTheNameFieldOnly_data()
    {
        QTest::addColumn<QStringList>("commands");
        QTest::addColumn<QString>("text");
        QTest::newRow("cut, paste twice") << QStringList{"EditSelectAll", "EditCut", "EditPaste", "EditPaste"}
                                          << "AnnAnn";
        QTest::newRow("clear, undo") << QStringList{"EditSelectAll", "EditClear", "EditUndo"} << "Ann";
        QTest::newRow("clear without a selection") << QStringList{"EditClear"} << "Ann";
    }

    void editCommandsActOnTheNameFieldOnly()
    {
        QFETCH(QStringList, commands);
        QFETCH(QString, text);
        Window1 window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto *field = find<QLineEdit>(&window, "EditField1");
        field->setFocus();
        QTest::keyClicks(field, QStringLiteral("Ann"));
        for (const QString &command : commands)
            QVERIFY(RunTextFieldCommand(command));
        QCOMPARE(field->text(), text);

        find(&window, "PushButton2")->setFocus();
        for (const char *command : {"EditSelectAll", "EditCut", "EditPaste", "EditClear", "EditUndo"})
            QVERIFY(!RunTextFieldCommand(QString::fromLatin1(command)));
        QCOMPARE(field->text(), text);
    }
};

QTEST_MAIN(TestWindow1)
#include "tst_window1.moc"
