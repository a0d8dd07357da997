// Corvanthelix - telling a screen reader what just happened.
#include "platform/announce.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace {

// Before Qt 6.8 there is no announcement on Linux, and the description and
// name change events Qt 6.4 sends carry no text, so they are never heard. A
// screen reader does speak a notification as it appears.
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
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(window, text);
    QAccessible::updateAccessibility(&event);
#else
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
#endif
}

void Describe(QWidget *control, const QString &description, const QString &news)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // The focused control's new description is heard as it changes.
    if (control->hasFocus())
        Announce(control->window(), news);
    control->setAccessibleDescription(description);
#else
    control->setAccessibleDescription(description);
    if (control->hasFocus() && !news.isEmpty())
        Announce(control->window(), news + QLatin1Char(' ') + description);
#endif
}

void ReadOnOpen(QWidget *window)
{
    installFactory();
    window->setProperty(ReadOnOpenProperty, true);
}
