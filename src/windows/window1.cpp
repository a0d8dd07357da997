// Corvanthelix - the main window: the grid, the sums, the buttons and the scores.
#include "windows/window1.h"

#include "platform/bell.h"
#include "platform/focusgrid.h"
#include "platform/imagewell.h"
#include "platform/lengthlimit.h"
#include "platform/listbox.h"
#include "platform/messages.h"
#include "platform/pressorigin.h"
#include "puzzle/newgame.h"
#include "puzzle/solvedwatch.h"
#include "scores/scorefile.h"
#include "windows/window2.h"

#include <QAccessible>
#include <QAction>
#include <QCloseEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QLocale>
#include <QPointer>
#include <QPushButton>
#include <limits>

namespace {
QPointer<Window1> shared;
}

Window1 *Window1::instance()
{
    if (!shared) {
        shared = new Window1;
        shared->show();
    }
    return shared;
}

void Window1::releaseInstance()
{
    delete shared;
}

class Window1::OnScreen : public Board
{
public:
    explicit OnScreen(Window1 *window) : m_window(window) {}

    const Picture *picture(int well) const override { return m_window->m_wells[size_t(well - 1)]->picture(); }
    void setPicture(int well, const Picture *picture) override { m_window->m_wells[size_t(well - 1)]->setPicture(picture); }
    QString text(Control control) const override { return ControlText(m_window->control<QWidget>(control)); }
    void setText(Control control, const QString &text) override { SetControlText(m_window->control<QWidget>(control), text); }
    void setEnabled(Control control, bool enabled) override { m_window->control<QWidget>(control)->setEnabled(enabled); }
    void setVisible(Control control, bool visible) override { m_window->control<QWidget>(control)->setVisible(visible); }
    void setTimerMode(Timer::Mode mode) override { m_window->m_timer->setMode(mode); }
    void beep() override { SystemBeep(); }

private:
    Window1 *m_window;
};

Window1::Window1()
    : Window(Settings)
    , m_board(std::make_unique<OnScreen>(this))
{
    CreateControls0();
    Event_Open();
}

Window1::~Window1() = default;

void Window1::CreateControls0()
{
    createControls(Controls);
    for (int well = 0; well < 9; ++well)
        m_wells[size_t(well)] = created<ImageWell>(Well1 + well);
    m_timer = created<Timer>(Timer1);
    m_instructions = created<QPushButton>(InstructionsButton);
    m_newGame = control<QPushButton>(Control::NewGame);
    m_enterScore = control<QPushButton>(Control::EnterScore);
    m_scoreTable = control<ListBox>(Control::ScoreTable);
    m_nameField = control<QLineEdit>(Control::NameField);
    m_scoreTable->setModel(&m_scores.table());
    m_narrator = std::make_unique<Narrator>(this, *m_board, m_wells, m_nameField, m_scoreTable);
    // The instructions speak of clicks alone.
    tellOnOpen(tr("Keys: Space picks and swaps, the arrows move, S reads all sums, Ctrl+1 and Ctrl+2 sort, Delete removes."));
    bindHandlers();

    // Keyboard play: the grid is one Tab stop and has the focus at the start.
    m_grid = new FocusGrid(QList<QWidget *>(m_wells.begin(), m_wells.end()), 3, this);
    m_wells[0]->setFocus();
    WatchPresses(m_newGame);
    for (ImageWell *well : m_wells)
        WatchPresses(well);
}

void Window1::bindHandlers()
{
    // In this order: the wells, the timer, the buttons, the table.
    using Handler = void (Window1::*)(int, int);
    static constexpr Handler wellHandlers[] = {
        &Window1::ImageWell1_MouseDown, &Window1::ImageWell2_MouseDown, &Window1::ImageWell3_MouseDown,
        &Window1::ImageWell4_MouseDown, &Window1::ImageWell5_MouseDown, &Window1::ImageWell6_MouseDown,
        &Window1::ImageWell7_MouseDown, &Window1::ImageWell8_MouseDown, &Window1::ImageWell9_MouseDown,
    };
    for (size_t well = 0; well < 9; ++well)
        connect(m_wells[well], &ImageWell::mouseDown, this, wellHandlers[well]);
    connect(m_timer, &Timer::action, this, &Window1::Timer1_Action);
    connect(m_instructions, &QPushButton::clicked, this, &Window1::PushButton1_Action);
    connect(m_newGame, &QPushButton::clicked, this, &Window1::PushButton2_Action);
    ListBox1_Open();
    connect(m_scoreTable, &ListBox::cellClick, this, &Window1::ListBox1_CellClick);
    connect(m_enterScore, &QPushButton::clicked, this, &Window1::PushButton3_Action);
    connect(this, &Window::mouseDown, this, &Window1::Event_MouseDown);

    // Return in the name field presses Enter Score; S on a tile reads every sum.
    connect(m_nameField, &QLineEdit::returnPressed, m_enterScore, [this] {
        if (m_enterScore->isEnabled())
            m_enterScore->click();
    });
    auto *readBoard = new QAction(this);
    readBoard->setShortcut(Qt::Key_S);
    readBoard->setShortcutContext(Qt::WidgetShortcut);
    for (ImageWell *well : m_wells)
        well->addAction(readBoard);
    connect(readBoard, &QAction::triggered, this, [this] { m_narrator->readBoard(); });

    ScoreJob &job = m_scores.job();
    connect(&job, &ScoreJob::sorted, this, [this](int column, Qt::SortOrder order) { m_narrator->sorted(column, order); });
    connect(&job, &ScoreJob::notEnoughMemory, this, [this] {
        m_scoreTable->showSortMark(m_scores.table().sortColumn(), m_scores.table().sortOrder());
    });
    connect(&job, &ScoreJob::found, m_scoreTable, &ListBox::showFound);
    connect(&m_scores, &ScoreKeeper::entered, this, [this](int row) { m_narrator->entered(row); });
    connect(&m_scores, &ScoreKeeper::trouble, this, [this](const QString &title, const QString &text) { Tell(this, title, text); });

    // A name is kept whole or not at all: an edit past the limit is refused
    // and told, never cut short by the field's own maximum.
    auto *limit = new LengthLimit(ScoreNameLimit, m_nameField);
    m_nameField->setMaxLength(std::numeric_limits<int>::max());
    m_nameField->setValidator(limit);
    connect(limit, &LengthLimit::refused, this, [this](int length) {
        Tell(this, tr("Name too long"),
             tr("A name can have at most %1 characters, so that each score stays one line of the score file. "
                "That would have made it %2 characters long, so it was not taken: the name is as it was.")
                 .arg(QLocale().toString(ScoreNameLimit), QLocale().toString(length)));
    }, Qt::QueuedConnection);
}

void Window1::ImageWell_MouseDown(int well, int, int)
{
    m_playedByKey = !PressedByMouse(m_wells[size_t(well - 1)]);
    m_timer->wake();
    m_narrator->clicked(ClickWell(*m_board, selection, well), selection);
}

void Window1::Timer1_Action()
{
    const Tick tick = WatchTick(*m_board, selection);
    if (tick.solved) {
        m_narrator->solved();
        // A screen reader speaks a change of focus: a player who plays by
        // keyboard or listens is taken to the name field, where the score
        // goes next. A mouse player's focus stays where it was.
        if (QAccessible::isActive() || m_playedByKey)
            m_nameField->setFocus(Qt::OtherFocusReason);
    } else {
        m_narrator->ticked(tick);
    }
    // The sums now show the board, and only a click or New Game changes it:
    // until then the game need not wake.
    m_timer->sleep();
}

void Window1::PushButton1_Action()
{
    hide();
    Window2::instance()->showInPlaceOf(this);
}

void Window1::PushButton2_Action()
{
    m_playedByKey = !PressedByMouse(m_newGame);
    NewGame(*m_board, selection, m_random);
    m_timer->wake();
    m_narrator->dealt();
    // The button disables itself, and Qt would pass its focus on to the name
    // field: every player goes on with the new board instead. A player on
    // the keyboard or with a screen reader sees the focus frame there; a
    // mouse player sees nothing at all, no frame and no caret.
    const bool shown = m_playedByKey || QAccessible::isActive();
    m_grid->current()->setFocus(shown ? Qt::TabFocusReason : Qt::OtherFocusReason);
}

void Window1::ListBox1_Open()
{
    // Translated on screen only: the score file has no headings.
    m_scoreTable->setHeadings(tr("Name") + QLatin1Char('\t') + tr("Score"));
}

void Window1::ListBox1_CellClick(int row, int, int, int)
{
    const QString removed = m_narrator->rowText(row);
    if (m_scores.table().removeRow(row))
        m_narrator->removed(removed);
}

void Window1::PushButton3_Action()
{
    m_scores.enter(m_nameField->text(), m_board->text(Control::StepCounter));
}

void Window1::Event_Open()
{
    m_scores.load();
    selection.clear();
}

void Window1::Event_MouseDown(int, int)
{
}

void Window1::closeEvent(QCloseEvent *event)
{
    // The main window is the game: the player closing it ends the program,
    // even while the About window is still open.
    QMainWindow::closeEvent(event);
    if (event->isAccepted() && event->spontaneous())
        QCoreApplication::quit();
}
