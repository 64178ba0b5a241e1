#pragma once
// Small UTF-8 helpers shared by the core.

#include <cstddef>
#include <string>
#include <string_view>

namespace orvelis::utf8 {

// Decodes the code point at text[pos] and advances pos. A malformed sequence yields U+FFFD and
// advances by one byte, so callers always make progress.
char32_t Next(std::string_view text, std::size_t& pos);

void Append(std::string& out, char32_t cp);

// Upper case for the scripts the book uses: ASCII, Latin-1 letters and Cyrillic.
char32_t ToUpper(char32_t cp);
std::string ToUpper(std::string_view text);

}  // namespace orvelis::utf8
