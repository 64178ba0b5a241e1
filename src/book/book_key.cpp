#include "book/book_key.h"

#include <charconv>

namespace orvelis {
namespace {

struct Word {
  BookKeyKind kind;
  std::string_view spelling;
  KeyNumbers KeySyntax::*numbers;
};

// No two words share their first three letters, so at most one word fits a text in any spelling.
constexpr Word kWords[] = {
    {BookKeyKind::Book, "book", &KeySyntax::book},   {BookKeyKind::Contents, "cont", &KeySyntax::cont},
    {BookKeyKind::Part, "part", &KeySyntax::part},   {BookKeyKind::Paper, "doc", &KeySyntax::doc},
    {BookKeyKind::Page, "page", &KeySyntax::page},
};

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SpelledAs(std::string_view text, std::string_view word, KeySyntax::Spelling spelling) {
  switch (spelling) {
    case KeySyntax::Spelling::Stem:
      return text.substr(0, 3) == word.substr(0, 3);
    case KeySyntax::Spelling::Exact:
      return text.substr(0, word.size()) == word;
    case KeySyntax::Spelling::ExactIgnoringCase:
      if (text.size() < word.size()) return false;
      for (std::size_t i = 0; i < word.size(); ++i) {
        if (AsciiLower(text[i]) != word[i]) return false;
      }
      return true;
  }
  return false;
}

bool Within(int n, const KeyNumbers& numbers) { return n >= numbers.min && n <= numbers.max; }

std::optional<int> Digit(char c) {
  if (c < '0' || c > '9') return std::nullopt;
  return c - '0';
}

// "book"/"cont", or the contents of one Part ("cont3"; 0 is the titles of the Papers).
std::optional<BookKey> ContentsKey(std::string_view text, const Word& word, const KeySyntax& syntax) {
  const KeyNumbers& parts = syntax.*word.numbers;
  if (syntax.spelling == KeySyntax::Spelling::Stem) {
    if (const auto part = Digit(text.back()); part && Within(*part, parts)) {
      return BookKey{BookKeyKind::PartContents, *part};
    }
    if (text == word.spelling) return BookKey{word.kind, 0};
    return BookKey{BookKeyKind::PartContents, 0};
  }
  const std::string_view rest = text.substr(word.spelling.size());
  if (rest.empty()) return BookKey{word.kind, 0};
  if (const auto part = rest.size() == 1 ? Digit(rest[0]) : std::nullopt; part && Within(*part, parts)) {
    return BookKey{BookKeyKind::PartContents, *part};
  }
  return std::nullopt;
}

// A word followed by a decimal number (a sign allowed, leading zeros vanish).
std::optional<BookKey> NumberedKey(std::string_view text, const Word& word, const KeySyntax& syntax) {
  // A stem stands for the whole word, whatever its last letter is.
  const std::string_view rest =
      text.size() > word.spelling.size() ? text.substr(word.spelling.size()) : std::string_view();
  int n = 0;
  const char* end = rest.data() + rest.size();
  const auto [stop, ec] = std::from_chars(rest.data(), end, n);
  if (ec != std::errc() || (stop != end && !syntax.numberMayTrail) || !Within(n, syntax.*word.numbers)) {
    return std::nullopt;
  }
  return BookKey{word.kind, n};
}

std::string_view SpellingOf(BookKeyKind kind) {
  for (const Word& word : kWords) {
    if (word.kind == kind) return word.spelling;
  }
  return {};
}

}  // namespace

std::optional<BookKey> ParseBookKey(std::string_view text, const KeySyntax& syntax) {
  for (const Word& word : kWords) {
    if (!(syntax.*word.numbers).read || !SpelledAs(text, word.spelling, syntax.spelling)) continue;
    if (word.kind == BookKeyKind::Book || word.kind == BookKeyKind::Contents) return ContentsKey(text, word, syntax);
    return NumberedKey(text, word, syntax);
  }
  return std::nullopt;
}

std::string FormatBookKey(const BookKey& key) {
  switch (key.kind) {
    case BookKeyKind::Book:
    case BookKeyKind::Contents:
      return std::string(SpellingOf(key.kind));
    case BookKeyKind::PartContents:
      return std::string(SpellingOf(BookKeyKind::Contents)) + std::to_string(key.number);
    default:
      return std::string(SpellingOf(key.kind)) + std::to_string(key.number);
  }
}

}  // namespace orvelis
