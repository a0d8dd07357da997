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

QFont fontOf(const ControlRow &row)
{
    QFont font = QApplication::font();
    if (row.pointSize > 0)
        font.setPointSize(row.pointSize);
    font.setBold(row.bold);
    font.setItalic(row.italic);
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

QLabel *createLabel(QWidget *parent, const ControlRow &row, bool multiLine)
{
    auto *label = new QLabel(parent);
    // Texts are shown as they stand; a "<" in a paragraph is never markup.
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(multiLine);
    label->setAlignment(row.alignment | (multiLine ? Qt::AlignTop : Qt::AlignVCenter));
    label->setText(QString::fromUtf8(row.text));
    applyTextColor(label, row.textColor, QPalette::WindowText);
    return label;
}

QPushButton *createPushButton(QWidget *parent, const ControlRow &row)
{
    auto *button = new QPushButton(QString::fromUtf8(row.text), parent);
    if (row.isDefault) {
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

QLineEdit *createEditField(QWidget *parent, const ControlRow &row)
{
    auto *field = new QLineEdit(QString::fromUtf8(row.text), parent);
    field->setAlignment(row.alignment);
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, Qt::white);
    field->setPalette(palette);
    applyTextColor(field, row.textColor, QPalette::Text);
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

QObject *CreateControl(QWidget *parent, const ControlRow &row)
{
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
        widget = createLabel(parent, row, row.kind == ControlKind::MultiLineLabel);
        break;
    case ControlKind::PushButton:
        widget = createPushButton(parent, row);
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
    widget->setGeometry(row.geometry);
    widget->setFont(fontOf(row));
    widget->setAccessibleName(QString::fromUtf8(row.accessibleName));
    if (auto *label = qobject_cast<QLabel *>(widget); label && *row.accessibleName) {
        label->setProperty(AccessibleLine, label->accessibleName());
        speakText(label);
    }
    widget->setVisible(row.visible);
    widget->setEnabled(row.enabled);
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
