// Corvanthelix - what a screen reader player hears of the main window.
#include "windows/narrator.h"

#include "platform/announce.h"
#include "platform/imagewell.h"
#include "platform/listbox.h"
#include "platform/textnumbers.h"
#include "puzzle/interchange.h"

#include <QApplication>
#include <QLineEdit>

Narrator::Narrator(QWidget *window, const Board &board, const std::array<ImageWell *, 9> &wells, QLineEdit *nameField,
                   ListBox *table)
    : m_window(window)
    , m_board(board)
    , m_wells(wells)
    , m_nameField(nameField)
    , m_table(table)
{
}

void Narrator::clicked(const Selection &selection)
{
    const int picked = selection.inum1 != 0 ? selection.wellname1 : 0;
    if (picked == m_picked)
        return;
    m_picked = picked;
    for (int well = 1; well <= 9; ++well)
        m_wells[well - 1]->setChecked(well == m_picked);
    describeTiles({});
    if (m_picked)
        Announce(m_window, tr("Picked row %1, column %2.").arg((m_picked - 1) / 3 + 1).arg((m_picked - 1) % 3 + 1));
}

void Narrator::ticked(const Sums &before)
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
        const QString changed = LinesChangedSince(m_board, before, focused);
        news = tr("%n steps.", nullptr, int(Val(steps))) + QLatin1Char(' ')
               + (changed.isEmpty() ? QString() : changed + QStringLiteral(". "))
               + tr("%n of 8 lines match.", nullptr, LinesMatching(m_board));
    }
    m_describedSteps = steps;
    describeTiles(news);
}

void Narrator::describeTiles(const QString &news)
{
    // Each tile describes its pick and its lines, read with it and on Where
    // Am I (a screen reader does not say "checked" of a button); the focused
    // one tells what just happened.
    for (int well = 1; well <= 9; ++well) {
        const QString lines = LinesThrough(m_board, well);
        Describe(m_wells[well - 1], well == m_picked ? tr("Picked.") + QLatin1Char(' ') + lines : lines, news);
    }
}

void Narrator::solved(bool takeFocus)
{
    m_picked = 0;
    // "DONE" and the beep reach the eye and the ear; a screen reader speaks a
    // change of focus, so a player who plays by keyboard or listens is taken
    // to the name field, whose description says what happened and what is next.
    m_nameField->setAccessibleDescription(tr("Solved in %n steps.", nullptr, int(Val(m_board.text(Control::StepCounter))))
                                          + QLatin1Char(' ') + tr("New Game can be pressed again."));
    describeTiles({});
    if (takeFocus)
        m_nameField->setFocus(Qt::OtherFocusReason);
}

void Narrator::dealt()
{
    m_picked = 0;
    // The old lines would be heard with the focus; the new ones come at the tick.
    for (ImageWell *tile : m_wells) {
        tile->setChecked(false);
        tile->setAccessibleDescription(QString());
    }
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
    m_table->tellCurrent();
    return current.isValid() ? tr("Now at %1.").arg(rowText(current.row())) : tr("The table is empty.");
}

void Narrator::sorted(int column, Qt::SortOrder order)
{
    const QString heading = m_table->model()->headerData(column, Qt::Horizontal).toString();
    const QString sorted = order == Qt::AscendingOrder ? tr("Sorted by %1, ascending.").arg(heading)
                                                       : tr("Sorted by %1, descending.").arg(heading);
    Announce(m_window, m_table->currentIndex().isValid() ? sorted + QLatin1Char(' ') + currentRow() : sorted);
}

void Narrator::removed(const QString &row)
{
    Announce(m_window, tr("Removed %1.").arg(row) + QLatin1Char(' ') + currentRow());
}

void Narrator::readBoard()
{
    if (qobject_cast<ImageWell *>(QApplication::focusWidget()))
        Announce(m_window, AllLines(m_board));
}
