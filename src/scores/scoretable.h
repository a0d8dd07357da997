// Corvanthelix - the score table's model: names and steps in two columns.
#pragma once

#include "scores/scoreorder.h"
#include "scores/scorework.h"

#include <QAbstractTableModel>
#include <deque>
#include <memory>

// Rows stand in the order they were added until a heading sorts them; a row
// added later goes to the end all the same. The file's rows, which may be
// millions, never change once read: rows added or removed since, and the
// order shown, are the table's own. A big table is sorted and searched on
// the scores' threads: the game goes on meanwhile, and the table shows its
// previous order until the new one is ready. An action that needs memory in
// proportion to the table leaves the table as it was when there is none.
class ScoreTable : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit ScoreTable(ScoreWork &work, QObject *parent = nullptr);
    // Stops the work, whose jobs would otherwise hand their results to a table that is gone.
    ~ScoreTable() override;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant &value, int role = Qt::EditRole) override;
    bool removeRows(int row, int count, const QModelIndex &parent = {}) override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;
    // Typing in the list: the next name that starts with the text, whichever
    // column is current. In a big table the answer comes later, as found().
    QModelIndexList match(const QModelIndex &start, int role, const QVariant &value, int hits,
                          Qt::MatchFlags flags) const override;

    // Adds a row at the end and returns its index, or -1 when there is not
    // enough memory for it.
    int addRow(const QString &name, const QString &score);
    // The file's rows, finished: they go before all others (scores may have
    // been entered while a big file loaded), in the order the table is sorted
    // in, if it is. False when there is not enough memory for them.
    bool addFileRows(std::shared_ptr<const ScoreRows> rows);

    // The column the rows are shown sorted by, or -1; and in which order.
    int sortColumn() const { return m_sortColumn; }
    Qt::SortOrder sortOrder() const { return m_sortOrder; }
    // A table of up to this many rows is sorted and searched at once, on the
    // game's thread; they take milliseconds.
    void setAtOnceLimit(size_t rows) { m_atOnce = rows; }
    // Whether a sort or a search is still to come.
    bool busy() const { return !m_requests.empty() || m_running || m_ranking; }

signals:
    // A sort asked for is shown; said once the last of several is.
    void sorted(int column, Qt::SortOrder order);
    // A sort or a search had not enough memory, and nothing changed.
    void notEnoughMemory();
    // A search that ran beside the game found this row.
    void found(const QModelIndex &index);

private:
    struct Request
    {
        int column;
        Qt::SortOrder order;
        bool asked; // by the player, rather than to sort the file's rows as they come
    };

    // What a sort or a search reads; the parts that may change are shared, not copied.
    struct Snapshot
    {
        std::shared_ptr<const ScoreRows> file;
        std::shared_ptr<const ScoreRows> added;
        std::shared_ptr<const std::vector<quint32>> order;
        std::shared_ptr<const std::vector<quint32>> ranks;
        TableRows rows() const { return {file.get(), added.get(), order.get(), ranks.get()}; }
    };

    quint32 idAt(int row) const;
    TableRows snapshotRows() const;
    const ScoreRows &rowsOf(quint32 id) const { return id & AddedRow ? *m_added : *m_file; }
    Snapshot snapshot() const;
    // The order shown, to change, with room for `extra` more: made when it
    // was the order the rows were added in, copied first when a sort or a
    // search is reading it.
    std::vector<quint32> &changeOrder(size_t extra = 0);
    // A copy of the added rows to change, when a sort or search holds them.
    ScoreRows &changeAdded();
    // Starts the first sort asked for, or as many as are done at once.
    void sortNext();
    void startSort();
    void runSort();
    void finishSort(quint64 generation, const std::shared_ptr<std::vector<quint32>> &order);
    void show(std::vector<quint32> order, const Request &request);
    void fail();
    void rankFileNames();
    void startSearch(const QModelIndex &start, const QString &text, bool wrap);

    ScoreWork &m_work;
    std::shared_ptr<const ScoreRows> m_file;
    std::shared_ptr<const std::vector<quint32>> m_fileRanks; // by distinct name; null until ranked
    std::shared_ptr<ScoreRows> m_added;
    std::shared_ptr<std::vector<quint32>> m_order; // ids as shown; null: the file's rows, then the added ones
    std::deque<Request> m_requests; // sorts asked for and not yet shown; the first may be running
    bool m_running = false; // the first sort asked for, from when its rows were taken until it is shown
    Snapshot m_sorting;     // its rows, until it can run
    bool m_ranking = false;
    quint64 m_generation = 0; // a new one when the file's rows come: a sort running then starts again
    std::vector<quint32> m_removedSince, m_addedSince; // while a sort runs
    quint64 m_searches = 0;
    ScoreWork::Cancel m_search; // the latest search's
    size_t m_atOnce = 1u << 16;
    QString m_headings[2];
    int m_sortColumn = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
};
