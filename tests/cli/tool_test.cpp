// orvelis-tool end to end: real processes on real files.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <map>
#include <sstream>
#include <vector>

#include "book/book_writer.h"
#include "support/temp_dir.h"
#include "support/test_books.h"
#include "support/test_dictionaries.h"

namespace orvelis {
namespace {

struct ToolRun {
  int status = -1;
  std::string out;
  std::string err;
};

ToolRun RunCommand(const std::string& commandLine) {
  test::TempDir tmp;
  const std::string command = commandLine + " > " + (tmp / "out").string() + " 2> " + (tmp / "err").string();
  const int raw = std::system(command.c_str());
  ToolRun run;
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  run.out = test::ReadFileBytes(tmp / "out");
  run.err = test::ReadFileBytes(tmp / "err");
  return run;
}

ToolRun Tool(const std::string& arguments) { return RunCommand(std::string(ORVELIS_TOOL) + " " + arguments); }

std::string Quote(const std::filesystem::path& p) { return "'" + p.string() + "'"; }

class ToolOnTinyBook : public ::testing::Test {
 protected:
  void SetUp() override { test::WriteFileBytes(book, test::TinyBookBytes()); }
  std::string WithBook(const std::string& rest) const { return "--book " + Quote(book) + " " + rest; }
  test::TempDir dir;
  std::filesystem::path book = dir / "book.dat";
};

TEST_F(ToolOnTinyBook, InfoCountsTheBook) {
  const ToolRun r = Tool(WithBook("info"));
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("text version: 3.7\n"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("file length: " + std::to_string(test::TinyBookBytes().size())), std::string::npos);
  EXPECT_NE(r.out.find("papers: 197\n"), std::string::npos);
  EXPECT_NE(r.out.find("english pages: 2097, "), std::string::npos);
  EXPECT_NE(r.out.find("russian pages: 2097, "), std::string::npos);
}

TEST_F(ToolOnTinyBook, PrintsStoredTextsUnchanged) {
  EXPECT_EQ(Tool(WithBook("page 17 --lang en")).out, "en page 17");
  EXPECT_EQ(Tool(WithBook("page 2097")).out, "ru page 2097");
  EXPECT_EQ(Tool(WithBook("part 2 --lang en")).out, "en part 2\n\n");
  EXPECT_EQ(Tool(WithBook("paper 5 --lang ru")).out,
            "ВСЕЛЕННАЯ ВСЕЛЕННЫХ\nru author 5\n1 | First | 6\n2 | Second / more | 9\n");
}

TEST_F(ToolOnTinyBook, WrongArgumentsPrintUsageWithStatus1) {
  for (const char* args : {"", "page", "page 0", "page 2098", "page 1 --lang de", "paper 197", "part 5",
                           "frobnicate", "page x", "info extra", "page 1 --lang"}) {
    const ToolRun r = Tool(WithBook(args));
    EXPECT_EQ(r.status, 1) << args;
    EXPECT_NE(r.err.find("usage: orvelis-tool"), std::string::npos) << args;
  }
}

TEST(ToolSelf, VersionAndHelpPrintOnStdoutWithStatus0) {
  const ToolRun version = Tool("--version");
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, "orvelis-tool 3.4\n");
  const ToolRun help = Tool("--help");
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.out.rfind("usage: orvelis-tool [--book PATH] COMMAND", 0), 0u) << help.out;
  EXPECT_EQ(help.err, "");
}

TEST(ToolSelf, EveryCommandHasItsOwnHelp) {
  for (const std::string command : {"info", "page", "paper", "part", "export", "build", "make-sample-book", "compose",
                                    "stylesheet", "export-parallel", "search", "results", "snippets", "glossary",
                                    "favorites", "dict"}) {
    const ToolRun r = Tool(command + " --help");
    EXPECT_EQ(r.status, 0) << command;
    const std::string head = "usage: orvelis-tool [--book PATH] " + command;
    EXPECT_EQ(r.out.rfind(head, 0), 0u) << r.out;
    EXPECT_NE(std::string(" \n").find(r.out[head.size()]), std::string::npos) << r.out;
    // One command's help, not the whole list.
    EXPECT_LE(std::count(r.out.begin(), r.out.end(), '\n'), 4) << r.out;
  }
  const ToolRun unknown = Tool("frobnicate --help");
  EXPECT_EQ(unknown.status, 1);
  EXPECT_NE(unknown.err.find("unknown command 'frobnicate'"), std::string::npos);
}

TEST_F(ToolOnTinyBook, ADamagedBookGivesTheMessageAndStatus2) {
  std::string bytes = test::TinyBookBytes();
  bytes.pop_back();
  test::WriteFileBytes(book, bytes);
  for (const char* args : {"info", "page 1", "paper 1", "part 1", "export out"}) {
    const ToolRun r = Tool(WithBook(args));
    EXPECT_EQ(r.status, 2) << args;
    EXPECT_NE(r.err.find("Файл book.dat поврежден"), std::string::npos) << args;
  }
  EXPECT_EQ(Tool("--book " + Quote(dir / "missing.dat") + " info").status, 2);
}

TEST_F(ToolOnTinyBook, ExportThenBuildGivesTheSameBytes) {
  const auto source = dir / "source";
  const auto rebuilt = dir / "rebuilt.dat";
  ASSERT_EQ(Tool(WithBook("export " + Quote(source))).status, 0);
  EXPECT_EQ(test::ReadFileBytes(source / "pages" / "en" / "0042.html"), "en page 42");
  EXPECT_EQ(test::ReadFileBytes(source / "papers" / "005.ru.title.txt"), "Вселенная Вселенных");
  ASSERT_EQ(Tool("build " + Quote(source) + " " + Quote(rebuilt)).status, 0);
  EXPECT_TRUE(test::ReadFileBytes(rebuilt) == test::TinyBookBytes());
}

TEST_F(ToolOnTinyBook, AnEditedSourceBuildsIntoTheBook) {
  const auto source = dir / "source";
  ASSERT_EQ(Tool(WithBook("export " + Quote(source))).status, 0);
  test::WriteFileBytes(source / "pages" / "ru" / "0001.html", "Новая страница");
  ASSERT_EQ(Tool("build " + Quote(source) + " " + Quote(book)).status, 0);
  EXPECT_EQ(Tool(WithBook("page 1")).out, "Новая страница");
  // A page too long for the format is refused and the old book stays.
  const std::string before = test::ReadFileBytes(book);
  test::WriteFileBytes(source / "pages" / "ru" / "0001.html", std::string(70000, 'x'));
  const ToolRun r = Tool("build " + Quote(source) + " " + Quote(book));
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("65535"), std::string::npos) << r.err;
  EXPECT_TRUE(test::ReadFileBytes(book) == before);
  std::filesystem::remove(source / "book.txt");
  EXPECT_EQ(Tool("build " + Quote(source) + " " + Quote(book)).status, 2);
}

TEST_F(ToolOnTinyBook, ComposesPagesAndStrips) {
  const ToolRun page = Tool(WithBook("compose page135 --lang en --user-data /u"));
  ASSERT_EQ(page.status, 0) << page.err;
  EXPECT_EQ(page.out.rfind("<html><head><title>The ORVELIS Book v 3.4 - Page 135</title>", 0), 0u);
  EXPECT_NE(page.out.find("src=\"/u/1x1.gif\""), std::string::npos);
  EXPECT_NE(page.out.find("<div align=\"justify\">en page 135</div>"), std::string::npos);
  EXPECT_EQ(page.out.substr(page.out.size() - 22), "<br><br></BODY></HTML>");

  const ToolRun second = Tool(WithBook("compose page135 --lang en --pane 1 --user-data /u"));
  EXPECT_NE(second.out.find("<title>Книга Орвелис v 3.4 - Страница 135</title>"), std::string::npos);

  const ToolRun strip = Tool(WithBook("compose doc5 --fixed-headers --strip --user-data /u"));
  ASSERT_EQ(strip.status, 0);
  EXPECT_EQ(strip.out.rfind("<html><head><style>", 0), 0u);
  EXPECT_NE(strip.out.find("<table id=\"toptab\""), std::string::npos);
  EXPECT_NE(strip.out.find("<i>Страница 62</i>"), std::string::npos);

  const ToolRun contents = Tool(WithBook("compose cont2 --user-data /u"));
  EXPECT_NE(contents.out.find("<i>Содержание Части II</i>"), std::string::npos);
  EXPECT_NE(contents.out.find("href=\"@cont1\""), std::string::npos);
}

TEST_F(ToolOnTinyBook, ComposeRefusesUnknownKeysAndBadOptions) {
  for (const char* args : {"compose cont7", "compose page0", "compose page2098", "compose pageX", "compose x",
                           "compose page1 --pane 2", "compose page1 --paragraph x", "compose page1 --lang fr"}) {
    EXPECT_EQ(Tool(WithBook(args)).status, 1) << args;
  }
}

// The small book's pages hold no markers: each page is one row, Russian left, English right.
TEST_F(ToolOnTinyBook, ExportParallelWritesAPaperAsOneWindows1251HtmlFile) {
  const auto out = dir / "paper5.html";
  const ToolRun r = Tool(WithBook("export-parallel doc5 " + Quote(out)));
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "");
  const std::string bytes = test::ReadFileBytes(out);
  EXPECT_EQ(bytes.rfind("<!DOCTYPE html>\r\n", 0), 0u);
  // The Russian title in the heading, upper case, as Windows-1251 bytes.
  EXPECT_NE(bytes.find("\xC2\xD1\xC5\xCB\xC5\xCD\xCD\xC0\xDF \xC2\xD1\xC5\xCB\xC5\xCD\xCD\xDB\xD5"), std::string::npos);
  EXPECT_NE(bytes.find("<font class=\"doc_tit\">EN PAPER TITLE 5</font>"), std::string::npos);
  std::size_t last = 0;
  for (int page = 62; page <= 72; ++page) {
    const std::string row = "<div align=\"justify\">ru page " + std::to_string(page) +
                            "</div></td><td width=\"50%\" valign=\"top\"><div align=\"justify\">en page " +
                            std::to_string(page) + "</div>";
    const std::size_t at = bytes.find(row);
    ASSERT_NE(at, std::string::npos) << page;
    EXPECT_GT(at, last) << page;
    last = at;
  }
  EXPECT_EQ(bytes.find("ru page 61<"), std::string::npos);
  EXPECT_EQ(bytes.find("ru page 73<"), std::string::npos);

  // English on the left with --lang en; a page and a Part by their keys; the extension in any case.
  ASSERT_EQ(Tool(WithBook("export-parallel page62 " + Quote(dir / "p.HTM") + " --lang en")).status, 0);
  EXPECT_NE(test::ReadFileBytes(dir / "p.HTM").find("en page 62</div></td><td width=\"50%\" valign=\"top\"><div "
                                                     "align=\"justify\">ru page 62"),
            std::string::npos);
  ASSERT_EQ(Tool(WithBook("export-parallel part4 " + Quote(dir / "part.htm"))).status, 0);
  EXPECT_NE(test::ReadFileBytes(dir / "part.htm").find("ru page 2097</div>"), std::string::npos);
}

TEST_F(ToolOnTinyBook, ExportParallelRefusesWhatItCannotWrite) {
  for (const char* args : {"export-parallel doc5", "export-parallel cont2 x.htm", "export-parallel book x.htm",
                           "export-parallel doc197 x.htm", "export-parallel page0 x.htm", "export-parallel doc5 x.txt",
                           "export-parallel doc5 x.htm --lang de", "export-parallel doc5 x.htm extra"}) {
    const ToolRun r = Tool(WithBook(args));
    EXPECT_EQ(r.status, 1) << args;
    EXPECT_NE(r.err.find("usage: orvelis-tool"), std::string::npos) << args;
  }
  EXPECT_NE(Tool(WithBook("export-parallel cont2 x.htm")).err.find("'cont2' is not a page, Paper or Part key"),
            std::string::npos);
  // A folder that is not there: the message names the file, status 2, nothing left behind.
  const auto missing = dir / "no-such-folder" / "paper.htm";
  const ToolRun r = Tool(WithBook("export-parallel doc5 " + Quote(missing)));
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err, "orvelis-tool: cannot write " + missing.string() + "\n");
  // An existing file is replaced whole.
  test::WriteFileBytes(dir / "old.htm", std::string(10'000'000, 'x'));
  ASSERT_EQ(Tool(WithBook("export-parallel page1 " + Quote(dir / "old.htm"))).status, 0);
  EXPECT_EQ(test::ReadFileBytes(dir / "old.htm").find('x' + std::string(100, 'x')), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(dir / "old.htm.part"));
}

// A PDF from the command line: laid out by the reader's browser engine, both languages in it, and
// nothing left beside it.
TEST(ToolExport, APaperAsPdfHoldsTheTextOfBothLanguages) {
#ifndef ORVELIS_HAS_PDF
  GTEST_SKIP() << "built without the reader, whose browser engine lays out the PDF";
#else
  test::TempDir dir;
  const auto out = dir / "paper1.pdf";
  const ToolRun r = Tool("export-parallel doc1 " + Quote(out));
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");  // the browser engine's own chatter is not the tool's
  EXPECT_EQ(test::ReadFileBytes(out).rfind("%PDF", 0), 0u);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), std::filesystem::directory_iterator()), 1);
  const ToolRun text = RunCommand("pdftotext " + Quote(out) + " -");
  ASSERT_EQ(text.status, 0) << text.err;
  for (const char* title : {"CENTRAL MINISTRY", "ЦЕНТРАЛЬНОЕ СЛУЖЕНИЕ", "Page 19", "Страница 19"}) {
    EXPECT_NE(text.out.find(title), std::string::npos) << title;
  }
#endif
}

// The glossary's lines: candidates (word, score, count), a blank line, two examples each.
TEST_F(ToolOnTinyBook, GlossaryPrintsCandidatesThenExamples) {
  BookContent c = test::TinyBookContent();
  c.pages[kRussian][0] = "((1:1:1))Свет.";
  c.pages[kEnglish][0] = "((1:1:1))Light.";
  c.pages[kRussian][1] = "((2:1:2))Светом.";
  c.pages[kEnglish][1] = "((2:1:2))The light.";
  test::WriteFileBytes(book, WriteBook(c).bytes);
  const ToolRun r = Tool(WithBook("glossary свет"));
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "light\t1.000\t2\nthe\t0.667\t1\n\nlight\tpage 1\t((1:1:1))\nlight\tpage 2\t((2:1:2))\n"
                   "the\tpage 2\t((2:1:2))\n");
  EXPECT_EQ(Tool(WithBook("glossary свет --lang de")).status, 1);
  EXPECT_EQ(Tool(WithBook("glossary")).status, 1);
}

// Page k of the small book reads "en page k": the word "page" is on every page once, "3" only on page 3.
TEST_F(ToolOnTinyBook, SearchInFoundKeepsOnlyThePreviousPagesAndAddsTheirCounts) {
  const ToolRun both = Tool(WithBook("search page --lang en --in-found ',3|2,5|1,'"));
  EXPECT_EQ(both.status, 0) << both.err;
  EXPECT_EQ(both.out, ",3|3,5|2,\n");
  const ToolRun one = Tool(WithBook("search 3 --lang en --in-found ',3|1,4|1,13|1,'"));
  EXPECT_EQ(one.status, 0) << one.err;
  EXPECT_EQ(one.out, ",3|2,\n");
  const ToolRun none = Tool(WithBook("search 3 --lang en --in-found ',4|1,'"));
  EXPECT_EQ(none.status, 0) << none.err;
  EXPECT_EQ(none.out, ",\n");
}

TEST_F(ToolOnTinyBook, SettingsChangeTheStylesheet) {
  test::WriteFileBytes(dir / "settings.ini", "[ORVELIS_BOOK]\nfsize=9\nffam=Georgia\nfcol=255\n");
  const ToolRun r = Tool("stylesheet --settings " + Quote(dir / "settings.ini") + " --user-data /u");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("font-family:Georgia, Verdana, Arial, Helvetica, Tahoma; font-size:28px;"), std::string::npos);
  EXPECT_NE(r.out.find("color:#FF0000}"), std::string::npos);
  EXPECT_NE(r.out.find("url(/u/point.gif)"), std::string::npos);
  const ToolRun page = Tool(WithBook("compose page3 --settings " + Quote(dir / "settings.ini")));
  EXPECT_NE(page.out.find("font-size:28px;"), std::string::npos);
  EXPECT_EQ(Tool("stylesheet --settings " + Quote(dir / "missing.ini")).status, 2);
}

// Search on the sample book beside the tool: the demo words are there in both languages.
TEST(ToolSearch, PrintsTheResultListAndFormatMessages) {
  const ToolRun god = Tool("search God --lang en");
  ASSERT_EQ(god.status, 0) << god.err;
  EXPECT_EQ(god.out.rfind(",1|", 0), 0u);
  EXPECT_EQ(god.out.back(), '\n');
  const ToolRun scoped = Tool("search иисус --scope 1");
  ASSERT_EQ(scoped.status, 0);
  EXPECT_EQ(scoped.out.find(",19|"), std::string::npos);  // the Foreword ends on page 18
  const ToolRun bad = Tool("search ' word'");
  EXPECT_EQ(bad.out, ",\n");
  EXPECT_EQ(bad.err, "Поиск по книге: Ошибочный формат строки поиска\n");
  EXPECT_EQ(Tool("search x --scope 6").status, 1);
  EXPECT_EQ(Tool("search").status, 1);
}

// A one-language search runs over two halves of the book side by side and joins their lists;
// every page must come once, in order, across the join as anywhere else.
TEST(ToolSearch, AListJoinedFromTwoHalvesHasEveryPageOnceInOrder) {
  std::string everyPage = ",";
  for (int page = 1; page <= 2097; ++page) everyPage += std::to_string(page) + "|0,";
  const ToolRun absent = Tool("search '!qqqqq' --lang ru");
  ASSERT_EQ(absent.status, 0) << absent.err;
  EXPECT_EQ(absent.out, everyPage + "\n");
  EXPECT_EQ(Tool("search '!qqqqq' --lang en").out, everyPage + "\n");
}

// Each page once, ascending, with the higher of its two counts: checked against the two
// one-language lists of the same word pair.
TEST(ToolSearch, BothLanguagesListEachPageOnceWithItsHigherCount) {
  const auto entries = [](const std::string& list) {
    std::map<int, int> pages;
    std::vector<int> order;
    std::istringstream in(list.substr(1));
    for (std::string entry; std::getline(in, entry, ',');) {
      if (entry.empty() || entry == "\n") continue;
      const int page = std::stoi(entry.substr(0, entry.find('|')));
      pages[page] = std::stoi(entry.substr(entry.find('|') + 1));
      order.push_back(page);
    }
    EXPECT_TRUE(std::is_sorted(order.begin(), order.end()));
    EXPECT_EQ(order.size(), pages.size());
    return pages;
  };
  const ToolRun ru = Tool("search 'иисус | jesus' --lang ru");
  const ToolRun en = Tool("search 'иисус | jesus' --lang en");
  const ToolRun both = Tool("search 'иисус | jesus' --lang both");
  ASSERT_EQ(both.status, 0) << both.err;
  const auto inRussian = entries(ru.out), inEnglish = entries(en.out), inBoth = entries(both.out);
  ASSERT_FALSE(inRussian.empty());
  ASSERT_FALSE(inEnglish.empty());
  std::map<int, int> expected = inRussian;
  for (const auto& [page, count] : inEnglish) expected[page] = std::max(expected[page], count);
  EXPECT_EQ(inBoth, expected);
  EXPECT_GT(inBoth.size(), std::max(inRussian.size(), inEnglish.size()));
  const ToolRun results = Tool("results 'иисус | jesus' --lang both --counterparts");
  ASSERT_EQ(results.status, 0) << results.err;
  EXPECT_NE(results.out.find("<b>Английский:</b>"), std::string::npos);
  EXPECT_NE(results.out.find("<i><font color=\"#606060\">"), std::string::npos);
  EXPECT_EQ(Tool("snippets 1500 иисус --lang both").status, 1);
}

// The sample's Russian has three forms of "иисус"; a mistyped word gets the book's close words.
TEST(ToolSearch, FormsAndSuggestions) {
  const ToolRun forms = Tool("search иисус --forms");
  ASSERT_EQ(forms.status, 0) << forms.err;
  EXPECT_EQ(forms.out, Tool("search '(иисус|иисуса|иисусу|иисусом|иисусе)'").out);
  EXPECT_NE(forms.out, Tool("search иисус").out);
  const ToolRun typo = Tool("search 'учитель иисвс' --suggest");
  ASSERT_EQ(typo.status, 0) << typo.err;
  EXPECT_EQ(typo.out.substr(0, typo.out.find('\t')), ",\nиисвс");
  const std::string close = typo.out.substr(typo.out.find('\t') + 1);
  EXPECT_NE(close.find("иисус"), std::string::npos) << close;
  EXPECT_EQ(close.back(), '\n');
  EXPECT_EQ(Tool("search иисус --suggest").out.find('\t'), std::string::npos);  // found: nothing to suggest
}

// The prepared pages are what other search tools are measured on: one file per page, the page
// numbered as the search numbers it, with no sentence marks left to stop a word.
TEST(ToolSearch, ExportPreparedWritesEachPageAsTheSearchSeesIt) {
  test::TempDir dir;
  const ToolRun r = Tool("export-prepared " + Quote(dir / "pages"));
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir / "pages"), std::filesystem::directory_iterator()),
            kPageCount);
  const std::string page1500 = test::ReadFileBytes(dir / "pages" / "1500.txt");
  EXPECT_EQ(page1500.find_first_of(".,;()"), std::string::npos);
  EXPECT_EQ(page1500.find("«"), std::string::npos);
  // The list the search gives for page 1500 counts what the file holds.
  const std::string list = Tool("search иисус").out;
  const std::size_t at = list.find(",1500|");
  ASSERT_NE(at, std::string::npos);
  const int count = std::stoi(list.substr(at + 6));
  int inFile = 0;
  for (std::size_t pos = 0; (pos = page1500.find(" Иисус", pos)) != std::string::npos; ++pos) ++inFile;
  for (std::size_t pos = 0; (pos = page1500.find(" иисус", pos)) != std::string::npos; ++pos) ++inFile;
  EXPECT_GE(inFile, count);
  EXPECT_GT(count, 0);
  EXPECT_EQ(Tool("export-prepared " + Quote(dir / "x") + " --lang de").status, 1);
}

TEST(ToolSearch, ResultsPagesAndSnippets) {
  const ToolRun page = Tool("results иисус --sort page --group");
  ASSERT_EQ(page.status, 0) << page.err;
  EXPECT_EQ(page.out.rfind("<html><title>Поиск по книге - [иисус]</title>", 0), 0u);
  EXPECT_NE(page.out.find("<b>страницам</b>"), std::string::npos);
  EXPECT_NE(page.out.find("<a href=\"!ungroup\""), std::string::npos);
  // A query is text in the page's title, never markup; it finds nothing.
  const ToolRun hostile = Tool("results '</title><script>x</script>'");
  EXPECT_EQ(hostile.status, 0) << hostile.err;
  EXPECT_EQ(hostile.err, "");
  const std::string escapedTitle =
      "<html><title>Поиск по книге - [&lt;/title&gt;&lt;script&gt;x&lt;/script&gt;]</title>";
  EXPECT_EQ(hostile.out.rfind(escapedTitle, 0), 0u) << hostile.out.substr(0, 200);
  const std::string nothingFound =
      "<body style=\"padding:5 5 5 5\"><br><br><h4>Ничего не найдено</h4><br></BODY></HTML>";
  ASSERT_GT(hostile.out.size(), nothingFound.size());
  EXPECT_EQ(hostile.out.substr(hostile.out.size() - nothingFound.size()), nothingFound);
  EXPECT_EQ(hostile.out.find("<script>"), std::string::npos);
  const ToolRun snippets = Tool("snippets 1500 иисус");
  ASSERT_EQ(snippets.status, 0);
  EXPECT_NE(snippets.out.find("<font class=\"bld\">"), std::string::npos);
  EXPECT_EQ(Tool("snippets 0 иисус").status, 1);
  const ToolRun highlighted = Tool("compose page1500 --highlight иисус");
  EXPECT_NE(highlighted.out.find("<font class=\"bld\">"), std::string::npos);
}

TEST(ToolFavorites, DriveTheModelEndToEndOnAFile) {
  test::TempDir dir;
  const std::string file = Quote(dir / "book_favor.dat");
  test::WriteFileBytes(dir / "frag.html", "<b>Мир</b>");
  const std::string frag = " --text-file " + Quote(dir / "frag.html");
  EXPECT_EQ(Tool("favorites add-folder " + file + " f A").out, "f_1\n");
  EXPECT_EQ(Tool("favorites add " + file + " f_1 x" + frag).out, "d_1_1\n");
  EXPECT_EQ(Tool("favorites add " + file + " f y" + frag).out, "d_1\n");
  EXPECT_EQ(Tool("favorites add-folder " + file + " f B").out, "f_2\n");
  EXPECT_EQ(Tool("favorites show " + file).out,
            "f Избранное\n  f_1 A\n    d_1_1 x [10 bytes]\n  f_2 B\n  d_1 y [10 bytes]\n");
  EXPECT_EQ(Tool("favorites move " + file + " f_2 f_1 --answer yes").status, 0);
  EXPECT_EQ(Tool("favorites show " + file).out,
            "f Избранное\n  f_1 A\n    f_1_1 B\n    d_1_1 x [10 bytes]\n  d_1 y [10 bytes]\n");
  const ToolRun refused = Tool("favorites move " + file + " f_1 f_1_1 --answer yes");
  EXPECT_EQ(refused.status, 2);
  EXPECT_NE(refused.err.find("Папку нельзя переместить"), std::string::npos);
  EXPECT_EQ(Tool("favorites delete " + file + " d_1").status, 0);
  EXPECT_EQ(Tool("favorites show " + file).out, "f Избранное\n  f_1 A\n    f_1_1 B\n    d_1_1 x [10 bytes]\n");
  EXPECT_EQ(Tool("favorites delete " + file + " f").status, 1);
  EXPECT_EQ(Tool("favorites frobnicate " + file).status, 1);
}

// A key is printed only for an item the file now holds; a failed or refused save is on stderr
// with a failure status, and the file keeps its bytes.
TEST(ToolFavorites, AnAddThatCouldNotBeSavedPrintsNoKey) {
  test::TempDir dir;
  const std::filesystem::path path = dir / "book_favor.dat";
  const std::string file = Quote(path);
  test::WriteFileBytes(dir / "frag.html", "<b>Мир</b>");
  const std::string frag = " --text-file " + Quote(dir / "frag.html");
  ASSERT_EQ(Tool("favorites add-folder " + file + " f A").out, "f_1\n");
  const std::string before = test::ReadFileBytes(path);

  std::filesystem::permissions(path, std::filesystem::perms::owner_read);
  for (const std::string& add : {"favorites add " + file + " f y" + frag, "favorites add-folder " + file + " f B"}) {
    const ToolRun r = Tool(add);
    EXPECT_EQ(r.status, 2) << add;
    EXPECT_EQ(r.out, "") << add;
    EXPECT_NE(r.err.find("доступен только для чтения"), std::string::npos) << r.err;
  }
  EXPECT_EQ(test::ReadFileBytes(path), before);

  // The temporary file cannot be created: a folder stands at its name.
  std::filesystem::permissions(path, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
  std::filesystem::create_directory(dir / "book_favor.dat.new");
  const ToolRun failed = Tool("favorites add " + file + " f_1 x" + frag);
  EXPECT_EQ(failed.status, 2);
  EXPECT_EQ(failed.out, "");
  EXPECT_NE(failed.err.find("Файл избранного остался прежним."), std::string::npos) << failed.err;
  EXPECT_EQ(test::ReadFileBytes(path), before);
}

TEST(Tool, MakeSampleBookIsDeterministic) {
  test::TempDir dir;
  ASSERT_EQ(Tool("make-sample-book " + Quote(dir / "a.dat")).status, 0);
  ASSERT_EQ(Tool("make-sample-book " + Quote(dir / "b.dat") + " --seed 1").status, 0);
  ASSERT_EQ(Tool("make-sample-book " + Quote(dir / "c.dat") + " --seed 2").status, 0);
  const std::string a = test::ReadFileBytes(dir / "a.dat");
  EXPECT_TRUE(a == test::ReadFileBytes(dir / "b.dat"));
  EXPECT_FALSE(a == test::ReadFileBytes(dir / "c.dat"));
  EXPECT_TRUE(a == test::SampleBookBytes());
  EXPECT_EQ(Tool("make-sample-book " + Quote(dir / "d.dat") + " --seed x").status, 1);
}

TEST(Tool, DefaultBookIsTheSampleBesideTheTool) {
  const ToolRun r = Tool("info");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("text version: 2.1"), std::string::npos);
}

class ToolDict : public ::testing::Test {
 protected:
  void SetUp() override {
    files = test::WriteDictionary(dir.path(), "small", test::SmallDictionaryEntries(), test::DataForm::Dictzip);
  }
  ToolRun Dict(const std::string& word) const {
    return Tool("dict " + word + " --index " + Quote(files.index) + " --data " + Quote(files.data));
  }
  test::TempDir dir;
  test::DictionaryFiles files;
};

TEST_F(ToolDict, PrintsEveryDefinitionOfTheWordWithABlankLineBetween) {
  const ToolRun r = Dict("Battle");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "battle‐ /bˈatəl/\nбоевой\n\nbattle /bætl/\n1. боевой\n2. битва, бой, борьба\n");
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(Dict("МИР").out, "мир\n1. world\n2. peace\n");
  EXPECT_EQ(Dict("'new york'").out, "New York\nНью-Йорк\n");
}

TEST_F(ToolDict, AWordTheDictionaryLacksPrintsNothingAndSaysSoWithStatus0) {
  const ToolRun r = Dict("zebra");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "В словаре нет слова «zebra»\n");
}

TEST_F(ToolDict, AMissingOrDamagedDictionaryGivesItsMessageAndStatus2) {
  std::filesystem::remove(files.data);
  ToolRun r = Dict("zoo");
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "Не удалось открыть словарь: нет файла " + files.data.string() + "\n");

  files = test::WriteDictionary(dir.path(), "small", test::SmallDictionaryEntries(), test::DataForm::Plain);
  test::WriteFileBytes(files.index, "zoo\tA\t?\n");
  r = Dict("zoo");
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err, "Файл словаря " + files.index.string() + " поврежден: неверное число в строке 1 указателя\n");
}

TEST_F(ToolDict, AnEntryPastTheEndPrintsTheRestAndTheMessageWithStatus2) {
  test::WriteFileBytes(files.index, test::ReadFileBytes(files.index) + "zoo\tBAAAA\tB\n");
  const ToolRun r = Dict("zoo");
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.out, "zoo /zˈuː/\nзоопарк\n");
  EXPECT_EQ(r.err, "Файл словаря " + files.data.string() + " поврежден: статья выходит за конец данных\n");
}

TEST_F(ToolDict, WrongArgumentsPrintUsageWithStatus1) {
  const std::vector<std::string> wrong = {"dict", "dict a b", "dict a --index " + Quote(files.index),
                                          "dict a --data " + Quote(files.data)};
  for (const std::string& args : wrong) {
    const ToolRun r = Tool(args);
    EXPECT_EQ(r.status, 1) << args;
    EXPECT_NE(r.err.find("dict WORD [--index FILE --data FILE]"), std::string::npos) << args;
  }
}

TEST(Tool, DictWithoutFilesReadsTheInstalledDictionaryOrSaysHowToInstallIt) {
  const ToolRun r = Tool("dict zoo");
  if (std::filesystem::exists("/usr/share/dictd/freedict-eng-rus.index") &&
      (std::filesystem::exists("/usr/share/dictd/freedict-eng-rus.dict.dz") ||
       std::filesystem::exists("/usr/share/dictd/freedict-eng-rus.dict"))) {
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "zoo /zˈuː/\nзоопарк\n");
  } else {
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("sudo apt install dict-freedict-eng-rus"), std::string::npos) << r.err;
  }
}

}  // namespace
}  // namespace orvelis
