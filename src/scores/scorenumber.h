// Corvanthelix - a score read as a number, exactly.
#pragma once

#include <QtGlobal>
#include <string>
#include <string_view>

// A score is a number when it is an optional minus, digits with an optional
// point, and an optional exponent, as std::from_chars reads them; a plus
// sign, blanks, "inf" and "nan" make it a text.

// Whether the score is a number, and if so, its key: bytes that compare (as
// std::string does: byte by byte, and a shorter key first on a common start)
// as the numbers do, exactly, however many digits or however large an
// exponent they have. Every way of writing zero gives the same key, and so
// does every way of writing any other number.
bool ScoreNumberKey(std::string_view score, std::string *key);

// Whether the score is a number that is a whole number below `limit`, as
// "7", "007", "7.0", "0.7e1" or "-0" are, and which.
bool WholeNumberBelow(std::string_view score, quint32 limit, quint32 *value);
