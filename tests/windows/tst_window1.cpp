// Corvanthelix - tests of the main and instructions windows, through their handlers.
#include "platform/imagewell.h"
#include "platform/listbox.h"
#include "platform/menubar.h"
#include "platform/pictures.h"
#include "platform/timer.h"
#include "scores/scorefile.h"
#include "windows/aboutwindow.h"
#include "windows/window1.h"
#include "windows/window2.h"

#include <QAccessible>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QList<int> solvingClicks = {1, 2, 2, 6, 4, 5, 5, 9, 6, 7, 7, 9};

template <typename T> T *find(const Window *window, const char *name)
{
    return window->findChild<T *>(QString::fromLatin1(name));
}

QString text(const Window1 &window, const char *name)
{
    return window.board().text(QString::fromLatin1(name));
}

void solve(Window1 &window)
{
    for (int well : solvingClicks)
        window.ImageWell_MouseDown(well, 20, 20);
    window.Timer1_Action();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestWindow1 : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_data;
    QString scoreFile() const { return ScoreFilePath(m_data.path()); }

private slots:
    void initTestCase()
    {
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_data.path()));
    }

    void init()
    {
        QFile file(scoreFile());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("Ann,7\nBob,12\n");
    }

    void controlsAreMadeFromTheTable()
    {
        Window1 window;
        for (const ControlRow &row : Window1::Controls) {
            QObject *control = window.findChild<QObject *>(QString::fromLatin1(row.name));
            QVERIFY2(control, row.name);
            const char *type = row.kind == ControlKind::ImageWell    ? "ImageWell"
                               : row.kind == ControlKind::ListBox   ? "ListBox"
                               : row.kind == ControlKind::EditField ? "QLineEdit"
                               : row.kind == ControlKind::PushButton ? "QPushButton"
                               : row.kind == ControlKind::Timer     ? "Timer"
                                                                     : "QLabel";
            QVERIFY2(control->inherits(type), row.name);
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
        QCOMPARE(window.windowTitle(), QStringLiteral("Corvanthelix"));
        QCOMPARE(window.content()->size(), QSize(800, 800));
        window.show();
        QCOMPARE(window.minimumSize(), window.maximumSize()); // not resizable
        QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(window.windowFlags() & Qt::WindowMinimizeButtonHint);

        QCOMPARE(window.board().picture(1), pic9());
        QCOMPARE(window.board().picture(9), pic5());
        QCOMPARE(text(window, "StaticText1"), QString());
        QCOMPARE(text(window, "StaticText17"), QStringLiteral("0"));
        QCOMPARE(window.selection.inum1, 0);
        auto *timer = find<Timer>(&window, "Timer1");
        QCOMPARE(timer->mode(), 2);
        QCOMPARE(timer->period(), 500);
        QVERIFY(find<QWidget>(&window, "StaticText20")->isHidden());

        // The saved scores, under their headings.
        QCOMPARE(window.scores().rowCount(), 2);
        QCOMPARE(window.scores().index(1, 0).data().toString(), QStringLiteral("Bob"));
        QCOMPARE(window.scores().headerData(0, Qt::Horizontal).toString(), QStringLiteral("Name"));
        QCOMPARE(window.scores().headerData(1, Qt::Horizontal).toString(), QStringLiteral("Score"));
    }

    void tickOnTheScreen()
    {
        Window1 window;
        window.Timer1_Action();
        QCOMPARE(text(window, "StaticText1"), QStringLiteral("13"));
        QCOMPARE(text(window, "StaticText7"), QStringLiteral("18"));
        solve(window);
        QVERIFY(find<QWidget>(&window, "StaticText20")->isVisibleTo(&window));
        QCOMPARE(find<Timer>(&window, "Timer1")->mode(), 0);
        QCOMPARE(find<ImageWell>(&window, "ImageWell5")->picture(), picA());
        for (const char *name : {"EditField1", "ListBox1", "PushButton3", "PushButton2"})
            QVERIFY2(find<QWidget>(&window, name)->isEnabled(), name);

        window.PushButton2_Action();
        QVERIFY(!find<QWidget>(&window, "PushButton2")->isEnabled());
        QVERIFY(!find<QWidget>(&window, "ListBox1")->isEnabled());
        QCOMPARE(find<Timer>(&window, "Timer1")->mode(), 2);
        QVERIFY(find<ImageWell>(&window, "ImageWell5")->picture() != picA());
    }

    void enterScore()
    {
        Window1 window;
        solve(window);
        find<QLineEdit>(&window, "EditField1")->setText(QStringLiteral("Zoë\nB"));
        window.PushButton3_Action();
        window.PushButton3_Action();
        QCOMPARE(readFile(scoreFile()), QByteArray("Ann,7\nBob,12\nZo\xC3\xAB B,6\nZo\xC3\xAB B,6\n"));
        QCOMPARE(window.scores().rowCount(), 4);
        QCOMPARE(window.scores().index(3, 0).data().toString(), QStringLiteral("Zoë B"));
        QCOMPARE(window.scores().index(3, 1).data().toString(), QStringLiteral("6"));
        QVERIFY(find<QWidget>(&window, "PushButton3")->isEnabled());
        QVERIFY(!window.findChild<QMessageBox *>());

        Window1 restarted;
        QCOMPARE(restarted.scores().rowCount(), 4);
    }

    void scoreThatCannotBeSavedIsStillShownAndReported()
    {
        const QString blocked = m_data.filePath(QStringLiteral("blocked"));
        QFile plain(blocked);
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();
        qputenv("XDG_DATA_HOME", QFile::encodeName(blocked + QStringLiteral("/data")));
        Window1 window;
        solve(window);
        window.PushButton3_Action();
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_data.path()));

        QCOMPARE(window.scores().rowCount(), 1);
        auto *message = window.findChild<QMessageBox *>(QStringLiteral("ScoreNotSaved"));
        QVERIFY(message);
        QVERIFY(message->isVisible());
        QVERIFY(!message->isModal());
        QVERIFY(message->text().contains(QStringLiteral("Not a directory")));
        QVERIFY(message->text().contains(blocked));
    }

    void scoreTableSortsAndRemovesOnlyWhenEnabled()
    {
        Window1 window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *list = find<ListBox>(&window, "ListBox1");
        QHeaderView *heading = list->header();
        const QPoint scoreHeading(heading->sectionViewportPosition(1) + 5, heading->height() / 2);
        const QPoint firstCell = list->visualRect(window.scores().index(0, 0)).center();

        QTest::mouseClick(heading->viewport(), Qt::LeftButton, {}, scoreHeading);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, firstCell);
        QCOMPARE(window.scores().rowCount(), 2);
        QCOMPARE(window.scores().index(0, 1).data().toString(), QStringLiteral("7"));

        solve(window);
        QTest::mouseClick(heading->viewport(), Qt::LeftButton, {}, scoreHeading);
        QTest::mouseClick(heading->viewport(), Qt::LeftButton, {}, scoreHeading);
        QCOMPARE(window.scores().index(0, 1).data().toString(), QStringLiteral("12"));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, firstCell);
        QCOMPARE(window.scores().rowCount(), 1);
        QCOMPARE(window.scores().index(0, 0).data().toString(), QStringLiteral("Ann"));
    }

    void instructionsAndBackKeepTheGame()
    {
        Window1 *main = Window1::instance();
        main->ImageWell_MouseDown(1, 0, 0);
        main->ImageWell_MouseDown(2, 0, 0);
        main->ImageWell_MouseDown(4, 0, 0); // a pending choice survives too
        main->PushButton1_Action();
        Window2 *instructions = Window2::instance();
        QVERIFY(main->isHidden());
        QVERIFY(instructions->isVisible());
        QCOMPARE(instructions->windowTitle(), QStringLiteral("Instructions"));
        QVERIFY(!(instructions->windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint)));

        instructions->PushButton1_Action();
        QVERIFY(instructions->isHidden());
        QVERIFY(main->isVisible());
        QCOMPARE(main->board().picture(1), pic1());
        QCOMPARE(text(*main, "StaticText17"), QStringLiteral("1"));
        QCOMPARE(main->selection.inum1, 7);

        main->PushButton1_Action();
        QCOMPARE(Window2::instance(), instructions); // the same window again
        QVERIFY(QTest::qWaitForWindowActive(instructions));
        QTest::keyClick(instructions, Qt::Key_Return);
        QTRY_VERIFY(main->isVisible());
        QVERIFY(instructions->isHidden());

        // Quitting closes every window; the instructions window must not refuse.
        main->PushButton1_Action();
        QVERIFY(instructions->close());
        main->show();
    }

    void instructionTextsArePlain()
    {
        auto *paragraph = find<QLabel>(Window2::instance(), "StaticText5");
        QCOMPARE(paragraph->textFormat(), Qt::PlainText);
        QVERIFY(paragraph->text().contains(QStringLiteral("Clicking \"Name\" in the table header")));
        QVERIFY(find<QLabel>(Window2::instance(), "StaticText1")->text().contains(QStringLiteral("the  blue")));
        QCOMPARE(find<ImageWell>(Window2::instance(), "ImageWell2")->picture(), numpic2());
    }

    void aboutText()
    {
        const QStringList lines = find<QLabel>(AboutWindow::instance(), "StaticText1")->text().split(u'\n');
        QCOMPARE(lines.size(), 6);
        QCOMPARE(lines[0], QStringLiteral("Corvanthelix"));
        QCOMPARE(lines[2], QStringLiteral("2.2.0"));
        QVERIFY(!lines[5].isEmpty());
        AboutWindow::instance()->close();
    }

    void everyControlHasASpokenName()
    {
        Window1 window;
        window.Timer1_Action();
        QSet<QString> names;
        for (const ControlRow &row : Window1::Controls) {
            auto *widget = window.findChild<QWidget *>(QString::fromLatin1(row.name));
            if (!widget)
                continue; // the timer
            QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
            QVERIFY(accessible);
            const QString name = accessible->text(QAccessible::Name);
            QVERIFY2(!name.isEmpty(), row.name);
            QVERIFY2(!names.contains(name) || row.kind == ControlKind::Label, qPrintable(name));
            names.insert(name);
        }
        QVERIFY(names.contains(QStringLiteral("Tile, row 1, column 2")));
        QVERIFY(names.contains(QStringLiteral("Top row sum, 13")));
        QVERIFY(names.contains(QStringLiteral("Top row target, 6")));
        QVERIFY(names.contains(QStringLiteral("Number of steps, 0")));
    }

    void keyboardReachesButtonsFieldAndTable()
    {
        Window1 window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        solve(window); // everything enabled
        find<QWidget>(&window, "PushButton1")->setFocus();
        QStringList reached;
        for (int i = 0; i < 12 && !reached.contains(QApplication::focusWidget()->objectName()); ++i) {
            reached << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        std::sort(reached.begin(), reached.end());
        QCOMPARE(reached, (QStringList{"EditField1", "ListBox1", "PushButton1", "PushButton2", "PushButton3"}));

        // Space presses the focused button: New Game, which then disables itself.
        auto *newGame = find<QPushButton>(&window, "PushButton2");
        newGame->setFocus();
        QTest::keyClick(newGame, Qt::Key_Space);
        QVERIFY(!newGame->isEnabled());
    }

    void editCommandsActOnTheNameFieldOnly_data()
    {
        QTest::addColumn<QStringList>("commands");
        QTest::addColumn<QString>("text");
        QTest::newRow("select all, cut") << QStringList{"EditSelectAll", "EditCut"} << "";
        QTest::newRow("cut, paste") << QStringList{"EditSelectAll", "EditCut", "EditPaste", "EditPaste"} << "AnnAnn";
        QTest::newRow("copy, paste") << QStringList{"EditSelectAll", "EditCopy", "EditPaste"} << "Ann";
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

        find<QPushButton>(&window, "PushButton2")->setFocus();
        for (const char *command : {"EditSelectAll", "EditCut", "EditPaste", "EditClear", "EditUndo"})
            QVERIFY(!RunTextFieldCommand(QString::fromLatin1(command)));
        QCOMPARE(field->text(), text);
    }
};

QTEST_MAIN(TestWindow1)
#include "tst_window1.moc"
