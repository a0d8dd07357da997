// Corvanthelix - menu shortcut texts.
#include "platform/shortcut.h"

QKeySequence Shortcut(const QString &text)
{
    QString portable = text;
    if (portable.startsWith(QLatin1String("Cmd+")))
        portable.replace(0, 3, QStringLiteral("Ctrl"));
    return QKeySequence::fromString(portable, QKeySequence::PortableText);
}
