#pragma once
// The commands that arrange the reading area: one pane or two (stacked or side by side), the
// synchronised scrolling of two, and headers fixed above the pages.

#include <QObject>

namespace orvelis {

class ReadingArea;
class WindowCommands;
struct ComposerSettings;
struct ReadingSettings;

class LayoutCommands final : public QObject {
  Q_OBJECT

 public:
  LayoutCommands(WindowCommands& commands, ReadingArea& reading, ComposerSettings& composerSettings,
                 QObject* parent);

  // The arrangement read with the settings, before the first page is shown (the reading core has
  // taken the fixed headers already; the menu shows them).
  void Restore(const ReadingSettings& settings);
  void SetLayout(int mode, bool atStartup);
  void ToggleSyncScroll();
  // Synchronised scrolling keeps the same paragraph at both tops instead of the same ratio.
  void ToggleSyncByParagraph();
  void ToggleFixedHeaders();

 signals:
  // The panes' geometry must follow (the window lays out its form).
  void relayoutWanted();
  void settingsChanged();

 private:
  WindowCommands& commands_;
  ReadingArea& reading_;
  ComposerSettings& composerSettings_;
};

}  // namespace orvelis
