// Corvanthelix - the score file and the table shown from it.
#pragma once

#include "platform/textfile.h"
#include "scores/scorejob.h"
#include "scores/scoretable.h"
#include "scores/scorework.h"

#include <QObject>

// Where the score file is, reading it into the table when the game opens (a
// big one beside the game), and adding a line to it for each score entered,
// beside the game too. What goes wrong is told as a trouble, once: a title
// and a text for the player.
class ScoreKeeper : public QObject
{
    Q_OBJECT
public:
    explicit ScoreKeeper(QObject *parent = nullptr);
    ~ScoreKeeper() override;

    ScoreTable &table() { return m_table; }
    ScoreJob &job() { return m_job; }
    const ScoreJob &job() const { return m_job; }

    // Reads the file in the user's data folder into the table: a small one at
    // once, a big one beside the game, its rows coming before any score
    // entered meanwhile.
    void load();
    // Saves the score under the name as typed (control characters become
    // spaces), beside the game and in the order entered; once it is known
    // whether it was saved, it goes into the table, as entered() says.
    void enter(const QString &typedName, const QString &score);
    // Whether the file is still read, a score saved, or a sort asked for.
    bool busy() const { return m_loading || m_saving > 0 || m_job.busy(); }
    // Waits until the file is read, every score entered is saved, and every
    // sort and search has been shown (for benchmarks and tests: the game
    // itself never waits).
    void settle();

signals:
    void trouble(const QString &title, const QString &text);
    // A score entered is in the table, at that row.
    void entered(int row);

private:
    void arrive(const std::shared_ptr<const ScoreRows> &rows, QString problem, std::vector<quint32> order = {});
    void saved(const QString &name, const QString &score, const QString &path, const AppendResult &result);

    ScoreWork m_work;
    ScoreTable m_table;
    ScoreJob m_job{m_table, m_work};
    QString m_path;
    bool m_loading = false;
    int m_saving = 0;
};
