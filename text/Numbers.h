#pragma once
// The number rules every reader and the commit share.

#include <QStringView>
#include <cstdint>
#include <optional>

namespace brevath {

// The number at the start of a text: blanks (space, TAB, LF) anywhere are skipped, then
// an optional sign, digits with an optional fraction and exponent (E or D), or &H / &O
// followed by hexadecimal or octal digits. 0 when the text holds no number. The point is
// the decimal separator whatever the locale.
double LeadingNumber(QStringView text);

// Nearest integer, a half going to the even neighbour.
double RoundHalfEven(double value);

// Nearest 32-bit signed integer (halves to even); empty when out of range or not finite.
std::optional<std::int32_t> ToInt32(double value);

} // namespace brevath
