#pragma once
// Writes the settings soon after they change, so a kill or a crash loses nothing: the first change
// of a quiet spell is written as soon as the command that made it has finished (a kill right after
// a click keeps it); further changes within the delay of each other are written once, when they
// stop (a splitter drag writes twice, not a hundred times), unless a command made them.

#include <QObject>
#include <functional>

class QTimer;
class QWidget;

namespace orvelis {

class SettingsStore;

class SettingsWriter final : public QObject {
  Q_OBJECT

 public:
  // `collect` puts the settings into the store; the writer then puts the store on disk.
  SettingsWriter(SettingsStore& store, std::function<void()> collect, QObject* parent);

  // A move, a resize or a change of state of `window` is a change of the settings too.
  void WatchPlacement(QWidget* window);

  // Nothing is written before the settings were read, nor after the last write at close.
  void SetActive(bool active) { active_ = active; }
  void Changed();
  // A change the reader asked for by a command (a layout, a language): written as soon as the
  // command has finished even inside a burst of other changes, so that a kill right after the
  // click keeps it whatever the window was doing just before.
  void ChangedByCommand();
  // The last write at close: whatever is pending is dropped, the write happens now.
  void WriteNow();

 private:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void Write();
  // Writes once the current command has finished and starts a burst.
  void WriteSoon();

  SettingsStore& store_;
  std::function<void()> collect_;
  QTimer* burst_;
  bool changedSinceWrite_ = false;
  bool active_ = false;
};

}  // namespace orvelis
