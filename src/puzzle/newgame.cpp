// Corvanthelix - dealing a new game.
#include "puzzle/newgame.h"

#include "puzzle/board.h"
#include "puzzle/interchange.h"

#include <QRandomGenerator>
#include <algorithm>

std::array<const Picture *, 9> Deal(QRandomGenerator &random)
{
    std::array<const Picture *, 10> dealList = {nullptr};
    for (int n = 1; n <= 9; ++n)
        dealList[n] = TilePicture(n);
    // std::shuffle is a Fisher-Yates shuffle: unbiased, unlike swapping random pairs.
    std::shuffle(dealList.begin(), dealList.end(), random);

    std::array<const Picture *, 9> wells{};
    for (int k = 1; k <= 9; ++k)
        wells[k - 1] = dealList[k - 1] ? dealList[k - 1] : dealList[9];
    return wells;
}

void NewGame(Board &board, Selection &selection, QRandomGenerator &random)
{
    selection.clear();
    board.setEnabled(Control::NewGame, false);
    board.setVisible(Control::Done, false);
    board.setEnabled(Control::EnterScore, false);
    board.setEnabled(Control::ScoreTable, false);
    board.setTimerMode(Timer::Multiple);
    board.setText(Control::NameField, QString());
    board.setText(Control::StepCounter, QStringLiteral("0"));
    const auto dealt = Deal(random);
    for (int well = 1; well <= 9; ++well)
        board.setPicture(well, dealt[well - 1]);
}
