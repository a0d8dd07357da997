// Corvanthelix - windows and controls made from layout tables.
#include "platform/layout.h"

#include "platform/imagewell.h"
#include "platform/listbox.h"
#include "platform/timer.h"

#include <QApplication>
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

QFont fontOf(const ControlSpec &spec)
{
    QFont font = QApplication::font();
    if (spec.pointSize > 0)
        font.setPointSize(spec.pointSize);
    font.setBold(spec.bold);
    font.setItalic(spec.italic);
    return font;
}

void applyTextColor(QWidget *widget, QRgb color, QPalette::ColorRole role)
{
    if (qAlpha(color) == 0)
        return;
    QPalette palette = widget->palette();
    palette.setColor(role, QColor::fromRgb(color));
    widget->setPalette(palette);
}

QLabel *createLabel(QWidget *parent, const ControlSpec &spec, bool multiLine)
{
    auto *label = new QLabel(parent);
    // Texts are shown as they stand; a "<" in a paragraph is never markup.
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(multiLine);
    label->setAlignment(spec.alignment | (multiLine ? Qt::AlignTop : Qt::AlignVCenter));
    label->setText(QString::fromUtf8(spec.text));
    applyTextColor(label, spec.textColor, QPalette::WindowText);
    return label;
}

QPushButton *createPushButton(QWidget *parent, const ControlSpec &spec)
{
    auto *button = new QPushButton(QString::fromUtf8(spec.text), parent);
    if (spec.isDefault) {
        // Qt honours default buttons only in dialogs; our windows are not.
        button->setDefault(true);
        for (const auto key : {Qt::Key_Return, Qt::Key_Enter}) {
            auto *shortcut = new QShortcut(QKeySequence(key), button);
            QObject::connect(shortcut, &QShortcut::activated, button, [button] {
                if (button->isVisible() && button->isEnabled())
                    button->animateClick();
            });
        }
    }
    return button;
}

QLineEdit *createEditField(QWidget *parent, const ControlSpec &spec)
{
    auto *field = new QLineEdit(QString::fromUtf8(spec.text), parent);
    field->setAlignment(spec.alignment);
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, Qt::white);
    field->setPalette(palette);
    applyTextColor(field, spec.textColor, QPalette::Text);
    return field;
}

QObject *createTimer(QWidget *parent, const ControlSpec &spec)
{
    auto *timer = new Timer(parent);
    timer->setPeriod(spec.timerPeriod);
    timer->setMode(spec.timerMode);
    return timer;
}

} // namespace

QObject *CreateControl(QWidget *parent, const ControlSpec &spec)
{
    if (spec.kind == ControlKind::Timer) {
        QObject *timer = createTimer(parent, spec);
        timer->setObjectName(QString::fromLatin1(spec.name));
        return timer;
    }

    QWidget *widget = nullptr;
    switch (spec.kind) {
    case ControlKind::ImageWell: {
        auto *well = new ImageWell(parent);
        well->setPicture(spec.picture ? spec.picture() : nullptr);
        widget = well;
        break;
    }
    case ControlKind::Label:
    case ControlKind::MultiLineLabel:
        widget = createLabel(parent, spec, spec.kind == ControlKind::MultiLineLabel);
        break;
    case ControlKind::PushButton:
        widget = createPushButton(parent, spec);
        break;
    case ControlKind::ListBox: {
        auto *list = new ListBox(parent);
        list->setColumnWidths(QString::fromLatin1(spec.columnWidths));
        widget = list;
        break;
    }
    case ControlKind::EditField:
        widget = createEditField(parent, spec);
        break;
    case ControlKind::Timer:
        break;
    }
    widget->setObjectName(QString::fromLatin1(spec.name));
    widget->setGeometry(spec.geometry);
    widget->setFont(fontOf(spec));
    widget->setAccessibleName(QString::fromUtf8(spec.accessibleName));
    if (auto *label = qobject_cast<QLabel *>(widget); label && *spec.accessibleName) {
        label->setProperty(AccessibleLine, label->accessibleName());
        speakText(label);
    }
    widget->setVisible(spec.visible);
    widget->setEnabled(spec.enabled);
    return widget;
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
