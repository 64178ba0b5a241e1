#include "render/parallel_export.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "book/book_store.h"
#include "book/book_writer.h"
#include "ground/cp1251.h"
#include "reader/headless_reader.h"
#include "support/test_books.h"

namespace orvelis {
namespace {

using Rows = std::vector<std::pair<std::string, std::string>>;

// Paper 5 holds pages 62 to 72 (the book's tables); the test writes every one of its paragraphs.
constexpr int kFirstPage = 62;
constexpr int kLastPage = 72;

std::string Russian(int page, int n) { return "Абзац " + std::to_string(n) + " страницы " + std::to_string(page); }
std::string English(int page, int n) { return "Paragraph " + std::to_string(n) + " of page " + std::to_string(page); }

std::string WithoutTags(const std::string& html) {
  std::string text;
  bool inTag = false;
  for (char c : html) {
    if (c == '<') inTag = true;
    else if (c == '>') inTag = false;
    else if (!inTag) text += c;
  }
  return text;
}

// The text of the two cells of every row of the parallel tables, in document order.
Rows ParallelRows(const std::string& html) {
  Rows rows;
  for (std::size_t table = html.find("<table class=\"parallel\""); table != std::string::npos;
       table = html.find("<table class=\"parallel\"", table + 1)) {
    const std::size_t end = html.find("</table>", table);
    for (std::size_t row = html.find("<tr>", table); row < end; row = html.find("<tr>", row + 1)) {
      const std::size_t rowEnd = html.find("</tr>", row);
      const std::size_t split = html.find("</td><td", row);
      rows.emplace_back(WithoutTags(html.substr(row, split - row)), WithoutTags(html.substr(split, rowEnd - split)));
    }
  }
  return rows;
}

class ParallelExportOfBook : public ::testing::Test {
 protected:
  void SetUp() override {
    BookContent content = test::TinyBookContent();
    for (int page = kFirstPage; page <= kLastPage; ++page) {
      std::string& ru = content.pages[kRussian][page - 1];
      std::string& en = content.pages[kEnglish][page - 1];
      ru.clear();
      en.clear();
      for (int n = 1; n <= 3; ++n) {
        const std::string marker = "((" + std::to_string(n) + ":1:" + std::to_string(n) + "))";
        ru += marker + Russian(page, n);
        en += marker + English(page, n);
      }
    }
    content.papers[5].title[kEnglish] = "The Universe of Universes";
    content.parts[1].name[kRussian] = "Центральная вселенная";
    content.parts[1].name[kEnglish] = "The Central Universe";
    // Every character Windows-1251 has (byte 0x98 included) and one it lacks, stored as a reference.
    std::string all = "((1:1:1))";
    for (int byte = 0x20; byte <= 0xFF; ++byte) {
      if (byte != '<' && byte != '>' && byte != '&' && byte != 0x7F) all += DecodeCp1251(std::string(1, static_cast<char>(byte)));
    }
    allCharacters = all.substr(9) + "&#769;";
    content.pages[kRussian][99] = all + "&#769;";
    content.pages[kEnglish][99] = "((1:1:1))English";
    ASSERT_TRUE(book.OpenBook(std::make_unique<MemoryByteSource>(WriteBook(content).bytes)));
    ASSERT_TRUE(book.LoadPartRecords());
    ASSERT_TRUE(book.LoadPaperRecords());
    book.SetCurrentLanguage(kRussian);
  }

  ParallelExport Export(const std::string& key) {
    const auto exported = exporter.Compose(key);
    EXPECT_TRUE(exported) << key;
    return exported.value_or(ParallelExport{});
  }

  BookStore book;
  HeadlessReader reader{book, "/u/"};
  ParallelExporter exporter{reader.core.Composer(), book, reader.core.Regex()};
  std::string allCharacters;
};

TEST_F(ParallelExportOfBook, APaperHoldsEveryParagraphInBothLanguagesInOrder) {
  const std::string html = Export("doc5").html;
  Rows expected;
  for (int page = kFirstPage; page <= kLastPage; ++page) {
    for (int n = 1; n <= 3; ++n) expected.emplace_back(Russian(page, n), English(page, n));
  }
  EXPECT_EQ(ParallelRows(html), expected);
  // The title in both languages above the first page, each page's number in both languages.
  const std::size_t heading = html.find("ВСЕЛЕННАЯ ВСЕЛЕННЫХ</font></td><td width=\"50%\" valign=\"top\" "
                                        "align=\"center\"><font class=\"doc_num_tit\">Paper 5</font><br><font "
                                        "class=\"doc_tit\">THE UNIVERSE OF UNIVERSES</font>");
  ASSERT_NE(heading, std::string::npos) << html;
  EXPECT_LT(heading, html.find("<i>Страница 62</i></td><td width=\"50%\" valign=\"top\" align=\"center\"><i>Page 62</i>"));
  EXPECT_LT(html.find("<i>Страница 71</i>"), html.find("<i>Страница 72</i>"));
}

TEST_F(ParallelExportOfBook, TheLeftColumnIsTheCurrentLanguage) {
  book.SetCurrentLanguage(kEnglish);
  const Rows rows = ParallelRows(Export("page62").html);
  EXPECT_EQ(rows, (Rows{{English(62, 1), Russian(62, 1)}, {English(62, 2), Russian(62, 2)}, {English(62, 3), Russian(62, 3)}}));
}

TEST_F(ParallelExportOfBook, TheDocumentStandsAloneWithoutTheProgramsNavigation) {
  for (const char* key : {"page62", "doc5", "part1"}) {
    const ParallelExport exported = Export(key);
    const std::string& html = exported.html;
    EXPECT_EQ(html.rfind("<!DOCTYPE html>\r\n<html>\r\n<head>\r\n<META HTTP-EQUIV=\"Content-Type\" "
                          "CONTENT=\"text/html;CHARSET=Windows-1251\">\r\n<title>",
                          0),
              0u)
        << key;
    EXPECT_NE(html.find("<style>body {"), std::string::npos) << key;              // the stylesheet inside
    EXPECT_LT(html.find("</style>"), html.find("<body>")) << key;
    EXPECT_EQ(html.find("href="), std::string::npos) << key;                      // no links at all
    EXPECT_EQ(html.find("<img"), std::string::npos) << key;                       // no bar buttons
    EXPECT_EQ(html.find("onscroll"), std::string::npos) << key;
    EXPECT_EQ(html.find("<a name="), std::string::npos) << key;                   // pages would repeat them
    EXPECT_EQ(html.find("<title>" + exported.title + "</title>"), html.find("<title>")) << key;
    EXPECT_TRUE(html.ends_with("</body>\r\n</html>\r\n")) << key;
  }
  EXPECT_EQ(Export("page62").title, "Книга Орвелис v 3.4 - Страница 62");
  EXPECT_EQ(Export("doc5").title, "Книга Орвелис v 3.4 - Документ 5");
  EXPECT_EQ(Export("part1").title, "Книга Орвелис v 3.4 - Часть I");
}

TEST_F(ParallelExportOfBook, APartHoldsItsHeadingThenItsPapersInOrder) {
  const std::string html = Export("part1").html;
  const std::size_t part = html.find("<font class=\"part\">Часть I</font><br><font class=\"part\">Центральная вселенная");
  ASSERT_NE(part, std::string::npos);
  EXPECT_NE(html.find("<font class=\"part\">Part I</font><br><font class=\"part\">The Central Universe"), std::string::npos);
  std::size_t last = part;
  for (int paper = 1; paper <= 31; ++paper) {
    const std::size_t at = html.find("<font class=\"doc_num_tit\">Документ " + std::to_string(paper) + "</font>");
    ASSERT_NE(at, std::string::npos) << paper;
    EXPECT_GT(at, last) << paper;
    last = at;
  }
  EXPECT_EQ(html.find("Документ 32</font>"), std::string::npos);
  // The Part's opening pages (19, 20) stand under its heading, before Paper 1's, which begins on 21.
  EXPECT_LT(html.find("<i>Страница 19</i>"), html.find("Документ 1</font>"));
  EXPECT_LT(html.find("Документ 1</font>"), html.find("<i>Страница 21</i>"));
  // "part0" is the Foreword's group: Paper 0 alone, without a number line.
  const std::string foreword = Export("part0").html;
  EXPECT_NE(foreword.find("<i>Страница 18</i>"), std::string::npos);
  EXPECT_EQ(foreword.find("<i>Страница 19</i>"), std::string::npos);
  EXPECT_EQ(foreword.find("doc_num_tit\">"), std::string::npos);
}

TEST_F(ParallelExportOfBook, OnlyPagesPapersAndPartsAreExported) {
  for (const char* key : {"book", "cont", "cont0", "cont3", "", "x12", "page0", "page2098", "doc197", "part5"}) {
    EXPECT_FALSE(exporter.Compose(key)) << key;
  }
  EXPECT_EQ(ParallelExporter::ShownPage("page135"), 135);
  EXPECT_EQ(ParallelExporter::ShownPage("doc5"), 62);
  EXPECT_EQ(ParallelExporter::ShownPage("part3"), 649);
  EXPECT_EQ(ParallelExporter::ShownPage("cont2"), std::nullopt);
}

TEST_F(ParallelExportOfBook, EveryCharacterOfTheTextSurvivesTheFile) {
  const ParallelExport exported = Export("page100");
  const std::string bytes = exported.FileBytes();
  EXPECT_EQ(DecodeCp1251(bytes), exported.html);
  const std::string back = DecodeCp1251(bytes);
  const std::size_t at = back.find(allCharacters);
  ASSERT_NE(at, std::string::npos);
  EXPECT_NE(back.find("\xC2\x98"), std::string::npos);  // U+0098 from byte 0x98, and back to it
  EXPECT_NE(bytes.find('\x98'), std::string::npos);
  // What Windows-1251 lacks goes out as a character reference a browser reads as the character.
  ParallelExport beyond{"", "<p>\xE2\x82\xAC \xE4\xB8\xAD \xF0\x9F\x93\x96</p>"};  // euro sign, 中, 📖
  EXPECT_EQ(beyond.FileBytes(), "<p>\x88 &#20013; &#128214;</p>");
}

}  // namespace
}  // namespace orvelis
