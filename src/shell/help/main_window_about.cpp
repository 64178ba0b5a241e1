// Help and query rules in their windows, the update check, the about box and the web site.

#include <QAction>
#include <QDesktopServices>
#include <QMenuBar>
#include <QUrl>

#include "book/book_store.h"
#include "help/help_pages.h"
#include "help/update_check.h"
#include "ground/app_info.h"
#include "ports/message_sink.h"
#include "shell/help/about_dialog.h"
#include "shell/browser/browser_pane.h"
#include "shell/help/help_window.h"
#include "shell/window/main_window.h"
#include "shell/platform/qt_text.h"

namespace orvelis {
namespace {

VersionPair AppVersion() { return {kVersionMajor, kVersionMinor}; }

}  // namespace

void MainWindow::CreateAboutMenu() {
  QMenu* about = menuBar()->addMenu(QStringLiteral("О программе"));
  about->setObjectName(QStringLiteral("zAbout"));
  about->addAction(QStringLiteral("Справка"), this, [this] { zHelp_Click(); })->setObjectName(QStringLiteral("zHelp"));
  about->addAction(QUrl(Q(WebSiteAddress(settings_))).host(), this, [this] { zAboutOrvel_Click(); })
      ->setObjectName(QStringLiteral("zAboutOrvel"));
  about->addAction(QStringLiteral("Форум читателей"), this, [this] { zAboutPhor_Click(); })
      ->setObjectName(QStringLiteral("zAboutPhor"));
  zAboutAutoUpd_ = about->addAction(QStringLiteral("Автоматически проверять наличие новых версий"), this,
                                    [this] { zAboutAutoUpd_Click(); });
  zAboutAutoUpd_->setObjectName(QStringLiteral("zAboutAutoUpd"));
  zAboutAutoUpd_->setCheckable(true);
  zAboutAutoUpd_->setChecked(true);
  about->addAction(QStringLiteral("Проверить обновление"), this, [this] { zAboutUpd_Click(); })
      ->setObjectName(QStringLiteral("zAboutUpd"));
  about->addAction(QStringLiteral("О программе"), this, [this] { zAboutVer_Click(); })
      ->setObjectName(QStringLiteral("zAboutVer"));
  if (!openUrl_) openUrl_ = [](const QString& address) { QDesktopServices::openUrl(QUrl(address)); };
}

std::string MainWindow::HelpPageHtml(bool rules) const {
  return HelpWindowDocument(stylesheet_.StyleSheetHtml(), rules ? RulesText() : HelpText());
}

void MainWindow::zHelp_Click() {
  HelpWindow window(HelpWindow::Kind::Help, *documents_, settings_, [this] { return HelpPageHtml(false); }, this);
  helpWindow_ = &window;
  connect(window.Browser(), &BrowserPane::contextMenuWanted, this,
          [this, &window](QPoint at) { ShowContextMenuFor(window.Browser(), at); });
  window.exec();
  helpWindow_ = nullptr;
}

void MainWindow::imgHelp_Click() {
  if (rulesWindow_) {
    rulesWindow_->raise();
    rulesWindow_->activateWindow();
    return;
  }
  rulesWindow_ = new HelpWindow(HelpWindow::Kind::Rules, *documents_, settings_, [this] { return HelpPageHtml(true); }, this);
  rulesWindow_->setModal(false);
  connect(rulesWindow_->Browser(), &BrowserPane::contextMenuWanted, this,
          [this](QPoint at) { ShowContextMenuFor(rulesWindow_->Browser(), at); });
  connect(rulesWindow_, &HelpWindow::closed, this, [this] {
    webRuleGotFocus_ = false;
    if (rulesWindow_) rulesWindow_->deleteLater();
    rulesWindow_ = nullptr;
  });
  rulesWindow_->show();
}

// The hidden pane loads the check page; no network, no answer: nothing happens and nothing waits.
void MainWindow::StartUpdateCheck() { wbChkVer_->load(QUrl(Q(WebSiteAddress(settings_) + kAutoCheckPath))); }

void MainWindow::OnUpdateReply() {
  wbChkVer_->RunScript(QStringLiteral("document.body ? document.body.innerText : ''"), [this](const QVariant& reply) {
    const BookHeader& h = book_.Header();
    const auto question =
        UpdateQuestion(regex_, S(reply.toString()), AppVersion(), {h.TextVersionMajor, h.TextVersionMinor});
    if (!question) return;
    if (messages_.Show({*question, kUpdateCaption, MessageIcon::None, MessageButtons::YesNo}) == MessageAnswer::Yes) {
      zAboutUpd_Click();
    }
  });
}

void MainWindow::zAboutUpd_Click() {
  const BookHeader& h = book_.Header();
  openUrl_(Q(UpdatePageAddress(WebSiteAddress(settings_), AppVersion(), {h.TextVersionMajor, h.TextVersionMinor})));
}

void MainWindow::zAboutAutoUpd_Click() {
  readingSettings_.autoUpdateCheck = !readingSettings_.autoUpdateCheck;
  zAboutAutoUpd_->setChecked(readingSettings_.autoUpdateCheck);
  SettingsChanged();
}

void MainWindow::zAboutPhor_Click() { openUrl_(Q(WebSiteAddress(settings_) + kForumPath)); }
void MainWindow::zAboutOrvel_Click() { openUrl_(Q(WebSiteAddress(settings_) + "/")); }

void MainWindow::zAboutVer_Click() {
  AboutDialog about(book_.Header().TextVersionMajor, book_.Header().TextVersionMinor, messages_, this);
  about.exec();
}

}  // namespace orvelis
