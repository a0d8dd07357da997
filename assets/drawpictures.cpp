// Corvanthelix - draws the game's pictures, at 1x and 2x, into a folder.
//
// A tile's hidden number is the vertical resolution stored in its PNG
// (70 + N dots per inch), so every picture is saved with an explicit one.
#include "windows/instructionpictures.h"

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cstdio>
#include <functional>

namespace {

const QColor TileLight(0x6A, 0x8C, 0xF2);
const QColor TileDark(0x1E, 0x3A, 0xB8);
const QColor SumBlue(0x3C, 0x20, 0xCF);
const QColor TargetRed(0xCF, 0x0B, 0x23);

using Draw = std::function<void(QPainter &)>;

bool save(const QString &folder, const QString &name, QSize size, int dpi, const Draw &draw)
{
    for (int scale : {1, 2}) {
        QImage image(size * scale, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setRenderHint(QPainter::TextAntialiasing);
            painter.scale(scale, scale);
            draw(painter);
        }
        const int dotsPerMetre = qRound(dpi / 0.0254);
        image.setDotsPerMeterX(dotsPerMetre);
        image.setDotsPerMeterY(dotsPerMetre);
        const QString file = QDir(folder).filePath(name + (scale == 2 ? QStringLiteral("@2x.png") : QStringLiteral(".png")));
        if (!image.save(file, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return false;
        }
    }
    return true;
}

// A glossy blue tile filling rect.
void drawTile(QPainter &p, const QRectF &rect)
{
    const QRectF body = rect.adjusted(1, 1, -1, -1);
    const qreal radius = rect.width() * 0.14;
    QLinearGradient fill(body.topLeft(), body.bottomRight());
    fill.setColorAt(0, TileLight);
    fill.setColorAt(1, TileDark);
    p.setPen(QPen(QColor(0x12, 0x24, 0x7A), 1));
    p.setBrush(fill);
    p.drawRoundedRect(body, radius, radius);
    // A soft highlight across the upper half gives the tile its depth.
    QPainterPath shine;
    const QRectF top = body.adjusted(3, 3, -3, -body.height() * 0.5);
    shine.addRoundedRect(top, radius * 0.7, radius * 0.7);
    QLinearGradient gloss(top.topLeft(), top.bottomLeft());
    gloss.setColorAt(0, QColor(255, 255, 255, 120));
    gloss.setColorAt(1, QColor(255, 255, 255, 10));
    p.setPen(Qt::NoPen);
    p.setBrush(gloss);
    p.drawPath(shine);
}

void drawFinish(QPainter &p)
{
    const QRectF body(1, 1, 38, 38);
    QRadialGradient fill(body.center(), 26);
    fill.setColorAt(0, QColor(0xFF, 0xE0, 0x6A));
    fill.setColorAt(1, QColor(0xE0, 0x8A, 0x00));
    p.setPen(QPen(QColor(0x9A, 0x5B, 0x00), 1));
    p.setBrush(fill);
    p.drawRoundedRect(body, 6, 6);
    // A five-pointed star: the board is done.
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const qreal angle = -M_PI / 2 + i * M_PI / 5;
        const qreal r = i % 2 == 0 ? 14.0 : 6.0;
        const QPointF point(20 + r * std::cos(angle), 21 + r * std::sin(angle));
        i == 0 ? star.moveTo(point) : star.lineTo(point);
    }
    star.closeSubpath();
    p.setPen(QPen(QColor(0xB0, 0x3A, 0x00), 1.2));
    p.setBrush(QColor(255, 255, 255, 235));
    p.drawPath(star);
}

QFont font(qreal pixels, bool bold = false)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(qRound(pixels));
    f.setBold(bold);
    return f;
}

// The main window's grid in small: tiles, red targets above and left, blue
// sums right and below, for the opening board 9 1 3 / 7 4 2 / 6 8 5.
void drawGamePicture(QPainter &p)
{
    p.fillRect(QRectF(0, 0, 175, 180), QColor(0xF4, 0xF4, 0xF4));
    p.setPen(QColor(0xB8, 0xB8, 0xB8));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, 174, 179));
    const qreal cell = 31, left = 42, top = 44;
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
            drawTile(p, QRectF(left + column * (cell + 1), top + row * (cell + 1), cell, cell));
    p.setFont(font(13, true));
    auto text = [&](const QColor &color, qreal x, qreal y, const char *value) {
        p.setPen(color);
        p.drawText(QRectF(x, y, 28, 20), Qt::AlignCenter, QString::fromLatin1(value));
    };
    const char *targetsAbove[] = {"12", "15", "18"};
    const char *targetsLeft[] = {"6", "15", "24"};
    const char *sumsBelow[] = {"22", "13", "10"};
    const char *sumsRight[] = {"13", "13", "19"};
    for (int i = 0; i < 3; ++i) {
        const qreal along = left + i * (cell + 1) + cell / 2 - 14;
        const qreal down = top + i * (cell + 1) + cell / 2 - 10;
        text(TargetRed, along, top - 24, targetsAbove[i]);
        text(TargetRed, left - 34, down, targetsLeft[i]);
        text(SumBlue, along, top + 3 * (cell + 1) + 4, sumsBelow[i]);
        text(SumBlue, left + 3 * (cell + 1) + 5, down, sumsRight[i]);
    }
    text(TargetRed, left - 34, top - 24, "15");                       // falling diagonal, target
    text(SumBlue, left + 3 * (cell + 1) + 5, top - 24, "13");         // rising diagonal, sum
    text(TargetRed, left - 34, top + 3 * (cell + 1) + 4, "15");       // rising diagonal, target
    text(SumBlue, left + 3 * (cell + 1) + 5, top + 3 * (cell + 1) + 4, "18"); // falling diagonal, sum
}

// The application icon: the grid of tiles with the finish star in the middle.
void drawIcon(QPainter &p, qreal size)
{
    p.scale(size / 64.0, size / 64.0);
    QLinearGradient back(0, 0, 0, 64);
    back.setColorAt(0, QColor(0x2A, 0x2F, 0x6B));
    back.setColorAt(1, QColor(0x14, 0x17, 0x3D));
    p.setPen(Qt::NoPen);
    p.setBrush(back);
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
    for (int i = 0; i < 9; ++i) {
        const QRectF cell(8 + i % 3 * 16.5, 8 + i / 3 * 16.5, 15, 15);
        if (i == 4) {
            p.save();
            p.translate(cell.topLeft());
            p.scale(15 / 40.0, 15 / 40.0);
            drawFinish(p);
            p.restore();
        } else {
            drawTile(p, cell);
        }
    }
}

bool saveIcons(const QString &folder)
{
    QDir(folder).mkpath(QStringLiteral("icons"));
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            drawIcon(painter, size);
        }
        const QString file = QDir(folder).filePath(QStringLiteral("icons/%1.png").arg(size));
        if (!image.save(file, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: drawpictures FOLDER\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    bool ok = true;
    for (int n = 1; n <= 9; ++n)
        ok &= save(folder, QStringLiteral("pic%1").arg(n), {40, 40}, 70 + n,
                   [](QPainter &p) { drawTile(p, QRectF(0, 0, 40, 40)); });
    ok &= save(folder, QStringLiteral("picA"), {40, 40}, 70, drawFinish);
    ok &= save(folder, QStringLiteral("gamepic"), {175, 180}, 72, drawGamePicture);
    // With words in them, drawn as the game draws them in another language.
    ok &= save(folder, QStringLiteral("numpic2"), {148, 180}, 72, [](QPainter &p) { DrawNumberPicture(p, EnglishWords()); });
    ok &= save(folder, QStringLiteral("scoreshot"), {120, 119}, 72, [](QPainter &p) { DrawScorePicture(p, EnglishWords()); });
    ok &= saveIcons(folder);
    return ok ? 0 : 1;
}
