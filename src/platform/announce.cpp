// Corvanthelix - telling a screen reader what just happened.
#include "platform/announce.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QTimer>
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

Announcements &Announcements::instance()
{
    static Announcements announcements;
    return announcements;
}

void Announce(QWidget *window, const QString &text)
{
    if (text.isEmpty())
        return;
    emit Announcements::instance().said(window, text);
    if (!QAccessible::isActive())
        return;
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(window, text);
    QAccessible::updateAccessibility(&event);
#else
    installFactory();
    // No size, so nothing is drawn, and hidden at once, so that the window
    // showing again does not repeat it. A new one for every text: a screen
    // reader that knows one already may speak its name as it was.
    auto *notification = new QWidget(window);
    notification->setObjectName(Name);
    notification->setGeometry(0, 0, 0, 0);
    notification->setAccessibleName(text);
    notification->show();
    notification->hide();
    // Gone once it has surely been read.
    QTimer::singleShot(10000, notification, &QObject::deleteLater);
#endif
}

void Describe(QWidget *control, const QString &description, const QString &news)
{
    // The description first: a screen reader that hears the news and then
    // asks about the control (Where Am I) reads the new one. Qt 6.8 tells the
    // focused control's new description as it changes; Qt 6.4 sends it
    // without its text, so it is heard only when asked for.
    if (control->accessibleDescription() != description)
        control->setAccessibleDescription(description);
    if (control->hasFocus())
        Announce(control->window(), news);
}

void ReadOnOpen(QWidget *window)
{
    installFactory();
    window->setProperty(ReadOnOpenProperty, true);
}

bool ReadsOnOpen(const QWidget *window)
{
    return window->property(ReadOnOpenProperty).toBool();
}
