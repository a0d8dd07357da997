// Corvanthelix - the score table's model: names and steps in two columns.
#include "scores/scoretable.h"

#include <QTextDocument>
#include <algorithm>

namespace {

// Qt shows a tooltip as rich text when it merely looks like markup, and a
// name of nested tags can then take minutes to lay out, or overflow the
// stack. A name is always shown as it was typed, and a long one is cut.
QString plainToolTip(QString name)
{
    constexpr int Longest = 500;
    if (name.size() > Longest)
        name = name.left(Longest) + QChar(0x2026);
    if (!Qt::mightBeRichText(name))
        return name;
    return QStringLiteral("<p style=\"white-space:pre-wrap\">%1</p>").arg(name.toHtmlEscaped());
}

} // namespace

int ScoreTable::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int ScoreTable::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 2;
}

QVariant ScoreTable::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return m_rows.text(index.row(), index.column());
    if (role == Qt::ToolTipRole)
        return plainToolTip(m_rows.text(index.row(), index.column()));
    return {};
}

QVariant ScoreTable::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section > 1)
        return {};
    if (role == Qt::DisplayRole)
        return m_headings[section];
    // A heading clicked for the first time sorts ascending.
    if (role == Qt::InitialSortOrderRole)
        return int(Qt::AscendingOrder);
    return {};
}

bool ScoreTable::setHeaderData(int section, Qt::Orientation orientation, const QVariant &value, int role)
{
    if (orientation != Qt::Horizontal || section < 0 || section > 1 || (role != Qt::EditRole && role != Qt::DisplayRole))
        return false;
    m_headings[section] = value.toString();
    emit headerDataChanged(orientation, section, section);
    return true;
}

bool ScoreTable::removeRows(int row, int count, const QModelIndex &parent)
{
    if (parent.isValid() || row < 0 || count < 1 || count > rowCount() - row)
        return false;
    beginRemoveRows(parent, row, row + count - 1);
    for (int i = 0; i < count; ++i)
        m_rows.remove(row);
    endRemoveRows();
    return true;
}

void ScoreTable::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column > 1)
        return;
    std::vector<quint32> newOrder = m_rows.sortedOrder(column, order == Qt::DescendingOrder);
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    // The current row and the like follow their rows. They are few, so each
    // is looked for in the order rather than keeping a map of every row.
    const QModelIndexList persistent = persistentIndexList();
    QModelIndexList moved;
    for (const QModelIndex &index : persistent) {
        const auto to = std::find(newOrder.begin(), newOrder.end(), m_rows.idAt(index.row()));
        moved.append(this->index(int(to - newOrder.begin()), index.column()));
    }
    changePersistentIndexList(persistent, moved);
    m_rows.setOrder(std::move(newOrder));
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

QModelIndexList ScoreTable::match(const QModelIndex &start, int role, const QVariant &value, int hits,
                                  Qt::MatchFlags flags) const
{
    // Typing in the list looks for the next name that starts with the text
    // typed. Asking row by row takes most of a second in ten million rows.
    if (role != Qt::DisplayRole || start.column() != ScoreRows::Name || start.parent().isValid() || hits != 1
        || (flags != Qt::MatchStartsWith && flags != (Qt::MatchStartsWith | Qt::MatchWrap)))
        return QAbstractTableModel::match(start, role, value, hits, flags);
    const qsizetype found = m_rows.findName(start.row(), value.toString());
    const bool wrapped = found >= 0 && found < start.row();
    return found < 0 || (wrapped && !(flags & Qt::MatchWrap)) ? QModelIndexList() : QModelIndexList{index(int(found), 0)};
}

int ScoreTable::addRow(const QString &name, const QString &score)
{
    const int row = rowCount();
    beginInsertRows({}, row, row);
    m_rows.append(name, score);
    endInsertRows();
    return row;
}

void ScoreTable::addRows(ScoreRows &&rows)
{
    if (rows.empty())
        return;
    const int first = rowCount();
    beginInsertRows({}, first, first + int(rows.size()) - 1);
    m_rows.append(std::move(rows));
    endInsertRows();
}

void ScoreTable::addRowsFirst(ScoreRows &&rows)
{
    if (rows.empty())
        return;
    beginInsertRows({}, 0, int(rows.size()) - 1);
    rows.append(std::move(m_rows));
    m_rows = std::move(rows);
    endInsertRows();
}
