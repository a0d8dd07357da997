// Corvanthelix - what a screen reader player hears of the main window.
#include "windows/narrator.h"

#include "platform/announce.h"
#include "platform/imagewell.h"
#include "platform/listbox.h"
#include "platform/textnumbers.h"
#include "puzzle/interchange.h"

#include "puzzle/solvedwatch.h"

#include <QApplication>
#include <QLineEdit>
#include <QStringList>
#include <algorithm>

namespace {

// A line's name as a screen reader says it.
QString spokenName(const Line &line)
{
    switch (line.sum) {
    case Control::TopRowSum: return QCoreApplication::translate("Line", "top row");
    case Control::MiddleRowSum: return QCoreApplication::translate("Line", "middle row");
    case Control::BottomRowSum: return QCoreApplication::translate("Line", "bottom row");
    case Control::RightColumnSum: return QCoreApplication::translate("Line", "right column");
    case Control::MiddleColumnSum: return QCoreApplication::translate("Line", "middle column");
    case Control::LeftColumnSum: return QCoreApplication::translate("Line", "left column");
    case Control::RisingDiagonalSum: return QCoreApplication::translate("Line", "rising diagonal");
    default: return QCoreApplication::translate("Line", "falling diagonal");
    }
}

// The lines the filter takes (by their index in Lines()), rows top to
// bottom, columns left to right, then the falling and the rising diagonal,
// each sum beside its target: "top row 13 of 6, left column 22 of 12".
// Empty while the sums are, before the watch's first tick.
template <typename Filter> QString spoken(const Sums &sums, Filter takes)
{
    static constexpr int order[] = {0, 1, 2, 5, 4, 3, 7, 6};
    QStringList parts;
    for (int index : order) {
        const Line &line = Lines()[index];
        if (!takes(index, line))
            continue;
        if (sums[size_t(index)].isEmpty())
            return {};
        //: A line's name, its sum as it stands and the sum it asks for: "top row 13 of 6"
        parts << QCoreApplication::translate("Line", "%1 %2 of %3").arg(spokenName(line), sums[size_t(index)], QString::number(line.target));
    }
    return parts.join(QStringLiteral(", "));
}

bool passesThrough(const Line &line, int well)
{
    return std::find(line.wells.begin(), line.wells.end(), well) != line.wells.end();
}

} // namespace

Narrator::Narrator(QWidget *window, const Board &board, const std::array<ImageWell *, 9> &wells, QLineEdit *nameField,
                   ListBox *table)
    : m_window(window)
    , m_board(board)
    , m_wells(wells)
    , m_nameField(nameField)
    , m_table(table)
{
    // The blue sums are blank until the watch's first tick, but a tile that
    // has the focus before then is heard with its lines: they are known.
    describeTiles(SumsOf(m_board), {});
}

void Narrator::clicked(ClickResult result, const Selection &selection)
{
    const int picked = result == ClickResult::Picked ? selection.wellname1 : 0;
    if (picked != m_picked) {
        m_picked = picked;
        for (int well = 1; well <= 9; ++well)
            m_wells[well - 1]->setChecked(well == m_picked);
        describeTiles(m_sums, {});
    }
    if (result == ClickResult::Picked)
        Announce(m_window, tr("Picked row %1, column %2.").arg((picked - 1) / 3 + 1).arg((picked - 1) % 3 + 1));
    else if (result == ClickResult::SwappedWithItself)
        //: The step it counts is told at the next tick, with the lines.
        Announce(m_window, tr("Swapped row %1, column %2 with itself.")
                               .arg((selection.wellname1 - 1) / 3 + 1).arg((selection.wellname1 - 1) % 3 + 1));
}

void Narrator::ticked(const Tick &tick)
{
    QString news = std::exchange(m_news, QString());
    const QString steps = m_board.text(Control::StepCounter);
    if (news.isEmpty() && steps != m_describedSteps) {
        int focused = 0;
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        // The focused tile's own lines are heard as its description changes.
        for (int well = 1; well <= 9; ++well)
            if (m_wells[well - 1]->hasFocus())
                focused = well;
#endif
        // The lines the last moves changed, but for those through the focused tile.
        const QString changed = spoken(SumsShown(m_board), [&](int index, const Line &line) {
            return tick.changed[size_t(index)] && !passesThrough(line, focused);
        });
        news = tr("%n steps.", nullptr, int(Val(steps))) + QLatin1Char(' ')
               + (changed.isEmpty() ? QString() : changed + QStringLiteral(". "))
               + tr("%n of 8 lines match.", nullptr, LinesMatching(m_board));
    }
    m_describedSteps = steps;
    describeTiles(SumsShown(m_board), news);
}

void Narrator::describeTiles(const Sums &sums, const QString &news)
{
    // Each tile describes its pick and its lines, read with it and on Where
    // Am I (a screen reader does not say "checked" of a button); the focused
    // one tells what just happened.
    m_sums = sums;
    for (int well = 1; well <= 9; ++well) {
        const QString lines = spoken(sums, [well](int, const Line &line) { return passesThrough(line, well); });
        Describe(m_wells[well - 1], well == m_picked ? tr("Picked.") + QLatin1Char(' ') + lines : lines, news);
    }
}

void Narrator::solved()
{
    m_picked = 0;
    // "DONE" and the beep reach the eye and the ear; the name field, where a
    // player on the keyboard or with a screen reader is taken, says what
    // happened and what is next.
    m_nameField->setAccessibleDescription(tr("Solved in %n steps.", nullptr, int(Val(m_board.text(Control::StepCounter))))
                                          + QLatin1Char(' ') + tr("New Game can be pressed again."));
    describeTiles(m_sums, {});
}

void Narrator::dealt()
{
    m_picked = 0;
    for (ImageWell *tile : m_wells)
        tile->setChecked(false);
    // The tiles tell the new board's lines at once, though the blue sums
    // show the old ones until the next tick, which tells the news.
    describeTiles(SumsOf(m_board), {});
    m_news = tr("New board dealt. New Game comes back once it is solved.");
    m_nameField->setAccessibleDescription(QString());
}

void Narrator::entered(int row)
{
    Announce(m_window, tr("Score entered: %1 with %n steps.", nullptr, int(Val(m_table->model()->index(row, 1).data().toString())))
                           .arg(m_table->model()->index(row, 0).data().toString()));
}

QString Narrator::rowText(int row) const
{
    const QAbstractItemModel *model = m_table->model();
    return model->index(row, 0).data().toString() + QStringLiteral(", ") + model->index(row, 1).data().toString();
}

QString Narrator::currentRow() const
{
    const QModelIndex current = m_table->currentIndex();
    return current.isValid() ? tr("Now at %1.").arg(rowText(current.row())) : tr("The table is empty.");
}

void Narrator::sorted(int column, Qt::SortOrder order)
{
    // The news alone: what a screen reader holds of the current row moved
    // with it.
    const QString heading = m_table->model()->headerData(column, Qt::Horizontal).toString();
    const QString sorted = order == Qt::AscendingOrder ? tr("Sorted by %1, ascending.").arg(heading)
                                                       : tr("Sorted by %1, descending.").arg(heading);
    Announce(m_window, m_table->currentIndex().isValid() ? sorted + QLatin1Char(' ') + currentRow() : sorted);
}

void Narrator::removed(const QString &row)
{
    // The news alone: the row now current is the one a screen reader holds.
    Announce(m_window, tr("Removed %1.").arg(row) + QLatin1Char(' ') + currentRow());
}

void Narrator::readBoard()
{
    if (qobject_cast<ImageWell *>(QApplication::focusWidget()))
        Announce(m_window, spoken(SumsShown(m_board), [](int, const Line &) { return true; }));
}
