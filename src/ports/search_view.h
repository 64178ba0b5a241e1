#pragma once
// Port: the controls of the search panel that the search core drives.

#include <string>

namespace orvelis {

class SearchView {
 public:
  virtual ~SearchView() = default;
  // Refreshes wbSearch back to its empty document and writes `html` into it. The view keeps the
  // page (it may run to megabytes): callers hand it over.
  virtual void WriteSearchDocument(std::string html) = 0;
  // Lets the window paint once (the progress page must be visible during a long search).
  virtual void ProcessEvents() = 0;
  // Enabling keeps the check mark; disabling also clears it.
  virtual void SetSearchInFoundEnabled(bool enabled) = 0;
  virtual void SetResultCountText(const std::string& text) = 0;  // lblSearchres
  // Selects the whole text of txtSearch and gives it the focus.
  virtual void SelectAndFocusSearchBox() = 0;
};

// "Результаты (страниц: n)"
std::string ResultCountText(int pages);

}  // namespace orvelis
