// Corvanthelix - texts as they are shown where room is short.
#include "platform/displaytext.h"

#include <QStringView>

QString DisplayText(const QString &text, qsizetype longest)
{
    constexpr int MostMarks = 8;
    QString shown;
    int marks = 0;
    for (qsizetype at = 0; at < text.size();) {
        char32_t c = text[at].unicode();
        qsizetype units = 1;
        if (QChar::isHighSurrogate(c) && at + 1 < text.size() && text[at + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[at], text[at + 1]);
            units = 2;
        }
        at += units;
        const QChar::Category category = QChar::category(c);
        const bool mark = category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining
                          || category == QChar::Mark_Enclosing;
        marks = mark ? marks + 1 : 0;
        if (marks > MostMarks)
            continue;
        if (shown.size() + units > longest)
            return shown + QChar(0x2026);
        shown += QStringView(text).mid(at - units, units);
    }
    return shown;
}
