// Help and query rules in their windows, the update check, the about box and the web site.

#include "shell/help/help_commands.h"

#include <QAction>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QMenuBar>
#include <QStringList>
#include <QUrl>
#include <QVariant>

#include "book/book_store.h"
#include "ground/app_info.h"
#include "help/help_pages.h"
#include "help/update_check.h"
#include "ports/message_sink.h"
#include "render/stylesheet.h"
#include "shell/app/qt_translations.h"
#include "shell/browser/browser_pane.h"
#include "shell/help/about_dialog.h"
#include "shell/help/help_window.h"
#include "shell/platform/qt_text.h"

namespace orvelis {
namespace {

VersionPair AppVersion() { return {kVersionMajor, kVersionMinor}; }

const QStringList kSiteActionNames = {QStringLiteral("zAboutOrvel"), QStringLiteral("zAboutPhor"),
                                      QStringLiteral("zAboutAutoUpd"), QStringLiteral("zAboutUpd")};

}  // namespace

HelpCommands::HelpCommands(QWidget* window, BookStore& book, SettingsStore& settings, MessageSink& messages,
                           RegexEngine& regex, const Stylesheet& stylesheet, DocumentScheme& documents)
    : QObject(window),
      window_(window),
      book_(book),
      settings_(settings),
      messages_(messages),
      regex_(regex),
      stylesheet_(stylesheet),
      documents_(documents),
      wbChkVer_(new BrowserPane(QStringLiteral("wbChkVer"), documents, window)) {
  wbChkVer_->SetNavigationHandler([](const std::string&) { return true; });
  wbChkVer_->hide();
  connect(wbChkVer_, &BrowserPane::loaded, this, &HelpCommands::OnUpdateReply);
  openUrl_ = [](const QString& address) { QDesktopServices::openUrl(QUrl(address)); };
}

void HelpCommands::AddMenu(QMenuBar* bar) {
  QMenu* about = bar->addMenu(QCoreApplication::translate("HelpCommands", "О программе"));
  about->setObjectName(QStringLiteral("zAbout"));
  about->addAction(QCoreApplication::translate("HelpCommands", "Справка"), this, &HelpCommands::ShowHelp)
      ->setObjectName(QStringLiteral("zHelp"));
  about->addAction(QUrl(Q(WebSiteAddress(settings_))).host(), this, &HelpCommands::OpenSite)
      ->setObjectName(QStringLiteral("zAboutOrvel"));
  about
      ->addAction(QCoreApplication::translate("HelpCommands", "Форум читателей"), this,
                  [this] { openUrl_(Q(WebSiteAddress(settings_) + kForumPath)); })
      ->setObjectName(QStringLiteral("zAboutPhor"));
  zAboutAutoUpd_ = about->addAction(
      QCoreApplication::translate("HelpCommands", "Автоматически проверять наличие новых версий"), this, [this] {
        SetAutoCheckUpdates(!autoCheck_);
        emit settingsChanged();
      });
  zAboutAutoUpd_->setObjectName(QStringLiteral("zAboutAutoUpd"));
  zAboutAutoUpd_->setCheckable(true);
  zAboutAutoUpd_->setChecked(autoCheck_);
  about
      ->addAction(QCoreApplication::translate("HelpCommands", "Проверить обновление"), this,
                  &HelpCommands::CheckForUpdate)
      ->setObjectName(QStringLiteral("zAboutUpd"));
  about->addAction(QCoreApplication::translate("HelpCommands", "О программе"), this, &HelpCommands::ShowAbout)
      ->setObjectName(QStringLiteral("zAboutVer"));
  // Without a site address nothing that needs the site is offered.
  for (QAction* action : about->actions()) {
    if (kSiteActionNames.contains(action->objectName())) action->setVisible(HasSite());
  }
}

bool HelpCommands::HasSite() const { return !WebSiteAddress(settings_).empty(); }

void HelpCommands::SetAutoCheckUpdates(bool on) {
  autoCheck_ = on;
  if (zAboutAutoUpd_) zAboutAutoUpd_->setChecked(on);
}

std::string HelpCommands::HelpPageHtml(bool rules) const {
  const HelpLanguage language = RussianInterface() ? HelpLanguage::Russian : HelpLanguage::English;
  return HelpWindowDocument(stylesheet_.StyleSheetHtml(), rules ? RulesText(language) : HelpText(language), language);
}

void HelpCommands::ShowHelp() {
  HelpWindow window(HelpWindow::Kind::Help, documents_, settings_, [this] { return HelpPageHtml(false); }, window_);
  helpWindow_ = &window;
  connect(window.Browser(), &BrowserPane::contextMenuWanted, this,
          [this, &window](QPoint at) { emit contextMenuWanted(window.Browser(), at); });
  window.exec();
  helpWindow_ = nullptr;
}

void HelpCommands::ShowRules() {
  if (rulesWindow_) {
    rulesWindow_->raise();
    rulesWindow_->activateWindow();
    return;
  }
  rulesWindow_ =
      new HelpWindow(HelpWindow::Kind::Rules, documents_, settings_, [this] { return HelpPageHtml(true); }, window_);
  rulesWindow_->setModal(false);
  connect(rulesWindow_->Browser(), &BrowserPane::contextMenuWanted, this,
          [this](QPoint at) { emit contextMenuWanted(rulesWindow_->Browser(), at); });
  connect(rulesWindow_, &HelpWindow::closed, this, [this] {
    emit rulesPaneChanged(nullptr);
    if (rulesWindow_) rulesWindow_->deleteLater();
    rulesWindow_ = nullptr;
  });
  emit rulesPaneChanged(rulesWindow_->Browser());
  rulesWindow_->show();
}

void HelpCommands::Restyle() {
  if (helpWindow_) helpWindow_->WritePage();
  if (rulesWindow_) rulesWindow_->WritePage();
}

// The hidden pane loads the check page; no network, no answer: nothing happens and nothing waits.
void HelpCommands::StartUpdateCheck() {
  if (!HasSite()) return;
  wbChkVer_->load(QUrl(Q(WebSiteAddress(settings_) + kAutoCheckPath)));
}

void HelpCommands::OnUpdateReply() {
  wbChkVer_->RunScript(QStringLiteral("document.body ? document.body.innerText : ''"), [this](const QVariant& reply) {
    const BookHeader& h = book_.Header();
    const auto question =
        UpdateQuestion(regex_, S(reply.toString()), AppVersion(), {h.TextVersionMajor, h.TextVersionMinor});
    if (!question) return;
    if (messages_.Show({*question, kUpdateCaption, MessageIcon::None, MessageButtons::YesNo}) == MessageAnswer::Yes) {
      CheckForUpdate();
    }
  });
}

void HelpCommands::CheckForUpdate() {
  const BookHeader& h = book_.Header();
  openUrl_(Q(UpdatePageAddress(WebSiteAddress(settings_), AppVersion(), {h.TextVersionMajor, h.TextVersionMinor})));
}

void HelpCommands::OpenSite() { openUrl_(Q(WebSiteAddress(settings_) + "/")); }

void HelpCommands::ShowAbout() {
  AboutDialog about(book_.Header().TextVersionMajor, book_.Header().TextVersionMinor, messages_, window_);
  about.exec();
}

}  // namespace orvelis
