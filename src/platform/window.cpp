// Corvanthelix - a fixed-size window whose controls come from a layout table.
#include "platform/window.h"

#include "platform/application.h"
#include "platform/menubar.h"

#include <QLayout>
#include <QMouseEvent>

Window::Window(const WindowSettings &settings, QWidget *parent)
    : QMainWindow(parent)
    , m_content(new QWidget(this))
    , m_scale(LayoutScale())
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

    m_content->setFixedSize(Scaled(QRect(0, 0, settings.width, settings.height), m_scale).size());
    m_content->installEventFilter(this);
    setCentralWidget(m_content);
    // The window takes exactly the content plus the menu bar, and cannot be
    // resized or maximised.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void Window::createControls(std::span<const ControlRow> table)
{
    for (const ControlRow &row : table) {
        QObject *control = CreateControl(m_content, row, m_scale, metaObject()->className());
        m_controls.insert(control->objectName(), control);
    }
}

bool Window::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_content && event->type() == QEvent::MouseButtonPress) {
        const QPoint at = static_cast<QMouseEvent *>(event)->position().toPoint();
        emit mouseDown(at.x(), at.y());
    }
    return QMainWindow::eventFilter(watched, event);
}
