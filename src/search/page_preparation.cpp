#include "search/page_preparation.h"

#include <algorithm>

#include "book/book_store.h"
#include "ground/two_halves.h"

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

// One pass over the page: a stress mark gives its vowel, as StripStressMarks does, and the marks
// become blanks. That equals stripping first and replacing after, since a stripped mark leaves a
// vowel, which neither completes nor breaks any of the marks. Every replacement is shorter than what
// it replaces, so the text never outgrows the page.
std::string PrepareSearchText(std::string_view pageText, Language language) {
  enum Class : unsigned char { kKeep, kBlank, kQuoteLead, kEntity, kTag };
  static constexpr auto kClasses = [] {
    std::array<Class, 256> classes{};
    for (const unsigned char c : std::string_view(".\",;)(")) classes[c] = kBlank;
    classes[0xC2] = kQuoteLead;  // « and » are C2 AB and C2 BB
    classes['&'] = kEntity;
    classes['<'] = kTag;
    return classes;
  }();
  thread_local std::string scratch;
  if (scratch.size() < pageText.size() + 2) scratch.resize(pageText.size() + 2);
  char* d = scratch.data();
  *d++ = ' ';  // the leading "."
  const char* const begin = pageText.data();
  const char* s = begin;
  const char* const end = s + pageText.size();
  while (s < end) {
    const char* run = s;
    while (s < end && kClasses[static_cast<unsigned char>(*s)] == kKeep) ++s;
    d = std::copy(run, s, d);
    if (s == end) break;
    const char c = *s;
    switch (kClasses[static_cast<unsigned char>(c)]) {
      case kKeep:
        break;
      case kBlank:
        *d++ = ' ';
        ++s;
        continue;
      case kQuoteLead:
        if (end - s >= 2 && (s[1] == '\xAB' || s[1] == '\xBB')) {
          *d++ = ' ';
          s += 2;
          continue;
        }
        break;
      case kEntity:
        if (end - s >= 6 && (std::string_view(s, 6) == "&#171;" || std::string_view(s, 6) == "&#187;")) {
          *d++ = ' ';
          s += 6;
          continue;
        }
        break;
      case kTag:
        if (language == kRussian) {
          if (const int vowel = StressedVowelAt(pageText, static_cast<std::size_t>(s - begin)); vowel >= 0) {
            d = std::copy(kVowels[vowel].begin(), kVowels[vowel].end(), d);
            s += kStressOpen.size() + 2 + kStressClose.size();
            continue;
          }
        }
        break;
    }
    *d++ = c;
    ++s;
  }
  *d++ = ' ';  // the trailing "."
  return std::string(scratch.data(), static_cast<std::size_t>(d - scratch.data()));
}

const std::vector<std::string>& PreparedPages::Of(const BookStore& book, Language language) {
  std::vector<std::string>& pages = pages_[language];
  if (pages.empty() && book.PageTextLoaded(language)) {
    pages.resize(kPageCount + 1);
    // Preparing is most of a first search's time.
    InTwoHalves(1, kPageCount, [&](int first, int last) {
      for (int p = first; p <= last; ++p) pages[p] = PrepareSearchText(book.GetPageText(p, language), language);
    });
  }
  return pages;
}

}  // namespace orvelis
