// The before-navigate handlers of the reading panes and strips, scroll synchronisation, and the
// focus that decides which pane drives it.

#include <QApplication>
#include <QTimer>

#include "ui/link_protocol.h"
#include "ui/window/browser_pane.h"
#include "ui/window/help_window.h"
#include "ui/window/main_window.h"

namespace orvelis {

// Links act after the browser's navigation callback has returned: showing a target reloads the
// very panes that asked.
bool MainWindow::OnReadingNavigation(int pane, const std::string& url) {
  const ReadingLinkAction action = ReadingPaneLinkAction(url, pane);
  switch (action.kind) {
    case ReadingLinkAction::Allow: return true;
    case ReadingLinkAction::Ignore: return false;
    case ReadingLinkAction::SyncScroll:
      PaneScrolled(pane);
      QTimer::singleShot(0, this, [this, pane] { SyncScrollFrom(pane); });
      return false;
    case ReadingLinkAction::Show:
      QTimer::singleShot(0, this, [this, key = action.key] { locator_.ShowTarget(key, false, "", -1); });
      return false;
  }
  return false;
}

bool MainWindow::OnStripNavigation(const std::string& url) {
  const ReadingLinkAction action = StripLinkAction(url);
  if (action.kind == ReadingLinkAction::Allow) return true;
  if (action.kind == ReadingLinkAction::Show) {
    QTimer::singleShot(0, this, [this, key = action.key] { locator_.ShowTarget(key, false, "", -1); });
  }
  return false;
}

// The pane the reader scrolls (wheel, keys or scroll bar, focused or not) drives the other. The
// scroll this makes in the other pane raises a scroll notice of its own, which is recognised and
// dropped, so the panes never chase each other: the other pane is marked as moved by us before
// the script runs (its notice may arrive before the script's answer), and the mark is taken back
// when the script reports that nothing moved.
void MainWindow::SyncScrollFrom(int source) {
  const int layout = locator_.LayoutMode();
  if ((layout != kLayoutStacked && layout != kLayoutSideBySide) || !syncScroll_) return;
  const std::size_t from = source == 1 ? 0 : 1;
  const std::size_t to = 1 - from;
  if (syncMoved_[from].isValid() && !syncMoved_[from].hasExpired(kSyncEchoMs)) return;  // our own scroll
  wbWeb_[from]->RunScript(
      QStringLiteral("document.body ? document.body.scrollTop / document.body.scrollHeight : 0"),
      [this, to](const QVariant& ratio) {
        syncMoved_[to].start();
        wbWeb_[to]->RunScript(QStringLiteral("(function(){if (!document.body) return false;"
                                             "var before = document.body.scrollTop;"
                                             "window.scrollTo(document.body.scrollLeft, document.body.scrollHeight * %1);"
                                             "return document.body.scrollTop != before;})()")
                                  .arg(ratio.toDouble(), 0, 'g', 17),
                              [this, to](const QVariant& moved) {
                                if (!moved.toBool()) syncMoved_[to].invalidate();
                              });
      });
}

// The focus flags of the panes: which browser the output commands act on (GetWebBrowser).
void MainWindow::OnFocusChanged(QWidget* now) {
  if (!now) return;
  const auto within = [now](QWidget* pane) { return pane == now || pane->isAncestorOf(now); };
  if (within(wbWeb_[0])) webFocus_ = 1;
  if (within(wbWeb_[1])) webFocus_ = 2;
  webSearchGotFocus_ = within(wbSearch_);
  webFavorGotFocus_ = within(wbFavWeb_);
  topStripFocused_ = within(wbTop_[0]) || within(wbTop_[1]);
  webRuleGotFocus_ = rulesWindow_ && within(rulesWindow_->Browser());
}

}  // namespace orvelis
