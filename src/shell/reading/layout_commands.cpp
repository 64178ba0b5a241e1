#include "shell/reading/layout_commands.h"

#include <QAction>

#include "shell/reading/reading_area.h"
#include "shell/window/window_commands.h"

namespace orvelis {

LayoutCommands::LayoutCommands(WindowCommands& commands, ReadingArea& reading, ComposerSettings& composerSettings,
                               QObject* parent)
    : QObject(parent), commands_(commands), reading_(reading), composerSettings_(composerSettings) {
  const auto on = [this](QAction* action, auto handler) { connect(action, &QAction::triggered, this, handler); };
  on(commands.Action(Cmd::OnePane), [this] { SetLayout(kLayoutOnePane, false); });
  on(commands.Action(Cmd::Stacked), [this] { SetLayout(kLayoutStacked, false); });
  on(commands.Action(Cmd::SideBySide), [this] { SetLayout(kLayoutSideBySide, false); });
  on(commands.Action(Cmd::SyncScroll), [this] { ToggleSyncScroll(); });
  on(commands.FixHeaders(), [this] { ToggleFixedHeaders(); });
  on(commands.SyncByParagraph(), [this] { ToggleSyncByParagraph(); });
  on(commands.ParallelText(), [this] { SetLayout(kLayoutParallel, false); });
}

void LayoutCommands::Restore(const ReadingSettings& settings) {
  reading_.SetSyncByParagraph(settings.syncByParagraph);
  commands_.SyncByParagraph()->setChecked(settings.syncByParagraph);
  commands_.FixHeaders()->setChecked(composerSettings_.fixedHeaders);
  reading_.SetSyncScroll(settings.syncScroll);
  commands_.Action(Cmd::SyncScroll)->setChecked(settings.syncScroll);
  SetLayout(settings.layoutMode, true);
}

// A second pane, or the parallel text, shows the page being read at once; going from two panes
// back to one leaves the first as it is.
void LayoutCommands::SetLayout(int mode, bool atStartup) {
  PageLocator& locator = reading_.Locator();
  if (mode != locator.LayoutMode()) {
    const bool wasParallel = locator.LayoutMode() == kLayoutParallel;
    locator.SetLayoutMode(mode);
    if (mode != kLayoutOnePane || wasParallel) reading_.ReshowCurrentTarget();
  }
  const bool twoPanes = mode == kLayoutStacked || mode == kLayoutSideBySide;
  commands_.Action(Cmd::OnePane)->setChecked(mode == kLayoutOnePane);
  commands_.Action(Cmd::Stacked)->setChecked(mode == kLayoutStacked);
  commands_.Action(Cmd::SideBySide)->setChecked(mode == kLayoutSideBySide);
  commands_.ParallelText()->setChecked(mode == kLayoutParallel);
  commands_.Action(Cmd::SyncScroll)->setEnabled(twoPanes);
  commands_.SyncByParagraph()->setEnabled(twoPanes);
  if (!atStartup) emit relayoutWanted();
  emit settingsChanged();
}

void LayoutCommands::ToggleSyncScroll() {
  reading_.SetSyncScroll(!reading_.SyncScroll());
  commands_.Action(Cmd::SyncScroll)->setChecked(reading_.SyncScroll());
  reading_.LineUpPanes();
  emit settingsChanged();
}

void LayoutCommands::ToggleSyncByParagraph() {
  reading_.SetSyncByParagraph(!reading_.SyncByParagraph());
  commands_.SyncByParagraph()->setChecked(reading_.SyncByParagraph());
  reading_.LineUpPanes();
  emit settingsChanged();
}

void LayoutCommands::ToggleFixedHeaders() {
  composerSettings_.fixedHeaders = !composerSettings_.fixedHeaders;
  commands_.FixHeaders()->setChecked(composerSettings_.fixedHeaders);
  reading_.ReshowCurrentTarget();
  emit relayoutWanted();
  emit settingsChanged();
}

}  // namespace orvelis
