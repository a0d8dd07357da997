// Corvanthelix - the board: nine tiles, their hidden numbers and the line sums.
#include "puzzle/board.h"

#include "platform/picture.h"
#include "platform/pictures.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>

const std::array<Line, 8> &Lines()
{
    static constexpr std::array<Line, 8> lines = {{
        {{1, 2, 3}, Control::TopRowSum, 6, QT_TRANSLATE_NOOP("Line", "top row")},
        {{4, 5, 6}, Control::MiddleRowSum, 15, QT_TRANSLATE_NOOP("Line", "middle row")},
        {{7, 8, 9}, Control::BottomRowSum, 24, QT_TRANSLATE_NOOP("Line", "bottom row")},
        {{3, 6, 9}, Control::RightColumnSum, 18, QT_TRANSLATE_NOOP("Line", "right column")},
        {{2, 5, 8}, Control::MiddleColumnSum, 15, QT_TRANSLATE_NOOP("Line", "middle column")},
        {{1, 4, 7}, Control::LeftColumnSum, 12, QT_TRANSLATE_NOOP("Line", "left column")},
        {{7, 5, 3}, Control::RisingDiagonalSum, 15, QT_TRANSLATE_NOOP("Line", "rising diagonal")},
        {{1, 5, 9}, Control::FallingDiagonalSum, 15, QT_TRANSLATE_NOOP("Line", "falling diagonal")},
    }};
    return lines;
}

qint32 HiddenNumber(const Board &board, int well)
{
    const Picture *picture = board.picture(well);
    Q_ASSERT_X(picture, "HiddenNumber", "every well shows a picture");
    return picture->verticalResolution() - 70;
}

const Picture *TilePicture(qint32 n)
{
    return n >= 1 && n <= 9 ? TileAccessors[n - 1]() : nullptr;
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
        board.setText(line.sum, sumText(sum - 3 * 70));
    }
}

Sums SumsShown(const Board &board)
{
    Sums sums;
    for (size_t i = 0; i < Lines().size(); ++i)
        sums[i] = board.text(Lines()[i].sum);
    return sums;
}

int LinesMatching(const Board &board)
{
    return int(std::count_if(Lines().begin(), Lines().end(),
                             [&](const Line &line) { return board.text(line.sum) == QString::number(line.target); }));
}

namespace {

// The lines the filter takes, rows top to bottom, columns left to right,
// then the falling and the rising diagonal, each sum beside its target, or,
// where it is short, saying that the line matches.
template <typename Filter> QString spoken(const Board &board, Filter takes, bool brief = false)
{
    static constexpr int order[] = {0, 1, 2, 5, 4, 3, 7, 6};
    QStringList parts;
    for (int index : order) {
        const Line &line = Lines()[index];
        if (!takes(index, line))
            continue;
        const QString sum = board.text(line.sum), name = QCoreApplication::translate("Line", line.spokenName);
        if (sum.isEmpty())
            return {};
        if (brief && sum == QString::number(line.target))
            //: A line whose sum is the one it asks for: "middle column matches"
            parts << QCoreApplication::translate("Line", "%1 matches").arg(name);
        else
            //: A line's name, its sum as it stands and the sum it asks for: "top row 13 of 6"
            parts << QCoreApplication::translate("Line", "%1 %2 of %3").arg(name, sum, QString::number(line.target));
    }
    return parts.join(QStringLiteral(", "));
}

bool passesThrough(const Line &line, int well)
{
    return std::find(line.wells.begin(), line.wells.end(), well) != line.wells.end();
}

} // namespace

QString LinesThrough(const Board &board, int well)
{
    Q_ASSERT(well >= 1 && well <= 9);
    return spoken(board, [well](int, const Line &line) { return passesThrough(line, well); });
}

QString AllLines(const Board &board)
{
    return spoken(board, [](int, const Line &) { return true; });
}

QString LinesChangedSince(const Board &board, const Sums &before, int besides)
{
    return spoken(
        board, [&](int index, const Line &line) { return board.text(line.sum) != before[size_t(index)] && !passesThrough(line, besides); },
        true);
}
