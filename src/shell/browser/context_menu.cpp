#include "shell/browser/context_menu.h"

#include <QCoreApplication>

#include "shell/browser/browser_pane.h"
#include "shell/browser/page_commands.h"
#include "shell/output/output_commands.h"
#include "shell/reading/reading_area.h"
#include "shell/window/pane_focus.h"
#include "shell/window/text_style.h"
#include "shell/window/window_commands.h"

namespace orvelis {

BrowserContextMenu::BrowserContextMenu(WindowCommands& commands, TextStyle& style, PaneFocus& focus,
                                       ReadingArea& reading, PageCommands& page, OutputCommands& output,
                                       QWidget* parent)
    : QMenu(QCoreApplication::translate("BrowserContextMenu", "Кoнтекстное меню браузера"), parent),
      commands_(commands),
      focus_(focus),
      reading_(reading),
      page_(page) {
  setObjectName(QStringLiteral("zContext"));
  const auto item = [this](const char* text, const char* name, const std::function<void()>& run) {
    addAction(QCoreApplication::translate("BrowserContextMenu", text), this, run)
        ->setObjectName(QString::fromLatin1(name));
  };
  addAction(commands.FixHeaders());
  item(QT_TRANSLATE_NOOP("BrowserContextMenu", "Назад"), "zContextBack", [this] { reading_.Locator().GoBack(); });
  item(QT_TRANSLATE_NOOP("BrowserContextMenu", "Вперед"), "zContextForw", [this] { reading_.Locator().GoForward(); });
  addSeparator()->setObjectName(QStringLiteral("zContextSep1"));
  item(QT_TRANSLATE_NOOP("BrowserContextMenu", "Выделить все"), "zContextSelectAll", [&page] { page.SelectAll(); });
  item(QT_TRANSLATE_NOOP("BrowserContextMenu", "Копировать"), "zContextCopy", [&page] { page.Copy(); });
  item(QT_TRANSLATE_NOOP("BrowserContextMenu", "Добавить в Избранное"), "zContextAddFavor",
       [&page] { page.AddFavorite(); });
  item(QT_TRANSLATE_NOOP("BrowserContextMenu", "Сохранить содержимое как..."), "zContextSaveAs",
       [&output] { output.SaveAs(); });
  item(QT_TRANSLATE_NOOP("BrowserContextMenu", "Поиск на странице"), "zContextFind", [&page] { page.FindOnPage(); });
  item(QT_TRANSLATE_NOOP("BrowserContextMenu", "Перевод абзаца"), "zContextCounterpart",
       [&page] { page.ToggleCounterpart(); });
  Item(QStringLiteral("zContextCounterpart"))->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
  Item(QStringLiteral("zContextCounterpart"))->setShortcutContext(Qt::WidgetShortcut);  // the window's own
  item(QT_TRANSLATE_NOOP("BrowserContextMenu", "Перевод слова"), "zContextWordTranslation",
       [&page] { page.TranslateWord(); });
  item(QT_TRANSLATE_NOOP("BrowserContextMenu", "Предпросмотр печати"), "zContextPrintPreview",
       [this, &output] { output.Preview(focus_.Browser()); });
  item(QT_TRANSLATE_NOOP("BrowserContextMenu", "Печать"), "zContextPrint",
       [this, &output] { output.Print(focus_.Browser()); });
  QMenu* font = addMenu(QCoreApplication::translate("BrowserContextMenu", "Настройка текста"));
  font->setObjectName(QStringLiteral("zContextFont"));
  style.FillMenu(font, {"zContextFontName", "zContextFontColor", "zContextFontSize", "zContextFontSizeSz"});
}

void BrowserContextMenu::Attach(BrowserPane* pane) {
  connect(pane, &BrowserPane::contextMenuWanted, this, [this, pane](QPoint at) { ShowFor(pane, at); });
}

QAction* BrowserContextMenu::Item(const QString& name) const {
  for (QAction* action : findChildren<QAction*>()) {
    if (action->objectName() == name) return action;
  }
  for (QAction* action : actions()) {
    if (action->objectName() == name) return action;
  }
  return nullptr;
}

void BrowserContextMenu::ShowFor(BrowserPane* pane, QPoint globalPos) {
  focus_.FocusChanged(pane->focusProxy() ? pane->focusProxy() : pane);
  if (reading_.StripFocused()) return;
  page_.SetMenuPoint(pane, pane->mapFromGlobal(globalPos));
  const bool readingPane = pane == reading_.Pane(ReadingPane::Web1) || pane == reading_.Pane(ReadingPane::Web2);
  Item(QStringLiteral("zContextCounterpart"))->setVisible(readingPane);
  Item(QStringLiteral("zContextWordTranslation"))->setVisible(readingPane);
  const bool pageCommands = !focus_.InSearch() && !focus_.InRules();
  for (const char* name : {"zContextBack", "zContextForw", "zContextSep1"}) {
    Item(QString::fromLatin1(name))->setVisible(pageCommands);
  }
  // Back and forward follow the history exactly as the toolbar's buttons do.
  Item(QStringLiteral("zContextBack"))->setEnabled(commands_.Action(Cmd::Back)->isEnabled());
  Item(QStringLiteral("zContextForw"))->setEnabled(commands_.Action(Cmd::Forward)->isEnabled());
  QAction* add = Item(QStringLiteral("zContextAddFavor"));
  add->setVisible(pageCommands && !focus_.InFavorites());
  const bool selection = focus_.Browser()->hasSelection();
  Item(QStringLiteral("zContextCopy"))->setEnabled(selection);
  add->setEnabled(selection);
  popup(globalPos);
}

}  // namespace orvelis
