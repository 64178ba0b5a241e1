#pragma once
// What a query may cost: its size, checked before anything is searched, and one time budget for
// the whole query, every word included. The sizes are far beyond any query a reader types; they
// stop pasted or generated text before its words are searched one by one.

#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>

#include "ground/ui_text.h"

namespace orvelis {

inline constexpr std::size_t kMaxQueryCharacters = 2000;
inline constexpr std::size_t kMaxQueryWords = 300;
inline constexpr std::chrono::milliseconds kQueryTimeBudget{1000};

// How the last query ended. Every status but Done comes with its message and an empty result.
enum class QueryStatus { Done, TooLong, TooManyWords, OverBudget };

// The message of a status other than Done, in the words of the search box's other messages.
inline std::string QueryStatusMessage(QueryStatus status) {
  switch (status) {
    case QueryStatus::TooLong:
      return Tr(ORVELIS_TR_NOOP("Core", "Слишком длинная строка поиска (не более %1 знаков)"),
                {std::to_string(kMaxQueryCharacters)});
    case QueryStatus::TooManyWords:
      return Tr(ORVELIS_TR_NOOP("Core", "Слишком много слов в строке поиска (не более %1)"),
                {std::to_string(kMaxQueryWords)});
    case QueryStatus::OverBudget:
      return Tr(ORVELIS_TR_NOOP("Core", "Слишком сложная строка поиска: поиск прерван"));
    case QueryStatus::Done:
      break;
  }
  return {};
}

// Characters, not bytes: a Cyrillic letter counts once.
inline std::size_t QueryCharacterCount(std::string_view query) {
  std::size_t count = 0;
  for (const char c : query) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return count;
}

// Words as the reader sees them: runs of characters between blanks and the operators "+" and "|".
inline std::size_t QueryWordCount(std::string_view query) {
  std::size_t count = 0;
  bool inWord = false;
  for (const char c : query) {
    const bool separator = c == ' ' || c == '+' || c == '|';
    if (!separator && !inWord) ++count;
    inWord = !separator;
  }
  return count;
}

inline QueryStatus CheckQuerySize(std::string_view query) {
  if (QueryCharacterCount(query) > kMaxQueryCharacters) return QueryStatus::TooLong;
  if (QueryWordCount(query) > kMaxQueryWords) return QueryStatus::TooManyWords;
  return QueryStatus::Done;
}

}  // namespace orvelis
