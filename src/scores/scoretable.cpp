// Corvanthelix - the score table's model: names and steps in two columns.
#include "scores/scoretable.h"

#include "platform/displaytext.h"

#include <QTextDocument>
#include <algorithm>
#include <numeric>

namespace {

// Qt shows a tooltip as rich text when it merely looks like markup, and a
// name of nested tags can then take minutes to lay out, or overflow the
// stack. A name is always shown as it was typed, and a long one is cut.
QString plainToolTip(const QString &name)
{
    const QString shown = DisplayText(name, 500);
    if (!Qt::mightBeRichText(shown))
        return shown;
    return QStringLiteral("<p style=\"white-space:pre-wrap\">%1</p>").arg(shown.toHtmlEscaped());
}

// Room for `extra` more ids.
void makeRoom(std::vector<quint32> &ids, size_t extra)
{
    if (ids.capacity() < ids.size() + extra)
        ids.reserve(OrderRoom(ids.size(), extra));
}

} // namespace

ScoreTable::ScoreTable(QObject *parent)
    : QAbstractTableModel(parent)
    , m_file(std::make_shared<ScoreRows>())
    , m_added(std::make_shared<ScoreRows>())
{
}

int ScoreTable::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_order ? m_order->size() : m_file->size() + m_added->size());
}

int ScoreTable::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 2;
}

ScoreSnapshot ScoreTable::snapshot() const
{
    return {m_file, m_added, m_order, nullptr, m_revision};
}

int ScoreTable::rowOf(quint32 id, int guess) const
{
    if (guess >= 0 && guess < rowCount() && idAt(guess) == id)
        return guess;
    const TableRows rows = snapshotRows();
    for (size_t row = 0; row < rows.size(); ++row)
        if (rows.idAt(row) == id)
            return int(row);
    return -1;
}

QVariant ScoreTable::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    const quint32 id = idAt(index.row());
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return rowsOf(id).text(id & ~AddedRow, index.column());
    if (role == Qt::ToolTipRole)
        return plainToolTip(rowsOf(id).text(id & ~AddedRow, index.column()));
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

std::vector<quint32> &ScoreTable::changeOrder(size_t extra)
{
    if (!m_order) {
        auto made = std::make_shared<std::vector<quint32>>(size_t(rowCount()));
        std::iota(made->begin(), made->begin() + qsizetype(m_file->size()), 0u);
        std::iota(made->begin() + qsizetype(m_file->size()), made->end(), AddedRow);
        m_order = std::move(made);
    } else if (m_order.use_count() > 1) {
        // Copied once, with the room a new row needs: ten million rows are 40 MB.
        auto copy = std::make_shared<std::vector<quint32>>();
        copy->reserve(extra ? OrderRoom(m_order->size(), extra) : m_order->size());
        copy->assign(m_order->begin(), m_order->end());
        m_order = std::move(copy);
    }
    makeRoom(*m_order, extra);
    return *m_order;
}

ScoreRows &ScoreTable::changeAdded()
{
    if (m_added.use_count() > 1)
        m_added = std::make_shared<ScoreRows>(*m_added);
    return *m_added;
}

bool ScoreTable::removeRows(int row, int count, const QModelIndex &parent)
{
    if (parent.isValid() || row < 0 || count < 1 || count > rowCount() - row)
        return false;
    try {
        changeOrder();
    } catch (const std::bad_alloc &) {
        emit notEnoughMemory();
        return false;
    }
    beginRemoveRows(parent, row, row + count - 1);
    m_order->erase(m_order->begin() + row, m_order->begin() + row + count);
    ++m_revision;
    endRemoveRows();
    return true;
}

int ScoreTable::addRow(const QString &name, const QString &score)
{
    const QByteArray nameUtf8 = name.toUtf8(), scoreUtf8 = score.toUtf8();
    try {
        changeAdded().reserve(1, size_t(nameUtf8.size() + scoreUtf8.size()) + 2, 1);
        if (m_order)
            changeOrder(1);
    } catch (const std::bad_alloc &) {
        return -1;
    }
    const int row = rowCount();
    beginInsertRows({}, row, row);
    m_added->append(std::string_view(nameUtf8.constData(), size_t(nameUtf8.size())),
                    std::string_view(scoreUtf8.constData(), size_t(scoreUtf8.size())));
    const quint32 id = AddedRow | quint32(m_added->size() - 1);
    if (m_order)
        m_order->push_back(id);
    ++m_revision;
    endInsertRows();
    return row;
}

bool ScoreTable::addFileRows(std::shared_ptr<const ScoreRows> rows, std::vector<quint32> order)
{
    Q_ASSERT_X(m_file->empty(), "ScoreTable::addFileRows", "the file is read once");
    if (rows->empty())
        return true;
    try {
        if (order.size() != rows->size())
            order = IdentityOrder(rows->size(), size_t(rowCount()));
        // The scores entered while the file loaded follow it, as they are shown.
        const TableRows shown = snapshotRows();
        makeRoom(order, shown.size());
        for (size_t row = 0; row < shown.size(); ++row)
            order.push_back(shown.idAt(row));
    } catch (const std::bad_alloc &) {
        return false;
    }
    beginInsertRows({}, 0, int(rows->size()) - 1);
    m_file = std::move(rows);
    m_order = std::make_shared<std::vector<quint32>>(std::move(order));
    ++m_revision;
    endInsertRows();
    return true;
}

void ScoreTable::sort(int column, Qt::SortOrder order)
{
    if (column >= 0 && column < columnCount())
        emit sortAsked(column, order);
}

bool ScoreTable::showSorted(std::vector<quint32> order, const ScoreSnapshot &from, int column, Qt::SortOrder sortOrder)
{
    if (from.revision != m_revision) {
        try {
            // What the player removed or added while it was sorted: gone, and at the end.
            std::vector<bool> shown(m_file->size() + m_added->size());
            auto bit = [&](quint32 id) { return id & AddedRow ? m_file->size() + (id & ~AddedRow) : size_t(id); };
            const TableRows now = snapshotRows();
            for (size_t row = 0; row < now.size(); ++row)
                shown[bit(now.idAt(row))] = true;
            std::erase_if(order, [&](quint32 id) { return !shown[bit(id)]; });
            for (quint32 added = quint32(from.added->size()); added < m_added->size(); ++added)
                if (shown[bit(AddedRow | added)])
                    order.push_back(AddedRow | added);
        } catch (const std::bad_alloc &) {
            return false;
        }
    }
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    // The current row and the like follow their rows. They are few, so the new
    // order is read once for all of them rather than keeping a map of every row.
    const QModelIndexList persistent = persistentIndexList();
    std::vector<quint32> ids;
    for (const QModelIndex &index : persistent)
        ids.push_back(idAt(index.row()));
    std::vector<int> to(ids.size(), -1);
    for (size_t row = 0; row < order.size() && !ids.empty(); ++row)
        for (size_t i = 0; i < ids.size(); ++i)
            if (ids[i] == order[row])
                to[i] = int(row);
    QModelIndexList moved;
    for (qsizetype i = 0; i < persistent.size(); ++i)
        moved.append(index(to[size_t(i)], persistent[i].column()));
    changePersistentIndexList(persistent, moved);
    m_order = std::make_shared<std::vector<quint32>>(std::move(order));
    m_sortColumn = column;
    m_sortOrder = sortOrder;
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
    return true;
}

QModelIndexList ScoreTable::match(const QModelIndex &start, int role, const QVariant &value, int hits,
                                  Qt::MatchFlags flags) const
{
    // Typing in the list looks for the next name that starts with the text
    // typed, whichever column is current, as file managers do.
    if (role != Qt::DisplayRole || start.parent().isValid() || hits != 1
        || (flags != Qt::MatchStartsWith && flags != (Qt::MatchStartsWith | Qt::MatchWrap)))
        return QAbstractTableModel::match(start, role, value, hits, flags);
    const QString text = value.toString();
    const bool wrap = flags & Qt::MatchWrap;
    if (size_t(rowCount()) > m_atOnce) {
        emit searchAsked(start, text, wrap);
        return {};
    }
    const qsizetype found = FindName(snapshotRows(), size_t(start.row()), text, MatchingNames(*m_file, text));
    const bool wrapped = found >= 0 && found < start.row();
    return found < 0 || (wrapped && !wrap) ? QModelIndexList() : QModelIndexList{index(int(found), start.column())};
}
