// Corvanthelix - a menu bar shared by every window.
#include "platform/menubar.h"

#include "platform/shortcut.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

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
