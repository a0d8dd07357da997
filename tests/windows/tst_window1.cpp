// Corvanthelix - tests of the main and instructions windows, through their handlers.
#include "platform/imagewell.h"
#include "platform/listbox.h"
#include "platform/menubar.h"
#include "platform/pictures.h"
#include "platform/timer.h"
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

    void controlsAreMadeFromTheTable()
    {
        static const std::map<ControlKind, const char *> types = {
            {ControlKind::ImageWell, "ImageWell"},  {ControlKind::Label, "QLabel"},
            {ControlKind::PushButton, "QPushButton"}, {ControlKind::ListBox, "ListBox"},
            {ControlKind::EditField, "QLineEdit"},  {ControlKind::Timer, "Timer"}};
        Window1 window;
        for (const ControlRow &row : Window1::Controls) {
            QObject *control = window.findChild<QObject *>(QString::fromLatin1(row.name));
            QVERIFY2(control && control->inherits(types.at(row.kind)), row.name);
            if (auto *widget = qobject_cast<QWidget *>(control)) {
                QCOMPARE(widget->geometry(), row.geometry);
                QCOMPARE(widget->isEnabled(), row.enabled);
                QCOMPARE(widget->isVisibleTo(window.content()), row.visible);
            }
        }
    }

    void opensReadyToPlay()
    {
        Window1 window;
        window.show();
        QCOMPARE(window.content()->size(), QSize(800, 800));
        QCOMPARE(window.minimumSize(), window.maximumSize());
        QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(window.board().picture(1), pic9());
        QCOMPARE(window.board().text(QStringLiteral("StaticText1")), QString());
        QCOMPARE(find<Timer>(&window, "Timer1")->mode(), 2);
        QCOMPARE(find<Timer>(&window, "Timer1")->period(), 500);
        QCOMPARE(window.selection.inum1, 0);
        QCOMPARE(window.scores().rowCount(), 2);
        QCOMPARE(cell(window, 1, 0), QStringLiteral("Bob"));
        QCOMPARE(window.scores().headerData(1, Qt::Horizontal).toString(), QStringLiteral("Score"));
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

    void scoreThatCannotBeSavedIsShownAndReported()
    {
        const QString blocked = m_data.filePath(QStringLiteral("blocked"));
        QFile plain(blocked);
        QVERIFY(plain.open(QIODevice::WriteOnly));
        qputenv("XDG_DATA_HOME", QFile::encodeName(blocked + QStringLiteral("/data")));
        Window1 window;
        solve(window);
        window.PushButton3_Action();
        QCOMPARE(window.scores().rowCount(), 1);
        auto *message = window.findChild<QMessageBox *>(QStringLiteral("ScoreNotSaved"));
        QVERIFY(message && message->isVisible() && !message->isModal());
        QVERIFY(message->text().contains(QStringLiteral("Not a directory")));
        QVERIFY(message->text().contains(blocked));
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

    void keyboardReachesButtonsFieldAndTable()
    {
        Window1 window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        solve(window); // everything enabled
        find(&window, "PushButton1")->setFocus();
        QStringList reached;
        while (!reached.contains(QApplication::focusWidget()->objectName()) && reached.size() < 12) {
            reached << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        std::sort(reached.begin(), reached.end());
        QCOMPARE(reached, (QStringList{"EditField1", "ListBox1", "PushButton1", "PushButton2", "PushButton3"}));

        find(&window, "PushButton2")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space); // New Game disables itself
        QVERIFY(!find(&window, "PushButton2")->isEnabled());
    }

    void editCommandsActOnTheNameFieldOnly_data()
    {
        QTest::addColumn<QStringList>("commands");
        QTest::addColumn<QString>("text");
        QTest::newRow("cut, paste twice") << QStringList{"EditSelectAll", "EditCut", "EditPaste", "EditPaste"}
                                          << "AnnAnn";
        QTest::newRow("copy, paste") << QStringList{"EditSelectAll", "EditCopy", "EditPaste"} << "Ann";
        QTest::newRow("clear, undo") << QStringList{"EditSelectAll", "EditClear", "EditUndo"} << "Ann";
        QTest::newRow("clear") << QStringList{"EditSelectAll", "EditClear"} << "";
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
