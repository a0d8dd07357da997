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

ScoreTable::ScoreTable(ScoreWork &work, QObject *parent)
    : QAbstractTableModel(parent)
    , m_work(work)
    , m_file(std::make_shared<ScoreRows>())
    , m_fileRanks(std::make_shared<std::vector<quint32>>())
    , m_added(std::make_shared<ScoreRows>())
{
}

ScoreTable::~ScoreTable()
{
    // A job that is still running would hand its result to a table that is gone.
    m_work.stop();
}

int ScoreTable::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_order ? m_order->size() : m_file->size() + m_added->size());
}

int ScoreTable::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 2;
}

quint32 ScoreTable::idAt(int row) const
{
    return snapshotRows().idAt(size_t(row));
}

TableRows ScoreTable::snapshotRows() const
{
    return {m_file.get(), m_added.get(), m_order.get(), m_fileRanks.get()};
}

ScoreTable::Snapshot ScoreTable::snapshot() const
{
    return {m_file, m_added, m_order, m_fileRanks};
}

QVariant ScoreTable::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() > 1)
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
    const auto first = m_order->begin() + row, last = first + count;
    if (m_running)
        m_removedSince.insert(m_removedSince.end(), first, last);
    m_order->erase(first, last);
    endRemoveRows();
    return true;
}

int ScoreTable::addRow(const QString &name, const QString &score)
{
    const QByteArray nameUtf8 = name.toUtf8(), scoreUtf8 = score.toUtf8();
    try {
        changeAdded().reserve(1, size_t(nameUtf8.size() + scoreUtf8.size()) + 2);
        if (m_order)
            changeOrder(1);
        if (m_running)
            makeRoom(m_addedSince, 1);
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
    if (m_running)
        m_addedSince.push_back(id);
    endInsertRows();
    return row;
}

bool ScoreTable::addFileRows(std::shared_ptr<const ScoreRows> rows)
{
    Q_ASSERT_X(m_file->empty(), "ScoreTable::addFileRows", "the file is read once");
    if (rows->empty())
        return true;
    std::shared_ptr<std::vector<quint32>> order;
    try {
        if (m_order) {
            order = std::make_shared<std::vector<quint32>>(rows->size() + m_order->size());
            std::iota(order->begin(), order->begin() + qsizetype(rows->size()), 0u);
            std::copy(m_order->begin(), m_order->end(), order->begin() + qsizetype(rows->size()));
        }
    } catch (const std::bad_alloc &) {
        return false;
    }
    beginInsertRows({}, 0, int(rows->size()) - 1);
    m_file = std::move(rows);
    m_order = std::move(order);
    endInsertRows();
    ++m_generation;
    rankFileNames();
    // A heading clicked while the file loaded: the rows it brought are sorted
    // in too, now, as the last sort asked for sorts them; a sort that was
    // running is not shown.
    if (!m_requests.empty())
        m_requests.erase(m_requests.begin(), m_requests.end() - 1);
    else if (m_sortColumn >= 0)
        m_requests.push_back({m_sortColumn, m_sortOrder, false});
    m_running = false;
    sortNext();
    return true;
}

void ScoreTable::rankFileNames()
{
    m_fileRanks.reset();
    if (m_file->distinctNames() <= m_atOnce) {
        try {
            m_fileRanks = std::make_shared<std::vector<quint32>>(RankNames(*m_file));
        } catch (const std::bad_alloc &) {
        }
        return;
    }
    // Beside the game, long before a player, who must solve the board first,
    // can click; a sort by name asked for before waits for it.
    m_ranking = true;
    m_work.run(ScoreWork::Long, [this, file = m_file](const std::atomic_bool &stop) {
        std::shared_ptr<std::vector<quint32>> ranks;
        try {
            ranks = std::make_shared<std::vector<quint32>>(RankNames(*file, &stop));
        } catch (const std::bad_alloc &) {
        }
        if (stop)
            return;
        QMetaObject::invokeMethod(this, [this, ranks] {
            m_ranking = false;
            m_fileRanks = ranks;
            if (!m_running)
                sortNext();
            else if (m_sorting.file) // a sort by name waits for them
                runSort();
        }, Qt::QueuedConnection);
    });
}

void ScoreTable::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column > 1)
        return;
    m_requests.push_back({column, order, true});
    sortNext();
}

void ScoreTable::sortNext()
{
    while (!m_running && !m_requests.empty()) {
        const Request request = m_requests.front();
        if (size_t(rowCount()) > m_atOnce || (request.column == ScoreRows::Name && m_ranking))
            return startSort();
        std::vector<quint32> order;
        try {
            if (request.column == ScoreRows::Name && !m_fileRanks)
                throw std::bad_alloc(); // there was not the memory to rank the names
            order = SortedOrder(snapshotRows(), request.column, request.order == Qt::DescendingOrder);
        } catch (const std::bad_alloc &) {
            return fail();
        }
        m_requests.pop_front();
        show(std::move(order), request);
    }
}

void ScoreTable::startSort()
{
    // The rows as they are now are sorted; those removed or added from now
    // on are taken out of the result, or put at its end.
    m_running = true;
    m_removedSince.clear();
    m_addedSince.clear();
    m_sorting = snapshot();
    runSort();
}

void ScoreTable::runSort()
{
    const Request request = m_requests.front();
    if (request.column == ScoreRows::Name && m_ranking)
        return; // once the file's names are ranked
    Snapshot snap = std::exchange(m_sorting, {});
    snap.ranks = m_fileRanks;
    if (request.column == ScoreRows::Name && !snap.ranks)
        return finishSort(m_generation, nullptr); // there was not the memory to rank the names
    m_work.run(ScoreWork::Short, [this, snap, request, generation = m_generation](const std::atomic_bool &stop) {
        std::shared_ptr<std::vector<quint32>> order;
        try {
            order = std::make_shared<std::vector<quint32>>(
                SortedOrder(snap.rows(), request.column, request.order == Qt::DescendingOrder));
        } catch (const std::bad_alloc &) {
        }
        if (!stop)
            QMetaObject::invokeMethod(this, [this, generation, order] { finishSort(generation, order); }, Qt::QueuedConnection);
    });
}

void ScoreTable::finishSort(quint64 generation, const std::shared_ptr<std::vector<quint32>> &order)
{
    if (generation != m_generation) // the file's rows came meanwhile, and another sort began with them
        return;
    m_running = false;
    if (!order)
        return fail();
    try {
        // What the player removed or added while it ran: gone, and at the end.
        std::sort(m_removedSince.begin(), m_removedSince.end());
        auto removed = [&](quint32 id) { return std::binary_search(m_removedSince.begin(), m_removedSince.end(), id); };
        if (!m_removedSince.empty())
            std::erase_if(*order, removed);
        for (quint32 id : m_addedSince)
            if (!removed(id))
                order->push_back(id);
    } catch (const std::bad_alloc &) {
        return fail();
    }
    const Request request = m_requests.front();
    m_requests.pop_front();
    show(std::move(*order), request);
    sortNext();
}

void ScoreTable::show(std::vector<quint32> order, const Request &request)
{
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
    m_sortColumn = request.column;
    m_sortOrder = request.order;
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
    const bool more = std::any_of(m_requests.begin(), m_requests.end(), [](const Request &r) { return r.asked; });
    if (request.asked && !more)
        emit sorted(m_sortColumn, m_sortOrder);
}

void ScoreTable::fail()
{
    // The sorts asked for after it would build on it.
    m_requests.clear();
    emit notEnoughMemory();
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
        const_cast<ScoreTable *>(this)->startSearch(start, text, wrap);
        return {};
    }
    const qsizetype found = FindName(snapshotRows(), size_t(start.row()), text);
    const bool wrapped = found >= 0 && found < start.row();
    return found < 0 || (wrapped && !wrap) ? QModelIndexList() : QModelIndexList{index(int(found), start.column())};
}

void ScoreTable::startSearch(const QModelIndex &start, const QString &text, bool wrap)
{
    // A search that a newer key replaced stops, and lets go of the rows it
    // held: each of them would keep a copy of the order alive.
    if (m_search)
        m_work.cancel(m_search);
    const quint64 search = ++m_searches;
    const int from = start.row(), column = start.column();
    m_search = m_work.run(ScoreWork::Short, [=, this, snap = snapshot()](const std::atomic_bool &stop) {
        const qsizetype found = FindName(snap.rows(), size_t(from), text, &stop);
        if (stop || found < 0 || (found < from && !wrap))
            return;
        const quint32 id = snap.rows().idAt(size_t(found));
        QMetaObject::invokeMethod(this, [=, this] {
            // Only the latest search counts, and only where its row still is.
            if (search != m_searches)
                return;
            int row = int(found);
            if (row >= rowCount() || idAt(row) != id) {
                const TableRows rows = snapshotRows();
                for (row = 0; row < rowCount() && rows.idAt(size_t(row)) != id; ++row) {
                }
            }
            if (row < rowCount())
                emit this->found(index(row, column));
        }, Qt::QueuedConnection);
    });
}
