// Corvanthelix - a menu bar shared by every window.
#pragma once

#include <QList>
#include <QObject>

class QAction;
class QLineEdit;
class QMainWindow;
class QMenu;

// The menus and items exist once; each window shows them in a bar of its own
// (Linux has no global menu bar), so every shortcut works from every window.
class MenuBar : public QObject
{
    Q_OBJECT
public:
    enum Kind {
        Item,            // an ordinary item
        QuitItem,        // ends the application
        ApplicationItem, // goes to the application menu where the platform has one
    };

    explicit MenuBar(QObject *parent = nullptr);
    ~MenuBar() override;

    // Appends a menu to the bar. The text may mark a mnemonic with "&".
    QMenu *appendMenu(const QString &name, const QString &text);
    // Appends an item to the bar's menu of the given name; the text "-" makes
    // a separator. shortcut is a "Cmd+" text, or empty.
    QAction *appendItem(const QString &menuName, const QString &name, Kind kind, const QString &text,
                        const QString &shortcut = {});

    QMenu *child(const QString &name) const;
    // The first item of that name anywhere below the bar, menus included.
    QAction *item(const QString &name) const;

    // Shows the menus in the window's own menu bar.
    void attachTo(QMainWindow *window) const;

private:
    QList<QMenu *> m_menus;
};

// What an Edit item does: a command on the text field that has the keyboard
// focus. Nothing happens, and false comes back, when no text field has it.
using FieldCommand = void (*)(QLineEdit &field);
bool RunOnFocusedField(FieldCommand command);
