// Corvanthelix - the main window: the grid, the sums, the buttons and the scores.
#include "windows/window1.h"

#include "platform/announce.h"
#include "platform/bell.h"
#include "platform/datafolder.h"
#include "platform/focusgrid.h"
#include "platform/imagewell.h"
#include "platform/listbox.h"
#include "platform/textnumbers.h"
#include "platform/timer.h"
#include "puzzle/newgame.h"
#include "puzzle/solvedwatch.h"
#include "scores/scorefile.h"
#include "windows/window2.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

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

    const Picture *picture(int well) const override
    {
        Q_ASSERT(well >= 1 && well <= 9);
        return m_window->m_wells[well - 1]->picture();
    }

    void setPicture(int well, const Picture *picture) override
    {
        Q_ASSERT(well >= 1 && well <= 9);
        m_window->m_wells[well - 1]->setPicture(picture);
    }

    QString text(Control control) const override { return ControlText(m_window->control<QWidget>(control)); }

    void setText(Control control, const QString &text) override
    {
        SetControlText(m_window->control<QWidget>(control), text);
    }

    void setEnabled(Control control, bool enabled) override
    {
        m_window->control<QWidget>(control)->setEnabled(enabled);
    }

    void setVisible(Control control, bool visible) override
    {
        m_window->control<QWidget>(control)->setVisible(visible);
    }

    void setTimerMode(int mode) override { m_window->m_timer->setMode(mode); }
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

void Window1::CreateControls0()
{
    createControls(Controls);
    for (int well = 1; well <= 9; ++well)
        m_wells[well - 1] = control<ImageWell>(QLatin1String(Wells[well - 1]));
    m_timer = control<Timer>(QLatin1String(WatchTimer));
    auto *list = control<ListBox>(Control::ScoreTable);
    list->setModel(&m_scores);
    connect(&m_scores, &ScoreTable::notEnoughMemory, this, &Window1::tableOutOfMemory);

    // Bound in this order: the wells, the timer, the buttons, the table.
    using Handler = bool (Window1::*)(int, int);
    static constexpr Handler wellHandlers[] = {
        &Window1::ImageWell1_MouseDown, &Window1::ImageWell2_MouseDown, &Window1::ImageWell3_MouseDown,
        &Window1::ImageWell4_MouseDown, &Window1::ImageWell5_MouseDown, &Window1::ImageWell6_MouseDown,
        &Window1::ImageWell7_MouseDown, &Window1::ImageWell8_MouseDown, &Window1::ImageWell9_MouseDown,
    };
    for (int well = 0; well < 9; ++well)
        connect(m_wells[well], &ImageWell::mouseDown, this, wellHandlers[well]);
    connect(m_timer, &Timer::action, this, &Window1::Timer1_Action);
    connect(control<QPushButton>(QLatin1String(InstructionsButton)), &QPushButton::clicked, this,
            &Window1::PushButton1_Action);
    connect(control<QPushButton>(Control::NewGame), &QPushButton::clicked, this,
            &Window1::PushButton2_Action);
    ListBox1_Open();
    connect(list, &ListBox::cellClick, this, &Window1::ListBox1_CellClick);
    connect(list->header(), &QHeaderView::sortIndicatorChanged, this, &Window1::announceSort);
    auto *enter = control<QPushButton>(Control::EnterScore);
    connect(enter, &QPushButton::clicked, this, &Window1::PushButton3_Action);
    connect(this, &Window::mouseDown, this, &Window1::Event_MouseDown);

    // Keyboard play: the grid is one Tab stop and has the focus at the start;
    // Return in the name field presses Enter Score.
    m_grid = new FocusGrid(QList<QWidget *>(m_wells.begin(), m_wells.end()), 3, this);
    m_wells[0]->setFocus();
    connect(control<QLineEdit>(Control::NameField), &QLineEdit::returnPressed, enter, [enter] {
        if (enter->isEnabled())
            enter->click();
    });
    // S on a tile reads every sum beside its target.
    auto *board = new QAction(this);
    board->setShortcut(Qt::Key_S);
    board->setShortcutContext(Qt::WidgetShortcut);
    for (ImageWell *well : m_wells)
        well->addAction(board);
    connect(board, &QAction::triggered, this, &Window1::speakBoard);
}

bool Window1::ImageWell_MouseDown(int well, int, int)
{
    m_timer->wake();
    const bool handled = ClickWell(*m_board, selection, well);
    showPick();
    if (selection.inum1 != 0)
        Announce(this, tr("Picked."));
    return handled;
}

void Window1::Timer1_Action()
{
    const bool watching = m_timer->mode() != Timer::Off;
    WatchTick(*m_board, selection);
    describeTiles();
    if (watching && m_timer->mode() == Timer::Off) {
        showPick();
        announceSolved();
    }
    // The sums now show the board, and only a click or New Game changes it:
    // until then the game need not wake.
    m_timer->sleep();
}

void Window1::announceSolved()
{
    // "DONE" and the beep reach the eye and the ear; a screen reader speaks a
    // change of focus. So a player who plays by keyboard or listens is taken
    // to the name field, whose description now says the board is solved. A
    // mouse player's focus stays where it was.
    auto *field = control<QLineEdit>(Control::NameField);
    field->setAccessibleDescription(tr("Solved in %n steps.", nullptr, int(Val(m_board->text(Control::StepCounter)))));
    const auto *well = qobject_cast<const ImageWell *>(QApplication::focusWidget());
    if (QAccessible::isActive() || testAttribute(Qt::WA_KeyboardFocusChange) || (well && well->showsFocusFrame()))
        field->setFocus(Qt::OtherFocusReason);
}

void Window1::describeTiles()
{
    // Each tile describes its lines, read with it and on Where Am I; the
    // focused one tells what just happened at the tick that shows its sums,
    // so a swap is heard without moving the focus.
    const QString steps = m_board->text(Control::StepCounter);
    QString news = std::exchange(m_news, QString());
    if (news.isEmpty() && steps != m_describedSteps)
        news = tr("%n steps.", nullptr, int(Val(steps)));
    m_describedSteps = steps;
    for (int well = 1; well <= 9; ++well)
        Describe(m_wells[well - 1], LinesThrough(*m_board, well), news);
}

void Window1::showPick()
{
    for (int well = 1; well <= 9; ++well)
        m_wells[well - 1]->setChecked(selection.inum1 != 0 && selection.wellname1 == well);
}

void Window1::speakBoard()
{
    auto *tile = qobject_cast<ImageWell *>(QApplication::focusWidget());
    if (tile)
        Announce(this, AllLines(*m_board));
}

void Window1::PushButton1_Action()
{
    hide();
    Window2::instance()->show();
}

void Window1::PushButton2_Action()
{
    // The button disables itself, and Qt passes its focus on to the name
    // field. A player on the keyboard or a screen reader goes on with the new
    // board instead; a mouse player's focus moves as it always has.
    const bool keyboard = QAccessible::isActive() || testAttribute(Qt::WA_KeyboardFocusChange);
    NewGame(*m_board, selection, m_random);
    m_timer->wake();
    showPick();
    // The old lines would be heard with the focus; the new ones come at the tick.
    for (ImageWell *tile : m_wells)
        tile->setAccessibleDescription(QString());
    m_news = tr("New board dealt.");
    control<QLineEdit>(Control::NameField)->setAccessibleDescription(QString());
    if (keyboard)
        m_grid->current()->setFocus(Qt::TabFocusReason);
}

void Window1::ListBox1_Open()
{
    // Translated on screen only: the score file has no headings.
    control<ListBox>(Control::ScoreTable)->setHeadings(tr("Name") + QLatin1Char('\t') + tr("Score"));
}

bool Window1::ListBox1_CellClick(int row, int, int, int)
{
    const QString removed = spokenRow(row);
    m_scores.removeRow(row);
    if (QAccessible::isActive()) {
        const QModelIndex current = control<ListBox>(Control::ScoreTable)->currentIndex();
        Announce(this, current.isValid() ? tr("Removed %1. Now at %2.").arg(removed, spokenRow(current.row()))
                                         : tr("Removed %1. The table is empty.").arg(removed));
    }
    return false;
}

QString Window1::spokenRow(int row) const
{
    return m_scores.index(row, 0).data().toString() + QStringLiteral(", ") + m_scores.index(row, 1).data().toString();
}

void Window1::announceSort(int column, Qt::SortOrder order)
{
    // Heard only when the table did sort: without the memory for it, a
    // message says so instead.
    if (column < 0 || m_scores.sortColumn() != column || m_scores.sortOrder() != order)
        return;
    const QString heading = m_scores.headerData(column, Qt::Horizontal).toString();
    Announce(this, order == Qt::AscendingOrder ? tr("Sorted by %1, ascending.").arg(heading)
                                               : tr("Sorted by %1, descending.").arg(heading));
}

void Window1::PushButton3_Action()
{
    const QString name = ScoreName(m_board->text(Control::NameField));
    const QString score = m_board->text(Control::StepCounter);
    QString problem;
    const QString path = ScoreFilePath(ApplicationDataFolder(&problem));
    const AppendResult result = problem.isEmpty() ? AppendScoreLine(path, name + QLatin1Char(',') + score)
                                                  : AppendResult{false, problem};
    if (m_scores.addRow(name, score) < 0)
        tell(tr("Score not shown"), tr("There is not enough memory to show your score in the table."));
    else
        Announce(this, tr("Score entered: %1 with %n steps.", nullptr, int(Val(score))).arg(name));
    if (!result.stored)
        tell(tr("Score not saved"), NotSavedMessage(path, result.reason));
}

void Window1::tell(const QString &title, const QString &text)
{
    // Not modal: the game goes on. One window for each kind of trouble,
    // brought up to date however often it comes back, so that a later
    // trouble never takes the place of one the player has not yet read.
    QPointer<QMessageBox> &message = m_messages[title];
    if (!message) {
        message = new QMessageBox(QMessageBox::Warning, title, text, QMessageBox::Ok, this);
        message->setObjectName(QStringLiteral("Message"));
        message->setTextFormat(Qt::PlainText);
        message->setAttribute(Qt::WA_DeleteOnClose);
        message->setWindowModality(Qt::NonModal);
    }
    message->setText(text);
    message->show();
    message->raise();
    message->activateWindow();
}

void Window1::Event_Open()
{
    QString problem;
    const QString path = ScoreFilePath(ApplicationDataFolder(&problem));
    if (!problem.isEmpty())
        tell(tr("Scores not read"), NotLoadedMessage(path, problem));
    // A small file is read at once. A big one is read beside the first paint,
    // and its rows come before any score entered meanwhile; when the system
    // allows no more threads, it is read here after all.
    auto file = std::make_shared<ScoreFileReader>(path);
    auto read = [this, path, file] {
        auto rows = std::make_shared<ScoreRows>(file->load(&m_loadProblem, &m_stopLoading));
        QMetaObject::invokeMethod(this, [this, path, rows] { showLoaded(path, std::move(*rows)); });
    };
    if (file->size() > (qint64(1) << 20)) {
        try {
            m_loader = std::thread(read);
        } catch (const std::system_error &) {
        }
    }
    if (!m_loader.joinable())
        showLoaded(path, file->load(&m_loadProblem));
    selection.clear();
}

void Window1::showLoaded(const QString &path, ScoreRows &&rows)
{
    if (!m_scores.addLoadedRows(std::move(rows)))
        m_loadProblem = QCoreApplication::translate("ScoreFile", "there is not enough memory to read it");
    showSortMark();
    if (!m_loadProblem.isEmpty())
        tell(tr("Scores not read"), NotLoadedMessage(path, m_loadProblem));
}

void Window1::showSortMark()
{
    // Set without asking the table to sort again: it is sorted so already.
    QHeaderView *header = control<ListBox>(Control::ScoreTable)->header();
    const QSignalBlocker quiet(header);
    header->setSortIndicator(m_scores.sortColumn(), m_scores.sortOrder());
}

void Window1::tableOutOfMemory()
{
    showSortMark();
    tell(tr("Not enough memory"), tr("There is not enough memory to sort or search the score table, so it stays as it was."));
}

Window1::~Window1()
{
    // Quitting while a big file loads does not wait for the rest of it.
    m_stopLoading = true;
    if (m_loader.joinable())
        m_loader.join();
}
bool Window1::Event_MouseDown(int, int)
{
    return false;
}

void Window1::closeEvent(QCloseEvent *event)
{
    // The main window is the game: the player closing it ends the program,
    // even while the About window is still open.
    QMainWindow::closeEvent(event);
    if (event->isAccepted() && event->spontaneous())
        QCoreApplication::quit();
}

