// The window's side of the favourites: the panel in the left area, the view over the reading
// area, what the window hides while the view covers it, and the selection a favourite is made of.

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QMenu>

#include "shell/browser/browser_pane.h"
#include "shell/favorites/favorites_panel.h"
#include "shell/window/main_window.h"
#include "shell/platform/qt_text.h"

namespace orvelis {

void MainWindow::CreateFavoritesPanel() {
  favoritesPanel_ = new FavoritesPanel(favorites_, settings_, messages_, *documents_, stylesheet_, central_, central_);
  connect(favoritesPanel_, &FavoritesPanel::viewShownChanged, this, &MainWindow::AdaptToFavoritesView);
  connect(favoritesPanel_, &FavoritesPanel::settingsChanged, this, &MainWindow::SettingsChanged);
  connect(favoritesPanel_, &FavoritesPanel::printRequested, this, &MainWindow::PrintFavorite);
}

FavoritesTreeWidget* MainWindow::FavoritesTree() const { return favoritesPanel_->Tree(); }
BrowserPane* MainWindow::FavoritesView() const { return favoritesPanel_->ViewPane(); }
bool MainWindow::FavoritesViewShown() const { return favoritesPanel_->ViewShown(); }
QMenu* MainWindow::FavoritesMenu() const { return favoritesPanel_->Menu(); }

void MainWindow::ShowFavorite(bool forPrint) {
  if (forPrint) {
    wbPrint_->WriteDocument(favoritesPanel_->FragmentDocument(true));
  } else {
    favoritesPanel_->ShowFragment();
  }
}

void MainWindow::SetFavoritesView(bool on) { favoritesPanel_->SetViewShown(on); }

void MainWindow::AdaptToFavoritesView(bool on) {
  for (QAction* separator : fileSeparators_) separator->setVisible(!on);
  for (QAction* print : filePrintActions_) print->setVisible(!on);
  zNavigMenu_->menuAction()->setVisible(!on);
  zLangMenu_->menuAction()->setVisible(!on);
  for (int position : kReadingSeparators) toolbarSeparators_.value(position)->setVisible(!on);
  for (Cmd cmd : kReadingCommands) Action(cmd)->setVisible(!on);
}

std::string MainWindow::SelectedHtml() {
  QString html;
  bool done = false;
  GetWebBrowser()->RunScript(
      QStringLiteral("(function(){var s=window.getSelection();if(!s||!s.rangeCount)return '';"
                     "var d=document.createElement('div');for(var i=0;i<s.rangeCount;i++)"
                     "d.appendChild(s.getRangeAt(i).cloneContents());return d.innerHTML;})()"),
      [&](const QVariant& result) {
        html = result.toString();
        done = true;
      });
  QElapsedTimer timer;
  timer.start();
  while (!done && timer.elapsed() < 3000) QApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
  return S(html);
}

void MainWindow::zContextAddFavor_Click() {
  BrowserPane* source = GetWebBrowser();
  const std::string location = webSearchGotFocus_ ? std::string() : S(LocationText(webFocus_ == 2 ? 1 : 0));
  favoritesPanel_->AddFragment(location, SelectedHtml(), this);
  source->setFocus();
}

}  // namespace orvelis
