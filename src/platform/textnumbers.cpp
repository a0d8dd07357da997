// Corvanthelix - numbers kept as label texts.
#include "platform/textnumbers.h"

#include <QLocale>
#include <cmath>

double Val(const QString &text)
{
    bool ok = false;
    const double value = QLocale::c().toDouble(text.trimmed(), &ok);
    return ok && std::isfinite(value) ? value : 0.0;
}

QString Str(double value)
{
    // Below 2^53 every whole double is exact as an integer.
    if (value == std::trunc(value) && std::fabs(value) < 9007199254740992.0)
        return QString::number(static_cast<qint64>(value));
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}
