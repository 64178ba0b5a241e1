// The window's side of the search: the panel in the left area, the pages its results ask for, and
// find on page.

#include <QShortcut>

#include "navigation/page_locator.h"
#include "shell/browser/browser_pane.h"
#include "shell/browser/find_bar.h"
#include "shell/window/main_window.h"
#include "shell/search/search_panel.h"

namespace orvelis {

void MainWindow::CreateSearchPanel() {
  searchPanel_ = new SearchPanel(book_, regex_, stylesheet_, messages_, *documents_, central_);
  connect(searchPanel_, &SearchPanel::pageRequested, this,
          [this](const std::string& key, const std::string& highlight, int paragraph, bool scrollToParagraph) {
            locator_.ShowTarget(key, false, highlight, paragraph);
            if (scrollToParagraph) ScrollParagraphIntoView(paragraph);
          });
  connect(searchPanel_, &SearchPanel::paperRequested, this,
          [this](const std::string& key) { locator_.ShowTarget(key, false, "", -1); });
  connect(searchPanel_, &SearchPanel::rulesRequested, this, &MainWindow::imgHelp_Click);
  connect(searchPanel_, &SearchPanel::optionsChanged, this, &MainWindow::SettingsChanged);

  auto* find = new QShortcut(QKeySequence::Find, this);
  connect(find, &QShortcut::activated, this, [this] { zContextFind_Click(); });
}

BrowserPane* MainWindow::SearchPane() const { return searchPanel_->ResultsPane(); }

void MainWindow::SearchBook(const std::string& query) { searchPanel_->Search(query); }

const ResultsOptions& MainWindow::SearchOptions() const { return searchPanel_->Options(); }

bool MainWindow::Searching() const { return searchPanel_->Searching(); }

// Once the page is in the first pane; a paragraph with no element is ignored.
void MainWindow::ScrollParagraphIntoView(int paragraph) {
  BrowserPane* pane = wbWeb_[0];
  const QString script =
      QStringLiteral("(function(){var e=document.getElementsByName('p%1')[0];if(e)e.scrollIntoView(true);})()")
          .arg(paragraph);
  if (pane->IsLoaded()) {
    pane->RunScript(script);
    return;
  }
  auto* once = new QMetaObject::Connection;
  *once = connect(pane, &BrowserPane::loaded, this, [pane, script, once] {
    QObject::disconnect(*once);
    delete once;
    pane->RunScript(script);
  });
}

// The bar belongs to the pane it searches, in that pane's own window (the query-rules window
// too), at the pane's lower edge where it hides none of the page's header.
void MainWindow::zContextFind_Click() {
  BrowserPane* pane = GetWebBrowser();
  if (!findBar_) findBar_ = new FindBar(pane->parentWidget());
  findBar_->OpenFor(pane);
}

}  // namespace orvelis
