#include "search/page_preparation.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "book/book_store.h"
#include "ground/cp1251.h"
#include "ground/large_buffer.h"
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

// What a byte is to the preparation: kept, a blank, or the start of something that may be.
enum Class : unsigned char { kKeep, kBlank, kQuoteLead, kEntity, kTag };
using Classes = std::array<Class, 256>;

constexpr Classes ClassesWith(unsigned char quoteLead, Class quoteClass, std::string_view quoteBytes) {
  Classes classes{};
  for (const unsigned char c : std::string_view(".\",;)(")) classes[c] = kBlank;
  for (const unsigned char c : quoteBytes) classes[c] = quoteClass;
  if (quoteLead != 0) classes[quoteLead] = kQuoteLead;
  classes['&'] = kEntity;
  classes['<'] = kTag;
  return classes;
}

// The two forms a page comes in: UTF-8 text, copied as it is, and the file's Windows-1251 bytes,
// each written as its UTF-8 form. Every character the preparation looks at is one Windows-1251
// byte, so both forms give the same prepared text.
struct Utf8Page {
  static constexpr std::size_t kVowelBytes = 2;
  static constexpr Classes kClasses = ClassesWith(0xC2, kKeep, "");  // « and » are C2 AB and C2 BB
  // The lower-case vowel index of a stressable vowel at `at`, or -1.
  static int VowelAt(std::string_view text, std::size_t at) {
    const std::string_view letter = text.substr(at, 2);
    for (int v = 0; v < 7; ++v) {
      if (letter == kVowels[v] || letter == kUpperVowels[v]) return v;
    }
    return -1;
  }
  // Copies the bytes up to the next one that is not simply kept; returns where that is.
  static const char* KeepRun(const char* s, const char* end, char*& d) {
    const char* run = s;
    while (s < end && kClasses[static_cast<unsigned char>(*s)] == kKeep) ++s;
    d = std::copy(run, s, d);
    return s;
  }
  static char* KeepOne(char c, char* d) {
    *d++ = c;
    return d;
  }
  static std::size_t MostOutput(std::size_t bytes) { return bytes + 2; }
};

struct Cp1251Page {
  static constexpr std::size_t kVowelBytes = 1;
  static constexpr Classes kClasses = ClassesWith(0, kBlank, "\xAB\xBB");  // « and »
  static int VowelAt(std::string_view text, std::size_t at) {
    constexpr std::string_view kLower = "\xE0\xE5\xE8\xEE\xF3\xFE\xFF";  // а е и о у ю я
    constexpr std::string_view kUpper = "\xC0\xC5\xC8\xCE\xD3\xDE\xDF";
    const char c = text[at];
    for (int v = 0; v < 7; ++v) {
      if (c == kLower[v] || c == kUpper[v]) return v;
    }
    return -1;
  }
  // The UTF-8 form of each byte as Cp1251ToUtf8Packed gives it, and 0 for a byte that is not
  // simply kept: one lookup per byte both converts it and says where a run ends.
  static const std::array<std::uint32_t, 256> kKept;
  static const char* KeepRun(const char* s, const char* end, char*& d) {
    for (; s < end; ++s) {
      const std::uint32_t entry = kKept[static_cast<unsigned char>(*s)];
      if (entry == 0) break;
      std::memcpy(d, &entry, 4);  // the output has room for a whole word after its end
      d += entry >> 24;
    }
    return s;
  }
  static char* KeepOne(char c, char* d) {
    const std::uint32_t entry = Cp1251ToUtf8Packed()[static_cast<unsigned char>(c)];
    std::memcpy(d, &entry, 4);
    return d + (entry >> 24);
  }
  static std::size_t MostOutput(std::size_t bytes) { return 3 * bytes + 2 + 4; }
};

const std::array<std::uint32_t, 256> Cp1251Page::kKept = [] {
  std::array<std::uint32_t, 256> kept = Cp1251ToUtf8Packed();
  for (int b = 0; b < 256; ++b) {
    if (kClasses[b] != kKeep) kept[b] = 0;
  }
  return kept;
}();

// The vowel of a stress mark at `at`, or -1.
template <typename Page>
int StressedVowelAt(std::string_view text, std::size_t at) {
  if (!StartsWithIgnoringAsciiCase(text, at, kStressOpen)) return -1;
  const std::size_t vowelAt = at + kStressOpen.size();
  if (text.size() - vowelAt < Page::kVowelBytes ||
      !StartsWithIgnoringAsciiCase(text, vowelAt + Page::kVowelBytes, kStressClose)) {
    return -1;
  }
  return Page::VowelAt(text, vowelAt);
}

// One pass over the page: a stress mark gives its vowel, as StripStressMarks does, and the marks
// become blanks. That equals stripping first and replacing after, since a stripped mark leaves a
// vowel, which neither completes nor breaks any of the marks. Writes at most
// Page::MostOutput(pageText.size()) bytes from `d` and returns the end.
template <typename Page>
char* PrepareInto(std::string_view pageText, Language language, char* d) {
  constexpr const Classes& kClasses = Page::kClasses;
  *d++ = ' ';  // the leading "."
  const char* const begin = pageText.data();
  const char* s = begin;
  const char* const end = s + pageText.size();
  while (s < end) {
    s = Page::KeepRun(s, end, d);
    if (s == end) break;
    switch (kClasses[static_cast<unsigned char>(*s)]) {
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
          if (const int vowel = StressedVowelAt<Page>(pageText, static_cast<std::size_t>(s - begin)); vowel >= 0) {
            d = std::copy(kVowels[vowel].begin(), kVowels[vowel].end(), d);
            s += kStressOpen.size() + Page::kVowelBytes + kStressClose.size();
            continue;
          }
        }
        break;
    }
    d = Page::KeepOne(*s, d);
    ++s;
  }
  *d++ = ' ';  // the trailing "."
  return d;
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
    const int vowel = StressedVowelAt<Utf8Page>(text, at);
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
  thread_local std::string scratch;
  if (scratch.size() < Utf8Page::MostOutput(pageText.size())) scratch.resize(Utf8Page::MostOutput(pageText.size()));
  const char* d = PrepareInto<Utf8Page>(pageText, language, scratch.data());
  return std::string(scratch.data(), static_cast<std::size_t>(d - scratch.data()));
}

std::string PrepareStoredSearchText(std::string_view storedBytes, Language language) {
  std::string out(Cp1251Page::MostOutput(storedBytes.size()), '\0');
  out.resize(static_cast<std::size_t>(PrepareInto<Cp1251Page>(storedBytes, language, out.data()) - out.data()));
  return out;
}

template <typename Page, typename PageBytes>
void PreparedPages::PrepareAll(Language language, const PageBytes& pageBytes) {
  Prepared& prepared = languages_[language];
  prepared.pages.assign(kPageCount + 1, std::string_view());
  // Each half writes its pages one after another into a buffer of its own, sized for the most
  // they can take; what is never written is never touched.
  InTwoHalves(1, kPageCount, [&](int from, int to) {
    std::size_t most = 0;
    for (int p = from; p <= to; ++p) most += Page::MostOutput(pageBytes(p).size());
    LargeBuffer buffer(most);
    char* d = buffer.data();
    for (int p = from; p <= to; ++p) {
      char* const pageEnd = PrepareInto<Page>(pageBytes(p), language, d);
      prepared.pages[p] = std::string_view(d, static_cast<std::size_t>(pageEnd - d));
      d = pageEnd;
    }
    prepared.halves[from == 1 ? 0 : 1] = std::move(buffer);
  });
}

const PreparedPages::Pages& PreparedPages::Of(const BookStore& book, Language language) {
  if (const Prepared& streamed = languages_[language]; streamed.stream && streamed.pages.empty()) {
    PrepareStored(*streamed.stream, language);
  } else if (!Has(language) && book.PageTextLoaded(language)) {
    // Preparing is most of a first search's time.
    PrepareAll<Utf8Page>(language, [&](int p) -> std::string_view { return book.GetPageText(p, language); });
  }
  return languages_[language].pages;
}

void PreparedPages::StreamStored(const StoredPageTexts& stored, Language language) {
  languages_[language].stream = &stored;
}

std::string_view PreparedPages::Page(Language language, int page) const {
  const Prepared& prepared = languages_[language];
  if (!prepared.pages.empty()) return prepared.pages[page];
  if (!prepared.stream || page < 1 || page > kPageCount) return {};
  thread_local std::string scratch;
  const std::string_view bytes = prepared.stream->Page(page);
  if (scratch.size() < Cp1251Page::MostOutput(bytes.size())) scratch.resize(Cp1251Page::MostOutput(bytes.size()));
  const char* end = PrepareInto<Cp1251Page>(bytes, language, scratch.data());
  return std::string_view(scratch.data(), static_cast<std::size_t>(end - scratch.data()));
}

void PreparedPages::PrepareStored(const StoredPageTexts& stored, Language language) {
  PrepareAll<Cp1251Page>(language, [&](int p) { return stored.Page(p); });
}

}  // namespace orvelis
