#include "shell/window/window_commands.h"

#include <QAction>
#include <QCoreApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QToolBar>

#include "shell/help/help_commands.h"
#include "shell/window/text_style.h"
#include "shell/window/toolbar_ctl.h"
#include "shell/window/toolbar_icons.h"

namespace orvelis {
namespace {

QAction* Named(QAction* action, const char* name) {
  action->setObjectName(QString::fromLatin1(name));
  return action;
}

}  // namespace

WindowCommands::WindowCommands(QMainWindow* window) : QObject(window), window_(window) {
  for (const CommandSpec& spec : ToolbarCommands()) {
    const int position = static_cast<int>(spec.cmd);
    auto* action = new QAction(ToolbarIcon(position), QCoreApplication::translate("Commands", spec.menuText), window);
    action->setObjectName(QString::fromLatin1(spec.objectName));
    action->setToolTip(QCoreApplication::translate("Commands", spec.tooltip));
    action->setCheckable(spec.checkable);
    if (*spec.shortcut) action->setShortcut(QKeySequence(QString::fromLatin1(spec.shortcut), QKeySequence::PortableText));
    toolbar_[static_cast<std::size_t>(position)] = action;
  }
  // The history is empty at start; the locator enables these as it fills.
  Action(Cmd::Back)->setEnabled(false);
  Action(Cmd::Forward)->setEnabled(false);
  fixHeaders_ = Named(new QAction(QCoreApplication::translate("WindowCommands", "Фиксировать заголовки"), window),
                      "zContextFixTop");
  fixHeaders_->setCheckable(true);
  syncByParagraph_ =
      Named(new QAction(QCoreApplication::translate("WindowCommands", "Синхронизировать прокрутку по абзацам"), window),
            "zLangSyncPar");
  syncByParagraph_->setCheckable(true);
  syncByParagraph_->setToolTip(
      QCoreApplication::translate("WindowCommands", "Держать в обоих окнах один и тот же абзац"));
  parallelText_ =
      Named(new QAction(QCoreApplication::translate("WindowCommands", "Параллельный текст"), window), "zLangPar");
  parallelText_->setCheckable(true);
  parallelText_->setToolTip(
      QCoreApplication::translate("WindowCommands", "Текст на двух языках в одном окне, абзац рядом с абзацем"));
  printPreview_ =
      Named(new QAction(QCoreApplication::translate("WindowCommands", "Предпросмотр печати из основного окна"), window),
            "zFilePrintPreview");
  saveParallelPage_ = Named(
      new QAction(QCoreApplication::translate("WindowCommands", "Сохранить страницу параллельным текстом..."), window),
      "zFileParSavePage");
  saveParallelPaper_ = Named(
      new QAction(QCoreApplication::translate("WindowCommands", "Сохранить Документ параллельным текстом..."), window),
      "zFileParSavePaper");
  printParallelPage_ =
      Named(new QAction(QCoreApplication::translate("WindowCommands", "Печать страницы параллельным текстом"), window),
            "zFileParPrintPage");
  printParallelPaper_ =
      Named(new QAction(QCoreApplication::translate("WindowCommands", "Печать Документа параллельным текстом"), window),
            "zFileParPrintPaper");
  for (QAction* action : {saveParallelPage_, saveParallelPaper_, printParallelPage_, printParallelPaper_}) {
    action->setToolTip(QCoreApplication::translate(
        "WindowCommands", "Текст на двух языках, абзац рядом с абзацем, с названием Документа на обоих"));
  }
  exit_ = Named(new QAction(QCoreApplication::translate("WindowCommands", "Выход"), window), "zFileExit");
}

void WindowCommands::BuildBars(TextStyle& style, HelpCommands& help) {
  QToolBar* toolbar = window_->addToolBar(QStringLiteral("tbToolbar"));
  toolbar->setObjectName(QStringLiteral("tbToolbar"));
  toolbar->setMovable(false);
  toolbar->setIconSize(QSize(24, 24));
  for (int position = 1; position <= kToolbarPositions; ++position) {
    if (IsToolbarSeparator(position)) {
      toolbarSeparators_.insert(position, toolbar->addSeparator());
    } else {
      toolbar->addAction(ToolbarAction(position));
    }
  }
  QMenuBar* bar = window_->menuBar();
  const auto menu = [bar](const char* title, const char* name) {
    QMenu* m = bar->addMenu(QCoreApplication::translate("WindowCommands", title));
    m->setObjectName(QString::fromLatin1(name));
    return m;
  };
  const auto addAll = [this](QMenu* m, auto commands) {
    for (Cmd cmd : commands) m->addAction(Action(cmd));
  };
  QMenu* file = menu(QT_TRANSLATE_NOOP("WindowCommands", "Файл"), "zFile");
  addAll(file, kFileMenuHistory);
  fileSeparators_.append(Named(file->addSeparator(), "zFileSep1"));
  file->addAction(printPreview_);
  file->addAction(Action(Cmd::Print));
  fileSeparators_.append(Named(file->addSeparator(), "zFileSepPar"));
  for (QAction* action : {saveParallelPage_, saveParallelPaper_, printParallelPage_, printParallelPaper_}) {
    file->addAction(action);
  }
  fileSeparators_.append(Named(file->addSeparator(), "zFileSep2"));
  file->addAction(exit_);
  addAll(menu(QT_TRANSLATE_NOOP("WindowCommands", "Инструменты"), "zTools"), kToolsMenu);
  navigation_ = menu(QT_TRANSLATE_NOOP("WindowCommands", "Навигация"), "zNavig");
  addAll(navigation_, kNavigationMenu);
  language_ = menu(QT_TRANSLATE_NOOP("WindowCommands", "Язык"), "zLang");
  addAll(language_, kLanguageMenu);
  language_->addSeparator();
  addAll(language_, kLayoutMenu);
  language_->insertAction(Action(Cmd::SyncScroll), parallelText_);
  language_->addAction(syncByParagraph_);
  style.FillMenu(menu(QT_TRANSLATE_NOOP("WindowCommands", "Настройка текста"), "zPreferences"),
                 {"zPrefFontName", "zPrefColor", "zPrefSize", "zPrefSizeSz"});
  help.AddMenu(bar);
  CToolbarCtl flat;  // flat, as the main window has always shown its toolbar
  flat.Attach(toolbar);
}

void WindowCommands::SetReadingCommandsVisible(bool visible) {
  for (QAction* separator : fileSeparators_) separator->setVisible(visible);
  printPreview_->setVisible(visible);
  Action(Cmd::Print)->setVisible(visible);
  for (QAction* action : {saveParallelPage_, saveParallelPaper_, printParallelPage_, printParallelPaper_}) {
    action->setVisible(visible);
  }
  navigation_->menuAction()->setVisible(visible);
  language_->menuAction()->setVisible(visible);
  for (int position : kReadingSeparators) toolbarSeparators_.value(position)->setVisible(visible);
  for (Cmd cmd : kReadingCommands) Action(cmd)->setVisible(visible);
  ShowSite(Action(Cmd::Site)->isVisible());
}

void WindowCommands::ShowSite(bool shown) {
  Action(Cmd::Site)->setVisible(shown);
  // The separator before the site button would otherwise end the toolbar on its own.
  QAction* separator = toolbarSeparators_.value(kToolbarPositions - 1);
  if (separator && !shown) separator->setVisible(false);
  if (separator && shown) separator->setVisible(Action(Cmd::Print)->isVisible());
}

}  // namespace orvelis
