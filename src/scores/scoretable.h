// Corvanthelix - the score table's model: names and steps in two columns.
#pragma once

#include "scores/scorerows.h"

#include <QAbstractTableModel>

// Rows stand in the order they were added until a heading sorts them; a row
// added later goes to the end all the same.
class ScoreTable : public QAbstractTableModel
{
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant &value, int role = Qt::EditRole) override;
    bool removeRows(int row, int count, const QModelIndex &parent = {}) override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;
    QModelIndexList match(const QModelIndex &start, int role, const QVariant &value, int hits,
                          Qt::MatchFlags flags) const override;

    // Adds a row at the end and returns its index.
    int addRow(const QString &name, const QString &score);
    // Adds many rows at the end at once, as loading does.
    void addRows(ScoreRows &&rows);
    // Adds many rows before all others: a file that finished loading after
    // scores were entered.
    void addRowsFirst(ScoreRows &&rows);

    const ScoreRows &rows() const { return m_rows; }

private:
    ScoreRows m_rows;
    QString m_headings[2];
};
