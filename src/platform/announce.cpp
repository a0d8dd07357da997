// Corvanthelix - telling a screen reader what just happened.
#include "platform/announce.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace {

// A screen reader speaks a notification as it appears. Qt 6.4 has no other
// way to speak on Linux: the description and name change events it sends
// carry no text, so they are never heard.
const QString Name = QStringLiteral("Announcement");

const char *const ReadOnOpenProperty = "readOnOpen";

QAccessibleInterface *factory(const QString &className, QObject *object)
{
    if (className == QLatin1String("QWidget") && object->objectName() == Name)
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Notification);
    // Asked for the most derived class first.
    if (object->isWidgetType() && object->property(ReadOnOpenProperty).toBool())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Dialog);
    return nullptr;
}

void installFactory()
{
    static const bool installed = (QAccessible::installFactory(factory), true);
    Q_UNUSED(installed);
}

} // namespace

void Announce(QWidget *window, const QString &text)
{
    if (!QAccessible::isActive() || text.isEmpty())
        return;
    installFactory();
    // No size, so nothing is drawn. Shown anew for every text and hidden
    // at once, so that the window showing again does not repeat it.
    auto *notification = window->findChild<QWidget *>(Name, Qt::FindDirectChildrenOnly);
    if (!notification) {
        notification = new QWidget(window);
        notification->setObjectName(Name);
        notification->setGeometry(0, 0, 0, 0);
    }
    notification->hide();
    notification->setAccessibleName(text);
    notification->show();
    notification->hide();
}

void ReadOnOpen(QWidget *window)
{
    installFactory();
    window->setProperty(ReadOnOpenProperty, true);
}
