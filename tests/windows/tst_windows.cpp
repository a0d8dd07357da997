// Corvanthelix - tests of the windows through their handlers, after the program's own start-up.
#include "app/app.h"
#include "app/menubar1.h"
#include "app/startup.h"
#include "platform/announce.h"
#include "platform/contrast.h"
#include "platform/imagewell.h"
#include "platform/listbox.h"
#include "platform/menubar.h"
#include "platform/picture.h"
#include "platform/timer.h"
#include "scores/scorefile.h"
#include "windows/aboutwindow.h"
#include "windows/instructionpictures.h"
#include "windows/window1.h"
#include "windows/window2.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QStyleOptionHeader>
#include <QStyleOption>
#include <QTest>
#include <QTranslator>
#include <cmath>

namespace {

ImageWell *well(const Window1 &window, int well)
{
    return window.findChild<ImageWell *>(QStringLiteral("ImageWell%1").arg(well));
}

void solve(Window1 &window)
{
    for (int well : {1, 2, 2, 6, 4, 5, 5, 9, 6, 7, 7, 9})
        window.ImageWell_MouseDown(well, 20, 20);
    window.Timer1_Action();
}

using Grid = std::array<int, 9>;

// The hidden numbers the wells show.
Grid grid(const Window1 &window)
{
    Grid numbers;
    for (int well = 0; well < 9; ++well)
        numbers[well] = ::well(window, well + 1)->picture()->verticalResolution() - 70;
    return numbers;
}

// Clicks as the window system delivers them, so that two quick ones at one
// spot arrive as a press and a double-click.
void click(QWidget *widget, QPoint at = {})
{
    QTest::mouseClick(widget->window()->windowHandle(), Qt::LeftButton, {},
                      widget->mapTo(widget->window(), at.isNull() ? widget->rect().center() : at));
}

void doubleClick(QWidget *widget, QPoint at)
{
    QTest::mouseDClick(widget->window()->windowHandle(), Qt::LeftButton, {}, widget->mapTo(widget->window(), at));
}

void clickWell(const Window1 &window, int number)
{
    click(well(window, number));
}

const ScoreTable &scores(Window1 &window)
{
    return window.scores().table();
}

QString cell(Window1 &window, int row, int column)
{
    return scores(window).index(row, column).data().toString();
}

// The contrast a text needs by WCAG 2: large text is 18 points, or 14 bold.
QString contrastFault(const QWidget *widget, QPalette::ColorRole text, QPalette::ColorRole background)
{
    // A label draws no background of its own: the window's shows behind it.
    const QWidget *behind = qobject_cast<const QLabel *>(widget) ? widget->parentWidget() : widget;
    const double ratio = ContrastRatio(widget->palette().color(QPalette::Active, text),
                                       behind->palette().color(QPalette::Active, background));
    const QFont font = widget->font();
    const double needed = font.pointSizeF() >= 18 || (font.bold() && font.pointSizeF() >= 14) ? 3.0 : 4.5;
    return ratio >= needed ? QString() : QStringLiteral("%1: %2:1").arg(widget->objectName()).arg(ratio, 0, 'f', 2);
}

// Whether the ink of a label's or a button's text lies inside its box.
QString fitFault(const QWidget *widget)
{
    const auto *label = qobject_cast<const QLabel *>(widget);
    const auto *button = qobject_cast<const QAbstractButton *>(widget);
    const QString text = label ? label->text() : button ? button->text() : QString();
    const QFontMetrics metrics(widget->font());
    const QRect box = label ? label->contentsRect() : widget->rect().adjusted(2, 2, -2, -2);
    // Ink rather than line height: "DONE" has no descent to lose.
    const QRect ink = metrics.tightBoundingRect(text);
    const int baseline = (box.height() - metrics.height()) / 2 + metrics.ascent();
    const QSize size = label && label->wordWrap()
        ? metrics.boundingRect(QRect(0, 0, box.width(), 1 << 20), Qt::TextWordWrap, text).size()
        : QSize(metrics.horizontalAdvance(text), std::max(baseline + ink.bottom() + 1, box.height() - baseline - ink.top()));
    if (text.isEmpty() || (size.width() <= box.width() && size.height() <= box.height()))
        return {};
    return QStringLiteral("%1 \"%2\": %3x%4 in %5x%6").arg(widget->objectName(), text.left(20)).arg(size.width())
        .arg(size.height()).arg(box.width()).arg(box.height());
}

// Whether each heading's text fits beside the scroll bar.
QString headingFault(const ListBox *list)
{
    const QHeaderView *header = list->header();
    QString fault;
    for (int section = 0; section < header->count(); ++section) {
        QStyleOptionHeader option;
        option.initFrom(header);
        option.rect = QRect(0, 0, header->sectionSize(section), header->height());
        option.text = list->model()->headerData(section, Qt::Horizontal).toString();
        const int room = header->style()->subElementRect(QStyle::SE_HeaderLabel, &option, header).width();
        if (header->fontMetrics().horizontalAdvance(option.text) > room)
            fault += QStringLiteral("heading \"%1\" in %2 ").arg(option.text).arg(room);
    }
    return fault;
}

// What a window says to a screen reader, in order, as it says it.
class Heard
{
public:
    explicit Heard(const QWidget *window)
    {
        QObject::connect(&Announcements::instance(), &Announcements::said, &m_context,
                         [this, window](QWidget *by, const QString &text) {
                             if (by == window)
                                 m_said << text;
                         });
    }
    bool any() const { return !m_said.isEmpty(); }
    QStringList take() { return std::exchange(m_said, {}); }

private:
    QObject m_context;
    QStringList m_said;
};

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

    void aGameThroughItsControls()
    {
        // Real clicks and the real timer: the sums are blank until the
        // watch's first tick, armed for half a second when the window is
        // made, and a move shows in them at a tick, after which the watch
        // sleeps; New Game drops a pending pick; the score goes in as typed,
        // and the button stays on.
        Window1 window;
        auto *timer = window.findChild<Timer *>(QStringLiteral("Timer1"));
        QSignalSpy ticks(timer, &Timer::action);
        QVERIFY(timer->armedFor() > 0 && timer->armedFor() <= 500);
        auto sums = [&] {
            QStringList texts;
            for (const Line &line : Lines())
                texts << ControlText(window.control<QWidget>(line.sum));
            return texts;
        };
        QCOMPARE(sums(), QStringList(8, QString()));
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        // Before the solve, two quick clicks on a heading or a row do nothing.
        auto *list = window.control<ListBox>(Control::ScoreTable);
        QWidget *heading = list->header()->viewport();
        const QPoint scoreHeading(list->header()->sectionViewportPosition(1) + 5, heading->height() / 2);
        const QPoint firstScore = list->visualRect(scores(window).index(0, 1)).center();
        doubleClick(heading, scoreHeading), doubleClick(list->viewport(), firstScore);
        QCOMPARE(cell(window, 0, 1), QStringLiteral("7"));
        QTRY_VERIFY(!sums().contains(QString()));
        QCOMPARE(ticks.size(), 1);
        const QStringList opening = sums(); // of 9 1 3 / 7 4 2 / 6 8 5, in the order they are refreshed
        QCOMPARE(opening, (QStringList{"13", "13", "19", "10", "13", "22", "13", "18"}));
        QCOMPARE(timer->armedFor(), -1); // nothing changed: the watch sleeps
        clickWell(window, 1), clickWell(window, 4);
        QCOMPARE(sums(), opening);
        QTRY_VERIFY(sums() != opening); // now 7 1 3 / 9 4 2 / 6 8 5
        QCOMPARE(ticks.size(), 2);
        QCOMPARE(sums(), (QStringList{"11", "15", "19", "10", "13", "22", "13", "16"}));
        QCOMPARE(timer->armedFor(), -1);

        // A click on New Game after a Tab is a click: the focus goes back to
        // the board, with no frame on the tile and no caret in the name field.
        clickWell(window, 1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        click(window.control<QWidget>(Control::NewGame));
        QCOMPARE(QApplication::focusWidget(), well(window, 1));
        QVERIFY(!well(window, 1)->showsFocusFrame());
        Grid dealt = grid(window);
        clickWell(window, 2), clickWell(window, 3); // a first pick, then the second
        std::swap(dealt[1], dealt[2]);
        QCOMPARE(grid(window), dealt);
        for (int well = 1, steps = 1; well <= 9; ++well) {
            const int other = int(std::find(dealt.begin(), dealt.end(), well) - dealt.begin()) + 1;
            if (other == well)
                continue;
            clickWell(window, well), clickWell(window, other);
            std::swap(dealt[well - 1], dealt[other - 1]);
            QCOMPARE(ControlText(window.control<QWidget>(Control::StepCounter)), QString::number(++steps));
        }
        QTRY_VERIFY(window.control<QWidget>(Control::Done)->isVisible());
        const QString steps = ControlText(window.control<QWidget>(Control::StepCounter));
        window.control<QLineEdit>(Control::NameField)->setText(QStringLiteral(" Zoë\tB "));
        click(window.control<QWidget>(Control::EnterScore)), click(window.control<QWidget>(Control::EnterScore));
        window.scores().settle();
        QFile file(scoreFile());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray line = " Zo\xC3\xAB B ," + steps.toLatin1() + "\n";
        QCOMPARE(file.readAll(), "Ann,7\nBob,12\n" + line + line);
        QCOMPARE(cell(window, 3, 0), QStringLiteral(" Zoë B "));
        QCOMPARE(cell(window, 3, 1), steps);
        QVERIFY(!window.findChild<QMessageBox *>());
        // Solved, two quick clicks are two clicks: on a heading they sort and
        // reverse (Bob's 12 first), on a row they remove two.
        doubleClick(heading, scoreHeading);
        QCOMPARE(cell(window, 0, 1), QStringLiteral("12"));
        doubleClick(list->viewport(), firstScore);
        QCOMPARE(scores(window).rowCount(), 2);
        QVERIFY(cell(window, 0, 1) != "12" && cell(window, 1, 1) != "12");

        // The watch ticks every 500 ms of a clock the test holds, on a grid
        // from when New Game started it; asleep, a click wakes it for the
        // grid's next point; a New Game while it runs keeps the rhythm.
        qint64 now = 1000;
        timer->setClock([&] { return now; });
        window.PushButton2_Action();
        QCOMPARE(timer->armedFor(), 500);
        timer->sleep();
        now += 730;
        clickWell(window, 1);
        QCOMPARE(timer->armedFor(), 270);
        window.PushButton2_Action();
        QCOMPARE(timer->armedFor(), 270);
        timer->setMode(Timer::Off);
        QCOMPARE(timer->armedFor(), -1);
    }

    void windowFitsTheScreen()
    {
        // Where it fits, the window is its layout's size and nothing else; on
        // a smaller screen it scrolls, and every control can be brought into view.
        Window1 window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QRect room = window.screen()->availableGeometry();
        auto *scroller = window.findChild<QScrollArea *>();
        if (room.height() >= 1000) {
            QVERIFY(!scroller);
            QCOMPARE(window.centralWidget()->size(), QSize(800, 800));
            return;
        }
        QVERIFY(scroller);
        QVERIFY(room.contains(window.frameGeometry()));
        for (QWidget *control : window.content()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            scroller->ensureWidgetVisible(control, 0, 0);
            const QRect shown(control->mapTo(scroller->viewport(), QPoint()), control->size());
            QVERIFY2(scroller->viewport()->rect().contains(shown), qPrintable(control->objectName()));
        }
    }

    void aNameIsKeptWholeOrNotAtAll()
    {
        // Up to the limit a paste goes in; past it, it is refused whole and
        // told, as is a key typed at the limit.
        Window1 window;
        auto *field = window.control<QLineEdit>(Control::NameField);
        QGuiApplication::clipboard()->setText(QString(ScoreNameLimit, u'x'));
        field->paste();
        QCOMPARE(field->text().size(), ScoreNameLimit);
        QTest::keyClick(field, Qt::Key_A);
        field->setText(QStringLiteral("Ann"));
        field->end(false);
        QGuiApplication::clipboard()->setText(QString(40000, u'x'));
        field->paste();
        QCOMPARE(field->text(), QStringLiteral("Ann"));
        QTRY_COMPARE(window.findChildren<QMessageBox *>().size(), 1);
        QVERIFY(window.findChild<QMessageBox *>()->text().contains(QStringLiteral("40,003")));
    }

    void twoStartsDealTwoSequences()
    {
        // Each game deals from an engine of its own, seeded anew: two never
        // deal the same three boards (by chance, one time in 9!^3).
        Window1 first, second;
        QList<Grid> deals[2];
        for (int round = 0; round < 3; ++round)
            for (Window1 *window : {&first, &second}) {
                window->PushButton2_Action();
                deals[window == &second] << grid(*window);
            }
        QVERIFY(deals[0] != deals[1]);
    }

    void eachRedTargetIsItsLinesTarget()
    {
        // The red labels the player reads and the targets the rules check are one.
        Window1 window;
        const auto labels = window.content()->findChildren<QLabel *>();
        for (const Line &line : Lines()) {
            QString name = window.control<QWidget>(line.sum)->accessibleName(); // "Top row sum", before the first tick
            name.replace(QStringLiteral(" sum"), QStringLiteral(" target, ")).append(QString::number(line.target));
            QVERIFY2(std::count_if(labels.begin(), labels.end(), [&](QLabel *label) {
                         return label->accessibleName() == name && label->text() == QString::number(line.target);
                     }) == 1, qPrintable(name));
        }
    }

    void aKeyboardGameIsHeard()
    {
        // Every key the README lists, pressed as a player without a mouse
        // would, with what a screen reader is told and what the key does.
        Window1 window;
        Heard heard(&window);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto key = [](Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
            QTest::keyClick(QApplication::focusWidget(), key, modifiers);
        };
        // The tile that has the focus is heard with its lines, though the
        // sums show only at the first tick.
        QCOMPARE(well(window, 1)->accessibleDescription(), QStringLiteral("top row 13 of 6, left column 22 of 12, falling diagonal 18 of 15"));
        QTRY_VERIFY(heard.any()); // as the window opens
        QCOMPARE(heard.take(), QStringList{"Keys: Space picks and swaps, the arrows move, S reads all sums, Ctrl+1 and Ctrl+2 sort, Delete removes."});
        window.Timer1_Action();
        key(Qt::Key_Space);
        QCOMPARE(heard.take(), QStringList{"Picked row 1, column 1."});
        key(Qt::Key_Right), key(Qt::Key_Space); // swapped: told at the tick, with the lines
        QCOMPARE(heard.take(), QStringList());
        window.Timer1_Action();
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0) // the focused tile's own lines are heard with it
        QCOMPARE(heard.take(), QStringList{"1 step. left column 14 of 12, falling diagonal 10 of 15. 0 of 8 lines match."});
#else
        QCOMPARE(heard.take(),
                 QStringList{"1 step. left column 14 of 12, middle column 21 of 15, falling diagonal 10 of 15. 0 of 8 lines match."});
#endif
        QCOMPARE(well(window, 2)->accessibleDescription(), QStringLiteral("top row 13 of 6, middle column 21 of 15"));
        key(Qt::Key_Space), key(Qt::Key_Space);
        window.Timer1_Action();
        QCOMPARE(heard.take(), (QStringList{"Picked row 1, column 2.", "Swapped row 1, column 2 with itself.", "2 steps. 0 of 8 lines match."}));
        key(Qt::Key_S);
        QCOMPARE(heard.take(), QStringList{"top row 13 of 6, middle row 13 of 15, bottom row 19 of 24, left column 14 of 12, "
                                           "middle column 21 of 15, right column 10 of 18, falling diagonal 10 of 15, "
                                           "rising diagonal 13 of 15"});

        // Solved by keys, the player is taken to the name field, which says so;
        // Return there enters the score.
        for (int well : {2, 6, 4, 5, 5, 9, 6, 7, 7, 9})
            window.ImageWell_MouseDown(well, 20, 20);
        window.Timer1_Action();
        heard.take();
        auto *field = window.control<QLineEdit>(Control::NameField);
        QCOMPARE(QApplication::focusWidget(), field);
        QCOMPARE(field->accessibleDescription(), QStringLiteral("Solved in 7 steps. New Game can be pressed again."));
        QTest::keyClicks(field, QStringLiteral("Max"));
        key(Qt::Key_Return);
        window.scores().settle();
        QCOMPARE(heard.take(), QStringList{"Score entered: Max with 7 steps."});
        QCOMPARE(cell(window, 2, 0), QStringLiteral("Max"));

        // The table: Ctrl+1 sorts by Name, Ctrl+2 by Score and again the
        // other way, Delete removes the current row.
        key(Qt::Key_Tab, Qt::ShiftModifier), key(Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), window.control<QWidget>(Control::ScoreTable));
        key(Qt::Key_1, Qt::ControlModifier);
        QCOMPARE(heard.take(), QStringList{"Sorted by Name, ascending. Now at Ann, 7."});
        QCOMPARE(cell(window, 2, 0), QStringLiteral("Max"));
        key(Qt::Key_2, Qt::ControlModifier), key(Qt::Key_2, Qt::ControlModifier);
        QCOMPARE(heard.take(), (QStringList{"Sorted by Score, ascending. Now at Ann, 7.", "Sorted by Score, descending. Now at Ann, 7."}));
        QCOMPARE(cell(window, 0, 0), QStringLiteral("Bob"));
        key(Qt::Key_Delete);
        QCOMPARE(heard.take(), QStringList{"Removed Ann, 7. Now at Max, 7."});
        QCOMPARE(scores(window).rowCount(), 2);
        key(Qt::Key_Down); // Max is the last row
        QCOMPARE(heard.take(), QStringList{"Last row."});
        key(Qt::Key_Delete), key(Qt::Key_Delete);
        QCOMPARE(heard.take(), (QStringList{"Removed Max, 7. Now at Bob, 12.", "Removed Bob, 12. The table is empty."}));
        // Emptied and filled again, the table has a current row as it takes the focus.
        key(Qt::Key_Tab), key(Qt::Key_Tab), key(Qt::Key_Return);
        window.scores().settle();
        QCOMPARE(heard.take(), QStringList{"Score entered: Max with 7 steps."});
        key(Qt::Key_Tab, Qt::ShiftModifier), key(Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(window.control<ListBox>(Control::ScoreTable)->currentIndex().row(), 0);

        // Return on New Game deals, back on the board, and says so at the tick.
        key(Qt::Key_Tab, Qt::ShiftModifier), key(Qt::Key_Return);
        const auto *tile = qobject_cast<ImageWell *>(QApplication::focusWidget());
        QVERIFY(tile && tile->showsFocusFrame());
        window.Timer1_Action();
        QCOMPARE(heard.take(), QStringList{"New board dealt. New Game comes back once it is solved."});

        // F10 opens the File menu on its first item, and the menu says its name.
        Heard menus(MenuBar1::instance()->child(QStringLiteral("FileMenu")));
        key(Qt::Key_F10);
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu && menu->activeAction() == menu->actions().constFirst());
        QTRY_VERIFY(menus.any());
        QCOMPARE(menus.take(), QStringList{"File menu"});
        // Right goes on to the Edit menu, which says its name in turn (what
        // else a screen reader hears between the menus, orca.sh counts).
        Heard edit(MenuBar1::instance()->child(QStringLiteral("EditMenu")));
        QTest::keyClick(menu, Qt::Key_Right);
        QTRY_VERIFY(edit.any());
        QCOMPARE(edit.take(), QStringList{"Edit menu"});
        menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QCOMPARE(menu->objectName(), QStringLiteral("EditMenu"));
        menu->close();
    }

    void theInstructionsAreReadOnceWithTheirKeys()
    {
        // A screen reader reads the window as it opens, the keys last, and
        // nothing is announced from inside it, which would have it read the
        // window again; "(1 ... 9)" is read as "1 to 9".
        Window2 instructions;
        Heard heard(&instructions);
        instructions.show();
        QVERIFY(QTest::qWaitForWindowActive(&instructions));
        QTest::qWait(400);
        QCOMPARE(heard.take(), QStringList());
        const auto labels = instructions.content()->findChildren<QLabel *>();
        QVERIFY(labels.constFirst()->accessibleName().startsWith(QStringLiteral("Each blue tile has a number (1 to 9) associated")));
        QVERIFY(labels.constLast()->accessibleName().endsWith(QStringLiteral("reverse the order. Return or Escape goes back.")));
        // Return on Back, which has the focus, presses it once.
        auto *button = qobject_cast<QPushButton *>(QApplication::focusWidget());
        QVERIFY(button);
        QSignalSpy back(button, &QPushButton::clicked);
        QTest::keyClick(button, Qt::Key_Return);
        QTest::qWait(300);
        QCOMPARE(back.count(), 1);
    }

    void troubleIsToldAndNeverHidden()
    {
        // Play goes on: the file too large to read is told as the game opens,
        // each score saved to it that will not come back is told in one
        // window however often, and one trouble never takes the place of another.
        QVERIFY(QFile::resize(scoreFile(), ScoreFileLimit + 1));
        Window1 window;
        solve(window);
        for (int press = 0; press < 3; ++press)
            window.PushButton3_Action();
        window.scores().settle();
        QTRY_COMPARE(window.findChildren<QMessageBox *>().size(), 2);
        QCOMPARE(scores(window).rowCount(), 3); // none read
        for (const char *part : {"could not be read", "too large to be read"}) {
            const auto messages = window.findChildren<QMessageBox *>();
            QVERIFY2(std::count_if(messages.begin(), messages.end(), [&](const QMessageBox *message) {
                         return message->isVisible() && !message->isModal() && message->text().contains(part);
                     }) == 1, part);
        }
        QFile::remove(scoreFile());
    }

    void keyboardReachesEverything()
    {
        Window1 window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QWidget *tile = well(window, 2);
        const QImage unfocused = tile->grab().toImage();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right); // from the top-left tile
        // The focus frame: two pixels around the tile, each changed by 3:1 or more.
        const QImage focused = tile->grab().toImage();
        for (int y = 0; y < focused.height(); ++y)
            for (int x = 0; x < focused.width(); ++x)
                if (std::min({x, y, focused.width() - 1 - x, focused.height() - 1 - y}) < 2)
                    QVERIFY2(ContrastRatio(focused.pixelColor(x, y), unfocused.pixelColor(x, y)) >= 3.0,
                             qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
        solve(window); // everything enabled
        QStringList chain;
        for (int stop = 0; stop < 7; ++stop) {
            chain << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        // Solved, a keyboard player is taken to the name field; Tab goes round from there.
        QCOMPARE(chain, (QStringList{"EditField1", "ImageWell2", "PushButton1", "PushButton2", "ListBox1", "PushButton3",
                                     "EditField1"}));
        // Hidden for the instructions and shown again, the window still shows where the focus is.
        window.hide();
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QStyleOption option;
        option.initFrom(window.focusWidget());
        QVERIFY(option.state & QStyle::State_KeyboardFocusChange);
    }

    void scoreTableScrollsToEveryRow()
    {
        // The keys bring the current row into view, scrolling whole rows; at
        // the end the last row stands on the bottom edge, where a click
        // removes it. A client that lists the table's children gets the
        // headings and the first rows: every cell is there to ask for, but
        // listing all of a big table would stall the game.
        constexpr int rows = 100000;
        QFile file(scoreFile());
        QVERIFY(file.open(QIODevice::Append));
        for (int row = 0; row < rows; ++row)
            file.write("P" + QByteArray::number(row) + ",5\n");
        file.close();
        Window1 window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        solve(window);
        auto *list = window.control<ListBox>(Control::ScoreTable);
        list->setFocus();
        const QRect inside = list->viewport()->rect();
        for (auto [key, modifier] : {std::pair(Qt::Key_PageDown, Qt::NoModifier), {Qt::Key_End, Qt::ControlModifier},
                                     {Qt::Key_PageUp, Qt::NoModifier}, {Qt::Key_Up, Qt::NoModifier},
                                     {Qt::Key_Home, Qt::ControlModifier}, {Qt::Key_Down, Qt::NoModifier}}) {
            QTest::keyClick(list, key, modifier);
            const QRect shown = list->visualRect(list->currentIndex());
            QVERIFY2(inside.contains(shown), qPrintable(QStringLiteral("row %1").arg(list->currentIndex().row())));
            QCOMPARE(list->indexAt(shown.center()), list->currentIndex());
        }
        QCOMPARE(list->currentIndex().row(), 1);
        QTest::keyClick(list, Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(list->visualRect(list->currentIndex()).bottom(), inside.bottom());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(2, inside.bottom()));
        QCOMPARE(scores(window).rowCount(), rows + 1);
        QCOMPARE(cell(window, rows, 0), "P" + QString::number(rows - 2));
        QAccessibleInterface *table = QAccessible::queryAccessibleInterface(list);
        QAccessibleActionInterface *sort = table->child(1)->actionInterface(); // the Score heading's
        sort->doAction(sort->actionNames().value(0)), sort->doAction(sort->actionNames().value(0));
        window.scores().settle();
        QCOMPARE(cell(window, 0, 1), QStringLiteral("12")); // sorted as two clicks sort it
        QCOMPARE(table->childCount(), 2 * 1001);
        QCOMPARE(table->child(table->childCount() - 1)->text(QAccessible::Name), QStringLiteral("5"));
        QCOMPARE(table->tableInterface()->cellAt(rows, 0)->text(QAccessible::Name), "P" + QString::number(rows - 2));
    }

    void textsReadAndFit_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("dark");
        QTest::addColumn<qreal>("fontScale");
        for (const char *language : {"en", "de", "fr", "es"}) {
            QTest::addRow("%s, dark palette, default font", language) << language << true << 1.0;
            QTest::addRow("%s, dark palette, font 1.5 times", language) << language << true << 1.5;
            QTest::addRow("%s, light palette, font twice", language) << language << false << 2.0;
        }
    }

    void textsReadAndFit()
    {
        QFETCH(QString, language);
        QFETCH(bool, dark);
        QFETCH(qreal, fontScale);
        QTranslator translation;
        QVERIFY(language == "en" || translation.load(QLocale(language), "corvanthelix", "_", ":/i18n"));
        QCoreApplication::installTranslator(&translation);
        QFile file(scoreFile()); // enough rows for the scroll bar that narrows the headings
        QVERIFY(file.open(QIODevice::Append));
        file.write(QByteArray("Cy,3\n").repeated(20));
        file.close();
        // Made on the default desktop and half played; then the desktop
        // changes its palette and font, and later changes them back.
        Window1 main;
        Window2 instructions;
        AboutWindow about;
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        for (int well : {1, 2, 3})
            main.ImageWell_MouseDown(well, 20, 20);
        main.Timer1_Action(); // the sums too
        main.control<QLineEdit>(Control::NameField)->setText(QStringLiteral("Ann"));
        main.control<ListBox>(Control::ScoreTable)->clickHeading(1);
        Grid before = grid(main);

        const QPalette light = QApplication::palette();
        const QFont font = QApplication::font();
        QPalette palette = light;
        for (auto [role, colour] : {std::pair{QPalette::Window, 0x222222}, {QPalette::WindowText, 0xEEEEEE},
                                    {QPalette::Base, 0x2A2A2A}, {QPalette::Text, 0xEEEEEE},
                                    {QPalette::Button, 0x333333}, {QPalette::ButtonText, 0xEEEEEE}})
            palette.setColor(role, QColor::fromRgb(QRgb(colour)));
        QApplication::setPalette(dark ? palette : light);
        QFont larger = font;
        larger.setPointSizeF(font.pointSizeF() * fontScale);
        QApplication::setFont(larger);
        QTRY_COMPARE(main.content()->size(), Scaled(QRect(0, 0, 800, 800), LayoutScale()).size());
        QTRY_COMPARE(main.content()->palette().color(QPalette::Window), QApplication::palette().color(QPalette::Window));
        // The words drawn into the instructions' pictures fit their places in every language.
        QStringList faults = WordsTooLong(TranslatedWords()) << headingFault(main.control<ListBox>(Control::ScoreTable));
        for (const Window *window : {static_cast<Window *>(&main), static_cast<Window *>(&instructions),
                                     static_cast<Window *>(&about)})
            for (const QWidget *widget : window->content()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
                faults << fitFault(widget);
                if (qobject_cast<const QLabel *>(widget))
                    faults << contrastFault(widget, QPalette::WindowText, QPalette::Window);
                else if (qobject_cast<const QAbstractButton *>(widget))
                    faults << contrastFault(widget, QPalette::ButtonText, QPalette::Button);
                else if (qobject_cast<const QAbstractScrollArea *>(widget) || qobject_cast<const QLineEdit *>(widget))
                    faults << contrastFault(widget, QPalette::Text, QPalette::Base);
            }
        QApplication::setPalette(light);
        QApplication::setFont(font);
        QCoreApplication::removeTranslator(&translation);
        faults.removeAll(QString());
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
        // Nothing of the game is lost, and the default desktop's look is back exactly.
        QCOMPARE(ControlText(main.control<QWidget>(Control::StepCounter)), QStringLiteral("1"));
        main.ImageWell_MouseDown(4, 20, 20); // the pick of well 3 was still pending
        std::swap(before[2], before[3]);
        QCOMPARE(grid(main), before);
        QCOMPARE(ControlText(main.control<QWidget>(Control::NameField)), QStringLiteral("Ann"));
        QCOMPARE(scores(main).sortColumn(), 1);
        QTRY_COMPARE(main.content()->size(), QSize(800, 800));
        QTRY_COMPARE(main.control<QLabel>(Control::TopRowSum)->palette().color(QPalette::WindowText), QColor(0x3C, 0x20, 0xCF));
    }

    void editCommandsActOnTheNameFieldOnly()
    {
        Window1 window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto *field = window.control<QLineEdit>(Control::NameField);
        auto choose = [](const char *item) { MenuBar1::instance()->item(QString::fromLatin1(item))->trigger(); };
        for (QWidget *focus : {static_cast<QWidget *>(field), window.control<QWidget>(Control::NewGame)}) {
            focus->setFocus();
            QTest::keyClicks(field, QStringLiteral("Ann"));
            for (const char *item : {"EditSelectAll", "EditCut", "EditPaste", "EditPaste", "EditSelectAll", "EditClear", "EditUndo"})
                choose(item);
            field->home(false);
            choose("EditClear"); // never a character the player did not select
        }
        QCOMPARE(field->text(), QStringLiteral("AnnAnnAnn"));
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
        QCOMPARE(lines[2], QCoreApplication::applicationVersion());
        QVERIFY(Window1::instance()->isVisible()); // not modal, nothing hidden
    }
};

int main(int argc, char **argv)
{
    App app(argc, argv);
    LoadTranslations(app); // what the player reads and hears: "1 step", not "1 steps"
    StartUp(app); // the program's own start-up, without its event loop
    TestWindows test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_windows.moc"
