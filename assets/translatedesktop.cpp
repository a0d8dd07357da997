// Corvanthelix - writes the desktop entry and the AppStream file with their translations.
//
//   translatedesktop IN OUT QM...
//
// What a player reads in a menu or a software centre is translated with the
// game's own texts. Each line of IN that holds one of the texts below (a
// desktop entry's GenericName, Comment or Keywords, or an AppStream element
// on one line) is followed by its translation into each language of the QM
// files. A text in IN that is not listed here stops the build, so the two
// cannot drift apart.
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTranslator>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

const char *const texts[] = {
    QT_TRANSLATE_NOOP("Desktop", "Sum Puzzle"),
    QT_TRANSLATE_NOOP("Desktop", "Swap tiles with hidden numbers until every row, column and diagonal adds up"),
    QT_TRANSLATE_NOOP("Desktop", "puzzle;sums;tiles;numbers;logic;"),
    QT_TRANSLATE_NOOP("Desktop", "Swap tiles with hidden numbers until the sums match"),
    QT_TRANSLATE_NOOP("Desktop", "Nine blue tiles each hide a number from 1 to 9. Blue numbers around the grid show "
                                 "the sums of the rows, columns and diagonals as the tiles lie; red numbers show the "
                                 "sums to reach. Swap two tiles with two clicks, and find the one arrangement that "
                                 "matches every sum in as few steps as you can."),
    QT_TRANSLATE_NOOP("Desktop", "A score table keeps your name and number of steps for every solved puzzle."),
    QT_TRANSLATE_NOOP("Desktop", "The main window after three moves"),
    QT_TRANSLATE_NOOP("Desktop", "The solved board under a dark palette with a larger font"),
};

struct Language
{
    QString code;
    std::unique_ptr<QTranslator> translator;
};

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 3) {
        std::fputs("usage: translatedesktop IN OUT QM...\n", stderr);
        return 2;
    }
    QFile in(QString::fromLocal8Bit(argv[1]));
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (!in.open(QIODevice::ReadOnly | QIODevice::Text) || !out.open(QIODevice::WriteOnly | QIODevice::Text)) {
        std::fputs("translatedesktop: cannot open the files\n", stderr);
        return 1;
    }
    std::vector<Language> languages;
    for (int i = 3; i < argc; ++i) {
        const QString qm = QString::fromLocal8Bit(argv[i]);
        auto translator = std::make_unique<QTranslator>();
        if (!translator->load(qm))
            return std::fprintf(stderr, "translatedesktop: cannot load %s\n", argv[i]), 1;
        languages.push_back({QFileInfo(qm).completeBaseName().section(QLatin1Char('_'), 1), std::move(translator)});
    }

    static const QRegularExpression entry(QStringLiteral("^(GenericName|Comment|Keywords)=(.*)$"));
    static const QRegularExpression element(QStringLiteral("^(\\s*)<(summary|p|caption)>(.*)</\\2>$"));
    const QList<QByteArray> lines = in.readAll().split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = QString::fromUtf8(lines[i]);
        out.write(lines[i]);
        if (i + 1 < lines.size())
            out.write("\n");
        const QRegularExpressionMatch desktop = entry.match(line), xml = element.match(line);
        if (!desktop.hasMatch() && !xml.hasMatch())
            continue;
        const QString text = desktop.hasMatch() ? desktop.captured(2) : xml.captured(3);
        if (std::none_of(std::begin(texts), std::end(texts), [&](const char *known) { return text == QLatin1String(known); }))
            return std::fprintf(stderr, "translatedesktop: \"%s\" is not among the translated texts\n", qPrintable(text)), 1;
        for (const Language &language : languages) {
            const QString translated = language.translator->translate("Desktop", text.toUtf8().constData());
            if (translated.isEmpty() || translated == text)
                continue;
            if (desktop.hasMatch())
                out.write(QStringLiteral("%1[%2]=%3\n").arg(desktop.captured(1), language.code, translated).toUtf8());
            else
                out.write(QStringLiteral("%1<%2 xml:lang=\"%3\">%4</%2>\n")
                              .arg(xml.captured(1), xml.captured(2), language.code, translated.toHtmlEscaped())
                              .toUtf8());
        }
    }
    return out.error() == QFile::NoError ? 0 : 1;
}
