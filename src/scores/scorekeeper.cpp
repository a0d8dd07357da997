// Corvanthelix - the score file and the table shown from it.
#include "scores/scorekeeper.h"

#include "platform/datafolder.h"
#include "scores/scorefile.h"
#include "scores/scorefilereader.h"

#include <QCoreApplication>

ScoreKeeper::ScoreKeeper(QObject *parent)
    : QObject(parent)
{
    connect(&m_table, &ScoreTable::notEnoughMemory, this, [this] {
        emit trouble(tr("Not enough memory"), tr("There is not enough memory to sort or search the score table, so it stays as it was."));
    });
}

ScoreKeeper::~ScoreKeeper()
{
    // Quitting while a big file loads does not wait for the rest of it.
    m_work.stop();
}

void ScoreKeeper::load()
{
    QString problem;
    m_path = ScoreFilePath(ApplicationDataFolder(&problem));
    if (!problem.isEmpty())
        emit trouble(tr("Scores not read"), NotLoadedMessage(m_path, problem));
    auto file = std::make_shared<ScoreFileReader>(m_path);
    if (file->size() <= (qint64(1) << 20))
        return arrive(std::make_shared<ScoreRows>(file->load(&problem)), problem);
    // Read beside the first paint; when the system allows no more threads,
    // here after all.
    m_loading = true;
    m_work.run(ScoreWork::Long, [this, file](const std::atomic_bool &stop) {
        auto problem = std::make_shared<QString>();
        auto rows = std::make_shared<ScoreRows>(file->load(problem.get(), &stop));
        if (!stop)
            QMetaObject::invokeMethod(this, [this, rows, problem] { arrive(rows, *problem); }, Qt::QueuedConnection);
    });
}

void ScoreKeeper::arrive(const std::shared_ptr<const ScoreRows> &rows, QString problem)
{
    m_loading = false;
    if (!m_table.addFileRows(rows))
        problem = QCoreApplication::translate("ScoreFile", "there is not enough memory to read it");
    if (!problem.isEmpty())
        emit trouble(tr("Scores not read"), NotLoadedMessage(m_path, problem));
}

int ScoreKeeper::enter(const QString &typedName, const QString &score)
{
    const QString name = ScoreName(typedName);
    QString problem;
    const QString path = ScoreFilePath(ApplicationDataFolder(&problem));
    const AppendResult result = problem.isEmpty() ? AppendScoreLine(path, ScoreLine(name, score)) : AppendResult{false, problem};
    const int row = m_table.addRow(name, score);
    if (row < 0)
        emit trouble(tr("Score not shown"), tr("There is not enough memory to show your score in the table."));
    if (!result.stored)
        emit trouble(tr("Score not saved"), NotSavedMessage(path, result.reason));
    return row;
}

void ScoreKeeper::settle()
{
    while (m_loading || m_table.busy()) {
        m_work.settle();
        QCoreApplication::sendPostedEvents();
    }
}
