#include "ground/text_replace.h"

#include <algorithm>

#include "ground/utf8.h"

namespace orvelis {
namespace {

bool IsAscii(std::string_view s) {
  return std::all_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

// An ASCII needle can only match ASCII bytes, so a byte-wise comparison folding ASCII case is
// exact. Other needles are compared character by character on upper-cased code points, starting
// only where the haystack is read, so a search near its start costs little however long the text.
class CaselessFinder {
 public:
  CaselessFinder(std::string_view haystack, std::string_view needle)
      : haystack_(haystack), needle_(needle), ascii_(IsAscii(needle)) {
    if (!ascii_) {
      for (std::size_t pos = 0; pos < needle.size();) upperNeedle_.push_back(utf8::ToUpper(utf8::Next(needle, pos)));
    }
  }

  std::size_t Find(std::size_t start) const {
    if (start > haystack_.size()) return std::string_view::npos;
    if (ascii_) {
      const auto it = std::search(haystack_.begin() + static_cast<std::ptrdiff_t>(start), haystack_.end(),
                                  needle_.begin(), needle_.end(),
                                  [](char a, char b) { return AsciiLower(a) == AsciiLower(b); });
      return it == haystack_.end() ? std::string_view::npos : static_cast<std::size_t>(it - haystack_.begin());
    }
    for (std::size_t at = start; at < haystack_.size();) {
      std::size_t pos = at;
      std::size_t matched = 0;
      while (matched < upperNeedle_.size() && pos < haystack_.size() &&
             utf8::ToUpper(utf8::Next(haystack_, pos)) == upperNeedle_[matched]) {
        ++matched;
      }
      if (matched == upperNeedle_.size()) return at;
      utf8::Next(haystack_, at);
    }
    return std::string_view::npos;
  }

  // Bytes of the match at `at` (case variants of a letter may differ in length in general).
  std::size_t MatchLength(std::size_t at) const {
    if (ascii_) return needle_.size();
    std::size_t pos = at;
    for (std::size_t i = 0; i < upperNeedle_.size(); ++i) utf8::Next(haystack_, pos);
    return pos - at;
  }

 private:
  std::string_view haystack_;
  std::string_view needle_;
  bool ascii_;
  std::u32string upperNeedle_;
};

}  // namespace

void ReplaceAllExact(std::string& text, std::string_view from, std::string_view to) {
  if (from.empty()) return;
  std::string out;
  std::size_t start = 0;
  for (std::size_t at; (at = text.find(from, start)) != std::string::npos; start = at + from.size()) {
    out.append(text, start, at - start);
    out.append(to);
  }
  if (start == 0) return;
  out.append(text, start);
  text = std::move(out);
}

std::size_t FindIgnoreCase(std::string_view haystack, std::string_view needle, std::size_t start) {
  if (needle.empty()) return start <= haystack.size() ? start : std::string_view::npos;
  return CaselessFinder(haystack, needle).Find(start);
}

std::string ReplaceAllIgnoreCase(std::string_view text, std::string_view from, std::string_view to) {
  if (from.empty()) return std::string(text);
  const CaselessFinder finder(text, from);
  std::string out;
  std::size_t start = 0;
  for (std::size_t at; (at = finder.Find(start)) != std::string_view::npos; start = at + finder.MatchLength(at)) {
    out.append(text.substr(start, at - start));
    out.append(to);
  }
  if (start == 0) return std::string(text);
  out.append(text.substr(start));
  return out;
}

}  // namespace orvelis
