#include "words/word_forms_query.h"

#include <functional>

#include "ground/utf8.h"
#include "words/book_vocabulary.h"
#include "words/stemmer.h"

namespace orvelis {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool IsOperator(char c) { return c == '+' || c == '|' || c == '!' || c == '(' || c == ')'; }
bool IsQuote(char c) { return c == '"' || c == '\''; }

bool LetterAt(std::string_view text, std::size_t pos) {
  std::size_t next = pos;
  return pos < text.size() && IsWordLetter(utf8::Next(text, next));
}

// A piece with anything but letters, operators and quotes, or with a group glued to a letter or
// to another group ("вид(а|у)", "(мир|свет)(а|у)"), is a pattern: its words are left as typed.
bool IsPatternPiece(std::string_view piece) {
  for (std::size_t pos = 0; pos < piece.size();) {
    const std::size_t at = pos;
    const char32_t cp = utf8::Next(piece, pos);
    if (IsWordLetter(cp)) {
      if (pos < piece.size() && piece[pos] == '(') return true;
      continue;
    }
    const char c = piece[at];
    if (cp >= 0x80 || (!IsOperator(c) && !IsQuote(c))) return true;
    if (c == ')' && pos < piece.size() && (piece[pos] == '(' || LetterAt(piece, pos))) return true;
  }
  return false;
}

// Calls `plain` with each plain word's place and length in the query, in order.
void ForEachPlainWord(std::string_view query, const std::function<void(std::size_t, std::size_t)>& plain) {
  char quote = 0;
  for (std::size_t start = 0; start < query.size();) {
    if (IsBlank(query[start])) {
      ++start;
      continue;
    }
    std::size_t end = start;
    while (end < query.size() && !IsBlank(query[end])) ++end;
    const std::string_view piece = query.substr(start, end - start);
    const bool pattern = IsPatternPiece(piece);
    for (std::size_t pos = 0; pos < piece.size();) {
      if (IsQuote(piece[pos])) {
        quote = quote == 0 ? piece[pos] : (quote == piece[pos] ? 0 : quote);
        ++pos;
        continue;
      }
      if (!LetterAt(piece, pos)) {
        utf8::Next(piece, pos);
        continue;
      }
      const std::size_t wordStart = pos;
      while (LetterAt(piece, pos)) utf8::Next(piece, pos);
      if (quote == 0 && !pattern) plain(start + wordStart, pos - wordStart);
    }
    start = end;
  }
}

}  // namespace

std::string WithWordForms(std::string_view query, const BookVocabulary& vocabulary) {
  std::string out;
  std::size_t copied = 0;
  ForEachPlainWord(query, [&](std::size_t at, std::size_t length) {
    const std::string_view word = query.substr(at, length);
    const std::vector<std::string> forms = vocabulary.FormsOf(word);
    if (forms.empty() || (forms.size() == 1 && forms[0] == LowerWord(word))) return;
    out.append(query.substr(copied, at - copied));
    out += '(';
    for (std::size_t i = 0; i < forms.size(); ++i) {
      if (i > 0) out += '|';
      out += forms[i];
    }
    out += ')';
    copied = at + length;
  });
  out.append(query.substr(copied));
  return out;
}

std::vector<QueryWord> PlainQueryWords(std::string_view query) {
  std::vector<QueryWord> words;
  ForEachPlainWord(query, [&](std::size_t at, std::size_t length) {
    words.push_back({at, std::string(query.substr(at, length))});
  });
  return words;
}

}  // namespace orvelis
