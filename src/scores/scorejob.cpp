// Corvanthelix - sorting, ranking and searching the score table beside the game.
#include "scores/scorejob.h"

#include <algorithm>

ScoreJob::ScoreJob(ScoreTable &table, ScoreWork &work, QObject *parent)
    : QObject(parent)
    , m_table(table)
    , m_work(work)
    , m_fileRanks(std::make_shared<std::vector<quint32>>())
{
    connect(&table, &ScoreTable::sortAsked, this, &ScoreJob::sort);
    connect(&table, &ScoreTable::searchAsked, this, &ScoreJob::search);
}

void ScoreJob::fileRowsAdded()
{
    ++m_generation;
    rankFileNames();
    // A heading clicked while the file loaded: the rows it brought are sorted
    // in too, now, as the last sort asked for sorts them; a sort that was
    // running is not shown.
    if (!m_requests.empty())
        m_requests.erase(m_requests.begin(), m_requests.end() - 1);
    else if (m_table.sortColumn() >= 0)
        m_requests.push_back({m_table.sortColumn(), m_table.sortOrder(), false});
    m_running = false;
    m_due = {};
    sortNext();
}

void ScoreJob::rankFileNames()
{
    const std::shared_ptr<const ScoreRows> file = m_table.fileRows();
    m_fileRanks.reset();
    if (file->distinctNames() <= m_table.atOnceLimit()) {
        try {
            m_fileRanks = std::make_shared<std::vector<quint32>>(RankNames(*file));
        } catch (const std::bad_alloc &) {
        }
        return;
    }
    // Beside the game, long before a player, who must solve the board first,
    // can click; a sort by name asked for before waits for it.
    m_ranking = true;
    m_work.run(ScoreWork::Long, [this, file](const std::atomic_bool &stop) {
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
            sortNext();
        }, Qt::QueuedConnection);
    });
}

void ScoreJob::sort(int column, Qt::SortOrder order)
{
    m_requests.push_back({column, order, true});
    sortNext();
}

void ScoreJob::sortNext()
{
    while (!m_running && !m_requests.empty()) {
        const Request request = m_requests.front();
        const bool byName = request.column == ScoreRows::Name, descending = request.order == Qt::DescendingOrder;
        // The rows as they are when the sort is due are sorted; those added
        // later go to the end, even while it waits for the names' ranks.
        ScoreSnapshot from = m_due.file ? std::exchange(m_due, {}) : m_table.snapshot();
        if (byName && m_ranking) {
            m_due = std::move(from);
            return;
        }
        from.fileNameRanks = m_fileRanks;
        if (byName && !m_fileRanks)
            return fail(); // there was not the memory to rank the names
        if (size_t(m_table.rowCount()) <= m_table.atOnceLimit()) {
            std::vector<quint32> order;
            try {
                order = SortedOrder(from.rows(), request.column, descending);
            } catch (const std::bad_alloc &) {
                return fail();
            }
            show(std::move(order), from);
            continue;
        }
        m_running = true;
        m_work.run(ScoreWork::Short, [this, from, request, descending, generation = m_generation](const std::atomic_bool &stop) {
            std::shared_ptr<std::vector<quint32>> order;
            try {
                order = std::make_shared<std::vector<quint32>>(SortedOrder(from.rows(), request.column, descending));
            } catch (const std::bad_alloc &) {
            }
            if (!stop)
                QMetaObject::invokeMethod(this, [=, this] { finish(generation, order, from); }, Qt::QueuedConnection);
        });
    }
}

void ScoreJob::finish(quint64 generation, const std::shared_ptr<std::vector<quint32>> &order, const ScoreSnapshot &from)
{
    if (generation != m_generation) // the file's rows came meanwhile, and another sort began with them
        return;
    m_running = false;
    if (!order)
        return fail();
    show(std::move(*order), from);
    sortNext();
}

void ScoreJob::show(std::vector<quint32> order, const ScoreSnapshot &from)
{
    const Request request = m_requests.front();
    if (!m_table.showSorted(std::move(order), from, request.column, request.order))
        return fail();
    m_requests.pop_front();
    const bool more = std::any_of(m_requests.begin(), m_requests.end(), [](const Request &r) { return r.asked; });
    if (request.asked && !more)
        emit sorted(request.column, request.order);
}

void ScoreJob::fail()
{
    // The sorts asked for after it would build on it.
    m_requests.clear();
    m_due = {};
    emit notEnoughMemory();
}

void ScoreJob::search(const QModelIndex &start, const QString &text, bool wrap)
{
    // A search that a newer key replaced stops, and lets go of the rows it
    // held. It asks the file's names first, without the order shown: a score
    // entered or removed meanwhile then need not copy millions of ids.
    if (m_search)
        m_work.cancel(m_search);
    const quint64 search = ++m_searches;
    m_searching = true;
    const int from = start.row(), column = start.column();
    m_search = m_work.run(ScoreWork::Short, [=, this, file = m_table.fileRows()](const std::atomic_bool &stop) {
        auto inFile = std::make_shared<const std::vector<char>>(MatchingNames(*file, text, &stop));
        if (stop)
            return;
        QMetaObject::invokeMethod(this, [=, this] {
            if (search != m_searches)
                return;
            m_search = m_work.run(ScoreWork::Short, [=, this, snap = m_table.snapshot()](const std::atomic_bool &stop) {
                const TableRows rows = snap.rows();
                // The file's rows may have come meanwhile.
                const std::vector<char> matches = snap.file == file ? *inFile : MatchingNames(*snap.file, text, &stop);
                qsizetype found = FindName(rows, size_t(from) % std::max<size_t>(rows.size(), 1), text, matches, &stop);
                if (stop)
                    return;
                found = found < 0 || (found < from && !wrap) ? -1 : found;
                const quint32 id = found < 0 ? 0 : rows.idAt(size_t(found));
                QMetaObject::invokeMethod(this, [=, this] {
                    // Only the latest search counts, and only where its row still is.
                    if (search != m_searches)
                        return;
                    m_searching = false;
                    if (const int row = found < 0 ? -1 : m_table.rowOf(id, int(found)); row >= 0)
                        emit this->found(m_table.index(row, column));
                }, Qt::QueuedConnection);
            });
        }, Qt::QueuedConnection);
    });
}
