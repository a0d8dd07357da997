// Corvanthelix - the score file and the table shown from it.
#pragma once

#include "scores/scoretable.h"
#include "scores/scorework.h"

#include <QObject>

// Where the score file is, reading it into the table when the game opens (a
// big one beside the game), and adding a line to it for each score entered.
// What goes wrong is told as a trouble: a title and a text for the player.
class ScoreKeeper : public QObject
{
    Q_OBJECT
public:
    explicit ScoreKeeper(QObject *parent = nullptr);
    ~ScoreKeeper() override;

    ScoreTable &table() { return m_table; }
    const ScoreTable &table() const { return m_table; }

    // Reads the file in the user's data folder into the table: a small one at
    // once, a big one beside the game, its rows coming before any score
    // entered meanwhile.
    void load();
    // Saves the score under the name as typed (control characters become
    // spaces) and adds it to the table; its row, or -1 when it could not be shown.
    int enter(const QString &typedName, const QString &score);
    // Waits until the file is read and every sort and search has been shown
    // (for benchmarks and tests: the game itself never waits).
    void settle();

signals:
    void trouble(const QString &title, const QString &text);

private:
    void arrive(const std::shared_ptr<const ScoreRows> &rows, QString problem);

    ScoreWork m_work;
    ScoreTable m_table{m_work};
    QString m_path;
    bool m_loading = false;
};
