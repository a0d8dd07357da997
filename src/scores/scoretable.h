// Corvanthelix - the score table's model: names and steps in two columns.
#pragma once

#include "scores/scorerows.h"

#include <QAbstractTableModel>
#include <thread>

// Rows stand in the order they were added until a heading sorts them; a row
// added later goes to the end all the same. An action that needs memory in
// proportion to the table leaves the table as it was when there is none.
class ScoreTable : public QAbstractTableModel
{
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;
    ~ScoreTable() override;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant &value, int role = Qt::EditRole) override;
    bool removeRows(int row, int count, const QModelIndex &parent = {}) override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;
    QModelIndexList match(const QModelIndex &start, int role, const QVariant &value, int hits,
                          Qt::MatchFlags flags) const override;

    // Adds a row at the end and returns its index, or -1 when there is not
    // enough memory for it.
    int addRow(const QString &name, const QString &score);
    // Adds the score file's rows before all others (scores may have been
    // entered while a big file loaded), in the order the table is sorted in,
    // if it is. False when there is not enough memory for them.
    bool addLoadedRows(ScoreRows &&rows);

    // Waits for the names of loaded rows to be ranked, which starts on a
    // thread of its own as they arrive, so that the first sort by Name need
    // not do it. Every change to the rows waits first.
    void settle();

    // The column the rows are shown sorted by, or -1; and in which order.
    int sortColumn() const { return m_sortColumn; }
    Qt::SortOrder sortOrder() const { return m_sortOrder; }

signals:
    // A sort or a search had not enough memory, and nothing changed.
    void notEnoughMemory();

private:
    ScoreRows m_rows;
    std::thread m_ranker;
    std::vector<quint32> m_ranked;
    std::atomic_bool m_stopRanking = false;
    QString m_headings[2];
    int m_sortColumn = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
};
