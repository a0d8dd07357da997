// Corvanthelix - the score file and the table shown from it.
#include "scores/scorekeeper.h"

#include "platform/datafolder.h"
#include "scores/scorefile.h"
#include "scores/scorefilereader.h"

#include <QCoreApplication>

ScoreKeeper::ScoreKeeper(QObject *parent)
    : QObject(parent)
{
    auto refused = [this] {
        emit trouble(tr("Not enough memory"), tr("There is not enough memory to sort or search the score table, so it stays as it was."));
    };
    connect(&m_job, &ScoreJob::notEnoughMemory, this, refused);
    connect(&m_table, &ScoreTable::notEnoughMemory, this, refused);
}

ScoreKeeper::~ScoreKeeper()
{
    // Before the job and the table its results go to: quitting does not wait
    // for the rest of a big file or a ranking, only for the scores entered.
    m_work.stop();
}

void ScoreKeeper::load()
{
    QString problem;
    m_path = ScoreFilePath(ApplicationDataFolder(&problem));
    if (!problem.isEmpty())
        return arrive(std::make_shared<ScoreRows>(), problem);
    auto file = std::make_shared<ScoreFileReader>(m_path);
    if (file->size() <= (qint64(1) << 20)) {
        auto rows = std::make_shared<ScoreRows>(file->load(&problem));
        return arrive(rows, problem);
    }
    // Read beside the first paint; when the system allows no more threads,
    // here after all.
    m_loading = true;
    m_work.run(ScoreWork::Long, [this, file](const std::atomic_bool &stop) {
        auto problem = std::make_shared<QString>();
        auto rows = std::make_shared<ScoreRows>(file->load(problem.get(), &stop));
        auto order = std::make_shared<std::vector<quint32>>();
        try {
            *order = IdentityOrder(rows->size());
        } catch (const std::bad_alloc &) {
            // the table tries again, and tells
        }
        if (!stop)
            QMetaObject::invokeMethod(this, [=, this] { arrive(rows, *problem, std::move(*order)); }, Qt::QueuedConnection);
    });
}

void ScoreKeeper::arrive(const std::shared_ptr<const ScoreRows> &rows, QString problem, std::vector<quint32> order)
{
    m_loading = false;
    if (!m_table.addFileRows(rows, std::move(order)))
        problem = QCoreApplication::translate("ScoreFile", "there is not enough memory to read it");
    else
        m_job.fileRowsAdded();
    if (!problem.isEmpty())
        emit trouble(tr("Scores not read"), NotLoadedMessage(m_path, problem));
}

void ScoreKeeper::enter(const QString &typedName, const QString &score)
{
    const QString name = ScoreName(typedName);
    QString problem;
    const QString path = ScoreFilePath(ApplicationDataFolder(&problem));
    ++m_saving;
    m_work.run(ScoreWork::Disk, [=, this](const std::atomic_bool &) {
        const AppendResult result = problem.isEmpty() ? AppendScoreLine(path, ScoreLine(name, score)) : AppendResult{false, problem};
        QMetaObject::invokeMethod(this, [=, this] { saved(name, score, path, result); }, Qt::QueuedConnection);
    });
}

void ScoreKeeper::saved(const QString &name, const QString &score, const QString &path, const AppendResult &result)
{
    --m_saving;
    const int row = m_table.addRow(name, score);
    if (row < 0)
        emit trouble(tr("Score not shown"), tr("There is not enough memory to show your score in the table."));
    if (!result.stored)
        emit trouble(tr("Score not saved"), NotSavedMessage(path, result.reason));
    else if (ScoreFileTooLarge(result.size))
        emit trouble(tr("Score not read back"), NotReadBackMessage(path, result.size));
    if (row >= 0)
        emit entered(row);
}

void ScoreKeeper::settle()
{
    do {
        m_work.settle();
        QCoreApplication::sendPostedEvents();
    } while (busy());
}
