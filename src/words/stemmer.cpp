#include "words/stemmer.h"

#include <libstemmer.h>

#include <utility>

#include "ground/utf8.h"

namespace orvelis {

Stemmer::Stemmer(Language language)
    : stemmer_(sb_stemmer_new(language == kEnglish ? "english" : "russian", "UTF_8")) {}

Stemmer::~Stemmer() {
  if (stemmer_) sb_stemmer_delete(stemmer_);
}

Stemmer::Stemmer(Stemmer&& other) noexcept : stemmer_(std::exchange(other.stemmer_, nullptr)) {}

Stemmer& Stemmer::operator=(Stemmer&& other) noexcept {
  if (this != &other) {
    if (stemmer_) sb_stemmer_delete(stemmer_);
    stemmer_ = std::exchange(other.stemmer_, nullptr);
  }
  return *this;
}

std::string Stemmer::Stem(std::string_view word) const {
  if (!stemmer_) return std::string(word);
  const sb_symbol* stem =
      sb_stemmer_stem(stemmer_, reinterpret_cast<const sb_symbol*>(word.data()), static_cast<int>(word.size()));
  if (!stem) return std::string(word);  // out of memory inside the stemmer: the word stands for itself
  return std::string(reinterpret_cast<const char*>(stem), static_cast<std::size_t>(sb_stemmer_length(stemmer_)));
}

bool IsWordLetter(char32_t cp) {
  return (cp >= U'a' && cp <= U'z') || (cp >= U'A' && cp <= U'Z') || (cp >= U'\u0410' && cp <= U'\u044F') ||
         cp == U'\u0401' || cp == U'\u0451';
}

char32_t ToLowerLetter(char32_t cp) {
  if (cp >= U'A' && cp <= U'Z') return cp + 32;
  if (cp >= U'\u0410' && cp <= U'\u042F') return cp + 0x20;
  if (cp == U'\u0401') return U'\u0451';
  return cp;
}

std::string LowerWord(std::string_view word) {
  std::string out;
  out.reserve(word.size());
  for (std::size_t pos = 0; pos < word.size();) utf8::Append(out, ToLowerLetter(utf8::Next(word, pos)));
  return out;
}

}  // namespace orvelis
