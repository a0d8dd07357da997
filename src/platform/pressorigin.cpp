// Corvanthelix - whether a control was pressed with the mouse.
#include "platform/pressorigin.h"

#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

namespace {

constexpr char ByMouse[] = "pressedByMouse";

class PressWatcher : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)
            watched->setProperty(ByMouse, true);
        else if (event->type() == QEvent::KeyPress)
            switch (static_cast<QKeyEvent *>(event)->key()) {
            case Qt::Key_Space:
            case Qt::Key_Return:
            case Qt::Key_Enter:
                watched->setProperty(ByMouse, false);
                break;
            default:
                break;
            }
        return false;
    }
};

} // namespace

void WatchPresses(QWidget *control)
{
    control->installEventFilter(new PressWatcher(control));
}

bool PressedByMouse(QWidget *control)
{
    const bool byMouse = control->property(ByMouse).toBool();
    control->setProperty(ByMouse, false);
    return byMouse;
}
