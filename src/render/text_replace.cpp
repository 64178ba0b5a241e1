#include "render/text_replace.h"

#include <algorithm>

#include "book/utf8.h"

namespace orvelis {
namespace {

bool IsAscii(std::string_view s) {
  return std::all_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

// An ASCII needle can only match ASCII bytes, so a byte-wise comparison folding ASCII case is
// exact; other needles are compared on upper-cased copies, whose byte positions are the same
// because the scripts we fold keep their UTF-8 lengths.
class CaselessFinder {
 public:
  CaselessFinder(std::string_view haystack, std::string_view needle)
      : haystack_(haystack), needle_(needle), ascii_(IsAscii(needle)) {
    if (!ascii_) {
      upperHaystack_ = utf8::ToUpper(haystack);
      upperNeedle_ = utf8::ToUpper(needle);
      if (upperHaystack_.size() != haystack.size() || upperNeedle_.size() != needle.size()) {
        upperHaystack_ = haystack;
        upperNeedle_ = needle;
      }
    }
  }

  std::size_t Find(std::size_t start) const {
    if (start > haystack_.size()) return std::string_view::npos;
    if (!ascii_) return upperHaystack_.find(upperNeedle_, start);
    const auto it = std::search(haystack_.begin() + static_cast<std::ptrdiff_t>(start), haystack_.end(),
                                needle_.begin(), needle_.end(),
                                [](char a, char b) { return AsciiLower(a) == AsciiLower(b); });
    return it == haystack_.end() ? std::string_view::npos : static_cast<std::size_t>(it - haystack_.begin());
  }

 private:
  std::string_view haystack_;
  std::string_view needle_;
  bool ascii_;
  std::string upperHaystack_;
  std::string upperNeedle_;
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
  for (std::size_t at; (at = finder.Find(start)) != std::string_view::npos; start = at + from.size()) {
    out.append(text.substr(start, at - start));
    out.append(to);
  }
  if (start == 0) return std::string(text);
  out.append(text.substr(start));
  return out;
}

}  // namespace orvelis
