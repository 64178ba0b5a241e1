#pragma once
// A deterministic sample book with the real book's structure (5 Parts, 197 Papers, 2097 pages per
// language) and the features the reader meets in real text: paragraph markers, headings, author
// blocks, stress marks, quotes, entities, punctuation and inline tags. Same seed, same bytes.

#include <cstdint>

#include "book/book_content.h"

namespace orvelis::sample {

inline constexpr std::uint64_t kDefaultSeed = 1;

BookContent MakeSampleBook(std::uint64_t seed = kDefaultSeed);

}  // namespace orvelis::sample
