#pragma once
// The single entry for showing a target in the reading panes, with the back/forward history and
// the availability of the navigation commands.

#include <string>

#include "render/page_composer.h"

namespace orvelis {

class ReadingView;

inline constexpr int kLayoutOnePane = 20;
inline constexpr int kLayoutStacked = 21;
inline constexpr int kLayoutSideBySide = 22;
// One pane holding the page in both languages, paragraph beside paragraph.
inline constexpr int kLayoutParallel = 23;

class PageLocator final {
 public:
  PageLocator(PageComposer& composer, ReadingView& view);

  void ShowTarget(const std::string& key, bool noHistory, const HighlightRequest& highlight, int paragraph);
  void GoBack();
  void GoForward();
  void ResetHistory();

  void PushHistory(const std::string& key);
  // Composes `key` for one pane and writes it there, in the order the panes need: the second
  // pane's strip before its page, the first pane's page before its strip.
  void ShowInPane(const std::string& key, bool noHistory, const HighlightRequest& highlight, int pane, int paragraph);
  // Records `key` as the one shown and sets the navigation commands for it.
  void NodeShown(const std::string& key);
  void UpdateNavCommands();
  void SetBackEnabled(bool enabled);
  void SetForwardEnabled(bool enabled);

  int LayoutMode() const { return layoutMode_; }
  void SetLayoutMode(int mode) { layoutMode_ = mode; }

  const std::string& BackList() const { return backList_; }
  const std::string& ForwardList() const { return forwardList_; }
  const std::string& HistoryKey() const { return historyKey_; }
  const std::string& ShownKey() const { return shownKey_; }
  const std::string& CurrentKey() const { return currentKey_; }

 private:
  PageComposer& composer_;
  ReadingView& view_;
  int layoutMode_ = kLayoutOnePane;
  std::string backList_;
  std::string forwardList_;
  std::string historyKey_;
  std::string shownKey_;
  std::string currentKey_;
  std::string treeKey_;  // the book tree's selection once the target was selected in it
};

}  // namespace orvelis
