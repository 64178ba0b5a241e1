#include "words/glossary.h"

#include <algorithm>
#include <map>

#include "book/book_store.h"
#include "ground/utf8.h"
#include "render/parallel_page.h"

namespace orvelis {
namespace {

// The words of a paragraph as a reader reads them: markup is invisible (a stress mark inside a
// word leaves it whole), and any other non-letter ends a word.
std::vector<std::string> ParagraphWords(const std::string& text) {
  std::vector<std::string> words;
  std::string word;
  bool inTag = false;
  std::size_t pos = 0;
  // The marker is the paragraph's name, not its text.
  if (text.starts_with("((")) {
    const std::size_t close = text.find("))");
    if (close != std::string::npos) pos = close + 2;
  }
  while (pos < text.size()) {
    const char32_t cp = utf8::Next(text, pos);
    if (cp == U'<') inTag = true;
    if (inTag) {
      if (cp == U'>') inTag = false;
      continue;
    }
    if (IsWordLetter(cp)) {
      utf8::Append(word, ToLowerLetter(cp));
    } else if (!word.empty()) {
      words.push_back(std::move(word));
      word.clear();
    }
  }
  if (!word.empty()) words.push_back(std::move(word));
  return words;
}

}  // namespace

Glossary::Glossary(const BookStore& book) {
  for (int page = 1; page <= kPageCount; ++page) {
    const auto russian = SplitAtMarkers(book.GetPageText(page, kRussian));
    const auto englishSegments = SplitAtMarkers(book.GetPageText(page, kEnglish));
    std::map<std::string, const std::string*> english;
    for (const PageSegment& segment : englishSegments) {
      if (!segment.marker.empty()) english.emplace(segment.marker, &segment.text);
    }
    // Only paragraphs both languages hold are aligned; text before the first marker is not.
    for (const PageSegment& segment : russian) {
      if (segment.marker.empty()) continue;
      const auto it = english.find(segment.marker);
      if (it == english.end()) continue;
      const int pair = static_cast<int>(pairs_.size());
      pairs_.push_back({page, segment.marker});
      AddParagraph(sides_[kRussian], pair, segment.text);
      AddParagraph(sides_[kEnglish], pair, *it->second);
      english.erase(it);  // a marker standing twice pairs once
    }
  }
}

void Glossary::AddParagraph(Side& side, int pair, const std::string& text) {
  std::vector<std::string> stems;
  for (std::string& form : ParagraphWords(text)) {
    auto known = side.stemOfForm.find(form);
    if (known == side.stemOfForm.end()) known = side.stemOfForm.emplace(form, side.stemmer.Stem(form)).first;
    const std::string& stem = known->second;
    ++side.formsOfStem[stem][form];
    stems.push_back(stem);
  }
  std::sort(stems.begin(), stems.end());
  stems.erase(std::unique(stems.begin(), stems.end()), stems.end());
  for (const std::string& stem : stems) side.pairsOfStem[stem].push_back(pair);
  if (side.stemsOfPair.size() <= static_cast<std::size_t>(pair)) side.stemsOfPair.resize(pair + 1);
  side.stemsOfPair[pair] = std::move(stems);
}

std::string Glossary::MostFrequentForm(const Side& side, const std::string& stem) const {
  const auto it = side.formsOfStem.find(stem);
  if (it == side.formsOfStem.end()) return stem;
  std::string best;
  int bestCount = -1;
  for (const auto& [form, count] : it->second) {
    if (count > bestCount || (count == bestCount && form < best)) {
      best = form;
      bestCount = count;
    }
  }
  return best;
}

std::vector<GlossaryCandidate> Glossary::Lookup(std::string_view word, Language from, std::size_t best) const {
  const Side& source = sides_[from];
  const Side& target = sides_[OtherLanguageThan(from)];
  const auto held = source.pairsOfStem.find(source.stemmer.Stem(LowerWord(word)));
  if (held == source.pairsOfStem.end()) return {};
  const std::vector<int>& pairs = held->second;
  std::unordered_map<std::string, int> together;
  for (const int pair : pairs) {
    if (static_cast<std::size_t>(pair) >= target.stemsOfPair.size()) continue;
    for (const std::string& stem : target.stemsOfPair[pair]) ++together[stem];
  }
  std::vector<GlossaryCandidate> candidates;
  std::vector<std::string> stems;
  for (const auto& [stem, count] : together) {
    const double alone = static_cast<double>(target.pairsOfStem.at(stem).size());
    candidates.push_back({MostFrequentForm(target, stem), 2.0 * count / (static_cast<double>(pairs.size()) + alone),
                          count, {}});
    stems.push_back(stem);
  }
  std::vector<std::size_t> order(candidates.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    const GlossaryCandidate& x = candidates[a];
    const GlossaryCandidate& y = candidates[b];
    if (x.score != y.score) return x.score > y.score;
    if (x.count != y.count) return x.count > y.count;
    return x.word < y.word;
  });
  if (order.size() > best) order.resize(best);
  std::vector<GlossaryCandidate> result;
  for (const std::size_t i : order) {
    GlossaryCandidate candidate = candidates[i];
    // The first two pairs holding both, in page order: both lists of pairs are ascending.
    const std::vector<int>& withCandidate = target.pairsOfStem.at(stems[i]);
    std::size_t a = 0, b = 0;
    while (a < pairs.size() && b < withCandidate.size() && candidate.examples.size() < 2) {
      if (pairs[a] < withCandidate[b]) {
        ++a;
      } else if (withCandidate[b] < pairs[a]) {
        ++b;
      } else {
        candidate.examples.push_back(pairs_[static_cast<std::size_t>(pairs[a])]);
        ++a;
        ++b;
      }
    }
    result.push_back(std::move(candidate));
  }
  return result;
}

}  // namespace orvelis
