// The place on the page (the paragraph at the top of the first pane) survives a restart, a kill
// or a crash, and is kept over every re-composition of the page being read.

#include <QTimer>
#include <QVariant>

#include "shell/browser/browser_pane.h"
#include "shell/platform/qt_text.h"
#include "shell/reading/reading_area.h"

namespace orvelis {
namespace {

constexpr int kPositionDelayMs = 150;

// The last paragraph anchor at or above the top of the view, and how far the view is into it.
const char* const kReadPositionScript = R"js((function(){
  var b = document.body; if (!b) return '';
  var top = b.scrollTop || document.documentElement.scrollTop || 0;
  var as = document.getElementsByTagName('a'), best = null, next = null;
  for (var i = 0; i < as.length; i++) {
    if (!/^p[0-9]+$/.test(as[i].name)) continue;
    var t = as[i].getBoundingClientRect().top + top;
    if (t <= top + 1) best = {a: as[i], t: t}; else { next = t; break; }
  }
  if (!best) return 'top ' + Math.round(top);
  var end = next === null ? b.scrollHeight : next;
  return best.a.name + ' ' + (end > best.t ? Math.min(1, (top - best.t) / (end - best.t)) : 0);
})())js";

QString RestorePositionScript(const ReadingPosition& p) {
  if (p.anchor.empty()) return QStringLiteral("window.scrollTo(0, %1);").arg(p.offset);
  return QStringLiteral(R"js((function(){
  var b = document.body; if (!b) return;
  var top = b.scrollTop || document.documentElement.scrollTop || 0;
  var as = document.getElementsByTagName('a'), at = null, next = null;
  for (var i = 0; i < as.length; i++) {
    if (!/^p[0-9]+$/.test(as[i].name)) continue;
    var t = as[i].getBoundingClientRect().top + top;
    if (at !== null) { next = t; break; }
    if (as[i].name === '%1') at = t;
  }
  if (at === null) return;
  var end = next === null ? b.scrollHeight : next;
  window.scrollTo(0, at + (end - at) * %2);
})())js")
      .arg(Q(p.anchor))
      .arg(p.fraction, 0, 'f', 4);
}

}  // namespace

void ReadingArea::CreatePlaceKeeping() {
  positionTimer_ = new QTimer(this);
  positionTimer_->setSingleShot(true);
  positionTimer_->setInterval(kPositionDelayMs);
  connect(positionTimer_, &QTimer::timeout, this, &ReadingArea::ReadPosition);
  connect(wbWeb_[0], &BrowserPane::loaded, this, &ReadingArea::ApplyPendingPosition);
  // A page loaded again after its renderer died comes back where the reader was.
  connect(wbWeb_[0], &BrowserPane::reloadingAfterRendererDeath, this, [this] {
    if (!position_.AtTop()) pendingPosition_ = position_;
  });
}

void ReadingArea::PaneScrolled(int pane) {
  if (pane == 1 && wbWeb_[0]->IsLoaded() && !pendingPosition_) positionTimer_->start();
}

void ReadingArea::ReadPosition() {
  wbWeb_[0]->RunScript(QString::fromLatin1(kReadPositionScript), [this](const QVariant& text) {
    if (pendingPosition_) return;  // a newer document is on its way
    if (const auto position = ParseReadingPosition(S(text.toString()))) {
      if (!(*position == position_)) {
        position_ = *position;
        emit settingsChanged();
      }
    }
  });
}

void ReadingArea::ReshowCurrentTarget() {
  const std::string key = locator_->CurrentKey();
  if (key.empty()) return;
  KeepingPlace([&] { locator_->ShowTarget(key, true, "", -1); });
}

void ReadingArea::FirstPaneWritten() {
  if (keepPosition_) {
    if (!position_.AtTop()) pendingPosition_ = position_;
    return;
  }
  pendingPosition_.reset();
  if (!position_.AtTop()) {
    position_ = {};
    emit settingsChanged();
  }
}

void ReadingArea::ApplyPendingPosition() {
  if (!pendingPosition_) return;
  const ReadingPosition position = *pendingPosition_;
  pendingPosition_.reset();
  wbWeb_[0]->RunScript(RestorePositionScript(position));
}

}  // namespace orvelis
