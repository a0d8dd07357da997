// Corvanthelix - the About window.
#include "windows/aboutwindow.h"

#include "platform/announce.h"

#include <QPointer>
#include <QShortcut>

namespace {

QPointer<AboutWindow> shared;

// The name, the version and the closing line; only the closing line is translated.
constexpr int Text = 0;

const ControlRow controls[] = {
    {.name = "StaticText1", .kind = ControlKind::MultiLineLabel, .geometry = {25, 28, 255, 244},
     .textColor = qRgb(0, 0, 0), .id = Text},
};

} // namespace

const WindowSettings AboutWindow::Settings = {QT_TRANSLATE_NOOP("Window", "ABOUT"), 300, 300, true, true};
const std::span<const ControlRow> AboutWindow::Controls = controls;

AboutWindow *AboutWindow::instance()
{
    if (!shared)
        shared = new AboutWindow;
    return shared;
}

AboutWindow::AboutWindow()
    : Window(Settings)
{
    setAttribute(Qt::WA_DeleteOnClose);
    ReadOnOpen(this);
    createControls(Controls);
    // Escape closes it, as its close button does, for a player without a mouse.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
    SetControlText(created<QWidget>(Text),
                   QStringLiteral("Corvanthelix\n\n" CORVANTHELIX_VERSION "\n\n\n") + tr("A hidden-number puzzle, made with Qt."));
    tellOnOpen(tr("Escape closes it."));
}
