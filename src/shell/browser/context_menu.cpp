#include "shell/browser/context_menu.h"

#include "shell/window/text_style.h"

namespace orvelis {

BrowserContextMenu::BrowserContextMenu(QAction* fixHeaders, TextStyle& style, const Commands& commands,
                                       QWidget* parent)
    : QMenu(QStringLiteral("Кoнтекстное меню браузера"), parent) {
  setObjectName(QStringLiteral("zContext"));
  const auto item = [this](const char* text, const char* name, const std::function<void()>& run) {
    addAction(QString::fromUtf8(text), this, run)->setObjectName(QString::fromLatin1(name));
  };
  addAction(fixHeaders);
  item("Назад", "zContextBack", commands.back);
  item("Вперед", "zContextForw", commands.forward);
  addSeparator()->setObjectName(QStringLiteral("zContextSep1"));
  item("Выделить все", "zContextSelectAll", commands.selectAll);
  item("Копировать", "zContextCopy", commands.copy);
  item("Добавить в Избранное", "zContextAddFavor", commands.addFavorite);
  item("Сохранить содержимое как...", "zContextSaveAs", commands.saveAs);
  item("Поиск на странице", "zContextFind", commands.find);
  item("Предпросмотр печати", "zContextPrintPreview", commands.preview);
  item("Печать", "zContextPrint", commands.print);
  QMenu* font = addMenu(QStringLiteral("Настройка текста"));
  font->setObjectName(QStringLiteral("zContextFont"));
  style.FillMenu(font, {"zContextFontName", "zContextFontColor", "zContextFontSize", "zContextFontSizeSz"});
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

void BrowserContextMenu::Prepare(const State& state) {
  for (const char* name : {"zContextBack", "zContextForw", "zContextSep1"}) {
    Item(QString::fromLatin1(name))->setVisible(state.pageCommands);
  }
  // Back and forward follow the history exactly as the toolbar's buttons do.
  Item(QStringLiteral("zContextBack"))->setEnabled(state.backEnabled);
  Item(QStringLiteral("zContextForw"))->setEnabled(state.forwardEnabled);
  QAction* add = Item(QStringLiteral("zContextAddFavor"));
  add->setVisible(state.canAddFavorite);
  Item(QStringLiteral("zContextCopy"))->setEnabled(state.hasSelection);
  add->setEnabled(state.hasSelection);
}

}  // namespace orvelis
