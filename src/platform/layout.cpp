// Corvanthelix - windows and controls made from layout tables.
#include "platform/layout.h"

#include "platform/contrast.h"
#include "platform/editfieldaccessible.h"
#include "platform/imagewell.h"
#include "platform/listbox.h"
#include "platform/timer.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

namespace {

// The accessible name a label was given in its layout row, kept so that the
// name can carry the label's changing text too.
constexpr char AccessibleLine[] = "accessibleLine";

void speakText(QLabel *label)
{
    const QString line = label->property(AccessibleLine).toString();
    const QString text = label->text();
    if (!line.isEmpty())
        label->setAccessibleName(text.isEmpty() ? line : line + QStringLiteral(", ") + text);
}

QFont fontOf(const ControlRow &row, qreal scale)
{
    QFont font = QApplication::font();
    if (row.pointSize > 0)
        font.setPointSizeF(row.pointSize * scale);
    font.setBold(row.bold);
    font.setItalic(row.italic);
    return font;
}

// The layout's colours are made for a light background and stay exactly as
// they are there. On a dark one, black becomes the palette's own text colour
// and every other colour the first lighter shade of its hue that reads at
// 4.5:1 or better.
QColor readable(QRgb designed, const QPalette &palette, QPalette::ColorRole text, QPalette::ColorRole background)
{
    const QColor behind = palette.color(background);
    if (behind.lightness() >= 128)
        return QColor::fromRgb(designed);
    if (designed == qRgb(0, 0, 0))
        return palette.color(text);
    QColor shade = QColor::fromRgb(designed);
    for (double toWhite = 0.05; ContrastRatio(shade, behind) < 4.5 && toWhite <= 1.0; toWhite += 0.05)
        shade.setRgbF(qRed(designed) / 255.0 * (1 - toWhite) + toWhite, qGreen(designed) / 255.0 * (1 - toWhite) + toWhite,
                      qBlue(designed) / 255.0 * (1 - toWhite) + toWhite);
    return shade;
}

// The control's colours, made afresh from the desktop's palette, so that a
// palette the desktop changes to is followed at once, whichever widget hears
// of the change first.
void applyColors(QWidget *widget, const ControlRow &row)
{
    QPalette palette = QApplication::palette(widget);
    palette.setResolveMask(0);
    QPalette::ColorRole role = QPalette::WindowText, background = QPalette::Window;
    if (qobject_cast<QLineEdit *>(widget)) {
        role = QPalette::Text;
        background = QPalette::Base;
        // Black on white, as laid out, unless the desktop's palette is dark.
        if (palette.color(QPalette::Base).lightness() >= 128)
            palette.setColor(QPalette::Base, Qt::white);
    }
    if (qAlpha(row.textColor) != 0)
        palette.setColor(role, readable(row.textColor, palette, role, background));
    widget->setPalette(palette);
}

QLabel *createLabel(QWidget *parent, const ControlRow &row, const QString &text, bool multiLine)
{
    auto *label = new QLabel(parent);
    // Texts are shown as they stand; a "<" in a paragraph is never markup.
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(multiLine);
    label->setAlignment(row.alignment | (multiLine ? Qt::AlignTop : Qt::AlignVCenter));
    label->setText(text);
    return label;
}

// Return presses a focused button, as Space does: down as the key goes
// down, clicked as it comes up. Qt's buttons take Return only in dialogs,
// and our windows are not. Acting on the release also lets a screen reader
// handle the key before a window the button opens appears: Orca 48 cuts
// short the reading of a window that came up while it was still at the key.
// The keypad's Enter stays a screen reader's key.
class ReturnPresses : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease
            && event->type() != QEvent::ShortcutOverride)
            return false;
        auto *key = static_cast<QKeyEvent *>(event);
        // A default button's own Return shortcut would press it a second
        // time, 100 ms later, closing a window the first press had opened.
        if (event->type() == QEvent::ShortcutOverride) {
            if (key->key() == Qt::Key_Return && key->modifiers() == Qt::NoModifier)
                event->accept();
            return false;
        }
        // Qt's own default button takes the keypad's Enter, which a screen
        // reader that is busy reading may let through: its Where Am I would
        // press the button.
        if (key->key() == Qt::Key_Enter)
            return true;
        if (key->key() != Qt::Key_Return || key->modifiers() != Qt::NoModifier)
            return false;
        QKeyEvent space(event->type(), Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), key->isAutoRepeat());
        QCoreApplication::sendEvent(watched, &space);
        return true;
    }
};

QPushButton *createPushButton(QWidget *parent, const ControlRow &row, const QString &text)
{
    auto *button = new QPushButton(text, parent);
    button->installEventFilter(new ReturnPresses(button));
    if (row.isDefault) {
        // Qt honours default buttons only in dialogs; our windows are not.
        button->setDefault(true);
        auto *shortcut = new QShortcut(QKeySequence(Qt::Key_Return), button);
        QObject::connect(shortcut, &QShortcut::activated, button, [button] {
            if (button->isVisible() && button->isEnabled())
                button->animateClick();
        });
    }
    return button;
}

QLineEdit *createEditField(QWidget *parent, const ControlRow &row)
{
    InstallEditFieldAccessibility();
    auto *field = new QLineEdit(QString::fromUtf8(row.text), parent);
    field->setAlignment(row.alignment);
    return field;
}

QObject *createTimer(QWidget *parent, const ControlRow &row)
{
    auto *timer = new Timer(parent);
    timer->setPeriod(row.timerPeriod);
    timer->setMode(row.timerMode);
    return timer;
}

} // namespace

qreal LayoutScale()
{
    // Measured rather than read from the point size, so that a wider family
    // grows the layout as a larger size does.
    const QFontMetricsF system(QApplication::font()), designed(QFont(QStringLiteral("Sans Serif"), 9));
    const QString sample = QStringLiteral("Number of Steps: 0123456789");
    const qreal scale = std::max(system.horizontalAdvance(sample) / designed.horizontalAdvance(sample),
                                 system.height() / designed.height());
    return std::max(scale, 1.0);
}

QRect Scaled(const QRect &rect, qreal scale)
{
    if (scale == 1.0)
        return rect;
    // Text does not grow quite in proportion to its size, and some boxes were
    // laid out to the pixel: the boxes grow a little more than the text.
    scale *= 1.05;
    return QRect(qRound(rect.x() * scale), qRound(rect.y() * scale), qRound(rect.width() * scale),
                 qRound(rect.height() * scale));
}

QObject *CreateControl(QWidget *parent, const ControlRow &row, qreal scale, const char *context)
{
    const QString text = *row.text ? QCoreApplication::translate(context, row.text) : QString();
    if (row.kind == ControlKind::Timer) {
        QObject *timer = createTimer(parent, row);
        timer->setObjectName(QString::fromLatin1(row.name));
        return timer;
    }

    QWidget *widget = nullptr;
    switch (row.kind) {
    case ControlKind::ImageWell: {
        auto *well = new ImageWell(parent);
        well->setPicture(row.picture ? row.picture() : nullptr);
        widget = well;
        break;
    }
    case ControlKind::Label:
    case ControlKind::MultiLineLabel:
        widget = createLabel(parent, row, text, row.kind == ControlKind::MultiLineLabel);
        break;
    case ControlKind::PushButton:
        widget = createPushButton(parent, row, text);
        break;
    case ControlKind::ListBox: {
        auto *list = new ListBox(parent);
        list->setColumnWidths(QString::fromLatin1(row.columnWidths));
        widget = list;
        break;
    }
    case ControlKind::EditField:
        widget = createEditField(parent, row);
        break;
    case ControlKind::Timer:
        break;
    }
    widget->setObjectName(QString::fromLatin1(row.name));
    ApplyLook(widget, row, scale);
    widget->setAccessibleName(*row.accessibleName ? QCoreApplication::translate(context, row.accessibleName) : QString());
    if (auto *label = qobject_cast<QLabel *>(widget); label && *row.accessibleName) {
        label->setProperty(AccessibleLine, label->accessibleName());
        speakText(label);
    }
    widget->setVisible(row.visible);
    widget->setEnabled(row.enabled);
    return widget;
}

void ApplyLook(QWidget *widget, const ControlRow &row, qreal scale)
{
    widget->setGeometry(Scaled(row.geometry, scale));
    widget->setFont(fontOf(row, scale));
    if (auto *well = qobject_cast<ImageWell *>(widget))
        well->setScale(Scaled(row.geometry, scale).width() / qreal(row.geometry.width()));
    applyColors(widget, row);
}

QString ControlText(const QWidget *control)
{
    if (auto *field = qobject_cast<const QLineEdit *>(control))
        return field->text();
    auto *label = qobject_cast<const QLabel *>(control);
    Q_ASSERT_X(label, "ControlText", "a label or an edit field");
    return label ? label->text() : QString();
}

void SetControlText(QWidget *control, const QString &text)
{
    if (auto *field = qobject_cast<QLineEdit *>(control))
        return field->setText(text);
    auto *label = qobject_cast<QLabel *>(control);
    Q_ASSERT_X(label, "SetControlText", "a label or an edit field");
    if (!label || label->text() == text)
        return; // the same text again changes nothing, and costs nothing
    label->setText(text);
    speakText(label);
}
