// Corvanthelix - the board: nine tiles, their hidden numbers and the line sums.
#include "puzzle/board.h"

#include "platform/picture.h"
#include "platform/pictures.h"

#include <algorithm>

const std::array<Line, 8> &Lines()
{
    static constexpr std::array<Line, 8> lines = {{
        {{1, 2, 3}, Control::TopRowSum, 6},
        {{4, 5, 6}, Control::MiddleRowSum, 15},
        {{7, 8, 9}, Control::BottomRowSum, 24},
        {{3, 6, 9}, Control::RightColumnSum, 18},
        {{2, 5, 8}, Control::MiddleColumnSum, 15},
        {{1, 4, 7}, Control::LeftColumnSum, 12},
        {{7, 5, 3}, Control::RisingDiagonalSum, 15},
        {{1, 5, 9}, Control::FallingDiagonalSum, 15},
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
// watch writes all eight at every tick, and copies of unowned text cost no
// reference counting.
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

Sums SumsOf(const Board &board)
{
    Sums sums;
    for (size_t i = 0; i < Lines().size(); ++i) {
        qint32 sum = 0;
        for (int well : Lines()[i].wells)
            sum += board.picture(well)->verticalResolution();
        sums[i] = sumText(sum - 3 * 70);
    }
    return sums;
}

void RefreshLineSums(Board &board)
{
    const Sums sums = SumsOf(board);
    for (size_t i = 0; i < Lines().size(); ++i)
        board.setText(Lines()[i].sum, sums[i]);
}

Sums SumsShown(const Board &board)
{
    Sums sums;
    for (size_t i = 0; i < Lines().size(); ++i)
        sums[i] = board.text(Lines()[i].sum);
    return sums;
}

bool ShowsTarget(const Board &board, const Line &line)
{
    return board.text(line.sum) == sumText(line.target);
}

int LinesMatching(const Board &board)
{
    return int(std::count_if(Lines().begin(), Lines().end(), [&](const Line &line) { return ShowsTarget(board, line); }));
}
