#pragma once

#include <QString>
#include <optional>

namespace platform {

// A single-precision value as the profile stores it: at most seven significant
// digits, no trailing zeros, no point for a whole number, "." as the decimal
// separator whatever the locale ("1440", "-120", "0.5").
QString numberText(double value);
// A whole number in plain decimal.
QString numberText(int value);

// The text read back as a single-precision number. Surrounding blanks are
// ignored; "." and "," are both taken as the decimal separator. Empty text or
// anything that is not a number gives nothing.
std::optional<double> numberOf(const QString &text);
// The same, rounded to the nearest 32-bit integer, halves to even; nothing
// when out of the 32-bit range.
std::optional<int> wholeNumberOf(const QString &text);

} // namespace platform
