// The menu bar, the browser context menu, and the text's font, size and colour.

#include <QAction>
#include <QApplication>
#include <QColorDialog>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLineEdit>
#include <QMenuBar>
#include <QToolBar>
#include <QTimer>
#include <QToolButton>

#include "render/stylesheet.h"
#include "navigation/go_to_rules.h"
#include "ports/settings_store.h"
#include "shell/browser/browser_pane.h"
#include "shell/help/help_window.h"
#include "shell/window/command_table.h"
#include "shell/window/main_window.h"
#include "shell/search/search_panel.h"
#include "shell/platform/qt_text.h"
#include "shell/window/toolbar_ctl.h"
#include "shell/window/toolbar_icons.h"

namespace orvelis {
namespace {

constexpr const char* kSizeCaptions[] = {"50%", "75%", "88%", "100%", "115%", "125%", "150%", "175%", "200%"};

QAction* Named(QAction* action, const char* name) {
  action->setObjectName(QString::fromLatin1(name));
  return action;
}

// A text as a JavaScript string literal.
QString JsString(const QString& text) {
  QString out = QStringLiteral("'");
  for (const QChar c : text) {
    if (c == QLatin1Char('\\') || c == QLatin1Char('\'')) out += QLatin1Char('\\');
    if (c == QLatin1Char('\n')) {
      out += QStringLiteral("\\n");
    } else if (c == QLatin1Char('\r')) {
      out += QStringLiteral("\\r");
    } else {
      out += c;
    }
  }
  return out + QLatin1Char('\'');
}

}  // namespace

void MainWindow::CreateToolbarAndMenus() {
  tbToolbar_ = addToolBar(QStringLiteral("tbToolbar"));
  tbToolbar_->setObjectName(QStringLiteral("tbToolbar"));
  tbToolbar_->setMovable(false);
  tbToolbar_->setIconSize(QSize(24, 24));
  for (int position = 1; position <= kToolbarPositions; ++position) {
    if (IsToolbarSeparator(position)) {
      toolbarSeparators_.insert(position, tbToolbar_->addSeparator());
    } else {
      tbToolbar_->addAction(ToolbarAction(position));
    }
  }
  const auto addAll = [this](QMenu* menu, auto commands) {
    for (Cmd cmd : commands) menu->addAction(Action(cmd));
  };
  QMenu* file = menuBar()->addMenu(QStringLiteral("Файл"));
  zFileMenu_ = file;
  file->setObjectName(QStringLiteral("zFile"));
  addAll(file, kFileMenuHistory);
  fileSeparators_.append(Named(file->addSeparator(), "zFileSep1"));
  filePrintActions_.append(Named(file->addAction(QStringLiteral("Предпросмотр печати из основного окна"), this,
                                                 [this] { zFilePrintPreview_Click(); }),
                                 "zFilePrintPreview"));
  filePrintActions_.append(Action(Cmd::Print));
  file->addAction(Action(Cmd::Print));
  fileSeparators_.append(Named(file->addSeparator(), "zFileSep2"));
  file->addAction(zFileExit_);

  QMenu* tools = menuBar()->addMenu(QStringLiteral("Инструменты"));
  tools->setObjectName(QStringLiteral("zTools"));
  addAll(tools, kToolsMenu);

  QMenu* navig = menuBar()->addMenu(QStringLiteral("Навигация"));
  zNavigMenu_ = navig;
  navig->setObjectName(QStringLiteral("zNavig"));
  addAll(navig, kNavigationMenu);

  QMenu* lang = menuBar()->addMenu(QStringLiteral("Язык"));
  zLangMenu_ = lang;
  lang->setObjectName(QStringLiteral("zLang"));
  addAll(lang, kLanguageMenu);
  lang->addSeparator();
  addAll(lang, kLayoutMenu);

  QMenu* prefs = menuBar()->addMenu(QStringLiteral("Настройка текста"));
  prefs->setObjectName(QStringLiteral("zPreferences"));
  zPrefFontName_ = prefs->addMenu(QStringLiteral("Тип шрифта"));
  zPrefFontName_->setObjectName(QStringLiteral("zPrefFontName"));
  Named(prefs->addAction(QStringLiteral("Цвет"), this, [this] { ChooseTextColour(); }), "zPrefColor");
  QMenu* size = prefs->addMenu(QStringLiteral("Размер"));
  size->setObjectName(QStringLiteral("zPrefSize"));
  for (int i = 0; i < 9; ++i) {
    QAction* item = size->addAction(QString::fromLatin1(kSizeCaptions[i]), this, [this, i] { zPrefSizeSz_Click(i); });
    item->setCheckable(true);
    item->setObjectName(QStringLiteral("zPrefSizeSz%1").arg(i));
    sizeActions_[0].append(item);
  }
  BuildFontMenus();
  CreateAboutMenu();
  // Both toolbars flat, as the main window has always shown them.
  CToolbarCtl flat;
  flat.Attach(tbToolbar_);
  flat.Attach(tbClose_);
}

void MainWindow::CreateContextMenu() {
  zContext_ = new QMenu(QStringLiteral("Кoнтекстное меню браузера"), this);
  zContext_->setObjectName(QStringLiteral("zContext"));
  zContext_->addAction(zContextFixTop_);
  Named(zContext_->addAction(QStringLiteral("Назад"), this, [this] { zContextBack_Click(); }), "zContextBack");
  Named(zContext_->addAction(QStringLiteral("Вперед"), this, [this] { zContextForw_Click(); }), "zContextForw");
  Named(zContext_->addSeparator(), "zContextSep1");
  Named(zContext_->addAction(QStringLiteral("Выделить все"), this, [this] { zContextSelectAll_Click(); }),
        "zContextSelectAll");
  Named(zContext_->addAction(QStringLiteral("Копировать"), this, [this] { zContextCopy_Click(); }), "zContextCopy");
  Named(zContext_->addAction(QStringLiteral("Добавить в Избранное"), this,
                                                  [this] { zContextAddFavor_Click(); }),
                            "zContextAddFavor");
  Named(zContext_->addAction(QStringLiteral("Сохранить содержимое как..."), this, [this] { zContextSaveAs_Click(); }),
        "zContextSaveAs");
  Named(zContext_->addAction(QStringLiteral("Поиск на странице"), this, [this] { zContextFind_Click(); }),
        "zContextFind");
  Named(zContext_->addAction(QStringLiteral("Предпросмотр печати"), this, [this] { PrintPreview(GetWebBrowser()); }),
        "zContextPrintPreview");
  Named(zContext_->addAction(QStringLiteral("Печать"), this, [this] { PrintWindow(GetWebBrowser()); }), "zContextPrint");
  QMenu* font = zContext_->addMenu(QStringLiteral("Настройка текста"));
  font->setObjectName(QStringLiteral("zContextFont"));
  zContextFontName_ = font->addMenu(QStringLiteral("Тип шрифта"));
  zContextFontName_->setObjectName(QStringLiteral("zContextFontName"));
  Named(font->addAction(QStringLiteral("Цвет"), this, [this] { ChooseTextColour(); }), "zContextFontColor");
  QMenu* size = font->addMenu(QStringLiteral("Размер"));
  size->setObjectName(QStringLiteral("zContextFontSize"));
  for (int i = 0; i < 9; ++i) {
    QAction* item = size->addAction(QString::fromLatin1(kSizeCaptions[i]), this, [this, i] { zPrefSizeSz_Click(i); });
    item->setCheckable(true);
    item->setObjectName(QStringLiteral("zContextFontSizeSz%1").arg(i));
    sizeActions_[1].append(item);
  }
  for (BrowserPane* pane : {wbWeb_[0], wbWeb_[1], wbTop_[0], wbTop_[1], FavoritesView(), SearchPane()}) {
    connect(pane, &BrowserPane::contextMenuWanted, this, [this, pane](QPoint at) { ShowContextMenuFor(pane, at); });
  }
}

QAction* MainWindow::ContextAction(const QString& name) const {
  for (QAction* action : zContext_->findChildren<QAction*>()) {
    if (action->objectName() == name) return action;
  }
  for (QAction* action : zContext_->actions()) {
    if (action->objectName() == name) return action;
  }
  return nullptr;
}

void MainWindow::ShowContextMenuFor(BrowserPane* pane, QPoint globalPos) {
  OnFocusChanged(pane->focusProxy() ? pane->focusProxy() : pane);
  if (topStripFocused_) return;  // no menu at all over a header strip
  EnableCopyMenu();
  zContext_->popup(globalPos);
}

void MainWindow::EnableCopyMenu() {
  const bool pageCommands = !webSearchGotFocus_ && !webRuleGotFocus_;
  for (const char* name : {"zContextBack", "zContextForw", "zContextSep1"}) {
    ContextAction(QString::fromLatin1(name))->setVisible(pageCommands);
  }
  // Back and forward follow the history exactly as the toolbar's buttons do.
  ContextAction(QStringLiteral("zContextBack"))->setEnabled(Action(Cmd::Back)->isEnabled());
  ContextAction(QStringLiteral("zContextForw"))->setEnabled(Action(Cmd::Forward)->isEnabled());
  QAction* add = ContextAction(QStringLiteral("zContextAddFavor"));
  add->setVisible(!webFavorGotFocus_ && !webSearchGotFocus_ && !webRuleGotFocus_);
  const bool text = GetWebBrowser()->hasSelection();
  ContextAction(QStringLiteral("zContextCopy"))->setEnabled(text);
  add->setEnabled(text);
}

void MainWindow::zContextCopy_Click() {
  BrowserPane* pane = GetWebBrowser();
  pane->setFocus();
  pane->triggerPageAction(QWebEnginePage::Copy);
}

void MainWindow::zContextSelectAll_Click() { GetWebBrowser()->triggerPageAction(QWebEnginePage::SelectAll); }

void MainWindow::BuildFontMenus() {
  std::vector<std::string> families;
  for (const QString& family : QFontDatabase::families()) {
    if (QFontDatabase::isScalable(family)) families.push_back(S(family));
  }
  const std::vector<std::string> sorted = SortedFontFamilies(families);
  // The family in use: the chosen one when installed; otherwise the one the font system puts in
  // its place for the stylesheet's list, which the menu ticks and names.
  const QString chosen = Q(stylesheet_.FontFamily());
  QString used;
  for (const std::string& family : sorted) {
    if (Q(family).compare(chosen, Qt::CaseInsensitive) == 0) used = Q(family);
  }
  QString notice;
  if (used.isEmpty()) {
    QFont fallback;
    fallback.setFamilies({chosen, QStringLiteral("Verdana"), QStringLiteral("Arial"), QStringLiteral("Helvetica"),
                          QStringLiteral("Tahoma")});
    used = QFontInfo(fallback).family();
    notice = QStringLiteral("Шрифт «%1» не установлен, используется «%2»").arg(chosen, used);
  }
  std::array<QMenu*, 2> menus{zPrefFontName_, zContextFontName_};
  for (std::size_t m = 0; m < menus.size(); ++m) {
    menus[m]->clear();
    fontActions_[m].clear();
    if (!notice.isEmpty()) {
      QAction* info = menus[m]->addAction(notice);
      info->setObjectName(QStringLiteral("fontNotInstalled"));
      info->setEnabled(false);
      menus[m]->addSeparator();
    }
    for (std::size_t i = 0; i < sorted.size(); ++i) {
      const int index = static_cast<int>(i) + 1;
      QAction* item = menus[m]->addAction(Q(sorted[i]), this, [this, index] { zPrefFontNameFn_Click(index); });
      item->setCheckable(true);
      item->setChecked(Q(sorted[i]).compare(used, Qt::CaseInsensitive) == 0);
      fontActions_[m].append(item);
    }
    menus[m]->setEnabled(!sorted.empty());
  }
}

void MainWindow::zPrefFontNameFn_Click(int index) {
  for (const auto& actions : fontActions_) {
    for (int i = 0; i < actions.size(); ++i) actions[i]->setChecked(i + 1 == index);
  }
  if (index < 1 || index > fontActions_[0].size()) return;
  const std::string family = S(fontActions_[0][index - 1]->text());
  FontSettings font = stylesheet_.Font();
  font.family = family;
  settings_.Write("ffam", family);
  ApplyTextStyle(std::move(font));
  // The not-installed notice goes once a family is chosen; not from inside the item's own signal.
  QTimer::singleShot(0, this, &MainWindow::BuildFontMenus);
}

void MainWindow::zPrefSizeSz_Click(int index) {
  const int step = SizeStepOfMenuItem(index);
  FontSettings font = stylesheet_.Font();
  font.sizeStep = step;
  settings_.Write("fsize", std::to_string(step));
  ApplyTextStyle(std::move(font));
}

void MainWindow::ChooseTextColour() {
  const std::uint32_t bgr = stylesheet_.FontColor();
  const QColor initial(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
  const QColor chosen = QColorDialog::getColor(initial, this);
  if (!chosen.isValid()) return;  // cancelled: nothing changes
  const auto color = static_cast<std::uint32_t>(chosen.red() | chosen.green() << 8 | chosen.blue() << 16);
  FontSettings font = stylesheet_.Font();
  font.color = color;
  settings_.Write("fcol", std::to_string(color));
  ApplyTextStyle(std::move(font));
}

// Pages are composed again; the results and the favourites view only get the new style rules,
// without being rebuilt.
void MainWindow::ApplyTextStyle(FontSettings font) {
  stylesheet_.Apply(std::move(font));
  CheckFontSizeItem(stylesheet_.SizeMenuIndex());
  ReshowCurrentTarget();
  SettingsChanged();
  const QString css = Q(stylesheet_.StyleRules());
  const QString restyle =
      QStringLiteral("(function(){var s=document.getElementsByTagName('style')[0];if(s)s.textContent=%1;})()")
          .arg(JsString(css));
  if (FavoritesViewShown()) FavoritesView()->RunScript(restyle);
  if (helpWindow_) helpWindow_->WritePage();
  if (rulesWindow_) rulesWindow_->WritePage();
  if (!searchPanel_->LastQuery().empty()) SearchPane()->RunScript(restyle);
}

}  // namespace orvelis
