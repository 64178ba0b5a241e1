#include "shell/platform/settings_writer.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

#include "ports/settings_store.h"

namespace orvelis {
namespace {

constexpr int kBurstDelayMs = 400;

}  // namespace

SettingsWriter::SettingsWriter(SettingsStore& store, std::function<void()> collect, QObject* parent)
    : QObject(parent), store_(store), collect_(std::move(collect)), burst_(new QTimer(this)) {
  burst_->setSingleShot(true);
  burst_->setInterval(kBurstDelayMs);
  connect(burst_, &QTimer::timeout, this, [this] {
    if (!changedSinceWrite_ || !active_) return;
    changedSinceWrite_ = false;
    Write();
  });
}

void SettingsWriter::WatchPlacement(QWidget* window) { window->installEventFilter(this); }

bool SettingsWriter::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type == QEvent::Move || type == QEvent::Resize || type == QEvent::WindowStateChange) Changed();
  return QObject::eventFilter(watched, event);
}

void SettingsWriter::Write() {
  collect_();
  store_.Flush();
}

void SettingsWriter::Changed() {
  if (!active_) return;
  if (burst_->isActive()) {
    changedSinceWrite_ = true;
    burst_->start();
    return;
  }
  WriteSoon();
}

void SettingsWriter::ChangedByCommand() {
  if (active_) WriteSoon();
}

void SettingsWriter::WriteSoon() {
  changedSinceWrite_ = false;
  burst_->start();
  QTimer::singleShot(0, this, [this] {
    if (active_) Write();
  });
}

void SettingsWriter::WriteNow() {
  burst_->stop();
  changedSinceWrite_ = false;
  Write();
}

}  // namespace orvelis
