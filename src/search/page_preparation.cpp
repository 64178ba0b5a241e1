#include "search/page_preparation.h"

#include "book/book_store.h"

namespace orvelis {
namespace {

constexpr std::string_view kStressOpen = "<font class=\"emph\">";
constexpr std::string_view kStressClose = "</font>";
// The stressable vowels "аеиоуюя", lower and upper case, in UTF-8.
constexpr std::string_view kVowels[] = {"а", "е", "и", "о", "у", "ю", "я"};
constexpr std::string_view kUpperVowels[] = {"А", "Е", "И", "О", "У", "Ю", "Я"};

bool StartsWithIgnoringAsciiCase(std::string_view text, std::size_t at, std::string_view prefix) {
  if (text.size() - at < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    char a = text[at + i];
    char b = prefix[i];
    if (a >= 'A' && a <= 'Z') a = static_cast<char>(a + 32);
    if (b >= 'A' && b <= 'Z') b = static_cast<char>(b + 32);
    if (a != b) return false;
  }
  return true;
}

// The vowel of a stress mark at `at`, or -1. Every vowel is two bytes of UTF-8.
int StressedVowelAt(std::string_view text, std::size_t at) {
  if (!StartsWithIgnoringAsciiCase(text, at, kStressOpen)) return -1;
  const std::size_t vowelAt = at + kStressOpen.size();
  if (text.size() - vowelAt < 2 || !StartsWithIgnoringAsciiCase(text, vowelAt + 2, kStressClose)) return -1;
  const std::string_view letter = text.substr(vowelAt, 2);
  for (int v = 0; v < 7; ++v) {
    if (letter == kVowels[v] || letter == kUpperVowels[v]) return v;
  }
  return -1;
}

}  // namespace

// One left-to-right pass; it gives what replacing each vowel's marks in turn gives, since a
// replacement leaves a bare vowel that no later mark can include.
std::string StripStressMarks(std::string_view text, Language language) {
  if (language == kEnglish) return std::string(text);
  std::string out;
  out.reserve(text.size());
  std::size_t copied = 0;
  for (std::size_t at = text.find('<'); at != std::string_view::npos; at = text.find('<', at)) {
    const int vowel = StressedVowelAt(text, at);
    if (vowel < 0) {
      ++at;
      continue;
    }
    out.append(text.substr(copied, at - copied));
    out.append(kVowels[vowel]);
    at += kStressOpen.size() + 2 + kStressClose.size();
    copied = at;
  }
  out.append(text.substr(copied));
  return out;
}

std::string PrepareSearchText(std::string_view pageText, Language language) {
  const std::string stripped = StripStressMarks(pageText, language);
  // Replacing the ten marks one after another equals one pass: no replacement can form another
  // mark, and the entities are taken whole before their ";" would be.
  std::string out(stripped.size() + 2, ' ');
  char* d = out.data() + 1;  // the leading "." is already a blank
  const char* s = stripped.data();
  const char* end = s + stripped.size();
  while (s < end) {
    const char c = *s;
    if (c == '.' || c == '"' || c == ',' || c == ';' || c == ')' || c == '(') {
      *d++ = ' ';
      ++s;
    } else if (c == '\xC2' && end - s >= 2 && (s[1] == '\xAB' || s[1] == '\xBB')) {  // « »
      *d++ = ' ';
      s += 2;
    } else if (c == '&' && end - s >= 6 && (std::string_view(s, 6) == "&#171;" || std::string_view(s, 6) == "&#187;")) {
      *d++ = ' ';
      s += 6;
    } else {
      *d++ = c;
      ++s;
    }
  }
  *d++ = ' ';  // the trailing "."
  out.resize(static_cast<std::size_t>(d - out.data()));
  return out;
}

const std::vector<std::string>& PreparedPages::Of(const BookStore& book, Language language) {
  std::vector<std::string>& pages = pages_[language];
  if (pages.empty() && book.PageTextLoaded(language)) {
    pages.resize(kPageCount + 1);
    for (int p = 1; p <= kPageCount; ++p) pages[p] = PrepareSearchText(book.GetPageText(p, language), language);
  }
  return pages;
}

}  // namespace orvelis
