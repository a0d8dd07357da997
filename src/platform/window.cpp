// Corvanthelix - a fixed-size window whose controls come from a layout table.
#include "platform/window.h"

#include "platform/application.h"
#include "platform/menubar.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QStyleHints>
#include <QMouseEvent>

Window::Window(const WindowSettings &settings, QWidget *parent)
    : QMainWindow(parent)
    , m_content(new QWidget(this))
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

    m_content->setFixedSize(Scaled(QRect(QPoint(), m_designedSize), m_scale).size());
    m_content->installEventFilter(this);
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    // A desktop may tell a switch between light and dark as its colour scheme.
    connect(QGuiApplication::styleHints(), &QStyleHints::colorSchemeChanged, this, &Window::applyLook);
#endif
    setCentralWidget(m_content);
    // The window takes exactly the content plus the menu bar, and cannot be
    // resized or maximised.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void Window::createControls(std::span<const ControlRow> table)
{
    m_table = table;
    for (const ControlRow &row : table) {
        QObject *control = CreateControl(m_content, row, m_scale, metaObject()->className());
        m_controls.insert(control->objectName(), control);
    }
    for (const ControlRow &row : table)
        if (*row.labelFor)
            control<QLabel>(QLatin1String(row.name))->setBuddy(control<QWidget>(QLatin1String(row.labelFor)));
}

void Window::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        m_scale = LayoutScale();
        m_content->setFixedSize(Scaled(QRect(QPoint(), m_designedSize), m_scale).size());
        applyLook();
    } else if (event->type() == QEvent::PaletteChange) {
        applyLook();
    }
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
    if (m_keyboardFocus)
        setAttribute(Qt::WA_KeyboardFocusChange);
}

void Window::applyLook()
{
    for (const ControlRow &row : m_table)
        if (auto *widget = qobject_cast<QWidget *>(m_controls.value(QString::fromLatin1(row.name))))
            ApplyLook(widget, row, m_scale);
}

bool Window::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_content && event->type() == QEvent::MouseButtonPress) {
        const QPoint at = static_cast<QMouseEvent *>(event)->position().toPoint();
        emit mouseDown(at.x(), at.y());
    }
    return QMainWindow::eventFilter(watched, event);
}
