// The search panel: the query box and its button, the parts selector, "Искать в найденном", the
// result count and the results pane with its links; find on page.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/book_tree_model.h"
#include "ui/link_protocol.h"
#include "ui/window/browser_pane.h"
#include "ui/window/find_bar.h"
#include "ui/window/main_window.h"
#include "ui/window/qt_text.h"

namespace orvelis {
namespace {

// The help icon's two pictures: the pointer over it, and not.
QPixmap HelpPicture(bool hover) {
  QPixmap pixmap(20, 20);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setBrush(hover ? QColor(60, 60, 216) : QColor(140, 140, 170));
  p.setPen(Qt::NoPen);
  p.drawEllipse(1, 1, 18, 18);
  p.setPen(Qt::white);
  QFont font = p.font();
  font.setBold(true);
  font.setPixelSize(14);
  p.setFont(font);
  p.drawText(QRect(0, 0, 20, 20), Qt::AlignCenter, QStringLiteral("?"));
  return pixmap;
}

}  // namespace

void MainWindow::CreateSearchPanel() {
  fraSearch_ = new QWidget(central_);
  fraSearch_->setObjectName(QStringLiteral("fraSearch"));
  auto* search = new QVBoxLayout(fraSearch_);
  search->setContentsMargins(6, 6, 6, 6);
  auto* wordRow = new QHBoxLayout;
  auto* word = new QLabel(QStringLiteral("Введите фразу для поиска:"), fraSearch_);
  word->setObjectName(QStringLiteral("lblSearchWord"));
  imgHelp_ = new QLabel(fraSearch_);
  imgHelp_->setObjectName(QStringLiteral("imgHelp"));
  imgHelp_->setPixmap(HelpPicture(false));
  imgHelp_->setToolTip(QStringLiteral("Правила написания запросов в строку поиска"));
  imgHelp_->installEventFilter(this);
  wordRow->addWidget(word, 1);
  wordRow->addWidget(imgHelp_);
  search->addLayout(wordRow);

  auto* row = new QHBoxLayout;
  txtSearch_ = new QLineEdit(fraSearch_);
  txtSearch_->setObjectName(QStringLiteral("txtSearch"));
  txtSearch_->installEventFilter(this);
  cmdSearch_ = new QPushButton(QStringLiteral("Искать"), fraSearch_);
  cmdSearch_->setObjectName(QStringLiteral("cmdSearch"));
  cmdSearch_->setEnabled(false);
  row->addWidget(txtSearch_, 1);
  row->addWidget(cmdSearch_);
  search->addLayout(row);
  connect(txtSearch_, &QLineEdit::textChanged, this, [this](const QString& text) { cmdSearch_->setEnabled(!text.isEmpty()); });
  connect(cmdSearch_, &QPushButton::clicked, this, [this] { SearchBook(S(txtSearch_->text())); });
  connect(txtSearch_, &QLineEdit::returnPressed, this, [this] {
    if (!txtSearch_->text().isEmpty()) SearchBook(S(txtSearch_->text()));
  });

  auto* partsRow = new QHBoxLayout;
  cmbParts_ = new QComboBox(fraSearch_);
  cmbParts_->setObjectName(QStringLiteral("cmbParts"));
  for (const std::string& entry : PartsSelectorEntries(kRussian)) cmbParts_->addItem(Q(entry));
  auto* show = new QPushButton(QStringLiteral("Показать"), fraSearch_);
  show->setObjectName(QStringLiteral("cmdSearchShow"));
  partsRow->addWidget(cmbParts_, 1);
  partsRow->addWidget(show);
  search->addLayout(partsRow);

  txtPrevSearch_ = new QLineEdit(fraSearch_);
  txtPrevSearch_->setObjectName(QStringLiteral("txtPrevSearch"));
  txtPrevSearch_->hide();
  lblSearchres_ = new QLabel(QStringLiteral("Результаты (страниц: 0)"), fraSearch_);
  lblSearchres_->setObjectName(QStringLiteral("lblSearchres"));
  search->addWidget(lblSearchres_);
  auto* line = new QFrame(fraSearch_);
  line->setObjectName(QStringLiteral("lnSearch"));
  line->setFrameShape(QFrame::HLine);
  search->addWidget(line);
  wbSearch_ = new BrowserPane(QStringLiteral("wbSearch"), *documents_, fraSearch_);
  wbSearch_->SetNavigationHandler([this](const std::string& url) { return OnSearchNavigation(url); });
  search->addWidget(wbSearch_, 1);
  chkSearchInFound_ = new QCheckBox(QStringLiteral("Искать в найденном"), fraSearch_);
  chkSearchInFound_->setObjectName(QStringLiteral("chkSearchInFound"));
  chkSearchInFound_->setEnabled(false);
  search->addWidget(chkSearchInFound_);

  auto* find = new QShortcut(QKeySequence::Find, this);
  connect(find, &QShortcut::activated, this, [this] { zContextFind_Click(); });
}

void MainWindow::FilterSearchPanelEvent(QObject* watched, QEvent* event) {
  if (watched == txtSearch_ && event->type() == QEvent::FocusIn) {
    QTimer::singleShot(0, txtSearch_, &QLineEdit::selectAll);  // after a click has placed the cursor
  }
  if (watched == imgHelp_ && (event->type() == QEvent::Enter || event->type() == QEvent::Leave)) {
    imgHelp_->setPixmap(HelpPicture(event->type() == QEvent::Enter));
  }
  if (watched == imgHelp_ && event->type() == QEvent::MouseButtonRelease) imgHelp_Click();
}

// A search lets the window paint while it runs, but never lets input in: a key or a click held
// back is delivered when the search has ended, so nothing starts inside a search.
void MainWindow::SearchBook(const std::string& query) {
  if (searching_) return;
  searching_ = true;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  cmdSearch_->setEnabled(false);
  awaitingProgressPage_ = true;
  search_->RunSearch(query);
  cmdSearch_->setEnabled(true);
  QApplication::restoreOverrideCursor();
  searching_ = false;
}

bool MainWindow::OnSearchNavigation(const std::string& url) {
  const SearchLinkAction action = SearchPaneLinkAction(url);
  const std::string prev = S(txtPrevSearch_->text());
  switch (action.kind) {
    case SearchLinkAction::Ignore:
      return url.find('@') == std::string::npos && url.find("about:blank") != std::string::npos;
    case SearchLinkAction::FlipSort:
      resultsOptions_.sortByRating = resultsOptions_.sortByRating == 0 ? 1 : 0;
      SettingsChanged();
      QTimer::singleShot(0, this, [this, prev] { SearchBook(prev); });
      return false;
    case SearchLinkAction::FlipGroup:
      resultsOptions_.groupResults = !resultsOptions_.groupResults;
      SettingsChanged();
      QTimer::singleShot(0, this, [this, prev] { SearchBook(prev); });
      return false;
    case SearchLinkAction::ShowPaper:
      QTimer::singleShot(0, this, [this, key = action.key] { locator_.ShowTarget(key, false, "", -1); });
      return false;
    case SearchLinkAction::ShowPage:
      QTimer::singleShot(0, this, [this, action, prev] {
        locator_.ShowTarget(action.key, false, prev, action.paragraph);
        if (action.scrollToParagraph) ScrollParagraphIntoView(action.paragraph);
      });
      return false;
  }
  return false;
}

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

void MainWindow::WriteSearchDocument(const std::string& html) { wbSearch_->WriteDocument(html); }

// The progress page must be on screen before the search blocks the window: the first pass of a
// search waits (briefly) for the pane to load it and paint. Later passes only let pending events
// through; the results page loads and paints on its own.
void MainWindow::ProcessEvents() {
  if (awaitingProgressPage_) {
    awaitingProgressPage_ = false;
    QElapsedTimer timer;
    timer.start();
    while (!wbSearch_->IsLoaded() && timer.elapsed() < 1000) {
      QApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
    }
  }
  QApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 30);
}

void MainWindow::SetPrevSearch(const std::string& query) { txtPrevSearch_->setText(Q(query)); }

bool MainWindow::SearchInFoundChecked() const { return chkSearchInFound_->isChecked(); }

void MainWindow::SetSearchInFoundEnabled(bool enabled) {
  chkSearchInFound_->setEnabled(enabled);
  if (!enabled) chkSearchInFound_->setChecked(false);
}

void MainWindow::SetResultCountText(const std::string& text) { lblSearchres_->setText(Q(text)); }

int MainWindow::PartsSelectorIndex() const { return cmbParts_->currentIndex(); }

std::string MainWindow::PartsSelectorText() const { return S(cmbParts_->currentText()); }

void MainWindow::SelectAndFocusSearchBox() {
  txtSearch_->setFocus();
  txtSearch_->selectAll();
}

}  // namespace orvelis
