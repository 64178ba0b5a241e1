#include "words/book_vocabulary.h"

#include <algorithm>
#include <thread>
#include <utility>

#include "ground/utf8.h"

namespace orvelis {
namespace {

std::u32string CodePoints(std::string_view word) {
  std::u32string out;
  for (std::size_t pos = 0; pos < word.size();) out += utf8::Next(word, pos);
  return out;
}

// Most frequent first; equal counts in the order of the letters, so that lists never depend on
// the hash table's order.
template <typename Counts>
void SortByFrequency(std::vector<std::string>& words, const Counts& counts) {
  std::sort(words.begin(), words.end(), [&](const std::string& a, const std::string& b) {
    const int ca = counts.at(a), cb = counts.at(b);
    return ca != cb ? ca > cb : a < b;
  });
}


// One pass over the bytes: Latin letters are one byte, Cyrillic ones two (lead byte D0 or D1), so
// the common letters are lower-cased and appended without decoding; anything else ends a word.
void CountWords(std::string_view text, std::unordered_map<std::string, int>& counts) {
  std::string word;
  const auto flush = [&] {
    if (word.empty()) return;
    ++counts[word];
    word.clear();
  };
  bool inTag = false;
  const std::size_t n = text.size();
  for (std::size_t i = 0; i < n;) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c == '<' || c == '>') {
      inTag = c == '<';
      flush();
      ++i;
      continue;
    }
    if (c < 0x80) {
      if (!inTag && ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))) {
        word += static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
      } else {
        flush();
      }
      ++i;
      continue;
    }
    std::size_t next = i;
    const char32_t cp = utf8::Next(text, next);
    if (!inTag && IsWordLetter(cp)) {
      utf8::Append(word, ToLowerLetter(cp));
    } else {
      flush();
    }
    i = next;
  }
  flush();
}

}  // namespace

BookVocabulary::BookVocabulary(const std::vector<std::string_view>& pages, Language language) : stemmer_(language) {
  // Two halves of the book counted side by side, then added up: the machine has two cores.
  std::unordered_map<std::string, int> secondHalf;
  const std::size_t middle = pages.size() / 2;
  std::thread second([&] {
    for (std::size_t p = middle; p < pages.size(); ++p) CountWords(pages[p], secondHalf);
  });
  for (std::size_t p = 0; p < middle; ++p) CountWords(pages[p], counts_);
  second.join();
  for (const auto& [word, count] : secondHalf) counts_[word] += count;
  for (const auto& [form, count] : counts_) formsByStem_[stemmer_.Stem(form)].push_back(form);
  for (auto& [stem, forms] : formsByStem_) SortByFrequency(forms, counts_);
}

std::vector<std::string> BookVocabulary::FormsOf(std::string_view word) const {
  const auto it = formsByStem_.find(stemmer_.Stem(LowerWord(word)));
  return it == formsByStem_.end() ? std::vector<std::string>{} : it->second;
}

int BookVocabulary::CountOf(const std::string& lowercaseWord) const {
  const auto it = counts_.find(lowercaseWord);
  return it == counts_.end() ? 0 : it->second;
}

std::vector<std::string> BookVocabulary::Suggestions(std::string_view word, std::size_t limit) const {
  const std::string lower = LowerWord(word);
  if (counts_.count(lower)) return {};
  const std::u32string target = CodePoints(lower);
  std::vector<std::string> close;
  for (const auto& [candidate, count] : counts_) {
    const std::u32string letters = CodePoints(candidate);
    const auto longer = std::max(letters.size(), target.size()), shorter = std::min(letters.size(), target.size());
    if (longer - shorter > 2) continue;
    if (EditDistance(letters, target, 2) <= 2) close.push_back(candidate);
  }
  SortByFrequency(close, counts_);
  if (close.size() > limit) close.resize(limit);
  return close;
}

int EditDistance(std::u32string_view a, std::u32string_view b, int cap) {
  const std::size_t n = a.size(), m = b.size();
  if ((n > m ? n - m : m - n) > static_cast<std::size_t>(cap)) return cap + 1;
  // Three rows of the table: the one before the last is what a swap of neighbours looks back to.
  std::vector<int> before(m + 1), last(m + 1), row(m + 1);
  for (std::size_t j = 0; j <= m; ++j) last[j] = static_cast<int>(j);
  for (std::size_t i = 1; i <= n; ++i) {
    row[0] = static_cast<int>(i);
    int best = row[0];
    for (std::size_t j = 1; j <= m; ++j) {
      const int cost = a[i - 1] == b[j - 1] ? 0 : 1;
      row[j] = std::min({last[j] + 1, row[j - 1] + 1, last[j - 1] + cost});
      if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1]) row[j] = std::min(row[j], before[j - 2] + 1);
      best = std::min(best, row[j]);
    }
    if (best > cap) return cap + 1;
    before.swap(last);
    last.swap(row);
  }
  return std::min(last[m], cap + 1);
}

}  // namespace orvelis
