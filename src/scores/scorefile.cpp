// Corvanthelix - the score file's format: one "name,score" line per entered score.
#include "scores/scorefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <algorithm>

namespace {

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
    return name + QLatin1Char(ScoreSeparator) + score;
}

void WriteScoreLine(std::string &to, std::string_view name, std::string_view score)
{
    to.append(name);
    to.push_back(ScoreSeparator);
    to.append(score);
}

bool IsWholeNumber(std::string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

size_t ScoreFieldEnd(std::string_view text)
{
    return std::min(text.find_first_of(std::string_view(",\r\n", 3)), text.size());
}

bool ParseScoreLine(std::string_view line, std::string_view *name, std::string_view *score)
{
    const size_t last = line.rfind(ScoreSeparator);
    if (last == std::string_view::npos)
        return false;
    if (IsWholeNumber(line.substr(last + 1))) {
        *name = line.substr(0, last);
        *score = line.substr(last + 1);
        return true;
    }
    const size_t first = line.find(ScoreSeparator);
    const std::string_view rest = line.substr(first + 1);
    *score = rest.substr(0, rest.find(ScoreSeparator));
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

QString TooLargeProblem(qint64 size)
{
    // The two sizes, with as many digits as it takes to tell them apart.
    const QLocale locale;
    int precision = 2;
    while (precision < 9 && locale.formattedDataSize(size, precision) == locale.formattedDataSize(ScoreFileLimit, precision))
        ++precision;
    return QCoreApplication::translate("ScoreFile", "the file is %1, more than the %2 this game reads")
        .arg(locale.formattedDataSize(size, precision), locale.formattedDataSize(ScoreFileLimit, precision));
}

QString NotReadBackMessage(const QString &path, qint64 size)
{
    return QCoreApplication::translate("ScoreFile", "Your score was saved, but the score file is too large to be read, so the "
              "table will start without it next time.\n\nFile: %1\nReason: %2")
        .arg(shownPath(path), TooLargeProblem(size));
}
