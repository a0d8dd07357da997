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

ScoreTable::~ScoreTable()
{
    m_stopRanking = true;
    settle();
}

void ScoreTable::settle()
{
    if (m_ranker.joinable()) {
        m_ranker.join();
        m_rows.setNameRanks(std::exchange(m_ranked, {}));
    }
}

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
    settle();
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
    settle();
    std::vector<quint32> newOrder;
    try {
        newOrder = m_rows.sortedOrder(column, order == Qt::DescendingOrder);
    } catch (const std::bad_alloc &) {
        emit notEnoughMemory();
        return;
    }
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
    m_sortColumn = column;
    m_sortOrder = order;
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

QModelIndexList ScoreTable::match(const QModelIndex &start, int role, const QVariant &value, int hits,
                                  Qt::MatchFlags flags) const
{
    // Typing in the list looks for the next name that starts with the text
    // typed, whichever column is current, as file managers do. Asking row by
    // row takes most of a second in ten million rows.
    if (role != Qt::DisplayRole || start.parent().isValid() || hits != 1
        || (flags != Qt::MatchStartsWith && flags != (Qt::MatchStartsWith | Qt::MatchWrap)))
        return QAbstractTableModel::match(start, role, value, hits, flags);
    qsizetype found = -1;
    try {
        found = m_rows.findName(start.row(), value.toString());
    } catch (const std::bad_alloc &) {
        emit const_cast<ScoreTable *>(this)->notEnoughMemory();
    }
    const bool wrapped = found >= 0 && found < start.row();
    return found < 0 || (wrapped && !(flags & Qt::MatchWrap)) ? QModelIndexList()
                                                              : QModelIndexList{index(int(found), start.column())};
}

int ScoreTable::addRow(const QString &name, const QString &score)
{
    const QByteArray nameUtf8 = name.toUtf8(), scoreUtf8 = score.toUtf8();
    settle();
    try {
        m_rows.reserve(1, size_t(nameUtf8.size() + scoreUtf8.size()) + 2);
    } catch (const std::bad_alloc &) {
        return -1;
    }
    const int row = rowCount();
    beginInsertRows({}, row, row);
    m_rows.append(std::string_view(nameUtf8.constData(), size_t(nameUtf8.size())),
                  std::string_view(scoreUtf8.constData(), size_t(scoreUtf8.size())));
    endInsertRows();
    return row;
}

bool ScoreTable::addLoadedRows(ScoreRows &&rows)
{
    if (rows.empty())
        return true;
    settle();
    try {
        rows.append(m_rows);
    } catch (const std::bad_alloc &) {
        return false;
    }
    beginInsertRows({}, 0, int(rows.size() - m_rows.size()) - 1);
    m_rows = std::move(rows);
    endInsertRows();
    // A heading clicked while the file loaded: the rows it brought are shown
    // in that order too, or, without the memory for it, no order is marked.
    if (m_sortColumn >= 0) {
        const int column = std::exchange(m_sortColumn, -1);
        sort(column, m_sortOrder);
    }
    // The names are ranked beside the game, long before a player, who must
    // solve the board first, can sort by them. Without a thread, the first
    // sort does it, as it does a few thousand names, in milliseconds. A table
    // sorted by Name has just ranked them.
    if (m_sortColumn == ScoreRows::Name || m_rows.distinctNames() < (1u << 16))
        return true;
    try {
        m_ranker = std::thread([this] {
            try {
                m_ranked = m_rows.rankNames(&m_stopRanking);
            } catch (const std::bad_alloc &) {
            }
        });
    } catch (const std::system_error &) {
    }
    return true;
}
