#include "navigation/page_locator.h"

#include "book/book_format.h"
#include "book/book_tables.h"
#include "book/book_key.h"
#include "ground/app_info.h"
#include "ports/reading_view.h"

namespace orvelis {

PageLocator::PageLocator(PageComposer& composer, ReadingView& view) : composer_(composer), view_(view) {}

void PageLocator::ShowTarget(const std::string& key, bool noHistory, const HighlightRequest& highlight, int paragraph) {
  treeKey_ = view_.SelectTreeKey(key);
  ShowInPane(key, noHistory, highlight, 0, paragraph);
  if (layoutMode_ == kLayoutStacked || layoutMode_ == kLayoutSideBySide) {
    ShowInPane(key, true, highlight, 1, paragraph);
  }
}

void PageLocator::ShowInPane(const std::string& key, bool noHistory, const HighlightRequest& highlight, int pane,
                             int paragraph) {
  if (!noHistory) PushHistory(key);
  const KeyTarget target = ParseKey(key);
  if (target.kind == KeyTarget::Invalid) return;
  // A Paper or a Part is shown as its jump page, which is what the page commands then step from.
  const std::string shown =
      target.kind == KeyTarget::Paper || target.kind == KeyTarget::Part
          ? FormatBookKey({BookKeyKind::Page, JumpPageOf(target)})
          : key;
  const bool jumped = shown != key;
  view_.SetCaption(ApplicationTitle());
  const ComposedNode node = composer_.Compose(shown, jumped ? HighlightRequest() : highlight, pane, jumped ? -1 : paragraph, treeKey_,
                                              layoutMode_ == kLayoutParallel);
  const bool fixedHeaders = composer_.Settings().fixedHeaders;
  if (pane != 0) {
    if (fixedHeaders) view_.WriteDocument(ReadingPane::Top2, node.stripHtml);
    view_.WriteDocument(ReadingPane::Web2, node.pageHtml);
  } else {
    view_.WriteDocument(ReadingPane::Web1, node.pageHtml);
    if (fixedHeaders) view_.WriteDocument(ReadingPane::Top1, node.stripHtml);
  }
  view_.FitHeaderStrip(pane);
  NodeShown(shown);
  view_.SetLocationText(pane, node.locationText);
}

void PageLocator::ResetHistory() {
  backList_.clear();
  forwardList_.clear();
  historyKey_.clear();
  shownKey_.clear();
}

void PageLocator::PushHistory(const std::string& key) {
  if (!historyKey_.empty()) backList_ += "," + historyKey_;
  historyKey_ = key;
  shownKey_ = key;
  SetBackEnabled(true);
}

void PageLocator::GoBack() {
  if (const auto comma = backList_.rfind(','); comma != std::string::npos) {
    const std::string key = backList_.substr(comma + 1);
    backList_.erase(comma);
    if (!shownKey_.empty()) {
      forwardList_ += "," + shownKey_;
      SetForwardEnabled(true);
    }
    shownKey_ = key;
    ShowTarget(key, true, "", -1);
  }
  if (backList_.empty()) SetBackEnabled(false);
}

void PageLocator::GoForward() {
  if (const auto comma = forwardList_.rfind(','); comma != std::string::npos) {
    const std::string key = forwardList_.substr(comma + 1);
    forwardList_.erase(comma);
    ShowTarget(key, false, "", -1);
  }
  if (forwardList_.empty()) SetForwardEnabled(false);
}

void PageLocator::NodeShown(const std::string& key) {
  currentKey_ = key;
  UpdateNavCommands();
}

void PageLocator::UpdateNavCommands() {
  // Nothing comes before the book's title and the contents folder; every other key, even one the
  // composer would refuse, has something before it.
  const auto shown = ParseBookKey(currentKey_);
  const bool previous = !shown || (shown->kind != BookKeyKind::Book && shown->kind != BookKeyKind::Contents);
  view_.SetCommandEnabled(NavCommand::PrevPage, previous);
  view_.SetCommandEnabled(NavCommand::PrevDoc, previous);
  const auto page = ParseBookKey(currentKey_, kShownPageSyntax);
  if (!page) return;  // a contents page keeps the page commands as they were
  const int n = page->number;
  const BookTables& t = FillBookTables();
  view_.SetCommandEnabled(NavCommand::NextPage, n != t.LastPage[kPaperCount - 1]);
  view_.SetCommandEnabled(NavCommand::NextDoc, !(n > t.LastPage[kPaperCount - 2]));
}

void PageLocator::SetBackEnabled(bool enabled) { view_.SetCommandEnabled(NavCommand::Back, enabled); }
void PageLocator::SetForwardEnabled(bool enabled) { view_.SetCommandEnabled(NavCommand::Forward, enabled); }

}  // namespace orvelis
