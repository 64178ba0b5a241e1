#pragma once
// Port: what page composition and the page locator ask of the main window. The Qt window
// implements it with real browser panes and widgets; tests and the tool record the calls.

#include <string>

namespace orvelis {

enum class ReadingPane { Web1, Web2, Top1, Top2 };

// Commands whose availability the locator sets; each is a toolbar button with its menu items.
enum class NavCommand { Back, Forward, PrevPage, PrevDoc, NextPage, NextDoc };

class ReadingView {
 public:
  virtual ~ReadingView() = default;
  // Refreshes the pane back to its empty document, then writes `html` into it in one piece.
  virtual void WriteDocument(ReadingPane pane, const std::string& html) = 0;
  // Selects `key` in the book tree when it has that node; returns the key selected afterwards.
  virtual std::string SelectTreeKey(const std::string& key) = 0;
  virtual void SetCaption(const std::string& caption) = 0;
  // Sizes the pane's header strip to its "toptab" table (or hides it without fixed headers).
  virtual void FitHeaderStrip(int pane) = 0;
  // txtAdd1 (pane 0) or txtAdd2: what a favourite added from that pane is named after.
  virtual void SetLocationText(int pane, const std::string& text) = 0;
  virtual void SetCommandEnabled(NavCommand command, bool enabled) = 0;
};

}  // namespace orvelis
