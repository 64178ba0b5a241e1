#include "window_rules/book_tree_model.h"

#include <gtest/gtest.h>

#include "book/book_store.h"
#include "support/fixtures.h"
#include "support/test_books.h"

namespace orvelis {
namespace {

// The tree as tests/fixtures/book_tree.txt writes it: one line per node, and one line for each
// run of pages numbered one after another under the same parent whose texts differ only by
// that number. A missing, repeated or misplaced page breaks its run into extra lines.
std::string Outline(const std::vector<BookTreeNode>& nodes) {
  const auto pageNumber = [](const std::string& key) {
    if (key.rfind("page", 0) != 0 || key.size() == 4) return -1;
    for (std::size_t i = 4; i < key.size(); ++i) {
      if (key[i] < '0' || key[i] > '9') return -1;
    }
    return std::stoi(key.substr(4));
  };
  const auto line = [](const BookTreeNode& n) {
    return (n.parentKey.empty() ? n.key : n.key + " < " + n.parentKey) + " [" + n.image + "] ";
  };
  std::string text;
  std::size_t i = 0;
  while (i < nodes.size()) {
    const BookTreeNode& first = nodes[i];
    const int number = pageNumber(first.key);
    const std::string digits = std::to_string(number);
    const bool endsInNumber = first.text.size() >= digits.size() &&
                              first.text.compare(first.text.size() - digits.size(), digits.size(), digits) == 0;
    const std::string prefix = first.text.substr(0, first.text.size() - digits.size());
    std::size_t end = i + 1;
    while (number > 0 && endsInNumber && end < nodes.size()) {
      const BookTreeNode& next = nodes[end];
      const int expected = number + static_cast<int>(end - i);
      if (pageNumber(next.key) != expected || next.parentKey != first.parentKey || next.image != first.image ||
          next.text != prefix + std::to_string(expected)) {
        break;
      }
      ++end;
    }
    if (end == i + 1) {
      text += line(first) + first.text + "\n";
    } else {
      const BookTreeNode& last = nodes[end - 1];
      text += first.key + ".." + line(last) + first.text + ".." + last.text + "\n";
    }
    i = end;
  }
  return text;
}

class BookTree : public ::testing::Test {
 protected:
  void SetUp() override { test::OpenTinyBook(book); }
  BookStore book;
  const std::map<std::string, std::string> expected = test::FixtureCases("book_tree.txt");
};

TEST_F(BookTree, EveryNodeInOrderWithOneNodePerPageInEitherLanguage) {
  EXPECT_EQ(Outline(BookTreeNodes(book, kRussian)), expected.at("Russian"));
  EXPECT_EQ(Outline(BookTreeNodes(book, kEnglish)), expected.at("English"));
}

TEST(BookTreeModel, ImagesCaptionsAndPartsSelector) {
  EXPECT_EQ(ExpandedImage("book"), "book_open");
  EXPECT_EQ(ExpandedImage("doc"), "doc");
  EXPECT_EQ(CollapsedImage("book_open"), "book");
  EXPECT_EQ(CollapsedImage("doc"), "doc");
  EXPECT_EQ(PartsSelectorEntries(kEnglish),
            (std::vector<std::string>{"-- Вся книга --", "Foreword", "Part I", "Part II", "Part III", "Part IV"}));
  EXPECT_EQ(PartsSelectorEntries(kRussian), (std::vector<std::string>{"-- Вся книга --", "Предисловие", "Часть I",
                                                                      "Часть II", "Часть III", "Часть IV"}));
  EXPECT_EQ(LeftPanelCaption(1, kRussian), "Книга (русский текст)");
  EXPECT_EQ(LeftPanelCaption(2, kEnglish), "Поиск (английский текст)");
  EXPECT_EQ(LeftPanelCaption(3, kEnglish), "Избранное");
  EXPECT_EQ(LeftPanelCaption(0, kEnglish), "");
}

}  // namespace
}  // namespace orvelis
