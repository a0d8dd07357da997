// Corvanthelix - the program's menu bar: File and Edit.
#include "app/menubar1.h"

#include <QAction>
#include <QCoreApplication>
#include <QLineEdit>
#include <span>

namespace {

MenuBar1 *shared = nullptr;

struct ItemSpec
{
    const char *name;
    MenuBar::Kind kind;
    const char *text;
    const char *shortcut;
    FieldCommand command = nullptr; // what it does to the focused text field
};

// Quit and About carry roles, so on macOS they move to the application menu.
const ItemSpec fileItems[] = {
    {"FileQuit", MenuBar::QuitItem, QT_TRANSLATE_NOOP("MenuBar1", "Quit"), "Cmd+Q"},
    {"AboutCorvanthelix", MenuBar::ApplicationItem, QT_TRANSLATE_NOOP("MenuBar1", "About Corvanthelix"), ""},
};

// The Edit items act on the focused text field.
const ItemSpec editItems[] = {
    {"EditUndo", MenuBar::Item, QT_TRANSLATE_NOOP("MenuBar1", "&Undo"), "Cmd+Z", [](QLineEdit &field) { field.undo(); }},
    {"UntitledMenu1", MenuBar::Item, "-", ""},
    {"EditCut", MenuBar::Item, QT_TRANSLATE_NOOP("MenuBar1", "Cu&t"), "Cmd+X", [](QLineEdit &field) { field.cut(); }},
    {"EditCopy", MenuBar::Item, QT_TRANSLATE_NOOP("MenuBar1", "&Copy"), "Cmd+C", [](QLineEdit &field) { field.copy(); }},
    {"EditPaste", MenuBar::Item, QT_TRANSLATE_NOOP("MenuBar1", "&Paste"), "Cmd+V", [](QLineEdit &field) { field.paste(); }},
    // Clear takes the selection, never a character the player did not select.
    {"EditClear", MenuBar::Item, QT_TRANSLATE_NOOP("MenuBar1", "Clear"), "", [](QLineEdit &field) {
         if (field.hasSelectedText())
             field.del();
     }},
    {"UntitledMenu0", MenuBar::Item, "-", ""},
    {"EditSelectAll", MenuBar::Item, QT_TRANSLATE_NOOP("MenuBar1", "Select &All"), "Cmd+A", [](QLineEdit &field) { field.selectAll(); }},
};

void appendItems(MenuBar &bar, const QString &menu, std::span<const ItemSpec> items)
{
    for (const ItemSpec &item : items) {
        QAction *action = bar.appendItem(menu, QString::fromLatin1(item.name), item.kind,
                                         QCoreApplication::translate("MenuBar1", item.text), QString::fromLatin1(item.shortcut));
        if (item.command)
            QObject::connect(action, &QAction::triggered, action, [command = item.command] { RunOnFocusedField(command); });
    }
}

} // namespace

MenuBar1 *MenuBar1::instance()
{
    if (!shared)
        shared = new MenuBar1;
    return shared;
}

void MenuBar1::releaseInstance()
{
    delete shared;
    shared = nullptr;
}

MenuBar1::MenuBar1()
{
    Untitled0();
    Untitled1();
}

void MenuBar1::Untitled0()
{
    appendMenu(QStringLiteral("FileMenu"), tr("&File"));
    appendItems(*this, QStringLiteral("FileMenu"), fileItems);
}

void MenuBar1::Untitled1()
{
    appendMenu(QStringLiteral("EditMenu"), tr("&Edit"));
    appendItems(*this, QStringLiteral("EditMenu"), editItems);
}
