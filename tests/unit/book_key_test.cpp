// Every reader of a book key side by side: the composer (stored keys), the reading-pane links, the
// search-result links, the go-to/next-page number of the shown key and the locator's command
// availability. Each row is what the reader does with that text; the odd rows are the leniencies
// and refusals that keys in old settings, favourites and history rely on.

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>

#include "book/book_store.h"
#include "book/book_key.h"
#include "reader/headless_reader.h"
#include "render/page_composer.h"
#include "navigation/link_protocol.h"
#include "navigation/navigation_rules.h"

namespace orvelis {
namespace {

std::string Stored(const std::string& key) {
  const KeyTarget t = ParseKey(key);
  switch (t.kind) {
    case KeyTarget::Page: return "page " + std::to_string(t.number);
    case KeyTarget::Paper: return "paper " + std::to_string(t.number);
    case KeyTarget::Part: return "part " + std::to_string(t.number);
    case KeyTarget::PartContents: return "contents " + std::to_string(t.number);
    case KeyTarget::AllTitles: return t.number == 0 ? "titles" : "titles?";
    case KeyTarget::Invalid: break;
  }
  return "-";
}

std::string Link(const std::string& body) { return KeyOfLinkBody(body).value_or("-"); }

std::string SearchLink(const std::string& body) {
  const SearchLinkAction a = SearchPaneLinkAction("orvelis://doc/2/@" + body);
  std::string shown;
  switch (a.kind) {
    case SearchLinkAction::ShowPaper: shown = "paper " + a.key; break;
    case SearchLinkAction::ShowPage: shown = "page " + a.key; break;
    case SearchLinkAction::Ignore: shown = a.key.empty() ? "-" : "-?"; break;
    default: shown = "flip?"; break;
  }
  if (a.paragraph != -1 || a.scrollToParagraph) shown += " #" + std::to_string(a.paragraph);
  return shown;
}

struct Row {
  const char* key;
  const char* stored;      // what the composer shows
  const char* link;        // the key a reading-pane link "@<key>" shows
  const char* searchLink;  // what a search-result link "@<key>" does
  int currentPage;         // the page next/previous count from while this key is shown
  bool previous;           // previous page/Paper available while it is shown
  const char* pageCommands;  // next page/Paper availability: "kept" when the key names no page
};

// clang-format off
const Row kRows[] = {
  // key          stored          link          search link          page   prev   page commands
  // the tree's own keys
  {"book",        "titles",       "-",          "-",                 0,     false, "kept"},
  {"cont",        "titles",       "cont",       "-",                 0,     false, "kept"},
  {"cont0",       "titles",       "cont0",      "-",                 0,     true,  "kept"},
  {"cont3",       "contents 3",   "cont3",      "-",                 0,     true,  "kept"},
  {"cont4",       "contents 4",   "cont4",      "-",                 0,     true,  "kept"},
  {"part1",       "part 1",       "-",          "-",                 0,     true,  "kept"},
  {"part4",       "part 4",       "-",          "-",                 0,     true,  "kept"},
  {"doc0",        "paper 0",      "doc0",       "paper doc0",        0,     true,  "kept"},
  {"doc196",      "paper 196",    "doc196",     "paper doc196",      0,     true,  "kept"},
  {"page1",       "page 1",       "page1",      "page page1",        1,     true,  "next+paper"},
  {"page2086",    "page 2086",    "page2086",   "page page2086",     2086,  true,  "next+paper"},
  {"page2087",    "page 2087",    "page2087",   "page page2087",     2087,  true,  "next"},
  {"page2097",    "page 2097",    "page2097",   "page page2097",     2097,  true,  "none"},
  // numbers: leading zeros vanish everywhere; the book's limits bind stored keys only
  {"page007",     "page 7",       "page7",      "page page7",        7,     true,  "next+paper"},
  {"doc007",      "paper 7",      "doc7",       "paper doc7",        0,     true,  "kept"},
  {"page0",       "-",            "-",          "paper doc0",        0,     true,  "next+paper"},
  {"page2098",    "-",            "page2098",   "page page2098",     2098,  true,  "next"},
  {"page32767",   "-",            "page32767",  "page page32767",    32767, true,  "next"},
  {"page32768",   "-",            "-",          "-",                 32768, true,  "next"},
  {"page-3",      "-",            "-",          "paper doc0",        -3,    true,  "next+paper"},
  {"doc197",      "-",            "doc197",     "paper doc197",      0,     true,  "kept"},
  {"doc-1",       "paper -1",     "-",          "paper doc-1",       0,     true,  "kept"},
  {"doc-0",       "paper 0",      "doc0",       "paper doc0",        0,     true,  "kept"},
  {"doc-40000",   "paper -40000", "-",          "-",                 0,     true,  "kept"},
  {"part0",       "part 0",       "-",          "-",                 0,     true,  "kept"},
  {"part-2",      "part -2",      "-",          "-",                 0,     true,  "kept"},
  {"part5",       "-",            "-",          "-",                 0,     true,  "kept"},
  // no number, or not only a number
  {"page",        "-",            "-",          "-",                 0,     true,  "kept"},
  {"pageX",       "-",            "-",          "-",                 0,     true,  "kept"},
  {"page12abc",   "-",            "-",          "-",                 12,    true,  "next+paper"},
  {"page+5",      "-",            "-",          "-",                 0,     true,  "kept"},
  {"page 5",      "-",            "-",          "-",                 0,     true,  "kept"},
  {"doc",         "-",            "-",          "-",                 0,     true,  "kept"},
  {"docx",        "-",            "-",          "-",                 0,     true,  "kept"},
  {"doc5#3",      "-",            "-",          "-",                 0,     true,  "kept"},
  // stored keys are known by their first three letters; "page" and "part" skip the fourth
  {"pagX12",      "page 12",      "-",          "-",                 0,     true,  "kept"},
  {"pag512",      "page 12",      "-",          "-",                 0,     true,  "kept"},
  {"pagE12",      "page 12",      "-",          "-",                 12,    true,  "next+paper"},
  {"PAGE12",      "-",            "-",          "-",                 12,    true,  "next+paper"},
  {"parX3",       "part 3",       "-",          "-",                 0,     true,  "kept"},
  // contents: a stored key's last character picks the Part, anything else the titles
  {"cont9",       "contents 9",   "-",          "-",                 0,     true,  "kept"},
  {"cont12",      "contents 2",   "-",          "-",                 0,     true,  "kept"},
  {"cont03",      "contents 3",   "-",          "-",                 0,     true,  "kept"},
  {"book5",       "contents 5",   "-",          "-",                 0,     true,  "kept"},
  {"contX",       "titles",       "-",          "-",                 0,     true,  "kept"},
  {"con",         "titles",       "-",          "-",                 0,     true,  "kept"},
  {"boo",         "titles",       "-",          "-",                 0,     true,  "kept"},
  {"bookX",       "titles",       "-",          "-",                 0,     true,  "kept"},
  // nothing at all
  {"",            "-",            "-",          "-",                 0,     true,  "kept"},
  {"p",           "-",            "-",          "-",                 0,     true,  "kept"},
  {"x",           "-",            "-",          "-",                 0,     true,  "kept"},
};
// clang-format on

class BookKeyReaders : public ::testing::Test {
 protected:
  // What the locator makes of the key it was told is shown: previous available, and the next
  // page/Paper commands ("kept" when it leaves them as they were).
  std::pair<bool, std::string> LocatorCommands(const std::string& key) {
    view.commandEnabled.clear();
    locator.NodeShown(key);
    std::string commands = "kept";
    if (view.commandEnabled.count(NavCommand::NextPage) != 0) {
      const bool next = view.Enabled(NavCommand::NextPage);
      const bool paper = view.Enabled(NavCommand::NextDoc);
      commands = next && paper ? "next+paper" : next ? "next" : paper ? "paper" : "none";
    }
    return {view.Enabled(NavCommand::PrevPage), commands};
  }

  BookStore book;
  HeadlessReader reader{book, "/u/"};
  RecordingReadingView& view = reader.reading;
  PageLocator& locator = reader.core.Locator();
};

TEST_F(BookKeyReaders, EachReaderKeepsItsLeniencies) {
  for (const Row& row : kRows) {
    SCOPED_TRACE(std::string("key \"") + row.key + "\"");
    EXPECT_EQ(Stored(row.key), row.stored);
    EXPECT_EQ(Link(row.key), row.link);
    EXPECT_EQ(SearchLink(row.key), row.searchLink);
    EXPECT_EQ(CurrentPageNumber(row.key), row.currentPage);
    const auto [previous, commands] = LocatorCommands(row.key);
    EXPECT_EQ(previous, row.previous);
    EXPECT_EQ(commands, row.pageCommands);
  }
}

TEST(BookKeySearchLinks, AParagraphMarkBelongsToPageLinksOnly) {
  EXPECT_EQ(SearchLink("page12#3"), "page page12 #3");
  EXPECT_EQ(SearchLink("page12#x"), "page page12 #-1");   // scrolls, to no paragraph
  EXPECT_EQ(SearchLink("page0#2"), "paper doc0 #2");      // page 0 is the Foreword, mark kept
  EXPECT_EQ(SearchLink("page#3"), "-");
  EXPECT_EQ(SearchLink("page99999#3"), "-");
  EXPECT_EQ(SearchLink("doc5#3"), "-");
}

std::string Normalised(std::string_view text, const KeySyntax& syntax = kStoredKeySyntax) {
  const auto key = ParseBookKey(text, syntax);
  return key ? FormatBookKey(*key) : "-";
}

TEST(BookKey, TheTreesKeysReadBackAsWritten) {
  for (const char* key : {"book", "cont", "cont0", "cont1", "cont4", "part1", "part4", "doc0", "doc196", "page1",
                          "page2097"}) {
    EXPECT_EQ(Normalised(key), key);
  }
  EXPECT_EQ(ParseBookKey("book"), (BookKey{BookKeyKind::Book, 0}));
  EXPECT_EQ(ParseBookKey("cont"), (BookKey{BookKeyKind::Contents, 0}));
  EXPECT_EQ(ParseBookKey("cont0"), (BookKey{BookKeyKind::PartContents, 0}));
  EXPECT_EQ(ParseBookKey("part2"), (BookKey{BookKeyKind::Part, 2}));
  EXPECT_EQ(ParseBookKey("doc7"), (BookKey{BookKeyKind::Paper, 7}));
  EXPECT_EQ(ParseBookKey("page12"), (BookKey{BookKeyKind::Page, 12}));
}

TEST(BookKey, LooseStoredKeysReadAsTheKeyTheyMean) {
  EXPECT_EQ(Normalised("pagX12"), "page12");
  EXPECT_EQ(Normalised("page007"), "page7");
  EXPECT_EQ(Normalised("parX3"), "part3");
  EXPECT_EQ(Normalised("book5"), "cont5");
  EXPECT_EQ(Normalised("cont12"), "cont2");
  // Only the exact "book" and "cont" are the root and the folder; other titles keys are "cont0".
  EXPECT_EQ(Normalised("bookX"), "cont0");
  EXPECT_EQ(Normalised("con"), "cont0");
  EXPECT_EQ(Normalised("doc-1"), "doc-1");
}

TEST(BookKey, LinkSyntaxesReadOnlyTheirOwnWords) {
  EXPECT_EQ(Normalised("part2", kReadingLinkSyntax), "-");
  EXPECT_EQ(Normalised("book", kReadingLinkSyntax), "-");
  EXPECT_EQ(Normalised("cont", kSearchLinkSyntax), "-");
  EXPECT_EQ(Normalised("doc-1", kSearchLinkSyntax), "doc-1");
  EXPECT_EQ(Normalised("page12", kShownPageSyntax), "page12");
  EXPECT_EQ(Normalised("doc12", kShownPageSyntax), "-");
}

}  // namespace
}  // namespace orvelis
