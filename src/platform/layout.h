// Corvanthelix - windows and controls made from layout tables.
#pragma once

#include "platform/timer.h"

#include <QRect>
#include <QRgb>
#include <QString>

class Picture;
class QColor;
class QObject;
class QWidget;

enum class ControlKind { ImageWell, Label, MultiLineLabel, PushButton, ListBox, EditField, Timer };

// One row of a window's layout table. Geometry is in pixels of the window's
// content area; a point size of 0 is the system font at its default size.
struct ControlRow
{
    const char *name;
    ControlKind kind;
    QRect geometry = {};
    const char *text = "";
    const Picture *(*picture)() = nullptr;
    int pointSize = 0;
    bool bold = false;
    bool italic = false;
    QRgb textColor = 0; // 0: the style's own colour
    Qt::Alignment alignment = Qt::AlignLeft;
    bool visible = true;
    bool enabled = true;
    bool isDefault = false;        // push buttons: pressed by Return
    const char *columnWidths = ""; // list boxes: "66%,34%"
    Timer::Mode timerMode = Timer::Off;
    int timerPeriod = 0;
    const char *accessibleName = "";
    const char *labelFor = ""; // labels: the control they name to assistive technology
    int id = -1;               // how the window's code asks for the control, if it does
};

// The window settings that differ between our windows.
struct WindowSettings
{
    const char *title; // translated in the context "Window"
    int width;
    int height;
    bool closeButton;
    bool minimiseButton;
};

// The layout tables are drawn for the system font Qt's own theme gives on
// Debian: Sans Serif at 9 points. A larger system font grows each window and
// everything in it by this one factor, so no text is cut; with that font, or
// a smaller one, it is 1 and nothing changes.
qreal LayoutScale();
QRect Scaled(const QRect &rect, qreal scale);

// Creates the control under its name as a child of parent and applies every
// setting of its row, at the given scale (image wells get their picture
// before the rest). Texts and spoken names are translated in the context
// given, the window's class name, where the table marks them so.
QObject *CreateControl(QWidget *parent, const ControlRow &row, qreal scale = 1.0, const char *context = "");

// Sets the control's place, size, font and colours from its row for the
// desktop's palette and font as they are now, at the given scale.
void ApplyLook(QWidget *widget, const ControlRow &row, qreal scale);

// A label's or an edit field's text.
QString ControlText(const QWidget *control);
// Sets it; a label with an accessible name also speaks its text ("Top row sum, 13").
void SetControlText(QWidget *control, const QString &text);
