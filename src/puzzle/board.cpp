// Corvanthelix - the board: nine tiles, their hidden numbers and the line sums.
#include "puzzle/board.h"

#include "platform/picture.h"
#include "platform/pictures.h"

const std::array<Line, 8> &Lines()
{
    static const std::array<Line, 8> lines = {{
        {{1, 2, 3}, QStringLiteral("StaticText1"), QStringLiteral("StaticText12"), QStringLiteral("6")},
        {{4, 5, 6}, QStringLiteral("StaticText2"), QStringLiteral("StaticText13"), QStringLiteral("15")},
        {{7, 8, 9}, QStringLiteral("StaticText3"), QStringLiteral("StaticText14"), QStringLiteral("24")},
        {{3, 6, 9}, QStringLiteral("StaticText4"), QStringLiteral("StaticText8"), QStringLiteral("18")},
        {{2, 5, 8}, QStringLiteral("StaticText5"), QStringLiteral("StaticText9"), QStringLiteral("15")},
        {{1, 4, 7}, QStringLiteral("StaticText6"), QStringLiteral("StaticText10"), QStringLiteral("12")},
        {{7, 5, 3}, QStringLiteral("StaticText0"), QStringLiteral("StaticText15"), QStringLiteral("15")},
        {{1, 5, 9}, QStringLiteral("StaticText7"), QStringLiteral("StaticText11"), QStringLiteral("15")},
    }};
    return lines;
}

const QString &StepCounter()
{
    static const QString name = QStringLiteral("StaticText17");
    return name;
}

qint32 HiddenNumber(const Board &board, int well)
{
    const Picture *picture = board.picture(well);
    Q_ASSERT_X(picture, "HiddenNumber", "every well shows a picture");
    return picture->verticalResolution() - 70;
}

const Picture *TilePicture(qint32 n)
{
    static const std::array<const Picture *(*)(), 9> tiles = {pic1, pic2, pic3, pic4, pic5, pic6, pic7, pic8, pic9};
    return n >= 1 && n <= 9 ? tiles[n - 1]() : nullptr;
}

void LayTile(Board &board, int well, qint32 n)
{
    if (const Picture *tile = TilePicture(n))
        board.setPicture(well, tile);
}

namespace {

// The texts of the sums a board can show, made once over static storage: the
// watch writes eight of them twice a second, and copies of unowned text cost
// no reference counting.
QString sumText(qint32 sum)
{
    constexpr qint32 Count = 3 * 9 + 1;
    static char16_t digits[Count][2];
    static const auto texts = [] {
        std::array<QString, Count> all;
        for (qint32 n = 0; n < Count; ++n) {
            const bool two = n >= 10;
            digits[n][0] = char16_t(u'0' + (two ? n / 10 : n));
            digits[n][1] = char16_t(u'0' + n % 10);
            all[n] = QString::fromRawData(reinterpret_cast<const QChar *>(digits[n]), two ? 2 : 1);
        }
        return all;
    }();
    return sum >= 0 && sum < Count ? texts[sum] : QString::number(sum);
}

} // namespace

void RefreshLineSums(Board &board)
{
    for (const Line &line : Lines()) {
        qint32 sum = 0;
        for (int well : line.wells)
            sum += board.picture(well)->verticalResolution();
        board.setText(line.sumLabel, sumText(sum - 3 * 70));
    }
}
