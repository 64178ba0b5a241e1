// Every form of a word and suggestions for a mistyped one: the stems, the book's words, the
// rewriting of a query, and the search it gives on the sample book.

#include <gtest/gtest.h>

#include "book/book_store.h"
#include "book/book_writer.h"
#include "ground/query_link.h"
#include "navigation/link_protocol.h"
#include "reader/headless_reader.h"
#include "search/page_preparation.h"
#include "search/search_engine.h"
#include "support/test_books.h"
#include "words/book_vocabulary.h"
#include "words/stemmer.h"
#include "words/word_forms_query.h"

namespace orvelis {
namespace {

TEST(Stems, SnowballStemsOfBothLanguages) {
  const Stemmer russian(kRussian);
  for (const char* form : {"иисус", "иисуса", "иисусом", "иисусе"}) EXPECT_EQ(russian.Stem(form), "иисус") << form;
  EXPECT_EQ(russian.Stem("книгами"), "книг");
  EXPECT_EQ(russian.Stem("ёлками"), russian.Stem("елками"));  // ё is е to the stemmer
  const Stemmer english(kEnglish);
  EXPECT_EQ(english.Stem("running"), "run");
  EXPECT_EQ(english.Stem("teachers"), "teacher");
  EXPECT_EQ(LowerWord("ИИСУСА Ёлка Jesus"), "иисуса ёлка jesus");
}

// Prepared pages and views of them, as PreparedPages gives; the views live as long as the whole.
struct PreparedTexts {
  std::vector<std::string> texts;
  std::vector<std::string_view> views;
};

PreparedTexts Prepared(std::initializer_list<const char*> pages, Language lang) {
  PreparedTexts prepared{{""}, {}};
  for (const char* page : pages) prepared.texts.push_back(PrepareSearchText(page, lang));
  prepared.views.assign(prepared.texts.begin(), prepared.texts.end());
  return prepared;
}

TEST(Vocabulary, WordsAreLetterRunsOutsideMarkupWithoutStressMarks) {
  const BookVocabulary words(
      Prepared({"((1:1:1))Иисус сказал: <i>иисуса</i> и Иисусу, вид<font class=\"emph\">е</font>ний.",
                "((2:1:2))иисус, Иисус! ёлка<sup>1</sup> 12 слов"},
               kRussian)
          .views,
      kRussian);
  EXPECT_EQ(words.FormsOf("ИИСУС"), (std::vector<std::string>{"иисус", "иисуса", "иисусу"}));  // 3, 1, 1
  EXPECT_EQ(words.CountOf("видений"), 1);  // the stress mark is gone, the word whole
  EXPECT_EQ(words.CountOf("ёлка"), 1);
  EXPECT_EQ(words.CountOf("sup"), 0);  // markup is no word of the book
  EXPECT_EQ(words.CountOf("i"), 0);
  EXPECT_EQ(words.CountOf("12"), 0);
  EXPECT_TRUE(words.FormsOf("отсутствует").empty());
}

TEST(Vocabulary, SuggestionsAreWordsWithinTwoEditsTheMoreFrequentFirst) {
  const BookVocabulary words(Prepared({"jesus jesus jesus judas judas jesse peter", "jeans"}, kEnglish).views, kEnglish);
  // 3, 2, 1 and 1 occurrences; one, two, two and two edits away; "peter" is further.
  EXPECT_EQ(words.Suggestions("jesas"), (std::vector<std::string>{"jesus", "judas", "jeans", "jesse"}));
  EXPECT_EQ(words.Suggestions("Jseus"), (std::vector<std::string>{"jesus"}));  // a swap is one edit
  EXPECT_TRUE(words.Suggestions("jesus").empty());  // the book has it
  EXPECT_TRUE(words.Suggestions("xxxxx").empty());
  EXPECT_EQ(words.Suggestions("jesas", 1), (std::vector<std::string>{"jesus"}));
  EXPECT_EQ(EditDistance(U"иисус", U"иисвс", 2), 1);
  EXPECT_EQ(EditDistance(U"иисус", U"исус", 2), 1);
  EXPECT_EQ(EditDistance(U"abc", U"xyz", 2), 3);  // beyond the cap
}

TEST(WordFormsQuery, OnlyPlainWordsStandForTheirForms) {
  const BookVocabulary words(Prepared({"иисус иисуса иисусу христос христа мир мира свет"}, kRussian).views, kRussian);
  EXPECT_EQ(WithWordForms("Иисус", words), "(иисус|иисуса|иисусу)");
  // Forms as frequent as each other come in the order of their letters. The stemmer keeps
  // "христос" whole and cuts "христа" to "христ": they are no forms of each other.
  EXPECT_EQ(WithWordForms("иисус | христос", words), "(иисус|иисуса|иисусу) | христос");
  EXPECT_EQ(WithWordForms("(иисус|христос) !мир", words), "((иисус|иисуса|иисусу)|христос) !(мир|мира)");
  // Phrase words, patterns and words the book has in one form only stay as typed.
  EXPECT_EQ(WithWordForms("\"иисус христос\" 'мир'", words), "\"иисус христос\" 'мир'");
  EXPECT_EQ(WithWordForms("иисус* мир? (мир|свет)(а|у) вид(а|у)", words), "иисус* мир? (мир|свет)(а|у) вид(а|у)");
  EXPECT_EQ(WithWordForms("свет неизвестное", words), "свет неизвестное");
  const std::vector<QueryWord> plain = PlainQueryWords("\"фраза\" иисвс | бог*");
  ASSERT_EQ(plain.size(), 1u);
  EXPECT_EQ(plain[0].text, "иисвс");
  EXPECT_EQ(plain[0].at, 13u);
}

// The sample's Russian has "Иисус" in five cases and no other word with their stem.
TEST(WordFormsSearch, IsTheSearchOfTheAlternationOfTheForms) {
  BookStore book;
  ASSERT_NO_FATAL_FAILURE(test::OpenSampleBook(book));
  book.SetCurrentLanguage(kRussian);
  HeadlessReader reader{book, "/u/"};
  SearchEngine& engine = reader.engine;
  const auto find = [&](const std::string& query, bool forms) {
    return engine.EvaluateWholeQuery({query, 0, {}, false, false, forms});
  };
  const std::string forms = find("иисус", true);
  EXPECT_EQ(forms, find("(иисус|иисуса|иисусу|иисусом|иисусе)", false));
  EXPECT_NE(forms, find("иисус", false));
  EXPECT_EQ(find("иисус христос", true), find("(иисус|иисуса|иисусу|иисусом|иисусе) христос", false));
  EXPECT_EQ(find("иисус*", true), find("иисус*", false));  // a pattern is left alone
  // Off, nothing changes: the typed query is what runs and what the results page shows.
  engine.RunSearch({"иисус", 0, {}, false, false, false});
  EXPECT_EQ(engine.LastShownQuery(), "иисус");
  engine.RunSearch({"иисус", 0, {}, false, false, true});
  EXPECT_EQ(engine.LastQuery(), "иисус");
  EXPECT_NE(engine.LastShownQuery().find("иисусу"), std::string::npos);
}

TEST(Corrections, ANothingFoundPageLinksEachCloseWordAsTheCorrectedQuery) {
  BookStore book;
  BookContent c = test::TinyBookContent();
  c.pages[kRussian][9] = "((1:1:1))иисус пришел, иисус ушел; иисуса ждали";
  ASSERT_TRUE(book.OpenBook(std::make_unique<MemoryByteSource>(WriteBook(c).bytes)));
  ASSERT_TRUE(book.LoadPartRecords());
  ASSERT_TRUE(book.LoadPaperRecords());
  book.SetCurrentLanguage(kRussian);
  HeadlessReader reader{book, "/u/"};
  reader.engine.RunSearch({"пришел иисвс"});
  const std::string& page = reader.view.documents.back();
  EXPECT_NE(page.find("<h4>Ничего не найдено</h4><p>Похожие слова для &laquo;иисвс&raquo;: <a href=\"" +
                      QueryLink("пришел иисус") + "\" target=\"_self\" title=\"пришел иисус\">иисус</a>, <a href=\"" +
                      QueryLink("пришел иисуса") + "\""),
            std::string::npos)
      << page;
  // A word the book has gets no suggestions; a query that finds pages gets none at all.
  EXPECT_EQ(page.find("&laquo;пришел&raquo;"), std::string::npos);
  reader.engine.RunSearch({"иисус"});
  EXPECT_EQ(reader.view.documents.back().find("Похожие слова"), std::string::npos);
  // Typed text in a suggestion is text: escaped where shown, carried as digits in the link.
  reader.engine.RunSearch({"<b>иисвс"});
  EXPECT_EQ(reader.view.documents.back().find("<b>иисвс"), std::string::npos);
}

TEST(Corrections, AQueryLinkCarriesAnyTextAndComesBeforeTheOtherMarkers) {
  const std::string hostile = "\"!^@page5 </a><script>x</script> иисус";
  const std::string link = QueryLink(hostile);
  EXPECT_EQ(link.find_first_of("!^@<>\"#"), std::string::npos);
  EXPECT_EQ(QueryOfLink("orvelis://search/" + link), hostile);
  const SearchLinkAction action = SearchPaneLinkAction("orvelis://search/" + link);
  EXPECT_EQ(action.kind, SearchLinkAction::RunQuery);
  EXPECT_EQ(action.query, hostile);
  EXPECT_FALSE(QueryOfLink("orvelis://search/!group"));
  EXPECT_FALSE(QueryOfLink("~query~zz"));
}

}  // namespace
}  // namespace orvelis
