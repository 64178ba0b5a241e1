// What the reader leaves behind survives a restart, a kill or a crash: settings are written as soon
// as the command that changed them is done (and once more after a burst of changes, such as a
// splitter drag), and the place on the page (the paragraph at the top of the first pane) is kept
// over every re-composition.

#include <QTimer>

#include "ports/settings_store.h"
#include "shell/browser/browser_pane.h"
#include "shell/window/main_window.h"
#include "shell/platform/qt_text.h"

namespace orvelis {
namespace {

constexpr int kSettingsDelayMs = 400;
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

void MainWindow::CreatePersistenceTimers() {
  settingsTimer_ = new QTimer(this);
  settingsTimer_->setSingleShot(true);
  settingsTimer_->setInterval(kSettingsDelayMs);
  connect(settingsTimer_, &QTimer::timeout, this, [this] {
    if (!settingsChangedSinceWrite_) return;
    settingsChangedSinceWrite_ = false;
    WriteSettingsNow();
  });
  positionTimer_ = new QTimer(this);
  positionTimer_->setSingleShot(true);
  positionTimer_->setInterval(kPositionDelayMs);
  connect(positionTimer_, &QTimer::timeout, this, &MainWindow::ReadPosition);
  connect(wbWeb_[0], &BrowserPane::loaded, this, &MainWindow::ApplyPendingPosition);
  // A page loaded again after its renderer died comes back where the reader was.
  connect(wbWeb_[0], &BrowserPane::reloadingAfterRendererDeath, this, [this] {
    if (!readingPosition_.AtTop()) pendingPosition_ = readingPosition_;
  });
}

// The first change of a quiet spell is written once the command that made it has finished (a kill
// right after a click keeps it); further changes within kSettingsDelayMs of each other are written
// once, when they stop.
void MainWindow::SettingsChanged() {
  if (!settingsLoaded_) return;
  if (settingsTimer_->isActive()) {
    settingsChangedSinceWrite_ = true;
    settingsTimer_->start();
    return;
  }
  settingsChangedSinceWrite_ = false;
  settingsTimer_->start();
  QTimer::singleShot(0, this, &MainWindow::WriteSettingsNow);
}

void MainWindow::WriteSettingsNow() {
  SaveSettings();
  settings_.Flush();
}

void MainWindow::PaneScrolled(int pane) {
  if (pane == 1 && wbWeb_[0]->IsLoaded() && !pendingPosition_) positionTimer_->start();
}

void MainWindow::ReadPosition() {
  wbWeb_[0]->RunScript(QString::fromLatin1(kReadPositionScript), [this](const QVariant& text) {
    if (pendingPosition_) return;  // a newer document is on its way
    if (const auto position = ParseReadingPosition(S(text.toString()))) {
      if (!(*position == readingPosition_)) {
        readingPosition_ = *position;
        SettingsChanged();
      }
    }
  });
}

// Every command that shows the page being read again (layout, language, fonts, headers) keeps
// the reader's place on it.
void MainWindow::ReshowCurrentTarget() {
  const std::string key = locator_.CurrentKey();
  if (key.empty()) return;
  keepPosition_ = true;
  locator_.ShowTarget(key, true, "", -1);
  keepPosition_ = false;
}

void MainWindow::FirstPaneWritten() {
  if (keepPosition_) {
    if (!readingPosition_.AtTop()) pendingPosition_ = readingPosition_;
    return;
  }
  pendingPosition_.reset();
  if (!readingPosition_.AtTop()) {
    readingPosition_ = {};
    SettingsChanged();
  }
}

void MainWindow::ApplyPendingPosition() {
  if (!pendingPosition_) return;
  const ReadingPosition position = *pendingPosition_;
  pendingPosition_.reset();
  wbWeb_[0]->RunScript(RestorePositionScript(position));
}

}  // namespace orvelis
