#pragma once
// Word lists of the sample book, most frequent first; the generator draws from them with a
// Zipf-like spread so that the text has the frequency profile of natural prose.

#include <array>
#include <span>
#include <string_view>

namespace orvelis::sample {

std::span<const std::string_view> EnglishWords();
// An English word and its translation: Russian forms separated by "|", an empty one for "left out".
struct EnglishWord {
  std::string_view english;
  std::string_view russianForms;
};
// The same words as EnglishWords(), in the same order, with their translations.
std::span<const EnglishWord> EnglishWordsWithRussian();
std::span<const std::string_view> RussianWords();

enum RussianGender { kMasculine, kFeminine, kNeuter, kPlural };

// A noun for titles of Papers and sections: the English, and the Russian with the forms a title needs.
struct TitleNoun {
  std::string_view english;
  std::string_view russian;
  std::string_view russianGenitive;
  RussianGender gender;
};
// An adjective for titles: the English, and the Russian in the form agreeing with each gender.
struct TitleAdjective {
  std::string_view english;
  std::array<std::string_view, 4> russian;
};

std::span<const TitleNoun> TitleNouns();
std::span<const TitleAdjective> TitleAdjectives();
std::span<const std::string_view> EnglishNames();
std::span<const std::string_view> RussianNames();

}  // namespace orvelis::sample
