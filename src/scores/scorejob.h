// Corvanthelix - sorting, ranking and searching the score table beside the game.
#pragma once

#include "scores/scoretable.h"
#include "scores/scorework.h"

#include <QObject>
#include <deque>

// Does what the table is asked to sort and search. A table of up to its
// at-once limit is sorted and searched here and now. A bigger one is read
// from a snapshot on the scores' worker while the game goes on, and the
// table shows its previous order until the new one is handed back; what the
// player removed or added meanwhile, the table applies. The file's names are
// ranked once, as the file arrives; a sort by name waits for them.
class ScoreJob : public QObject
{
    Q_OBJECT
public:
    // The work must outlive the job, or be stopped first.
    ScoreJob(ScoreTable &table, ScoreWork &work, QObject *parent = nullptr);

    // The file's rows have come into the table: their names are ranked, and
    // the table is sorted as it was, or as the last sort asked for.
    void fileRowsAdded();
    // Whether a sort, a ranking or a search is still to come.
    bool busy() const { return !m_requests.empty() || m_running || m_ranking || m_searching; }

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

    void sort(int column, Qt::SortOrder order);
    // Shows each sort asked for in turn, at once or beside the game.
    void sortNext();
    void finish(quint64 generation, const std::shared_ptr<std::vector<quint32>> &order, const ScoreSnapshot &from);
    void show(std::vector<quint32> order, const ScoreSnapshot &from);
    void fail();
    void rankFileNames();
    void search(const QModelIndex &start, const QString &text, bool wrap);

    ScoreTable &m_table;
    ScoreWork &m_work;
    std::shared_ptr<const std::vector<quint32>> m_fileRanks; // by distinct name; null until ranked
    std::deque<Request> m_requests; // sorts asked for and not yet shown; the first may be running
    bool m_running = false;         // the first, beside the game
    bool m_ranking = false;
    ScoreSnapshot m_due; // the rows the first sort asked for will sort, while it waits for the ranks
    quint64 m_generation = 0; // a new one when the file's rows come: a sort running then is not shown
    quint64 m_searches = 0;
    bool m_searching = false; // until the latest search has answered
    ScoreWork::Cancel m_search; // the latest search's
};
