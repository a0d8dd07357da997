// Corvanthelix - the instructions window's pictures that have words in them.
#pragma once

#include <QStringList>
#include <memory>

class Picture;
class QPainter;

// The words of the picture of the solved order, and of the small score table.
struct PictureWords
{
    QString solved, hiddenNumbers; // above and below the solved order
    QString name, score;           // the table's headings
    QStringList names;             // five sample names

    bool operator==(const PictureWords &) const = default;
};

// The English words, as drawn into the pictures the game is made with; and
// the same in the player's language.
PictureWords EnglishWords();
PictureWords TranslatedWords();

// Draws the pictures at 1x: 148 by 180 and 120 by 119 pixels. A word that is
// too long for its place is drawn smaller, so that it stays whole.
void DrawNumberPicture(QPainter &painter, const PictureWords &words);
void DrawScorePicture(QPainter &painter, const PictureWords &words);

// The words that need a smaller type to fit their places.
QStringList WordsTooLong(const PictureWords &words);

// The picture drawn with the words, at 1x and 2x, with the resolution the
// pictures are saved with.
std::unique_ptr<Picture> DrawnPicture(const PictureWords &words, void (*draw)(QPainter &, const PictureWords &),
                                      int width, int height);
