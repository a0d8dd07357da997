// Corvanthelix - the instructions window's pictures that have words in them.
#include "windows/instructionpictures.h"

#include "platform/picture.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

namespace {

const QColor SumBlue(0x3C, 0x20, 0xCF);
const QColor Grey(0x44, 0x44, 0x44);

QFont font(qreal pixels, bool bold = false)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(qRound(pixels));
    f.setBold(bold);
    return f;
}

// Where each word goes, and in which type.
struct Place
{
    QRectF box;
    qreal pixels;
    bool bold;
    Qt::Alignment alignment;
};

const Place SolvedPlace = {{0, 2, 148, 20}, 12, true, Qt::AlignCenter};
const Place HiddenPlace = {{0, 160, 148, 18}, 11, false, Qt::AlignCenter};
constexpr qreal Split = 72, Heading = 20, RowHeight = 19;
const Place NamePlace = {{5, 1, Split - 5, Heading}, 11, true, Qt::AlignVCenter | Qt::AlignLeft};
const Place ScorePlace = {{Split + 5, 1, 42, Heading}, 11, true, Qt::AlignVCenter | Qt::AlignLeft};
Place sampleName(int row)
{
    return {{5, Heading + 1 + row * RowHeight, Split - 5, RowHeight}, 11, false, Qt::AlignVCenter | Qt::AlignLeft};
}

// The type the word is drawn in: its place's, or smaller until it fits.
QFont fitted(const QString &word, const Place &place)
{
    QFont type = font(place.pixels, place.bold);
    while (QFontMetricsF(type).horizontalAdvance(word) > place.box.width() && type.pixelSize() > 6)
        type.setPixelSize(type.pixelSize() - 1);
    return type;
}

void write(QPainter &p, const QString &word, const Place &place)
{
    p.setFont(fitted(word, place));
    p.drawText(place.box, place.alignment, word);
}

} // namespace

PictureWords EnglishWords()
{
    return {QT_TRANSLATE_NOOP("InstructionPictures", "Solved"), QT_TRANSLATE_NOOP("InstructionPictures", "hidden numbers"),
            QT_TRANSLATE_NOOP("InstructionPictures", "Name"), QT_TRANSLATE_NOOP("InstructionPictures", "Score"),
            //: Sample names in the picture of a score table: any five short names will do
            {QT_TRANSLATE_NOOP("InstructionPictures", "Ann"), QT_TRANSLATE_NOOP("InstructionPictures", "Bob"),
             QT_TRANSLATE_NOOP("InstructionPictures", "Cleo"), QT_TRANSLATE_NOOP("InstructionPictures", "Dev"),
             QT_TRANSLATE_NOOP("InstructionPictures", "Eve")}};
}

PictureWords TranslatedWords()
{
    PictureWords words = EnglishWords();
    for (QString *word : {&words.solved, &words.hiddenNumbers, &words.name, &words.score, &words.names[0],
                          &words.names[1], &words.names[2], &words.names[3], &words.names[4]})
        *word = QCoreApplication::translate("InstructionPictures", word->toUtf8().constData());
    return words;
}

void DrawNumberPicture(QPainter &p, const PictureWords &words)
{
    p.fillRect(QRectF(0, 0, 148, 180), Qt::white);
    const qreal cell = 44, left = 8, top = 24;
    p.setPen(Grey);
    write(p, words.solved, SolvedPlace);
    p.setFont(font(24, true));
    for (int n = 1; n <= 9; ++n) {
        const QRectF box(left + (n - 1) % 3 * cell, top + (n - 1) / 3 * cell, cell - 2, cell - 2);
        p.setPen(QPen(QColor(0x8E, 0xA4, 0xE8), 1));
        p.setBrush(QColor(0xEE, 0xF2, 0xFF));
        p.drawRoundedRect(box, 5, 5);
        p.setPen(SumBlue);
        p.drawText(box, Qt::AlignCenter, QString::number(n));
    }
    p.setPen(Grey);
    write(p, words.hiddenNumbers, HiddenPlace);
}

void DrawScorePicture(QPainter &p, const PictureWords &words)
{
    const QRectF frame(0.5, 0.5, 119, 118);
    p.fillRect(frame, Qt::white);
    p.fillRect(QRectF(1, 1, 118, Heading), QColor(0xE6, 0xE6, 0xE6));
    p.setPen(QColor(0x90, 0x90, 0x90));
    p.setBrush(Qt::NoBrush);
    p.drawRect(frame);
    p.drawLine(QPointF(1, Heading + 0.5), QPointF(119, Heading + 0.5));
    p.drawLine(QPointF(Split + 0.5, 1), QPointF(Split + 0.5, 118));
    p.setPen(Qt::black);
    write(p, words.name, NamePlace);
    write(p, words.score, ScorePlace);
    const char *scores[] = {"6", "7", "8", "8", "11"};
    for (int i = 0; i < 5; ++i) {
        const Place place = sampleName(i);
        p.setPen(QPen(QColor(0xB0, 0xB0, 0xB0), 1, Qt::DotLine));
        p.drawLine(QPointF(1, place.box.bottom() - 0.5), QPointF(119, place.box.bottom() - 0.5));
        p.setPen(Qt::black);
        write(p, words.names.value(i), place);
        p.setFont(font(11));
        p.drawText(QRectF(Split + 5, place.box.top(), 42, RowHeight), place.alignment, QString::fromLatin1(scores[i]));
    }
}

QStringList WordsTooLong(const PictureWords &words)
{
    QStringList tooLong;
    auto check = [&](const QString &word, const Place &place) {
        if (fitted(word, place).pixelSize() < qRound(place.pixels))
            tooLong << word;
    };
    check(words.solved, SolvedPlace);
    check(words.hiddenNumbers, HiddenPlace);
    check(words.name, NamePlace);
    check(words.score, ScorePlace);
    for (int i = 0; i < words.names.size(); ++i)
        check(words.names[i], sampleName(i));
    return tooLong;
}

std::unique_ptr<Picture> DrawnPicture(const PictureWords &words, void (*draw)(QPainter &, const PictureWords &),
                                      int width, int height)
{
    QImage images[2];
    for (int scale : {1, 2}) {
        QImage &image = images[scale - 1];
        image = QImage(QSize(width, height) * scale, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.scale(scale, scale);
        draw(painter, words);
    }
    const int dotsPerMetre = qRound(72 / 0.0254);
    for (QImage &image : images) {
        image.setDotsPerMeterX(dotsPerMetre);
        image.setDotsPerMeterY(dotsPerMetre);
    }
    images[1].setDevicePixelRatio(2.0);
    return std::make_unique<Picture>(images[0], images[1]);
}
