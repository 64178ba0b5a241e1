#include "shell/reading/navigation_commands.h"

#include <QAction>
#include <optional>
#include <string>

#include "navigation/navigation_rules.h"
#include "shell/browser/find_page_dialog.h"
#include "shell/reading/reading_area.h"
#include "shell/window/window_commands.h"

namespace orvelis {

NavigationCommands::NavigationCommands(WindowCommands& commands, ReadingArea& reading, SettingsStore& settings,
                                       MessageSink& messages, QWidget* dialogParent)
    : QObject(dialogParent), reading_(reading), settings_(settings), messages_(messages), dialogParent_(dialogParent) {
  PageLocator& locator = reading.Locator();
  const auto on = [this, &commands](Cmd cmd, auto handler) {
    connect(commands.Action(cmd), &QAction::triggered, this, handler);
  };
  // A step from the page being read; none from the book's last page (or before its first).
  const auto step = [this](auto target) {
    return [this, target] {
      PageLocator& l = reading_.Locator();
      if (const std::optional<std::string> key = target(CurrentPageNumber(l.CurrentKey()))) {
        l.ShowTarget(*key, false, "", -1);
      }
    };
  };
  on(Cmd::Back, [&locator] { locator.GoBack(); });
  on(Cmd::Forward, [&locator] { locator.GoForward(); });
  on(Cmd::PrevPaper, step([](int page) { return std::optional<std::string>(PrevDocKey(page)); }));
  on(Cmd::PrevPage, step(PrevPageKey));
  on(Cmd::NextPage, step(NextPageKey));
  on(Cmd::NextPaper, step(NextDocKey));
  on(Cmd::Contents, [&locator] { locator.ShowTarget("cont", false, "", -1); });
  on(Cmd::GoTo, [this] { GoToDialog(); });
  connect(&reading, &ReadingArea::commandEnabledChanged, this, [&commands](NavCommand command, bool enabled) {
    static constexpr Cmd kCommandOf[] = {Cmd::Back,     Cmd::Forward,  Cmd::PrevPage,
                                         Cmd::PrevPaper, Cmd::NextPage, Cmd::NextPaper};
    commands.Action(kCommandOf[static_cast<int>(command)])->setEnabled(enabled);
  });
}

void NavigationCommands::GoToDialog() {
  FindPageDialog dialog(settings_, messages_, dialogParent_);
  if (dialog.exec() == QDialog::Accepted) reading_.Locator().ShowTarget(dialog.Target(), false, "", -1);
}

}  // namespace orvelis
