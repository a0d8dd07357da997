// Corvanthelix - the program's menu bar: File and Edit.
#include "app/menubar1.h"

#include <span>

namespace {

MenuBar1 *shared = nullptr;

struct ItemSpec
{
    const char *name;
    MenuBar::Kind kind;
    const char *text;
    const char *shortcut;
};

// Quit and About carry roles, so on macOS they move to the application menu.
const ItemSpec fileItems[] = {
    {"FileQuit", MenuBar::QuitItem, "Quit", "Cmd+Q"},
    {"AboutCorvanthelix", MenuBar::ApplicationItem, "About Corvanthelix", ""},
};

// The Edit items act on the focused text field by their names.
const ItemSpec editItems[] = {
    {"EditUndo", MenuBar::Item, "&Undo", "Cmd+Z"},
    {"UntitledMenu1", MenuBar::Item, "-", ""},
    {"EditCut", MenuBar::Item, "Cu&t", "Cmd+X"},
    {"EditCopy", MenuBar::Item, "&Copy", "Cmd+C"},
    {"EditPaste", MenuBar::Item, "&Paste", "Cmd+V"},
    {"EditClear", MenuBar::Item, "Clear", ""},
    {"UntitledMenu0", MenuBar::Item, "-", ""},
    {"EditSelectAll", MenuBar::Item, "Select &All", "Cmd+A"},
};

void appendItems(MenuBar &bar, const QString &menu, std::span<const ItemSpec> items)
{
    for (const ItemSpec &item : items)
        bar.appendItem(menu, QString::fromLatin1(item.name), item.kind, QString::fromLatin1(item.text),
                       QString::fromLatin1(item.shortcut));
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
    appendMenu(QStringLiteral("FileMenu"), QStringLiteral("&File"));
    appendItems(*this, QStringLiteral("FileMenu"), fileItems);
}

void MenuBar1::Untitled1()
{
    appendMenu(QStringLiteral("EditMenu"), QStringLiteral("&Edit"));
    appendItems(*this, QStringLiteral("EditMenu"), editItems);
}
