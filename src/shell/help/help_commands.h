#pragma once
// The "about" side of the window: help and query rules in their own windows, the update check
// (a hidden pane loads the site's version page), the about box and the web site's pages.

#include <QObject>
#include <QPoint>
#include <QString>
#include <functional>
#include <string>

class QAction;
class QMenuBar;
class QWidget;

namespace orvelis {

class BookStore;
class BrowserPane;
class DocumentScheme;
class HelpWindow;
class MessageSink;
class RegexEngine;
class SettingsStore;
class Stylesheet;

class HelpCommands final : public QObject {
  Q_OBJECT

 public:
  HelpCommands(QWidget* window, BookStore& book, SettingsStore& settings, MessageSink& messages, RegexEngine& regex,
               const Stylesheet& stylesheet, DocumentScheme& documents);

  // The "О программе" menu, last on the menu bar.
  void AddMenu(QMenuBar* bar);

  void ShowHelp();
  void ShowRules();
  void CheckForUpdate();  // the menu's check: opens the update page
  void StartUpdateCheck();  // nothing without a site address
  // Whether the build or the settings give the site's address; without it the site's commands
  // are hidden.
  bool HasSite() const;
  void OpenSite();
  void ShowAbout();
  bool AutoCheckUpdates() const { return autoCheck_; }
  void SetAutoCheckUpdates(bool on);
  // Rewrites the open help windows' pages (after the text style changed).
  void Restyle();

  HelpWindow* RulesWindow() const { return rulesWindow_; }
  HelpWindow* OpenHelpWindow() const { return helpWindow_; }
  BrowserPane* UpdateCheckPane() const { return wbChkVer_; }
  // Opens an address in the user's web browser (tests replace it).
  std::function<void(const QString& address)> openUrl_;

 signals:
  void contextMenuWanted(BrowserPane* pane, QPoint globalPos);
  // The rules window's pane when it opens, null when it closes.
  void rulesPaneChanged(BrowserPane* pane);
  void settingsChanged();

 private:
  std::string HelpPageHtml(bool rules) const;
  void OnUpdateReply();

  QWidget* window_;
  BookStore& book_;
  SettingsStore& settings_;
  MessageSink& messages_;
  RegexEngine& regex_;
  const Stylesheet& stylesheet_;
  DocumentScheme& documents_;
  BrowserPane* wbChkVer_;
  HelpWindow* rulesWindow_ = nullptr;
  HelpWindow* helpWindow_ = nullptr;
  QAction* zAboutAutoUpd_ = nullptr;
  bool autoCheck_ = true;
};

}  // namespace orvelis
