// Corvanthelix - the score table's model: names and steps in two columns.
#pragma once

#include "scores/scoreorder.h"

#include <QAbstractTableModel>
#include <memory>

// What the table shows at one moment, for a sort or a search to read beside
// the game: the parts that may change later are shared, never changed.
struct ScoreSnapshot
{
    std::shared_ptr<const ScoreRows> file;
    std::shared_ptr<const ScoreRows> added;
    std::shared_ptr<const std::vector<quint32>> order; // null: the file's rows, then the added ones
    std::shared_ptr<const std::vector<quint32>> fileNameRanks; // for a sort by name; filled by whoever sorts
    quint64 revision = 0; // of the rows shown
    TableRows rows() const { return {file.get(), added.get(), order.get(), fileNameRanks.get()}; }
};

// Rows stand in the order they were added until a heading sorts them; a row
// added later goes to the end all the same. The file's rows, which may be
// millions, never change once read: rows added or removed since, and the
// order shown, are the table's own. Sorting and searching are asked of
// whoever listens (ScoreJob), which hands back what it found. An action that
// needs memory in proportion to the table leaves the table as it was when
// there is none.
class ScoreTable : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit ScoreTable(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant &value, int role = Qt::EditRole) override;
    bool removeRows(int row, int count, const QModelIndex &parent = {}) override;
    // Asks for the sort; it shows once it is done, as showSorted.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;
    // Typing in the list: the next name that starts with the text, whichever
    // column is current. A table of more than atOnceLimit() rows asks for the
    // search instead, and answers nothing now.
    QModelIndexList match(const QModelIndex &start, int role, const QVariant &value, int hits,
                          Qt::MatchFlags flags) const override;

    // Adds a row at the end and returns its index, or -1 when there is not
    // enough memory for it.
    int addRow(const QString &name, const QString &score);
    // The file's rows, finished: they go before all others (scores may have
    // been entered while a big file loaded). The order of their ids, with
    // room to grow, is best made beside the game: ten million ids are 40 MB
    // of memory to fault in. False when there is not enough memory for them.
    bool addFileRows(std::shared_ptr<const ScoreRows> rows, std::vector<quint32> order = {});

    // The column the rows are shown sorted by, or -1; and in which order.
    int sortColumn() const { return m_sortColumn; }
    Qt::SortOrder sortOrder() const { return m_sortOrder; }
    // A table of up to this many rows is sorted and searched at once, on the
    // game's thread; they take milliseconds.
    size_t atOnceLimit() const { return m_atOnce; }
    void setAtOnceLimit(size_t rows) { m_atOnce = rows; }

    ScoreSnapshot snapshot() const;
    const std::shared_ptr<const ScoreRows> &fileRows() const { return m_file; }
    quint32 idAt(int row) const { return snapshotRows().idAt(size_t(row)); }
    // Where the row of that id is shown now, or -1.
    int rowOf(quint32 id, int guess) const;
    // Shows the rows in an order made from the snapshot, sorted by that
    // column: rows removed since leave it, rows added since follow it in the
    // order they came. False, and nothing changes, without the memory for it.
    bool showSorted(std::vector<quint32> order, const ScoreSnapshot &from, int column, Qt::SortOrder sortOrder);

signals:
    void sortAsked(int column, Qt::SortOrder order);
    void searchAsked(const QModelIndex &start, const QString &text, bool wrap) const;
    // A row could not be removed for want of memory.
    void notEnoughMemory();

private:
    TableRows snapshotRows() const { return {m_file.get(), m_added.get(), m_order.get(), nullptr}; }
    const ScoreRows &rowsOf(quint32 id) const { return id & AddedRow ? *m_added : *m_file; }
    // The order shown, to change, with room for `extra` more: made when it
    // was the order the rows were added in, copied first when a snapshot
    // holds it.
    std::vector<quint32> &changeOrder(size_t extra = 0);
    // A copy of the added rows to change, when a snapshot holds them.
    ScoreRows &changeAdded();

    std::shared_ptr<const ScoreRows> m_file;
    std::shared_ptr<ScoreRows> m_added;
    std::shared_ptr<std::vector<quint32>> m_order; // ids as shown; null: the file's rows, then the added ones
    quint64 m_revision = 0;
    size_t m_atOnce = 1u << 16;
    QString m_headings[2];
    int m_sortColumn = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
};
