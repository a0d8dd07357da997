// Corvanthelix - a fixed-size window whose controls come from a layout table.
#include "platform/window.h"

#include "platform/application.h"
#include "platform/menubar.h"

#include <QLayout>
#include <QMouseEvent>

Window::Window(const WindowSpec &spec, QWidget *parent)
    : QMainWindow(parent)
    , m_content(new QWidget(this))
{
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (spec.closeButton)
        flags |= Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint;
    if (spec.minimiseButton)
        flags |= Qt::WindowMinimizeButtonHint | Qt::WindowSystemMenuHint;
    setWindowFlags(flags);
    setWindowTitle(QString::fromUtf8(spec.title));

    if (Application *app = Application::instance(); app && app->menuBar())
        app->menuBar()->attachTo(this);

    m_content->setFixedSize(spec.width, spec.height);
    m_content->installEventFilter(this);
    setCentralWidget(m_content);
    // The window takes exactly the content plus the menu bar, and cannot be
    // resized or maximised.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void Window::createControls(std::span<const ControlSpec> table)
{
    for (const ControlSpec &spec : table) {
        QObject *control = CreateControl(m_content, spec);
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
