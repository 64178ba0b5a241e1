#pragma once
// The Paper header bar and the page navigation bar of every page and contents document.

#include <string>

namespace orvelis {

class BookStore;

struct NavBarContext {
  const BookStore& book;
  int pane;                 // 0 first pane, other second; gives the language
  std::string userDataFolder;  // with trailing separator; IMG = folder + "1x1.gif"
  std::string selectedKey;  // the book tree's selected key, read by the contents variants
};

// paper 0..196, or -1 for a contents page; below -1 gives "".
std::string PaperHeaderBar(const NavBarContext& context, int paper);
// page 1..2097, or below 1 for a contents page.
std::string PageNavBar(const NavBarContext& context, int page, bool isTop);

}  // namespace orvelis
