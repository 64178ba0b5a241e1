#include "shell/help/help_window.h"

#include <QCloseEvent>
#include <QTimer>
#include <QVBoxLayout>

#include "help/help_pages.h"
#include "navigation/link_protocol.h"
#include "ports/settings_store.h"
#include "shell/browser/browser_pane.h"
#include "shell/platform/qt_text.h"
#include "shell/platform/window_placement.h"

namespace orvelis {

HelpWindow::HelpWindow(Kind kind, DocumentScheme& documents, SettingsStore& settings,
                       std::function<std::string()> page, QWidget* parent)
    : QDialog(parent), kind_(kind), settings_(settings), page_(std::move(page)) {
  setObjectName(kind == Kind::Help ? QStringLiteral("frHelp") : QStringLiteral("frSearchRule"));
  setWindowTitle(Q(Tr(kind == Kind::Help ? kHelpCaption : kRulesCaption)));
  setAttribute(Qt::WA_DeleteOnClose, false);
  resize(640, 560);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* picWeb = new QWidget(this);
  picWeb->setObjectName(QStringLiteral("picWeb"));
  auto* inner = new QVBoxLayout(picWeb);
  inner->setContentsMargins(0, 0, 0, 0);
  wbWeb_ = new BrowserPane(kind == Kind::Help ? QStringLiteral("frHelp_wbWeb") : QStringLiteral("frSearchRule_wbWeb"),
                           documents, picWeb);
  wbWeb_->SetNavigationHandler([this](const std::string& url) {
    if (IsCloseLink(url)) QTimer::singleShot(0, this, [this] { close(); });
    return !IsCloseLink(url) && url.find('@') == std::string::npos;
  });
  inner->addWidget(wbWeb_);
  layout->addWidget(picWeb);
  RestorePlacement();
  wbWeb_->Prime();
  WritePage();
}

HelpWindow::~HelpWindow() = default;

void HelpWindow::WritePage() { wbWeb_->WriteDocument(page_()); }

const setting::PlacementNames& HelpWindow::PlacementNames() const {
  return kind_ == Kind::Help ? setting::kHelpWindowPlacement : setting::kRulesWindowPlacement;
}

// Where the window was when it last closed (values that are not numbers are skipped); only a
// maximised state is taken back, never a minimised one.
void HelpWindow::RestorePlacement() { ApplyPlacement(*this, LoadWindowPlacement(settings_, PlacementNames()), false); }

void HelpWindow::SavePlacement() {
  if (saved_) return;
  saved_ = true;
  bool normal = true;
  const WindowPlacement placement = CurrentPlacement(*this, normal);
  SaveWindowPlacement(settings_, PlacementNames(), placement, normal);
}

void HelpWindow::done(int result) {
  SavePlacement();
  emit closed();
  QDialog::done(result);
}

void HelpWindow::closeEvent(QCloseEvent* event) {
  SavePlacement();
  emit closed();
  QDialog::closeEvent(event);
}

}  // namespace orvelis
