#include "shell/reading/language_commands.h"

#include <QAction>

#include "book/book_store.h"
#include "ports/message_sink.h"
#include "shell/book_tree/book_tree_panel.h"
#include "shell/reading/reading_area.h"
#include "shell/window/window_commands.h"

namespace orvelis {

LanguageCommands::LanguageCommands(WindowCommands& commands, BookStore& book, BookTreePanel& tree,
                                   ReadingArea& reading, MessageSink& messages, QObject* parent)
    : QObject(parent), commands_(commands), book_(book), tree_(tree), reading_(reading), messages_(messages) {
  connect(commands.Action(Cmd::Russian), &QAction::triggered, this, [this] { SetLanguage(kRussian); });
  connect(commands.Action(Cmd::English), &QAction::triggered, this, [this] { SetLanguage(kEnglish); });
}

void LanguageCommands::SetLanguage(Language language) {
  if (BookResult r = book_.LoadPageTexts(language); !r) {
    messages_.Show({r.Text(), r.Caption(), MessageIcon::Critical, MessageButtons::Ok});
    CheckLanguage(book_.CurrentLanguage());
    return;
  }
  const Language old = book_.CurrentLanguage();
  book_.SetCurrentLanguage(language);
  PageLocator& locator = reading_.Locator();
  reading_.KeepingPlace([&] {
    const std::string key = tree_.Build(tree_.IsBuilt() ? old : Language{-1}, locator.CurrentKey());
    if (!key.empty()) locator.ShowTarget(key, true, "", -1);
  });
  CheckLanguage(language);
  emit languageChanged();
}

void LanguageCommands::CheckLanguage(Language language) {
  commands_.Action(Cmd::Russian)->setChecked(language == kRussian);
  commands_.Action(Cmd::English)->setChecked(language == kEnglish);
}

}  // namespace orvelis
