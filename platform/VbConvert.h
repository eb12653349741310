#pragma once

#include <QString>
#include <optional>

namespace vireo::vb {

// Conversions with the rules of the program's original runtime. A text that does not convert
// gives nullopt: the statement that needed it fails and the caller skips it.

// A number as text: optional surrounding spaces, sign, digits, decimal point, exponent,
// or a hexadecimal "&H..." form. The empty text is not a number.
std::optional<double> toNumber(const QString& text);

// Single precision, as for window positions and sizes.
std::optional<float> toSingle(const QString& text);

// A 16-bit integer, rounded half to even; out of range is a failure.
std::optional<int> toInteger(const QString& text);

// `text = number` as the runtime compares a text with a number: false when the text is not a
// number at all (the comparison itself failed).
bool equalsNumber(const QString& text, double number);

// The decimal text of a single-precision value, as the runtime prints it: up to seven
// significant digits, no trailing zeros, no exponent for ordinary magnitudes.
QString singleText(float value);

// The text without its trailing spaces, as the runtime's RTrim gives it (tabs and other white
// space stay).
QString withoutTrailingSpaces(const QString& text);

// Rounds half to even, as the runtime's whole-number conversions do.
long long roundHalfEven(double value);

} // namespace vireo::vb
