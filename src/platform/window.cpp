// Corvanthelix - a fixed-size window whose controls come from a layout table.
#include "platform/window.h"

#include "platform/announce.h"
#include "platform/application.h"
#include "platform/menubar.h"

#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QStyle>
#include <QStyleHints>
#include <QTimer>

#include <utility>

Window::Window(const WindowSettings &settings, QWidget *parent)
    : QMainWindow(parent)
    , m_frame(new QWidget(this))
    , m_content(new QWidget(m_frame))
    , m_scale(LayoutScale())
    , m_designedSize(settings.width, settings.height)
{
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (settings.closeButton)
        flags |= Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint;
    if (settings.minimiseButton)
        flags |= Qt::WindowMinimizeButtonHint | Qt::WindowSystemMenuHint;
    setWindowFlags(flags);
    setWindowTitle(QCoreApplication::translate("Window", settings.title));

    if (Application *app = Application::instance(); app && app->menuBar())
        app->menuBar()->attachTo(this);
    // F10 opens the first menu on its first item, as in the desktop's own programs.
    connect(new QShortcut(QKeySequence(Qt::Key_F10), this), &QShortcut::activated, this, [this] {
        auto *bar = qobject_cast<QMenuBar *>(menuWidget());
        if (!bar || bar->actions().isEmpty())
            return;
        QAction *first = bar->actions().constFirst();
        bar->setActiveAction(first);
        if (first->menu() && !first->menu()->actions().isEmpty())
            first->menu()->setActiveAction(first->menu()->actions().constFirst());
    });

    m_content->setFixedSize(Scaled(QRect(QPoint(), m_designedSize), m_scale).size());
    m_content->installEventFilter(this);
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    // A desktop may tell a switch between light and dark as its colour scheme.
    connect(QGuiApplication::styleHints(), &QStyleHints::colorSchemeChanged, this, &Window::applyLook);
#endif
    setCentralWidget(m_frame);
    // The window takes exactly the content plus the menu bar, and cannot be
    // resized or maximised.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    fitScreen();
}

void Window::createControls(std::span<const ControlRow> table)
{
    m_table = table;
    for (const ControlRow &row : table)
        m_made.push_back(CreateControl(m_content, row, m_scale, metaObject()->className()));
    for (size_t i = 0; i < table.size(); ++i)
        if (*table[i].labelFor)
            for (size_t buddy = 0; buddy < table.size(); ++buddy)
                if (qstrcmp(table[buddy].name, table[i].labelFor) == 0)
                    static_cast<QLabel *>(m_made[i])->setBuddy(static_cast<QWidget *>(m_made[buddy]));
}

void Window::tellOnOpen(const QString &text)
{
    if (!ReadsOnOpen(this)) {
        m_toldOnOpen = text;
        return;
    }
    QLabel *last = nullptr;
    for (QObject *made : m_made)
        if (auto *label = qobject_cast<QLabel *>(made))
            last = label;
    Q_ASSERT_X(last, "Window::tellOnOpen", "a window read as it opens has a label");
    last->setAccessibleName(last->text() + QLatin1Char(' ') + text);
}

void Window::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        m_scale = LayoutScale();
        m_content->setFixedSize(Scaled(QRect(QPoint(), m_designedSize), m_scale).size());
        applyLook();
        fitScreen();
    } else if (event->type() == QEvent::PaletteChange) {
        applyLook();
    } else if (event->type() == QEvent::ActivationChange && isActiveWindow() && std::exchange(m_opening, false)) {
        // A screen reader queues it after what it says of the window and its focus.
        QTimer::singleShot(300, this, [this] { Announce(this, m_toldOnOpen); });
    }
}

void Window::fitScreen()
{
    // A window larger than the screen's room, whatever made it so (a small
    // screen, a scale factor, a larger font), scrolls, so that every control
    // stays within reach; one that fits keeps exactly the layout's own size.
    const QSize content = m_content->size();
    QSize room = screen()->availableGeometry().size() - QSize(0, menuWidget() ? menuWidget()->sizeHint().height() : 0);
    // The window system's frame, as it was drawn, or as a title bar usually is.
    const QSize frame = frameGeometry().size() - geometry().size();
    room -= frame.isEmpty() ? QSize(16, 48) : frame;
    const bool scroll = content.width() > room.width() || content.height() > room.height();
    if (scroll == (m_scroller != nullptr))
        return setFrameSize(content, room);
    QWidget *focus = focusWidget(); // kept where it is, moved with the content
    if (scroll) {
        m_scroller = new QScrollArea(m_frame);
        m_scroller->setFrameShape(QFrame::NoFrame);
        m_scroller->setFocusPolicy(Qt::NoFocus); // no Tab stop of its own: the controls are the stops
        m_scroller->setWidget(m_content);
        m_scroller->show();
        // The focus moved by the arrow keys is brought into view, as Tab brings it.
        connect(qApp, &QApplication::focusChanged, m_scroller, [this](QWidget *, QWidget *now) {
            if (now && m_content->isAncestorOf(now))
                m_scroller->ensureWidgetVisible(now);
        });
    } else {
        m_content->setParent(m_frame);
        m_content->show();
        delete std::exchange(m_scroller, nullptr);
    }
    if (focus)
        focus->setFocus();
    setFrameSize(content, room);
}

void Window::setFrameSize(QSize content, QSize room)
{
    if (!m_scroller)
        return m_frame->setFixedSize(content);
    // Room for a scroll bar only in the direction that scrolls.
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const bool down = content.height() > room.height();
    const bool across = content.width() + (down ? bar : 0) > room.width();
    m_scroller->setFixedSize(std::min(content.width() + (down ? bar : 0), room.width()),
                             std::min(content.height() + (across ? bar : 0), room.height()));
    m_frame->setFixedSize(m_scroller->size());
}

void Window::hideEvent(QHideEvent *event)
{
    // Qt forgets, once a window is hidden, that the keyboard moved its focus.
    m_keyboardFocus = testAttribute(Qt::WA_KeyboardFocusChange);
    QMainWindow::hideEvent(event);
}

void Window::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    m_opening = !event->spontaneous();
    if (m_keyboardFocus)
        setAttribute(Qt::WA_KeyboardFocusChange);
}

void Window::applyLook()
{
    for (size_t i = 0; i < m_table.size(); ++i)
        if (auto *widget = qobject_cast<QWidget *>(m_made[i]))
            ApplyLook(widget, m_table[i], m_scale);
}

bool Window::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_content && event->type() == QEvent::MouseButtonPress) {
        const QPoint at = static_cast<QMouseEvent *>(event)->position().toPoint();
        emit mouseDown(at.x(), at.y());
    }
    return QMainWindow::eventFilter(watched, event);
}
