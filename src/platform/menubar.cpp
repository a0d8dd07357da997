// Corvanthelix - a menu bar shared by every window.
#include "platform/menubar.h"

#include "platform/announce.h"
#include "platform/shortcut.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include <utility>

namespace {

// A menu chooses its item as the key comes up, as our buttons do, so that a
// screen reader has handled the key before the window the item opens
// appears (Orca 48 cuts short the reading of a window that came up while it
// was still at the key).
class ChoosesOnRelease : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (m_replaying || (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease))
            return false;
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter && key->key() != Qt::Key_Space)
            return false;
        if (event->type() == QEvent::KeyPress) {
            if (!key->isAutoRepeat())
                m_held = key->key();
        } else if (!key->isAutoRepeat() && std::exchange(m_held, 0) == key->key()) {
            QKeyEvent press(QEvent::KeyPress, key->key(), key->modifiers(), key->text());
            m_replaying = true;
            QCoreApplication::sendEvent(watched, &press);
            m_replaying = false;
        }
        return true;
    }

private:
    int m_held = 0;
    bool m_replaying = false;
};

// Moving from one menu to the next, Qt closes the first before it opens the
// second, and hands the focus back to the window for that moment: a screen
// reader would read the window's focused control in between, as if the menus
// had closed. The focus events of that moment are not passed on.
class KeepsFocusInMenus : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (m_moving || event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key != Qt::Key_Left && key != Qt::Key_Right)
            return false;
        m_moving = true;
        s_next = QAccessible::installUpdateHandler(holdFocus);
        QCoreApplication::sendEvent(watched, event);
        QAccessible::installUpdateHandler(s_next);
        m_moving = false;
        return true;
    }

private:
    static void holdFocus(QAccessibleEvent *event)
    {
        if (event->type() == QAccessible::Focus && !qobject_cast<QMenu *>(event->object()))
            return;
        QAccessible::installUpdateHandler(s_next);
        QAccessible::updateAccessibility(event);
        QAccessible::installUpdateHandler(holdFocus);
    }

    bool m_moving = false;
    static inline QAccessible::UpdateHandler s_next = nullptr;
};

} // namespace

MenuBar::MenuBar(QObject *parent)
    : QObject(parent)
{
}

MenuBar::~MenuBar()
{
    // The menus are top-level popups with no widget parent.
    qDeleteAll(m_menus);
}

QMenu *MenuBar::appendMenu(const QString &name, const QString &text)
{
    auto *menu = new QMenu(text);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    menu->installEventFilter(new ChoosesOnRelease(menu));
    menu->installEventFilter(new KeepsFocusInMenus(menu));
    // A screen reader names the item a menu opens on, never the menu: Qt has
    // no role that tells it the item's parent is one. The menu says its name
    // itself, once the item has been read.
    connect(menu, &QMenu::aboutToShow, menu, [menu] {
        QTimer::singleShot(300, menu, [menu] {
            if (menu->isVisible())
                Announce(menu, tr("%1 menu").arg(menu->menuAction()->iconText()));
        });
    });
    m_menus.append(menu);
    return menu;
}

QAction *MenuBar::appendItem(const QString &menuName, const QString &name, Kind kind, const QString &text,
                             const QString &shortcut)
{
    QMenu *menu = child(menuName);
    Q_ASSERT_X(menu, "MenuBar::appendItem", "append the menu first");
    if (!menu)
        return nullptr;
    QAction *action = text == QLatin1String("-") ? menu->addSeparator() : menu->addAction(text);
    action->setObjectName(name);
    action->setShortcut(Shortcut(shortcut));
    switch (kind) {
    case QuitItem:
        action->setMenuRole(QAction::QuitRole);
        // Also from a window without the menu bar, such as a message.
        action->setShortcutContext(Qt::ApplicationShortcut);
        connect(action, &QAction::triggered, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        break;
    case ApplicationItem:
        action->setMenuRole(QAction::AboutRole);
        break;
    case Item:
        action->setMenuRole(QAction::NoRole);
        break;
    }
    return action;
}

QMenu *MenuBar::child(const QString &name) const
{
    for (QMenu *menu : m_menus)
        if (menu->objectName() == name)
            return menu;
    return nullptr;
}

QAction *MenuBar::item(const QString &name) const
{
    for (QMenu *menu : m_menus) {
        if (menu->objectName() == name)
            return menu->menuAction();
        for (QAction *action : menu->actions())
            if (action->objectName() == name)
                return action;
    }
    return nullptr;
}

void MenuBar::attachTo(QMainWindow *window) const
{
    QMenuBar *bar = window->menuBar();
    for (QMenu *menu : m_menus)
        bar->addMenu(menu);
}

bool RunOnFocusedField(FieldCommand command)
{
    auto *field = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    if (!field)
        return false;
    command(*field);
    return true;
}
