// Corvanthelix - the main window's layout, in creation order.
#include "windows/window1.h"

#include "platform/pictures.h"

#include <QCoreApplication>

namespace {

constexpr QRgb Blue = qRgb(0x3C, 0x20, 0xCF);  // the sums as they stand
constexpr QRgb Red = qRgb(0xCF, 0x0B, 0x23);   // the sums to reach
constexpr QRgb Black = qRgb(0x00, 0x00, 0x00);
constexpr QRgb DoneRed = qRgb(0xFF, 0x00, 0x00);

using K = ControlKind;

// Well 1 to 9, in the grid's column and row, with its tile of the opening board.
ControlRow well(const char *name, int well, const char *accessibleName)
{
    const int column = (well - 1) % 3, row = (well - 1) / 3;
    return {.name = name, .kind = K::ImageWell, .geometry = {227 + 41 * column, 226 + 41 * row, 40, 40},
            .picture = TileAccessors[OpeningArrangement[well - 1] - 1], .accessibleName = accessibleName,
            .id = Window1::Well1 + well - 1};
}

// A blue sum, with the line it is the rules' control for, or a red target.
ControlRow sum(const char *name, int left, int top, int height, QRgb color, const char *text, const char *accessibleName,
               int id = -1)
{
    return {.name = name, .kind = K::Label, .geometry = {left, top, 27, height}, .text = text, .textColor = color,
            .accessibleName = accessibleName, .id = id};
}

constexpr int id(Control control)
{
    return int(control);
}

const ControlRow controls[] = {
    well("ImageWell1", 1, QT_TRANSLATE_NOOP("Window1", "Tile, row 1, column 1")),
    well("ImageWell2", 2, QT_TRANSLATE_NOOP("Window1", "Tile, row 1, column 2")),
    well("ImageWell3", 3, QT_TRANSLATE_NOOP("Window1", "Tile, row 1, column 3")),
    well("ImageWell4", 4, QT_TRANSLATE_NOOP("Window1", "Tile, row 2, column 1")),
    well("ImageWell5", 5, QT_TRANSLATE_NOOP("Window1", "Tile, row 2, column 2")),
    well("ImageWell6", 6, QT_TRANSLATE_NOOP("Window1", "Tile, row 2, column 3")),
    well("ImageWell7", 7, QT_TRANSLATE_NOOP("Window1", "Tile, row 3, column 1")),
    well("ImageWell8", 8, QT_TRANSLATE_NOOP("Window1", "Tile, row 3, column 2")),
    well("ImageWell9", 9, QT_TRANSLATE_NOOP("Window1", "Tile, row 3, column 3")),
    sum("StaticText1", 357, 233, 33, Blue, "", QT_TRANSLATE_NOOP("Window1", "Top row sum"), id(Control::TopRowSum)),
    {.name = "Timer1", .kind = K::Timer, .timerMode = Timer::Multiple, .timerPeriod = 500, .id = Window1::Timer1},
    sum("StaticText2", 357, 264, 33, Blue, "", QT_TRANSLATE_NOOP("Window1", "Middle row sum"), id(Control::MiddleRowSum)),
    sum("StaticText3", 357, 308, 33, Blue, "", QT_TRANSLATE_NOOP("Window1", "Bottom row sum"), id(Control::BottomRowSum)),
    sum("StaticText4", 312, 353, 33, Blue, "", QT_TRANSLATE_NOOP("Window1", "Right column sum"), id(Control::RightColumnSum)),
    sum("StaticText5", 273, 353, 33, Blue, "", QT_TRANSLATE_NOOP("Window1", "Middle column sum"), id(Control::MiddleColumnSum)),
    sum("StaticText6", 234, 353, 33, Blue, "", QT_TRANSLATE_NOOP("Window1", "Left column sum"), id(Control::LeftColumnSum)),
    sum("StaticText0", 357, 201, 26, Blue, "", QT_TRANSLATE_NOOP("Window1", "Rising diagonal sum"), id(Control::RisingDiagonalSum)),
    sum("StaticText7", 357, 347, 33, Blue, "", QT_TRANSLATE_NOOP("Window1", "Falling diagonal sum"), id(Control::FallingDiagonalSum)),
    sum("StaticText8", 312, 188, 33, Red, "18", QT_TRANSLATE_NOOP("Window1", "Right column target")),
    sum("StaticText9", 273, 188, 33, Red, "15", QT_TRANSLATE_NOOP("Window1", "Middle column target")),
    sum("StaticText10", 234, 188, 33, Red, "12", QT_TRANSLATE_NOOP("Window1", "Left column target")),
    sum("StaticText11", 195, 188, 33, Red, "15", QT_TRANSLATE_NOOP("Window1", "Falling diagonal target")),
    sum("StaticText12", 195, 226, 33, Red, "6", QT_TRANSLATE_NOOP("Window1", "Top row target")),
    sum("StaticText13", 195, 267, 33, Red, "15", QT_TRANSLATE_NOOP("Window1", "Middle row target")),
    sum("StaticText14", 195, 308, 33, Red, "24", QT_TRANSLATE_NOOP("Window1", "Bottom row target")),
    sum("StaticText15", 195, 347, 33, Red, "15", QT_TRANSLATE_NOOP("Window1", "Rising diagonal target")),
    {.name = "StaticText16", .kind = K::Label, .geometry = {188, 149, 118, 17}, .text = QT_TRANSLATE_NOOP("Window1", "Number of Steps:"),
     .textColor = Black, .alignment = Qt::AlignRight},
    {.name = "StaticText17", .kind = K::Label, .geometry = {312, 148, 100, 20}, .text = "0", .textColor = Black,
     .id = id(Control::StepCounter)},
    {.name = "StaticText18", .kind = K::Label, .geometry = {154, 89, 258, 47}, .text = "Corvanthelix",
     .pointSize = 24, .bold = true, .italic = true, .textColor = Black, .alignment = Qt::AlignHCenter},
    {.name = "PushButton1", .kind = K::PushButton, .geometry = {172, 405, 80, 20}, .text = QT_TRANSLATE_NOOP("Window1", "Instructions"),
     .pointSize = 10, .id = Window1::InstructionsButton},
    {.name = "PushButton2", .kind = K::PushButton, .geometry = {265, 405, 80, 20}, .text = QT_TRANSLATE_NOOP("Window1", "New Game"),
     .pointSize = 10, .id = id(Control::NewGame)},
    {.name = "ListBox1", .kind = K::ListBox, .geometry = {384, 430, 132, 145}, .pointSize = 10, .enabled = false,
     .columnWidths = "66%,34%", .accessibleName = QT_TRANSLATE_NOOP("Window1", "Score table"), .id = id(Control::ScoreTable)},
    {.name = "PushButton3", .kind = K::PushButton, .geometry = {212, 452, 80, 20}, .text = QT_TRANSLATE_NOOP("Window1", "Enter Score"),
     .pointSize = 10, .enabled = false, .id = id(Control::EnterScore)},
    {.name = "StaticText19", .kind = K::Label, .geometry = {88, 499, 100, 20}, .text = QT_TRANSLATE_NOOP("Window1", "Name:"), .textColor = Black,
     .alignment = Qt::AlignRight, .labelFor = "EditField1"},
    {.name = "EditField1", .kind = K::EditField, .geometry = {200, 498, 133, 21}, .textColor = Black, .id = id(Control::NameField)},
    {.name = "StaticText20", .kind = K::Label, .geometry = {384, 392, 100, 32}, .text = QT_TRANSLATE_NOOP("Window1", "DONE"), .pointSize = 24,
     .textColor = DoneRed, .alignment = Qt::AlignHCenter, .visible = false, .id = id(Control::Done)},
};

} // namespace

const WindowSettings Window1::Settings = {"Corvanthelix", 800, 800, true, true}; // the name stays as it is
const std::span<const ControlRow> Window1::Controls = controls;
