// The links inside the reading panes and strips, scroll synchronisation, and the focus that
// decides which pane drives it.

#include <QMetaObject>
#include <QTimer>
#include <QVariantList>
#include <QWidget>

#include "navigation/link_protocol.h"
#include "shell/browser/browser_pane.h"
#include "shell/reading/reading_area.h"

namespace orvelis {

// Links act after the browser's navigation callback has returned: showing a target reloads the
// very panes that asked.
void ReadingArea::ShowLater(const std::string& key) {
  QTimer::singleShot(0, this, [this, key] { locator_->ShowTarget(key, false, "", -1); });
}

bool ReadingArea::OnReadingNavigation(int pane, const std::string& url) {
  const ReadingLinkAction action = ReadingPaneLinkAction(url, pane);
  switch (action.kind) {
    case ReadingLinkAction::Allow: return true;
    case ReadingLinkAction::Ignore: return false;
    case ReadingLinkAction::SyncScroll:
      PaneScrolled(pane);
      QTimer::singleShot(0, this, [this, pane] { SyncScrollFrom(pane); });
      return false;
    case ReadingLinkAction::Show: ShowLater(action.key); return false;
  }
  return false;
}

bool ReadingArea::OnStripNavigation(const std::string& url) {
  const ReadingLinkAction action = StripLinkAction(url);
  if (action.kind == ReadingLinkAction::Allow) return true;
  if (action.kind == ReadingLinkAction::Show) ShowLater(action.key);
  return false;
}

void ReadingArea::LineUpPanes() {
  webFocus_ = 1;
  SyncScrollFrom(1);
}

// The pane the reader scrolls (wheel, keys or scroll bar, focused or not) drives the other. The
// scrolls this makes in the other pane raise scroll notices of their own. A notice is read as the
// pane's position when it is handled, so several notices of a burst (a smooth wheel scroll driving
// the other pane step by step) may all read the last position synchronisation left there: that
// position is kept, not used up, and any notice that finds the pane still at it is dropped. The
// reader moving that pane moves it elsewhere, so the panes never chase each other.
void ReadingArea::SyncScrollFrom(int source) {
  const int layout = locator_->LayoutMode();
  if ((layout != kLayoutStacked && layout != kLayoutSideBySide) || !syncScroll_) return;
  const std::size_t from = source == 1 ? 0 : 1;
  const std::size_t to = 1 - from;
  wbWeb_[from]->RunScript(
      QStringLiteral("document.body ? [document.body.scrollTop, document.body.scrollTop / document.body.scrollHeight]"
                     " : [0, 0]"),
      [this, from, to](const QVariant& answer) {
        const QVariantList values = answer.toList();
        if (values.size() != 2) return;
        if (syncEchoTop_[from] == values[0].toInt()) return;  // still where synchronisation put it
        wbWeb_[to]->RunScript(QStringLiteral("(function(){if (!document.body) return -1;"
                                             "var before = document.body.scrollTop;"
                                             "window.scrollTo(document.body.scrollLeft, document.body.scrollHeight * %1);"
                                             "return document.body.scrollTop != before ? document.body.scrollTop : -1;})()")
                                  .arg(values[1].toDouble(), 0, 'g', 17),
                              [this, to](const QVariant& top) {
                                if (top.toInt() >= 0) syncEchoTop_[to] = top.toInt();
                              });
      });
}

void ReadingArea::FocusChanged(QWidget* now) {
  if (!now) return;
  const auto within = [now](QWidget* pane) { return pane == now || pane->isAncestorOf(now); };
  if (within(wbWeb_[0])) webFocus_ = 1;
  if (within(wbWeb_[1])) webFocus_ = 2;
  topStripFocused_ = within(wbTop_[0]) || within(wbTop_[1]);
}

void ReadingArea::ScrollParagraphIntoView(int paragraph) {
  BrowserPane* pane = wbWeb_[0];
  const QString script =
      QStringLiteral("(function(){var e=document.getElementsByName('p%1')[0];if(e)e.scrollIntoView(true);})()")
          .arg(paragraph);
  if (pane->IsLoaded()) {
    pane->RunScript(script);
    return;
  }
  auto* once = new QMetaObject::Connection;
  *once = connect(pane, &BrowserPane::loaded, this, [pane, script, once] {
    QObject::disconnect(*once);
    delete once;
    pane->RunScript(script);
  });
}

}  // namespace orvelis
