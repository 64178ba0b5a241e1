#pragma once
// Composes the document for one book-tree key in one pane (and, with fixed headers, its
// header-strip document). Pure: it reads the book and writes nothing; the page locator shows it.

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "book/book_format.h"

namespace orvelis {

class BookStore;
class RegexEngine;
class Stylesheet;

// What one composition produces; `pageHtml` and `stripHtml` are what the panes receive.
struct ComposedNode {
  std::string title;
  std::string pageHtml;
  std::string stripHtml;     // empty without fixed headers
  std::string locationText;  // txtAdd1/txtAdd2
};

// The kind of target a key names, as its first three characters decide.
struct KeyTarget {
  enum Kind { Page, Paper, Part, PartContents, AllTitles, Invalid } kind = Invalid;
  int number = 0;
};
KeyTarget ParseKey(const std::string& key);
// The page a "doc" or "part" key shows: its Paper's jump page (a Part shows its first Paper).
int JumpPageOf(const KeyTarget& target);

// The words to highlight on a page and the languages whose text gets them: a search in both
// languages marks each language's pane (or column) only where the words were found in it.
struct HighlightRequest {
  HighlightRequest(std::string text = {}, LanguageMask in = kAllLanguages) : query(std::move(text)), languages(in) {}
  HighlightRequest(const char* text) : query(text) {}
  bool In(Language lang) const { return !query.empty() && (languages & MaskOf(lang)) != 0; }
  std::string query;
  LanguageMask languages = kAllLanguages;
};

// Highlights the words of a query in a stored page's text; the search layer installs it.
using Highlighter = std::function<std::string(const std::string& text, const std::string& query, Language)>;

struct ComposerSettings {
  bool fixedHeaders = false;
  std::string userDataFolder;  // with trailing separator
};

class PageComposer {
 public:
  PageComposer(BookStore& book, RegexEngine& regex, const Stylesheet& stylesheet, const ComposerSettings& settings);

  void SetHighlighter(Highlighter highlighter) { highlighter_ = std::move(highlighter); }
  const ComposerSettings& Settings() const { return settings_; }
  const Stylesheet& Styles() const { return stylesheet_; }

  // The documents for a key; "doc" and "part" resolve to their page. `treeKey` is the book tree's
  // selected key, which names the contents page the bars of a contents page step from.
  //
  // `parallel` makes a page the parallel text: the first pane's language on the left, the other
  // language on the right, a row per paragraph (contents pages stay as they are).
  ComposedNode Compose(const std::string& key, const HighlightRequest& highlight, int pane, int paragraph,
                       const std::string& treeKey = {}, bool parallel = false);
  std::string PageBody(int page, const HighlightRequest& highlight, int pane, int paragraph);
  // The paragraph whose tooltip is `title` (" page:n [label:s:p] ", as pane `pane`'s page marks
  // it) in the language that pane does not show, marked as its page marks it, without its
  // anchor; empty when that language has no such paragraph.
  std::string Counterpart(const std::string& title, int pane = 0);
  // A favourite's fragment kept with its translation: the selected HTML, then a rule, then the
  // paragraphs the selection touches (by their tooltips, each once) in the other language, as
  // Counterpart gives them; the selection alone when none of them has a counterpart. It stays one
  // piece of HTML, so the favourites file holds it as it holds any fragment.
  std::string FragmentWithCounterparts(const std::string& selectedHtml, const std::vector<std::string>& paragraphTitles,
                                       int pane);
  // The page's paragraphs in both languages side by side, marked as PageBody marks them.
  std::string ParallelBody(int page, const HighlightRequest& highlight, int paragraph);

 private:
  BookStore& book_;
  RegexEngine& regex_;
  const Stylesheet& stylesheet_;
  const ComposerSettings& settings_;
  Highlighter highlighter_;
};

}  // namespace orvelis
