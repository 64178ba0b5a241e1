#pragma once
// Composes the document for one book-tree key in one pane and writes it (and, with fixed headers,
// the header-strip document) through the ReadingView port.

#include <functional>
#include <string>

#include "book/book_format.h"

namespace orvelis {

class BookStore;
class RegexEngine;
class ReadingView;
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

// Highlights the words of a query in a stored page's text; the search layer installs it.
using Highlighter = std::function<std::string(const std::string& text, const std::string& query, Language)>;

// Callbacks into the page locator, which owns the history and the current key.
class ComposeHooks {
 public:
  virtual ~ComposeHooks() = default;
  virtual void PushHistory(const std::string& key) = 0;
  virtual void NodeComposed(const std::string& key) = 0;
};

struct ComposerSettings {
  bool fixedHeaders = false;
  std::string userDataFolder;  // with trailing separator
};

class PageComposer {
 public:
  PageComposer(BookStore& book, RegexEngine& regex, const Stylesheet& stylesheet, ReadingView& view,
               const ComposerSettings& settings);

  void SetHooks(ComposeHooks* hooks) { hooks_ = hooks; }
  void SetHighlighter(Highlighter highlighter) { highlighter_ = std::move(highlighter); }

  void ComposeNode(const std::string& key, bool noHistory, const std::string& highlight, int pane, int paragraph);

  // The documents for a key without writing anything; "doc" and "part" resolve to their page.
  ComposedNode Compose(const std::string& key, const std::string& highlight, int pane, int paragraph);
  std::string PageBody(int page, const std::string& highlight, int pane, int paragraph);

 private:
  BookStore& book_;
  RegexEngine& regex_;
  const Stylesheet& stylesheet_;
  ReadingView& view_;
  const ComposerSettings& settings_;
  ComposeHooks* hooks_ = nullptr;
  Highlighter highlighter_;
};

}  // namespace orvelis
