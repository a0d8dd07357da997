// Corvanthelix - the score file's format: one "name,score" line per entered score.
#include "scores/scorefile.h"

#include <QCoreApplication>
#include <QDir>
#include <algorithm>

namespace {

bool isWholeNumber(std::string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

QString shownPath(const QString &path)
{
    return path.isEmpty() ? QCoreApplication::translate("ScoreFile", "(none)") : QDir::toNativeSeparators(path);
}

} // namespace

QString ScoreFilePath(const QString &dataFolder)
{
    if (dataFolder.isEmpty())
        return {};
    return QDir(dataFolder).filePath(QStringLiteral("Corvanthelix.txt"));
}

QString ScoreName(const QString &typed)
{
    QString name = typed;
    for (QChar &c : name) {
        const char16_t u = c.unicode();
        if (u < 0x20 || u == 0x7F || u == 0x85 || u == 0x2028 || u == 0x2029)
            c = QLatin1Char(' ');
    }
    return name;
}

QString ScoreLine(const QString &name, const QString &score)
{
    return name + QLatin1Char(',') + score;
}

bool ParseScoreLine(std::string_view line, std::string_view *name, std::string_view *score)
{
    const size_t last = line.rfind(',');
    if (last == std::string_view::npos)
        return false;
    if (isWholeNumber(line.substr(last + 1))) {
        *name = line.substr(0, last);
        *score = line.substr(last + 1);
        return true;
    }
    const size_t first = line.find(',');
    const std::string_view rest = line.substr(first + 1);
    *score = rest.substr(0, rest.find(','));
    *name = line.substr(0, first);
    return !score->empty();
}

AppendResult AppendScoreLine(const QString &path, const QString &line)
{
    if (path.isEmpty())
        return {false, QCoreApplication::translate("ScoreFile", "the user's data folder could not be found")};
    const QByteArray bytes = line.toUtf8() + '\n';
    // A partial last line must not swallow the score. When the last byte
    // cannot be read, an empty line (skipped on load) is the safe side.
    return AppendToFile(path, [&](char last) { return last == '\n' ? bytes : '\n' + bytes; });
}

QString NotSavedMessage(const QString &path, const QString &reason)
{
    return QCoreApplication::translate("ScoreFile", "Your score could not be saved.\n\nIt is in the table until you quit, but it will not be there next "
              "time.\n\nFile: %1\nReason: %2")
        .arg(shownPath(path), reason);
}

QString NotLoadedMessage(const QString &path, const QString &problem)
{
    return QCoreApplication::translate("ScoreFile", "Your scores could not be read, so the table starts empty.\n\nThe file is left as it "
              "is.\n\nFile: %1\nReason: %2")
        .arg(shownPath(path), problem);
}
