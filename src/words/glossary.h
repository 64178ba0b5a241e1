#pragma once
// A glossary learnt from the aligned book: every paragraph marker both languages' pages hold pairs
// a Russian paragraph with its English counterpart. For a word (grouped by its stem) the words of
// the other language (grouped by stem) that stand most often in the counterparts of its
// paragraphs, scored by the Dice coefficient over aligned paragraphs:
//   Dice(s, t) = 2 * pairs holding both / (pairs holding s + pairs holding t).

#include <array>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "book/book_format.h"
#include "words/stemmer.h"

namespace orvelis {

class BookStore;

struct AlignedParagraph {
  int page = 0;
  std::string marker;  // "((n:s:p))"
};

struct GlossaryCandidate {
  std::string word;  // the candidate's most frequent form
  double score = 0;  // Dice, 0..1
  int count = 0;     // aligned paragraph pairs holding both
  std::vector<AlignedParagraph> examples;  // the first two such pairs, in page order
};

class Glossary {
 public:
  // Both languages' page texts must be loaded.
  explicit Glossary(const BookStore& book);

  // The best `best` candidates in the other language for `word` of `from`, best first (equal
  // scores: the more pairs first, then the form's letters); empty for a word the book lacks.
  std::vector<GlossaryCandidate> Lookup(std::string_view word, Language from, std::size_t best = 5) const;
  std::size_t PairCount() const { return pairs_.size(); }

 private:
  struct Side {
    Side(Language lang) : stemmer(lang) {}
    Stemmer stemmer;
    std::unordered_map<std::string, std::string> stemOfForm;
    std::unordered_map<std::string, std::vector<int>> pairsOfStem;  // ascending pair indices
    std::unordered_map<std::string, std::unordered_map<std::string, int>> formsOfStem;
    std::vector<std::vector<std::string>> stemsOfPair;  // each pair's distinct stems
  };
  void AddParagraph(Side& side, int pair, const std::string& text);
  std::string MostFrequentForm(const Side& side, const std::string& stem) const;

  std::vector<AlignedParagraph> pairs_;
  std::array<Side, kLanguageCount> sides_{Side(kEnglish), Side(kRussian)};
};

}  // namespace orvelis
