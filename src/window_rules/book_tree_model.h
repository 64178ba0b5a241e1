#pragma once
// The nodes of the book tree for one language, in the order they are added: the title, the
// contents, the Foreword with its pages, then each Part with its Papers and their pages.

#include <string>
#include <vector>

#include "book/book_format.h"

namespace orvelis {

class BookStore;

struct BookTreeNode {
  std::string key;
  std::string parentKey;  // empty for the root "book"
  std::string text;
  std::string image;  // "book" or "doc"
};

std::vector<BookTreeNode> BookTreeNodes(const BookStore& book, Language language);

// The image of a node when it expands or collapses: leaves ("doc") never change.
std::string ExpandedImage(const std::string& image);
std::string CollapsedImage(const std::string& image);

// The parts selector's entries: "-- Вся книга --", then the Foreword and Parts I..IV named in
// the language.
std::vector<std::string> PartsSelectorEntries(Language language);

// "Книга (русский текст)", "Поиск (английский текст)", "Избранное"; empty for panel 0.
std::string LeftPanelCaption(int panel, Language language);

}  // namespace orvelis
