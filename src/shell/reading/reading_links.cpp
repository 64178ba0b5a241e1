// The links inside the reading panes and strips, and the focus between the panes.

#include <QMetaObject>
#include <QTimer>
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
