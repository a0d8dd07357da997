// Corvanthelix - numbers kept as label texts.
#pragma once

#include <QString>

// The number the whole text holds (blanks around it allowed), 0 when it is
// not a finite number. The texts read this way are written by the program,
// but a stray text must never stop it.
double Val(const QString &text);

// Whole numbers without a fraction ("1", "12"); others in shortest form.
QString Str(double value);
