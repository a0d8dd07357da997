// Corvanthelix - the instructions window.
#include "windows/window2.h"

#include "platform/announce.h"
#include "platform/imagewell.h"
#include "platform/picture.h"
#include "platform/pictures.h"
#include "windows/instructionpictures.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>

namespace {

QPointer<Window2> shared;

using K = ControlKind;

const ControlRow controls[] = {
    {.name = "StaticText1", .kind = K::MultiLineLabel, .geometry = {216, 12, 223, 180},
     .text = QT_TRANSLATE_NOOP("Window2", "Each blue tile has a number (1 ... 9) associated with it, The blue numbers off to the sides give the "
             "value of the rows, columns and diagonals of the hidden numbers as currently arranged. The purpose of "
             "the puzzle is to rearrange the  blue tiles (and the hidden numbers associated with them) so that the "
             "new blue numbers match the red numbers."),
     .textColor = qRgb(0, 0, 0)},
    {.name = "PushButton1", .kind = K::PushButton, .geometry = {376, 585, 80, 20}, .text = QT_TRANSLATE_NOOP("Window2", "Back"),
     .isDefault = true, .id = Window2::BackButton},
    {.name = "ImageWell1", .kind = K::ImageWell, .geometry = {18, 12, 175, 180}, .picture = gamepic,
     .accessibleName = QT_TRANSLATE_NOOP("Window2", "The game's grid with its sums")},
    {.name = "ImageWell2", .kind = K::ImageWell, .geometry = {318, 195, 148, 180}, .picture = numpic2,
     .accessibleName = QT_TRANSLATE_NOOP("Window2", "The solved order: 1 2 3, 4 5 6, 7 8 9"), .id = Window2::NumberPicture},
    {.name = "StaticText2", .kind = K::MultiLineLabel, .geometry = {18, 210, 288, 84},
     .text = QT_TRANSLATE_NOOP("Window2", "This corresponds to a final arrangement of the blue tiles so that there hidden numbers are in the "
             "order shown on the right. The opening puzzle can be done in as little as  6 steps. All puzzles can be "
             "done in 8 steps or less."),
     .textColor = qRgb(0, 0, 0), .alignment = Qt::AlignRight},
    {.name = "StaticText3", .kind = K::MultiLineLabel, .geometry = {18, 306, 295, 54},
     .text = QT_TRANSLATE_NOOP("Window2", "To move the tiles, click on the one you want to move and then click on where you want it. (This "
             "interchanges the two tiles.)"),
     .bold = true, .textColor = qRgb(0, 0, 0)},
    {.name = "ImageWell3", .kind = K::ImageWell, .geometry = {14, 365, 120, 119}, .picture = scoreshot,
     .accessibleName = QT_TRANSLATE_NOOP("Window2", "A score table with the headings Name and Score"), .id = Window2::ScorePicture},
    {.name = "StaticText5", .kind = K::MultiLineLabel, .geometry = {29, 512, 320, 77},
     .text = QT_TRANSLATE_NOOP("Window2", "NOTE: Clicking \"Name\" in the table header will arrange the table in alphabetical order. Clicking "
             "\"Score\" in the header will arrange the table in numerical order. Clicking again will reverse the "
             "order."),
     .bold = true, .textColor = qRgb(0, 0, 0)},
};

} // namespace

const WindowSettings Window2::Settings = {QT_TRANSLATE_NOOP("Window", "Instructions"), 493, 625, false, false};
const std::span<const ControlRow> Window2::Controls = controls;

Window2 *Window2::instance()
{
    if (!shared)
        shared = new Window2;
    return shared;
}

void Window2::releaseInstance()
{
    delete shared;
}

Window2::Window2()
    : Window(Settings)
{
    ReadOnOpen(this);
    createControls(Controls);
    connect(created<QPushButton>(BackButton), &QPushButton::clicked, this, &Window2::PushButton1_Action);
    // The text speaks of clicks alone. "(1 ... 9)" would be read out as dots.
    tellOnOpen(tr("Return or Escape goes back."));
    auto *first = findChild<QLabel *>(QStringLiteral("StaticText1"));
    first->setAccessibleName(first->text().replace(QStringLiteral("(1 ... 9)"), tr("(1 to 9)")));
    // The pictures' words in the player's language, drawn now; in English,
    // the pictures as the game was made with them.
    if (const PictureWords words = TranslatedWords(); !(words == EnglishWords())) {
        m_numberPicture = DrawnPicture(words, DrawNumberPicture, 148, 180);
        m_scorePicture = DrawnPicture(words, DrawScorePicture, 120, 119);
        created<ImageWell>(NumberPicture)->setPicture(m_numberPicture.get());
        created<ImageWell>(ScorePicture)->setPicture(m_scorePicture.get());
    }
    // Escape leaves, as Back does: the window has no close button to reach.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &Window2::PushButton1_Action);
}

void Window2::showInPlaceOf(QWidget *window)
{
    m_replaced = window;
    show();
}

void Window2::PushButton1_Action()
{
    hide();
    if (m_replaced)
        m_replaced->show();
}

void Window2::closeEvent(QCloseEvent *event)
{
    // Only a close from the window system means Back; quitting (or logging
    // out) closes every window itself and must not be refused.
    if (!event->spontaneous())
        return Window::closeEvent(event);
    event->ignore();
    PushButton1_Action();
}
