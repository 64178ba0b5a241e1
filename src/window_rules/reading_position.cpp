#include "window_rules/reading_position.h"

#include <cmath>
#include <charconv>

#include "ground/numeric_text.h"

namespace orvelis {
namespace {

bool IsParagraphAnchor(const std::string& name) {
  if (name.size() < 2 || name.size() > 8 || name[0] != 'p') return false;
  for (std::size_t i = 1; i < name.size(); ++i) {
    if (name[i] < '0' || name[i] > '9') return false;
  }
  return true;
}

}  // namespace

std::optional<ReadingPosition> ParseReadingPosition(const std::string& text) {
  const auto blank = text.find(' ');
  if (blank == std::string::npos) return std::nullopt;
  const std::string head = text.substr(0, blank);
  const auto number = ParseNumericText(text.substr(blank + 1));
  if (!number || !std::isfinite(*number)) return std::nullopt;
  ReadingPosition position;
  if (head == "top") {
    if (*number < 0 || *number > 1e7) return std::nullopt;
    position.offset = static_cast<int>(std::lround(*number));
    return position;
  }
  if (!IsParagraphAnchor(head) || *number < 0 || *number > 1) return std::nullopt;
  position.anchor = head;
  position.fraction = *number;
  return position;
}

std::string FormatReadingPosition(const ReadingPosition& position) {
  if (position.anchor.empty()) return "top " + std::to_string(position.offset);
  // to_chars: the same form whatever the user's locale.
  char fraction[32];
  const auto end = std::to_chars(fraction, fraction + sizeof fraction, position.fraction, std::chars_format::fixed, 4);
  return position.anchor + " " + std::string(fraction, end.ptr);
}

}  // namespace orvelis
