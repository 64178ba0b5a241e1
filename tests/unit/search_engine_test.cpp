#include "search/search_engine.h"

#include <gtest/gtest.h>
#include <optional>

#include "book/book_store.h"
#include "book/book_writer.h"
#include "reader/headless_reader.h"
#include "search/page_preparation.h"
#include "support/test_books.h"

namespace orvelis {
namespace {

class Search : public ::testing::Test {
 protected:
  void SetUp() override {
    BookContent c = test::TinyBookContent();
    for (auto& page : c.pages[kRussian]) page = "((1:1:1))текст страницы";
    for (auto& page : c.pages[kEnglish]) page = "((1:1:1))plain text";
    c.pages[kRussian][4] = "((1:1:1))слово и слово, здесь.";  // page 5: one shared blank, then a comma
    c.pages[kRussian][8] = "((1:1:1))Слово начинает страницу";  // page 9
    c.pages[kRussian][99] = "((2:1:2))другое слово? слово! слово: слово) конец";  // page 100
    c.pages[kRussian][199] = "((3:1:3))вид<font class=\"emph\">е</font>ний много; иисус христос";  // page 200
    c.pages[kRussian][299] = "((4:1:4))иисус пришел в Вифлеем «иисус», назарянин";  // page 300
    c.pages[kRussian][399] = "((5:1:5))христос пришел, иисус христос и иисус христос";  // page 400
    c.pages[kRussian][699] = "((8:1:8)) " + std::string(40 * 2, 'x') + "! б ";  // page 700, see below
    for (std::size_t i = 0; i < 40; ++i) c.pages[kRussian][699].replace(10 + 2 * i, 2, "а");
    c.pages[kRussian][599] = "((6:1:6))бог бог";    // page 600: one blank shared, one hit
    c.pages[kRussian][600] = "((7:1:7))бог, бог";   // page 601: the comma made two blanks
    ASSERT_TRUE(book.OpenBook(std::make_unique<MemoryByteSource>(WriteBook(c).bytes)));
    ASSERT_TRUE(book.LoadPartRecords());
    ASSERT_TRUE(book.LoadPaperRecords());
    book.SetCurrentLanguage(kRussian);
  }
  std::string Find(const std::string& query, bool inFound = false) {
    return engine.EvaluateWholeQuery({query, scope, {}, inFound});
  }

  BookStore book;
  HeadlessReader reader{book, "/u/"};
  RecordingSearchView& view = reader.view;
  int scope = 0;  // the parts selector's index
  RecordingMessageSink& messages = reader.messages;
  SearchEngine& engine = reader.engine;
};

TEST_F(Search, CountsNonOverlappingWholeWordsPerPage) {
  // Page 5 has "слово и слово,": two; page 100 ends a word only at ")" of its four.
  EXPECT_EQ(Find("слово"), ",5|2,9|1,100|1,");
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Search, OccurrencesSharingOneBlankCountOnce) {
  EXPECT_EQ(Find("бог"), ",600|1,601|2,");
}

TEST_F(Search, PunctuationThatEndsAWordAndPunctuationThatDoesNot) {
  // On page 100 "слово?" "слово!" "слово:" do not end a word; "слово)" does, as does " слово ".
  EXPECT_EQ(Find("другое"), ",100|1,");
  EXPECT_EQ(Find("конец"), ",100|1,");
  EXPECT_EQ(Find("здесь"), ",5|1,");
}

TEST_F(Search, TheScopeFollowsThePartsSelector) {
  scope = 1;  // Foreword: pages 1-18
  EXPECT_EQ(Find("слово"), ",5|2,9|1,");
  scope = 2;  // Part I: 19-354
  EXPECT_EQ(Find("слово"), ",100|1,");
  EXPECT_EQ(SearchScope(3).first, 355);
  EXPECT_EQ(SearchScope(4).first, 649);
  EXPECT_EQ(SearchScope(5).first, 1321);
  EXPECT_EQ(SearchScope(5).last, 2097);
}

TEST_F(Search, NegationAndOrNot) {
  scope = 1;
  const std::string without = Find("!слово");
  EXPECT_EQ(without.rfind(",1|0,2|0,3|0,4|0,6|0,", 0), 0u);
  EXPECT_EQ(without.find(",5|"), std::string::npos);
  scope = 0;
  EXPECT_EQ(Find("иисус ! назарянин"), ",200|1,400|2,");
  EXPECT_EQ(Find("иисус +!назарянин"), ",200|1,400|2,");
  const std::string orNot = Find("иисус |! назарянин");
  EXPECT_NE(orNot.find(",300|2,"), std::string::npos);  // with иисус (twice) and with назарянин
  EXPECT_NE(orNot.find(",1|0,"), std::string::npos);
}

TEST_F(Search, AndOrAndGrouping) {
  EXPECT_EQ(Find("(христос | иисус) пришел"), ",300|3,400|6,");
  EXPECT_EQ(Find("христос | иисус пришел"), ",200|1,300|3,400|6,");
  EXPECT_EQ(Find("иисус пришел | христос"), ",200|2,300|3,400|6,");
}

TEST_F(Search, PhrasesCountTheirOccurrences) {
  EXPECT_EQ(Find("'иисус христос'"), ",200|1,400|2,");
  EXPECT_EQ(Find("\"иисус христос\""), ",200|1,400|2,");
  EXPECT_EQ(Find("'христос христос'"), ",");
  EXPECT_EQ(Find("'пришел иисус'"), ",");  // a comma between them in the text
}

TEST_F(Search, StressMarksDoNotHideAWord) {
  EXPECT_EQ(Find("видений"), ",200|1,");
  EXPECT_EQ(Find("вид?ний"), ",200|1,");
  EXPECT_EQ(StripStressMarks("в<FONT class=\"emph\">А</font>x", kRussian), "ваx");
  EXPECT_EQ(StripStressMarks("в<font class=\"emph\">А</font>x", kEnglish), "в<font class=\"emph\">А</font>x");
}

TEST_F(Search, QuotesBracketsAndEntitiesBecomeBlanks) {
  EXPECT_EQ(PrepareSearchText("«a», &#171;b&#187; (c); \"d\"", kRussian), "  a    b   c    d  ");
  EXPECT_EQ(Find("вифлеем"), ",300|1,");
  EXPECT_EQ(Find("a.b"), ",");  // a dot in the query never matches: the page's dots are blanks
}

// Preparation strips stress marks and blanks the marks in one pass over the page; these are the
// places where a single pass could go wrong against stripping first and blanking after.
TEST_F(Search, PreparationStripsStressMarksAndBlanksMarksTogether) {
  const std::string stressed = "<font class=\"emph\">\xD0\x95</font>";  // a stressed capital Е
  EXPECT_EQ(PrepareSearchText("(в" + stressed + "ра).", kRussian), "  вера   ");
  EXPECT_EQ(PrepareSearchText("&#171;" + stressed + "&#187;", kRussian), "  е  ");
  EXPECT_EQ(PrepareSearchText("«" + stressed + "»,", kRussian), "  е   ");
  // English keeps the tag (its quotes blanked, as everywhere); a tag that is no stress mark stays.
  EXPECT_EQ(PrepareSearchText("a" + stressed, kEnglish), " a<font class= emph >\xD0\x95</font> ");
  EXPECT_EQ(PrepareSearchText("<b>x</b>", kRussian), " <b>x</b> ");
  // Marks cut short at the end of the page stay as they are.
  EXPECT_EQ(PrepareSearchText("x&#171", kRussian), " x&#171 ");
  EXPECT_EQ(PrepareSearchText("x\xC2", kRussian), " x\xC2 ");
  EXPECT_EQ(PrepareSearchText("в<font class=\"emph\">\xD0\xB5</fon", kRussian),
            " в<font class= emph >\xD0\xB5</fon ");
  EXPECT_EQ(PrepareSearchText("", kRussian), "  ");
}

// The command line prepares the pages from the file's bytes without decoding them first; each
// place where the two forms differ in bytes (a stressed vowel is one byte here, two in UTF-8; the
// quotes are one byte; any byte may be the start of a character) must give the same text.
TEST(StoredPagePreparation, GivesWhatTheDecodedPageGives) {
  const std::string stressed = "<font class=\"emph\">\xC5</font>";  // a stressed capital Е
  EXPECT_EQ(PrepareStoredSearchText("(\xE2" + stressed + "\xF0\xE0).", kRussian), "  вера   ");
  EXPECT_EQ(PrepareStoredSearchText("&#171;" + stressed + "&#187;", kRussian), "  е  ");
  EXPECT_EQ(PrepareStoredSearchText("\xAB" + stressed + "\xBB,", kRussian), "  е   ");
  EXPECT_EQ(PrepareStoredSearchText("a" + stressed, kEnglish), " a<font class= emph >Е</font> ");
  EXPECT_EQ(PrepareStoredSearchText("x&#171", kRussian), " x&#171 ");
  EXPECT_EQ(PrepareStoredSearchText("x\xC2", kRussian), " xВ ");  // C2 leads a quote in UTF-8 only
  EXPECT_EQ(PrepareStoredSearchText("\xE2<font class=\"emph\">\xE5</fon", kRussian),
            " в<font class= emph >е</fon ");
  EXPECT_EQ(PrepareStoredSearchText("\xB9 \x98 \xA0", kRussian), " № \xC2\x98 \xC2\xA0 ");
  EXPECT_EQ(PrepareStoredSearchText("", kRussian), "  ");
}

TEST(StoredPagePreparation, EveryPageOfTheSampleBookPreparesAlikeInBothForms) {
  BookStore book;
  ASSERT_NO_FATAL_FAILURE(test::OpenSampleBook(book));
  for (Language lang : {kRussian, kEnglish}) {
    StoredPageTexts stored;
    ASSERT_TRUE(book.ReadStoredPageTexts(lang, stored));
    PreparedPages fromStored;
    fromStored.PrepareStored(stored, lang);
    PreparedPages fromText;
    const PreparedPages::Pages& expected = fromText.Of(book, lang);
    const PreparedPages::Pages& actual = fromStored.Of(book, lang);
    ASSERT_EQ(actual.size(), expected.size());
    int differing = 0;
    for (int p = 1; p <= kPageCount; ++p) differing += actual[p] != expected[p] ? 1 : 0;
    EXPECT_EQ(differing, 0) << "language " << lang;
    EXPECT_EQ(expected[1].substr(0, 1), " ");
  }
}

// The page the window's browser rehearses on is a results page of a screenful of entries under a
// blank cover, and leaves every search where it was: the view untouched, the last query, its
// list (what a search within the results narrows) and what the results page links carry.
TEST_F(Search, TheRehearsalPageIsAResultsPageAndChangesNothing) {
  engine.RunSearch({"слово"});
  const std::size_t written = view.documents.size();
  const std::string countText = view.resultCountText;
  const std::string list = engine.LastResultList();
  ASSERT_EQ(list, ",5|2,9|1,100|1,");  // as CountsNonOverlappingWholeWordsPerPage explains

  const std::string page = engine.RehearsalPage();
  for (int p = 10; p < 22; ++p) EXPECT_NE(page.find("\"@page" + std::to_string(p) + "\""), std::string::npos) << p;
  // The cover opens the body, above everything, so that no entry is painted before it arrives.
  const std::size_t cover =
      page.find("<div style=\"position:fixed;left:0;top:0;right:0;bottom:0;z-index:2147483647;background:#ffffff\">");
  ASSERT_NE(cover, std::string::npos);
  EXPECT_EQ(page.find('>', page.find("<body")) + 1, cover);
  EXPECT_LT(cover, page.find("@page10"));
  EXPECT_EQ(page.substr(page.size() - 14), "</BODY></HTML>");

  EXPECT_EQ(view.documents.size(), written);
  EXPECT_EQ(view.resultCountText, countText);
  EXPECT_EQ(engine.LastQuery(), "слово");
  EXPECT_EQ(engine.LastShownQuery(), "слово");
  EXPECT_EQ(engine.LastResultList(), list);
  // Within the kept list the same word finds the same pages, their counts summed.
  EXPECT_EQ(Find("слово", true), ",5|4,9|2,100|2,");
}

// Two readers of one book: one as the window runs it, sharing large work with a second core, and
// one given a clock of its own, which keeps every search to one pass.
class SearchOnTwoCores : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(test::OpenSampleBook(book));
    book.SetCurrentLanguage(kRussian);
    twoCores.emplace(book);
    onePass.emplace(book);
    onePass->engine.SetQueryBudget(kQueryTimeBudget, [] { return std::chrono::steady_clock::now(); });
  }

  BookStore book;
  std::optional<HeadlessReader> twoCores;
  std::optional<HeadlessReader> onePass;
};

// Over a large scope the second half of the pages is matched on another core; an engine given a
// clock of its own matches in one pass. Both must give the same lists, negations and scopes that
// straddle the middle page included, and the same refusal of a pattern that hits a limit.
TEST_F(SearchOnTwoCores, GivesTheListsOfOnePass) {
  for (const char* query : {"иисус", "!иисус", "иисус христос", "иисус | бог", "бог* !свет", "'иисус христос'",
                            "и", "[", "(а{1,}){1,}б"}) {
    for (const int scope : {0, 3, 4}) {
      const SearchRequest request(query, scope);
      EXPECT_EQ(twoCores->engine.EvaluateWholeQuery(request), onePass->engine.EvaluateWholeQuery(request))
          << query << " in scope " << scope;
      EXPECT_EQ(twoCores->messages.shown.size(), onePass->messages.shown.size()) << query;
    }
  }
  EXPECT_GT(twoCores->engine.EvaluateWholeQuery({"!иисус"}).size(), 2000u);  // pages on both sides of the middle
}

// The snippets of a long list are built on two cores; the page must be the one a single pass
// builds, in every layout of the results page.
TEST_F(SearchOnTwoCores, GivesTheResultsPageOfOnePass) {
  struct Layout {
    bool grouped, counterparts, bothLanguages;
    int sortByRating;
  };
  for (const Layout layout : {Layout{false, false, false, 1}, Layout{true, false, false, 1},
                              Layout{false, true, false, 0}, Layout{false, false, true, 1}}) {
    for (HeadlessReader* reader : {&*twoCores, &*onePass}) {
      reader->options.groupResults = layout.grouped;
      reader->options.showCounterparts = layout.counterparts;
      reader->options.sortByRating = layout.sortByRating;
    }
    for (const char* query : {"иисус", "иисус христос", "бог*"}) {
      const SearchRequest request(query, 0, {}, false, layout.bothLanguages);
      twoCores->engine.RunSearch(request);
      onePass->engine.RunSearch(request);
      ASSERT_FALSE(twoCores->view.documents.empty());
      EXPECT_GT(twoCores->view.documents.back().size(), 100'000u) << query;  // a list long enough to share
      EXPECT_TRUE(twoCores->view.documents.back() == onePass->view.documents.back())
          << query << (layout.grouped ? " grouped" : "") << (layout.counterparts ? " with counterparts" : "")
          << (layout.bothLanguages ? " in both languages" : "");
    }
  }
}

TEST_F(Search, EmptyTermsAndRejectedPatternsReportOnceAndContributeNothing) {
  EXPECT_EQ(Find(" слово"), ",");
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Ошибочный формат строки поиска");
  EXPECT_EQ(messages.shown[0].caption, "Поиск по книге");
  EXPECT_EQ(messages.shown[0].icon, MessageIcon::Information);
  EXPECT_EQ(view.searchBoxFocused, 1);
  messages.shown.clear();
  EXPECT_EQ(Find("!"), ",");
  EXPECT_EQ(Find("[ | слово"), ",5|2,9|1,100|1,");
  EXPECT_EQ(messages.shown.size(), 2u);
}

TEST_F(Search, AHopelessPatternIsGivenUpNotWaitedFor) {
  EXPECT_EQ(Find("(а{1,}){1,}б"), ",");
  EXPECT_EQ(messages.shown.size(), 1u);
}

// A clock that moves one millisecond at every reading. The engine reads it before each match
// attempt and every so many steps inside a long match, so a word over the whole book costs about
// one reading per page (2097) and a pattern that backtracks without end costs readings forever.
struct SteppingClock {
  std::chrono::steady_clock::time_point now{};
  int readings = 0;
  MatchDeadline::Clock clock() {
    return [this] {
      ++readings;
      return now += std::chrono::milliseconds(1);
    };
  }
};

TEST_F(Search, AQueryBeyondTheSizeLimitsIsRefusedBeforeAnyWordIsSearched) {
  SteppingClock clock;
  engine.SetQueryBudget(std::chrono::hours(1), clock.clock());
  std::string many;
  for (int i = 0; i < 5000; ++i) many += "a ";
  EXPECT_EQ(Find(many), ",");
  EXPECT_EQ(engine.LastQueryStatus(), QueryStatus::TooLong);
  EXPECT_EQ(Find(std::string(6000, '*')), ",");
  EXPECT_EQ(engine.LastQueryStatus(), QueryStatus::TooLong);
  EXPECT_EQ(Find(many.substr(0, 2 * 301)), ",");
  EXPECT_EQ(engine.LastQueryStatus(), QueryStatus::TooManyWords);
  EXPECT_EQ(clock.readings, 0);
  ASSERT_EQ(messages.shown.size(), 3u);
  EXPECT_EQ(messages.shown[0].text, "Слишком длинная строка поиска (не более 2000 знаков)");
  EXPECT_EQ(messages.shown[2].text, "Слишком много слов в строке поиска (не более 300)");
  EXPECT_EQ(messages.shown[2].caption, "Поиск по книге");
  EXPECT_EQ(messages.shown[2].icon, MessageIcon::Information);
  EXPECT_EQ(view.searchBoxFocused, 3);
}

TEST_F(Search, TheSizeLimitsCountCharactersAndTheWordsAReaderSees) {
  engine.SetQueryBudget(std::chrono::hours(1));  // three hundred words take a while under a sanitizer
  std::string letters;
  for (int i = 0; i < 2000; ++i) letters += "я";  // 4000 bytes, 2000 characters
  EXPECT_EQ(Find(letters), ",");
  EXPECT_EQ(engine.LastQueryStatus(), QueryStatus::Done);
  EXPECT_EQ(Find(letters + "я"), ",");
  EXPECT_EQ(engine.LastQueryStatus(), QueryStatus::TooLong);
  std::string words = "бог";
  for (int i = 1; i < 300; ++i) words += i % 3 == 0 ? " + бог" : i % 3 == 1 ? "|бог" : " бог";
  // Three hundred words, joined by all three operators, are searched and their ratings summed.
  EXPECT_EQ(Find(words), ",600|300,601|600,");
  EXPECT_EQ(engine.LastQueryStatus(), QueryStatus::Done);
  EXPECT_EQ(Find(words + " бог"), ",");
  EXPECT_EQ(engine.LastQueryStatus(), QueryStatus::TooManyWords);
  EXPECT_EQ(messages.shown.size(), 2u);
}

TEST_F(Search, TheTimeAReaderTakesToAnswerAFormatMessageIsNotTheQuerys) {
  SteppingClock clock;
  engine.SetQueryBudget(std::chrono::seconds(5), clock.clock());
  // The reader takes a minute to press OK on the first word's message.
  messages.onShow = [&clock](const Message&) { clock.now += std::chrono::minutes(1); };
  EXPECT_EQ(Find("[ | слово"), ",5|2,9|1,100|1,");
  EXPECT_EQ(engine.LastQueryStatus(), QueryStatus::Done);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Ошибочный формат строки поиска");
}

TEST_F(Search, APatternThatBacktracksWithoutEndSpendsTheBudgetAndSaysSo) {
  SteppingClock clock;
  engine.SetQueryBudget(std::chrono::seconds(5), clock.clock());
  // Page 700 holds forty "а" and then "! б": every way of splitting them is tried.
  EXPECT_EQ(Find("(а{1,}){1,}б"), ",");
  EXPECT_EQ(engine.LastQueryStatus(), QueryStatus::OverBudget);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Слишком сложная строка поиска: поиск прерван");
  EXPECT_EQ(messages.shown[0].caption, "Поиск по книге");
  EXPECT_EQ(view.searchBoxFocused, 1);
  // The next query has a budget of its own.
  EXPECT_EQ(Find("слово"), ",5|2,9|1,100|1,");
  EXPECT_EQ(engine.LastQueryStatus(), QueryStatus::Done);
}

TEST_F(Search, EveryWordOfAQueryDrawsOnTheSameBudget) {
  SteppingClock clock;
  engine.SetQueryBudget(std::chrono::seconds(5), clock.clock());  // two words' worth, not three
  EXPECT_EQ(Find("иисус христос"), ",200|2,400|5,");
  EXPECT_EQ(engine.LastQueryStatus(), QueryStatus::Done);
  EXPECT_EQ(Find("иисус христос пришел"), ",");
  EXPECT_EQ(engine.LastQueryStatus(), QueryStatus::OverBudget);
  // Once it is spent no word is searched any more: the rejected "[" goes unreported.
  messages.shown.clear();
  EXPECT_EQ(Find("(а{1,}){1,}б | [ | слово"), ",");
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Слишком сложная строка поиска: поиск прерван");
}

TEST_F(Search, ASearchThatSpendsItsBudgetShowsNothingFound) {
  SteppingClock clock;
  engine.SetQueryBudget(std::chrono::seconds(5), clock.clock());
  engine.SetLastResultList(",5|2,");
  engine.RunSearch({"(а{1,}){1,}б", 0, {}, true});
  EXPECT_EQ(engine.LastResultList(), ",");
  EXPECT_NE(view.documents.back().find("<h4>Ничего не найдено</h4>"), std::string::npos);
  EXPECT_FALSE(view.searchInFoundEnabled);
}

TEST_F(Search, SearchInFoundAddsThePreviousRatings) {
  engine.SetLastResultList(Find("иисус"));
  EXPECT_EQ(Find("христос", true), ",200|2,400|5,");
  EXPECT_EQ(Find("христос", false), ",200|1,400|3,");
}

TEST_F(Search, RunSearchShowsProgressThenResultsAndRemembersTheQuery) {
  engine.RunSearch({"слово"});
  ASSERT_EQ(view.documents.size(), 2u);
  EXPECT_NE(view.documents[0].find("<font color=\"red\"><b>Идет обработка запроса...</b></font>"),
            std::string::npos);
  EXPECT_EQ(view.eventPasses, 2);
  EXPECT_EQ(engine.LastQuery(), "слово");
  EXPECT_EQ(engine.LastResultList(), ",5|2,9|1,100|1,");
  EXPECT_EQ(view.resultCountText, "Результаты (страниц: 3)");
  EXPECT_TRUE(view.searchInFoundEnabled);
  engine.RunSearch({"несуществующее"});
  EXPECT_EQ(engine.LastResultList(), ",");
  EXPECT_EQ(view.resultCountText, "Результаты (страниц: 0)");
  EXPECT_FALSE(view.searchInFoundEnabled);
  EXPECT_NE(view.documents.back().find("<h4>Ничего не найдено</h4>"), std::string::npos);
}

}  // namespace
}  // namespace orvelis
