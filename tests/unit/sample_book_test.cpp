// The sample book is a translation in shape: every paragraph has its counterpart, the Russian a
// little longer, and titles say the same thing in both languages. These checks read the generated
// pages the way the reader does (split at the paragraph markers) and count what a reader sees.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "book/book_store.h"
#include "book/section_list.h"
#include "ground/utf8.h"
#include "reader/headless_reader.h"
#include "render/parallel_page.h"
#include "search/search_engine.h"
#include "support/test_books.h"
#include "words/glossary.h"

namespace orvelis {
namespace {

// Characters shown for a piece of page text: markup and the paragraph marker take none, an entity one.
std::size_t ShownCharacters(const std::string& segment) {
  std::string_view text(segment);
  if (text.starts_with("((")) text.remove_prefix(std::min(text.size(), text.find("))") + 2));
  std::size_t count = 0;
  bool inTag = false;
  for (std::size_t pos = 0; pos < text.size();) {
    const char c = text[pos];
    if (inTag || c == '<') {
      inTag = c != '>';
      ++pos;
      continue;
    }
    if (c == '\r' || c == '\n') {
      ++pos;
      continue;
    }
    if (c == '&') {
      const std::size_t end = text.find(';', pos);
      if (end != std::string_view::npos) {
        ++count;
        pos = end + 1;
        continue;
      }
    }
    utf8::Next(text, pos);
    ++count;
  }
  return count;
}

bool IsProse(const PageSegment& segment) {
  return !segment.marker.empty() && !segment.marker.starts_with("((0:") &&
         segment.text.find("end_au") == std::string::npos;
}

TEST(SampleBook, EveryRussianParagraphRunsTenToTwentyPerCentLongerThanItsEnglishCounterpart) {
  const BookContent& book = test::SampleBookContent();
  std::vector<double> ratios;
  std::size_t english = 0;
  std::size_t russian = 0;
  for (int page = 0; page < kPageCount; ++page) {
    const auto en = SplitAtMarkers(book.pages[kEnglish][page]);
    const auto ru = SplitAtMarkers(book.pages[kRussian][page]);
    ASSERT_EQ(en.size(), ru.size()) << "page " << page + 1;
    for (std::size_t i = 0; i < en.size(); ++i) {
      ASSERT_EQ(en[i].marker, ru[i].marker) << "page " << page + 1;
      if (!IsProse(en[i])) continue;
      const std::size_t enLength = ShownCharacters(en[i].text);
      const std::size_t ruLength = ShownCharacters(ru[i].text);
      english += enLength;
      russian += ruLength;
      ratios.push_back(static_cast<double>(ruLength) / static_cast<double>(enLength));
    }
  }
  ASSERT_GT(ratios.size(), 10'000u);
  // The Russian ends with the word that reaches its length, so it may overshoot by a word or a
  // closing aside; short paragraphs feel that most.
  const auto outside = std::count_if(ratios.begin(), ratios.end(), [](double r) { return r < 1.09 || r > 1.25; });
  EXPECT_LT(static_cast<double>(outside), 0.01 * static_cast<double>(ratios.size()));
  EXPECT_GE(*std::min_element(ratios.begin(), ratios.end()), 1.07);
  const double whole = static_cast<double>(russian) / static_cast<double>(english);
  EXPECT_GT(whole, 1.12);
  EXPECT_LT(whole, 1.18);
  // The share varies by paragraph rather than being one factor.
  std::sort(ratios.begin(), ratios.end());
  EXPECT_LT(ratios[ratios.size() / 10], 1.12);
  EXPECT_GT(ratios[ratios.size() * 9 / 10], 1.18);
}

TEST(SampleBook, PapersAndSectionsHaveCorrespondingTitles) {
  const BookContent& book = test::SampleBookContent();
  EXPECT_EQ(book.papers[0].title[kEnglish], "Foreword");
  EXPECT_EQ(book.papers[0].title[kRussian], "Предисловие");
  EXPECT_EQ(book.papers[1].title[kEnglish], "Central Ministry");
  EXPECT_EQ(book.papers[1].title[kRussian], "Центральное служение");
  EXPECT_NE(book.papers[1].sections[kRussian].find("4|Внутренний путь<br>Царство вселенной|25"), std::string::npos);
  for (int paper = 0; paper < kPaperCount; ++paper) {
    const PaperRecord& record = book.papers[paper];
    const auto en = ParseSectionList(record.sections[kEnglish]);
    const auto ru = ParseSectionList(record.sections[kRussian]);
    ASSERT_EQ(en.size(), ru.size()) << "paper " << paper;
    for (std::size_t k = 0; k < en.size(); ++k) {
      EXPECT_EQ(en[k].number, ru[k].number);
      EXPECT_EQ(en[k].page, ru[k].page);
      EXPECT_EQ(en[k].furtherLines.size(), ru[k].furtherLines.size()) << "paper " << paper << " section " << k;
    }
    // "The Light of the Father" is "Свет отца": a title of the form "The X of the Y" has two words in Russian.
    const std::string& title = record.title[kEnglish];
    if (title.find(" of the ") != std::string::npos) {
      EXPECT_EQ(std::count(record.title[kRussian].begin(), record.title[kRussian].end(), ' '), 1) << title;
    }
  }
}

// Counterpart paragraphs say the same thing: each word of the English has a fixed translation,
// so what the book learns from its aligned paragraphs is that translation.
TEST(SampleBook, TheGlossaryLearnsTheDemonstrationWordsInBothDirections) {
  BookStore book;
  ASSERT_NO_FATAL_FAILURE(test::OpenSampleBook(book));
  const Glossary glossary(book);
  const auto best = [&](std::string_view word, Language from) {
    const auto candidates = glossary.Lookup(word, from, 1);
    return candidates.empty() ? std::string("(none)") : candidates[0].word;
  };
  EXPECT_EQ(best("иисус", kRussian), "jesus");
  EXPECT_EQ(best("Иисусом", kRussian), "jesus");
  EXPECT_EQ(best("jesus", kEnglish), "иисус");
  EXPECT_EQ(best("messiah", kEnglish), "мессия");
  EXPECT_EQ(best("мессии", kRussian), "messiah");
  EXPECT_EQ(best("god", kEnglish), "бога");  // its most frequent form
}

// A demonstration word stands in several cases, so every form of it finds more pages than the word.
TEST(SampleBook, EveryFormOfADemonstrationWordFindsMoreThanTheWordAlone) {
  BookStore book;
  ASSERT_NO_FATAL_FAILURE(test::OpenSampleBook(book));
  book.SetCurrentLanguage(kRussian);
  HeadlessReader reader{book, "/u/"};
  const auto pages = [&](const std::string& word, bool forms) {
    const std::string list = reader.engine.EvaluateWholeQuery({word, 0, {}, false, false, forms});
    return std::count(list.begin(), list.end(), '|');
  };
  for (const char* word : {"бог", "иисус", "христа", "мессия", "учитель"}) {
    EXPECT_GT(pages(word, false), 500) << word;
    EXPECT_GT(pages(word, true), pages(word, false) * 11 / 10) << word;
  }
}

}  // namespace
}  // namespace orvelis
