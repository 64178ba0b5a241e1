// The command objects and what connects them to the panels.

#include <QAction>

#include "reader/reader_core.h"
#include "shell/browser/browser_pane.h"
#include "shell/browser/context_menu.h"
#include "shell/browser/page_commands.h"
#include "shell/browser/word_translation.h"
#include "shell/favorites/favorites_panel.h"
#include "shell/help/help_commands.h"
#include "shell/platform/settings_writer.h"
#include "shell/output/output_commands.h"
#include "shell/reading/language_commands.h"
#include "shell/reading/layout_commands.h"
#include "shell/reading/navigation_commands.h"
#include "shell/reading/reading_area.h"
#include "shell/search/search_panel.h"
#include "shell/window/interface_language_menu.h"
#include "shell/window/left_panel.h"
#include "shell/window/main_window.h"
#include "shell/window/pane_focus.h"
#include "shell/window/text_style.h"
#include "shell/window/window_commands.h"

namespace orvelis {

void MainWindow::CreateCommands(MessageSink& messages) {
  new NavigationCommands(*commands_, *reading_, settings_, messages, this);
  language_ = new LanguageCommands(*commands_, book_, *treBook_, *reading_, messages, this);
  connect(language_, &LanguageCommands::languageChanged, this, [this] {
    left_->Show(left_->Shown());  // its caption
    settingsWriter_->ChangedByCommand();
  });
  layout_ = new LayoutCommands(*commands_, *reading_, core_->Composing(), this);
  connect(layout_, &LayoutCommands::relayoutWanted, this, &MainWindow::LayoutForm);
  connect(layout_, &LayoutCommands::settingsChanged, this, [this] { settingsWriter_->ChangedByCommand(); });
  output_ = new OutputCommands(this, *focus_, *reading_, core_->Composer(), core_->Composing(), core_->Regex(),
                               messages, *documents_, book_);
  connect(favoritesPanel_, &FavoritesPanel::printRequested, this,
          [this] { output_->PrintDocument(favoritesPanel_->FragmentDocument(true)); });
  help_ = new HelpCommands(this, book_, settings_, messages, core_->Regex(), core_->Styles(), *documents_);
  connect(help_, &HelpCommands::rulesPaneChanged, focus_, &PaneFocus::SetRulesPane);
  connect(help_, &HelpCommands::settingsChanged, this, &MainWindow::SettingsChanged);
  connect(searchPanel_, &SearchPanel::rulesRequested, help_, &HelpCommands::ShowRules);
  textStyle_ = new TextStyle(core_->Styles(), settings_, this);
  connect(textStyle_, &TextStyle::changed, reading_, &ReadingArea::ReshowCurrentTarget);
  connect(textStyle_, &TextStyle::changed, favoritesPanel_, &FavoritesPanel::Restyle);
  connect(textStyle_, &TextStyle::changed, help_, &HelpCommands::Restyle);
  connect(textStyle_, &TextStyle::changed, searchPanel_, &SearchPanel::Restyle);
  connect(textStyle_, &TextStyle::changed, this, &MainWindow::SettingsChanged);

  const auto on = [this](QAction* action, auto handler) { connect(action, &QAction::triggered, this, handler); };
  on(Action(Cmd::Print), [this] { output_->Print(Pane(ReadingPane::Web1)); });
  on(commands_->PrintPreview(), [this] { output_->Preview(Pane(ReadingPane::Web1)); });
  using Scope = OutputCommands::ParallelScope;
  on(commands_->SaveParallelPage(), [this] { output_->SaveParallel(Scope::Page); });
  on(commands_->SaveParallelPaper(), [this] { output_->SaveParallel(Scope::Paper); });
  on(commands_->PrintParallelPage(), [this] { output_->PrintParallel(Scope::Page); });
  on(commands_->PrintParallelPaper(), [this] { output_->PrintParallel(Scope::Paper); });
  on(Action(Cmd::Site), [this] { help_->OpenSite(); });
  on(commands_->Exit(), [this] { close(); });
  commands_->BuildBars(*textStyle_, *help_);
  commands_->ShowSite(help_->HasSite());
  new InterfaceLanguageMenu(commands_->LanguageMenu(), settings_, messages);

  words_ = new WordTranslation(book_, this);
  connect(words_, &WordTranslation::pageRequested, this, [this](const std::string& key, int paragraph) {
    reading_->ShowResult(key, "", kAllLanguages, paragraph, true);
  });
  page_ = new PageCommands(*focus_, *reading_, *favoritesPanel_, core_->Composer(), *words_, this);
  page_->SetMessageSink(messages);
  context_ = new BrowserContextMenu(*commands_, *textStyle_, *focus_, *reading_, *page_, *output_, this);
  for (ReadingPane pane : {ReadingPane::Web1, ReadingPane::Web2, ReadingPane::Top1, ReadingPane::Top2}) {
    context_->Attach(Pane(pane));
  }
  context_->Attach(favoritesPanel_->ViewPane());
  context_->Attach(searchPanel_->ResultsPane());
  connect(help_, &HelpCommands::contextMenuWanted, context_, &BrowserContextMenu::ShowFor);
  textStyle_->BuildFontMenus();
}

}  // namespace orvelis
