// Corvanthelix - the watch that declares the puzzle solved.
#include "puzzle/solvedwatch.h"

#include "platform/pictures.h"
#include "puzzle/board.h"
#include "puzzle/interchange.h"

#include <array>

bool SumsShowSolved(const Board &board)
{
    static const std::array<std::pair<QString, QString>, 7> expected = {{
        {QStringLiteral("StaticText1"), QStringLiteral("6")},
        {QStringLiteral("StaticText2"), QStringLiteral("15")},
        {QStringLiteral("StaticText3"), QStringLiteral("24")},
        {QStringLiteral("StaticText4"), QStringLiteral("18")},
        {QStringLiteral("StaticText5"), QStringLiteral("15")},
        {QStringLiteral("StaticText6"), QStringLiteral("12")},
        {QStringLiteral("StaticText7"), QStringLiteral("15")},
    }};
    for (const auto &[label, text] : expected)
        if (board.text(label) != text)
            return false;
    return true;
}

void WatchTick(Board &board, Selection &selection)
{
    RefreshLineSums(board);
    if (!SumsShowSolved(board))
        return;

    board.setVisible(QStringLiteral("StaticText20"), true);
    board.beep();
    board.setTimerMode(0);
    for (int well = 1; well <= 9; ++well)
        board.setPicture(well, picA());
    selection.clear();
    for (const char *control : {"EditField1", "ListBox1", "PushButton3", "PushButton2"})
        board.setEnabled(QString::fromLatin1(control), true);
}
