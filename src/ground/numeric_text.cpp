#include "ground/numeric_text.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace orvelis {

std::optional<double> ParseNumericText(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  if (text.empty()) return std::nullopt;
  std::string normal(text);
  if (normal.front() == '+') normal.erase(0, 1);
  for (char& c : normal) {
    if (c == ',') c = '.';
  }
  double value = 0;
  const char* end = normal.data() + normal.size();
  const auto [ptr, ec] = std::from_chars(normal.data(), end, value, std::chars_format::general);
  if (ec != std::errc() || ptr != end || !std::isfinite(value)) return std::nullopt;
  // from_chars accepts "inf"/"nan" spellings; a setting never holds them.
  for (char c : normal) {
    if (!(std::isdigit(static_cast<unsigned char>(c)) || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E')) {
      return std::nullopt;
    }
  }
  return value;
}

namespace {

std::optional<long long> RoundedWithin(std::string_view text, long long lo, long long hi) {
  const auto value = ParseNumericText(text);
  if (!value) return std::nullopt;
  const double rounded = std::nearbyint(*value);  // the default rounding mode: half to even
  if (rounded < static_cast<double>(lo) || rounded > static_cast<double>(hi)) return std::nullopt;
  return static_cast<long long>(rounded);
}

}  // namespace

std::optional<int> ParseRoundedInt16(std::string_view text) {
  const auto v = RoundedWithin(text, std::numeric_limits<short>::min(), std::numeric_limits<short>::max());
  if (!v) return std::nullopt;
  return static_cast<int>(*v);
}

std::optional<long long> ParseRoundedInt32(std::string_view text) {
  return RoundedWithin(text, std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
}

std::string FormatNumber(double value) {
  char buffer[64];
  const auto [ptr, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
  return ec == std::errc() ? std::string(buffer, ptr) : std::string("0");
}

}  // namespace orvelis
