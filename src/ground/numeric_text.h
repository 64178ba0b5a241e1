#pragma once
// Numbers stored as text in the settings. A value is "numeric" when it is a plain decimal number
// with optional sign, fraction and exponent, surrounded by blanks at most; a comma is accepted as
// the decimal separator because older settings were written with the locale's separator.

#include <optional>
#include <string>
#include <string_view>

namespace orvelis {

std::optional<double> ParseNumericText(std::string_view text);
// Rounded half to even; nullopt when not numeric or outside the 16/32-bit range asked for.
std::optional<int> ParseRoundedInt16(std::string_view text);
std::optional<long long> ParseRoundedInt32(std::string_view text);

// One fixed, locale-independent form: shortest round-trip decimal with "." as separator.
std::string FormatNumber(double value);

}  // namespace orvelis
