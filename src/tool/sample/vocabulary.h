#pragma once
// Word lists of the sample book, most frequent first; the generator draws from them with a
// Zipf-like spread so that the text has the frequency profile of natural prose.

#include <span>
#include <string_view>

namespace orvelis::sample {

std::span<const std::string_view> EnglishWords();
std::span<const std::string_view> RussianWords();
// Nouns and adjectives for titles of Papers, sections and Parts.
std::span<const std::string_view> EnglishTitleNouns();
std::span<const std::string_view> EnglishTitleAdjectives();
std::span<const std::string_view> RussianTitleNouns();
std::span<const std::string_view> RussianTitleAdjectives();
std::span<const std::string_view> EnglishNames();
std::span<const std::string_view> RussianNames();

}  // namespace orvelis::sample
