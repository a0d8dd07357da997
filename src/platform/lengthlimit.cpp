// Corvanthelix - a limit on how long an edit field's text may grow.
#include "platform/lengthlimit.h"

QValidator::State LengthLimit::validate(QString &text, int &) const
{
    if (text.size() <= m_limit)
        return Acceptable;
    emit refused(int(text.size()));
    return Invalid;
}
