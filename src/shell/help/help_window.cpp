#include "shell/help/help_window.h"

#include <QCloseEvent>
#include <QTimer>
#include <QVBoxLayout>

#include "help/help_pages.h"
#include "navigation/link_protocol.h"
#include "ground/numeric_text.h"
#include "ports/settings_store.h"
#include "shell/browser/browser_pane.h"
#include "shell/platform/qt_text.h"

namespace orvelis {

HelpWindow::HelpWindow(Kind kind, DocumentScheme& documents, SettingsStore& settings,
                       std::function<std::string()> page, QWidget* parent)
    : QDialog(parent), kind_(kind), settings_(settings), page_(std::move(page)) {
  setObjectName(kind == Kind::Help ? QStringLiteral("frHelp") : QStringLiteral("frSearchRule"));
  setWindowTitle(QString::fromUtf8(kind == Kind::Help ? kHelpCaption : kRulesCaption));
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

// Reads what the window saved when it last closed; values that are not numbers are skipped.
void HelpWindow::RestorePlacement() {
  const std::string p = Prefix();
  const auto number = [&](const char* name) { return ParseRoundedInt32(settings_.Read(p + name)); };
  const auto width = number("w");
  const auto height = number("h");
  if (width && height && *width > 0 && *height > 0) resize(static_cast<int>(*width / 15), static_cast<int>(*height / 15));
  const auto top = number("t");
  const auto left = number("l");
  if (top && left) move(static_cast<int>(*left / 15), static_cast<int>(*top / 15));
  if (number("s") == 2) setWindowState(windowState() | Qt::WindowMaximized);
}

void HelpWindow::SavePlacement() {
  if (saved_) return;
  saved_ = true;
  const std::string p = Prefix();
  const bool normal = !(windowState() & (Qt::WindowMaximized | Qt::WindowMinimized));
  if (normal) {
    settings_.Write(p + "t", std::to_string(y() * 15));
    settings_.Write(p + "l", std::to_string(x() * 15));
    settings_.Write(p + "w", std::to_string(width() * 15));
    settings_.Write(p + "h", std::to_string(height() * 15));
  }
  settings_.Write(p + "s", windowState() & Qt::WindowMaximized ? "2" : windowState() & Qt::WindowMinimized ? "1" : "0");
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
