#include "ui/book_tree_model.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "book/book_store.h"
#include "support/test_books.h"

namespace orvelis {
namespace {

TEST(BookTreeModel, EveryKeyOnceWithOneNodePerPage) {
  BookStore book;
  test::OpenTinyBook(book);
  const auto nodes = BookTreeNodes(book, kRussian);
  std::set<std::string> keys;
  int pages = 0;
  for (const auto& n : nodes) {
    EXPECT_TRUE(keys.insert(n.key).second) << n.key;
    if (n.key.rfind("page", 0) == 0) ++pages;
  }
  EXPECT_EQ(pages, 2097);
  EXPECT_EQ(nodes[0].key, "book");
  EXPECT_EQ(nodes[0].text, "Книга ОРВЕЛИС");
  EXPECT_EQ(nodes[2].text, "Названия Документов");
  EXPECT_EQ(nodes[6].text, "Содержание Части IV");
  EXPECT_EQ(nodes[7].key, "doc0");
  EXPECT_EQ(nodes[7].text, "RU PAPER TITLE 0");
  EXPECT_EQ(nodes[8].key, "page1");
  EXPECT_EQ(nodes[8].text, "Страница 1");
  EXPECT_EQ(nodes[8].image, "doc");
  std::map<std::string, BookTreeNode> byKey;
  for (const auto& n : nodes) byKey[n.key] = n;
  EXPECT_EQ(byKey["part1"].text, "I. ru part 1");
  EXPECT_EQ(byKey["doc1"].parentKey, "part1");
  EXPECT_EQ(byKey["doc1"].text, "1. RU PAPER TITLE 1");
  EXPECT_EQ(byKey["page19"].parentKey, "doc1");
  EXPECT_EQ(byKey["page649"].parentKey, "doc57");
  EXPECT_EQ(BookTreeNodes(book, kEnglish)[0].text, "The ORVELIS Book");
  EXPECT_EQ(BookTreeNodes(book, kEnglish)[8].text, "Page 1");
}

TEST(BookTreeModel, ImagesCaptionsAndPartsSelector) {
  EXPECT_EQ(ExpandedImage("book"), "book_open");
  EXPECT_EQ(ExpandedImage("doc"), "doc");
  EXPECT_EQ(CollapsedImage("book_open"), "book");
  EXPECT_EQ(PartsSelectorEntries(kEnglish),
            (std::vector<std::string>{"-- Вся книга --", "Foreword", "Part I", "Part II", "Part III", "Part IV"}));
  EXPECT_EQ(PartsSelectorEntries(kRussian)[5], "Часть IV");
  EXPECT_EQ(LeftPanelCaption(1, kRussian), "Книга (русский текст)");
  EXPECT_EQ(LeftPanelCaption(2, kEnglish), "Поиск (английский текст)");
  EXPECT_EQ(LeftPanelCaption(3, kEnglish), "Избранное");
}

}  // namespace
}  // namespace orvelis
