// Corvanthelix - the program's menu bar: File and Edit.
#include "app/menubar1.h"

#include <QCoreApplication>
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
    {"FileQuit", MenuBar::QuitItem, QT_TRANSLATE_NOOP("MenuBar1", "Quit"), "Cmd+Q"},
    {"AboutCorvanthelix", MenuBar::ApplicationItem, QT_TRANSLATE_NOOP("MenuBar1", "About Corvanthelix"), ""},
};

// The Edit items act on the focused text field by their names.
const ItemSpec editItems[] = {
    {"EditUndo", MenuBar::Item, QT_TRANSLATE_NOOP("MenuBar1", "&Undo"), "Cmd+Z"},
    {"UntitledMenu1", MenuBar::Item, "-", ""},
    {"EditCut", MenuBar::Item, QT_TRANSLATE_NOOP("MenuBar1", "Cu&t"), "Cmd+X"},
    {"EditCopy", MenuBar::Item, QT_TRANSLATE_NOOP("MenuBar1", "&Copy"), "Cmd+C"},
    {"EditPaste", MenuBar::Item, QT_TRANSLATE_NOOP("MenuBar1", "&Paste"), "Cmd+V"},
    {"EditClear", MenuBar::Item, QT_TRANSLATE_NOOP("MenuBar1", "Clear"), ""},
    {"UntitledMenu0", MenuBar::Item, "-", ""},
    {"EditSelectAll", MenuBar::Item, QT_TRANSLATE_NOOP("MenuBar1", "Select &All"), "Cmd+A"},
};

void appendItems(MenuBar &bar, const QString &menu, std::span<const ItemSpec> items)
{
    for (const ItemSpec &item : items)
        bar.appendItem(menu, QString::fromLatin1(item.name), item.kind, QCoreApplication::translate("MenuBar1", item.text),
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
    appendMenu(QStringLiteral("FileMenu"), tr("&File"));
    appendItems(*this, QStringLiteral("FileMenu"), fileItems);
}

void MenuBar1::Untitled1()
{
    appendMenu(QStringLiteral("EditMenu"), tr("&Edit"));
    appendItems(*this, QStringLiteral("EditMenu"), editItems);
}
