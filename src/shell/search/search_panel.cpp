#include "shell/search/search_panel.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>
#include <utility>

#include "book/book_key.h"
#include "navigation/link_protocol.h"
#include "search/search_engine.h"
#include "shell/browser/browser_pane.h"
#include "shell/platform/qt_text.h"
#include "shell/search/results_layout_help.h"
#include "window_rules/book_tree_model.h"

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

SearchPanel::SearchPanel(DocumentScheme& documents, QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("fraSearch"));
  auto* search = new QVBoxLayout(this);
  search->setContentsMargins(6, 6, 6, 6);
  auto* wordRow = new QHBoxLayout;
  auto* word = new QLabel(QCoreApplication::translate("SearchPanel", "Введите фразу для поиска:"), this);
  word->setObjectName(QStringLiteral("lblSearchWord"));
  imgHelp_ = new QLabel(this);
  imgHelp_->setObjectName(QStringLiteral("imgHelp"));
  imgHelp_->setPixmap(HelpPicture(false));
  imgHelp_->setToolTip(QCoreApplication::translate("SearchPanel", "Правила написания запросов в строку поиска"));
  imgHelp_->installEventFilter(this);
  wordRow->addWidget(word, 1);
  wordRow->addWidget(imgHelp_);
  search->addLayout(wordRow);

  auto* row = new QHBoxLayout;
  txtSearch_ = new QLineEdit(this);
  txtSearch_->setObjectName(QStringLiteral("txtSearch"));
  txtSearch_->installEventFilter(this);
  cmdSearch_ = new QPushButton(QCoreApplication::translate("SearchPanel", "Искать"), this);
  cmdSearch_->setObjectName(QStringLiteral("cmdSearch"));
  cmdSearch_->setEnabled(false);
  row->addWidget(txtSearch_, 1);
  row->addWidget(cmdSearch_);
  search->addLayout(row);
  connect(txtSearch_, &QLineEdit::textChanged, this, [this](const QString& text) { cmdSearch_->setEnabled(!text.isEmpty()); });
  connect(cmdSearch_, &QPushButton::clicked, this, [this] { Search(S(txtSearch_->text())); });
  connect(txtSearch_, &QLineEdit::returnPressed, this, [this] {
    if (!txtSearch_->text().isEmpty()) Search(S(txtSearch_->text()));
  });

  auto* partsRow = new QHBoxLayout;
  cmbParts_ = new QComboBox(this);
  cmbParts_->setObjectName(QStringLiteral("cmbParts"));
  for (const std::string& entry : PartsSelectorEntries(kRussian)) cmbParts_->addItem(Q(entry));
  auto* show = new QPushButton(QCoreApplication::translate("SearchPanel", "Показать"), this);
  show->setObjectName(QStringLiteral("cmdSearchShow"));
  partsRow->addWidget(cmbParts_, 1);
  partsRow->addWidget(show);
  search->addLayout(partsRow);
  chkBothLanguages_ = new QCheckBox(QCoreApplication::translate("SearchPanel", "Искать на обоих языках"), this);
  chkBothLanguages_->setObjectName(QStringLiteral("chkSearchBothLanguages"));
  chkBothLanguages_->setToolTip(QCoreApplication::translate("SearchPanel", "Искать в русском и в английском тексте"));
  chkCounterparts_ = new QCheckBox(QCoreApplication::translate("SearchPanel", "С переводом абзаца"), this);
  chkCounterparts_->setObjectName(QStringLiteral("chkSearchCounterparts"));
  chkCounterparts_->setToolTip(QCoreApplication::translate(
      "SearchPanel", "Под каждой находкой показывать начало того же абзаца на другом языке"));
  chkWordForms_ = new QCheckBox(QCoreApplication::translate("SearchPanel", "все формы слова"), this);
  chkWordForms_->setObjectName(QStringLiteral("chkSearchWordForms"));
  chkWordForms_->setToolTip(
      QCoreApplication::translate("SearchPanel", "Искать каждое слово запроса во всех его формах"));
  search->addWidget(chkWordForms_);
  connect(chkWordForms_, &QCheckBox::toggled, this, [this](bool on) {
    if (!options_ || options_->wordForms == on) return;
    options_->wordForms = on;
    emit optionsChanged();
  });
  search->addWidget(chkBothLanguages_);
  search->addWidget(chkCounterparts_);
  connect(chkBothLanguages_, &QCheckBox::toggled, this, [this](bool on) {
    if (!options_ || options_->searchBothLanguages == on) return;
    options_->searchBothLanguages = on;
    emit optionsChanged();
  });
  connect(chkCounterparts_, &QCheckBox::toggled, this, [this](bool on) {
    if (!options_ || options_->showCounterparts == on) return;
    options_->showCounterparts = on;
    emit optionsChanged();
  });

  lblSearchres_ = new QLabel(QCoreApplication::translate("SearchPanel", "Результаты (страниц: 0)"), this);
  lblSearchres_->setObjectName(QStringLiteral("lblSearchres"));
  search->addWidget(lblSearchres_);
  auto* line = new QFrame(this);
  line->setObjectName(QStringLiteral("lnSearch"));
  line->setFrameShape(QFrame::HLine);
  search->addWidget(line);
  results_ = new BrowserPane(QStringLiteral("wbSearch"), documents, this);
  results_->SetNavigationHandler([this](const std::string& url) { return OnResultsNavigation(url); });
  results_->AdoptStylesheet(QString::fromLatin1(kResultsLayoutHelp));
  connect(results_, &BrowserPane::loaded, this, [this] {
    if (!rehearsing_) return;
    rehearsing_ = false;
    results_->Prime();
  });
  search->addWidget(results_, 1);
  chkSearchInFound_ = new QCheckBox(QCoreApplication::translate("SearchPanel", "Искать в найденном"), this);
  chkSearchInFound_->setObjectName(QStringLiteral("chkSearchInFound"));
  chkSearchInFound_->setEnabled(false);
  search->addWidget(chkSearchInFound_);
}

void SearchPanel::Attach(SearchEngine& engine, ResultsOptions& options) {
  engine_ = &engine;
  options_ = &options;
  ShowOptions();
}

void SearchPanel::ShowOptions() {
  chkBothLanguages_->setChecked(options_->searchBothLanguages);
  chkCounterparts_->setChecked(options_->showCounterparts);
  chkWordForms_->setChecked(options_->wordForms);
}

SearchPanel::~SearchPanel() = default;

void SearchPanel::ShowPartNames(Language lang) {
  const auto entries = PartsSelectorEntries(lang);
  for (int i = 1; i < cmbParts_->count() && i < static_cast<int>(entries.size()); ++i) {
    cmbParts_->setItemText(i, Q(entries[static_cast<std::size_t>(i)]));
  }
}

bool SearchPanel::eventFilter(QObject* watched, QEvent* event) {
  if (watched == txtSearch_ && event->type() == QEvent::FocusIn) {
    QTimer::singleShot(0, txtSearch_, &QLineEdit::selectAll);  // after a click has placed the cursor
  }
  if (watched == imgHelp_ && (event->type() == QEvent::Enter || event->type() == QEvent::Leave)) {
    imgHelp_->setPixmap(HelpPicture(event->type() == QEvent::Enter));
  }
  if (watched == imgHelp_ && event->type() == QEvent::MouseButtonRelease) emit rulesRequested();
  return QWidget::eventFilter(watched, event);
}

// A search lets the window paint while it runs, but never lets input in: a key or a click held
// back is delivered when the search has ended, so nothing starts inside a search.
void SearchPanel::Search(const std::string& query) {
  if (searching_) return;
  searching_ = true;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  cmdSearch_->setEnabled(false);
  awaitingProgressPage_ = true;
  const int scope = cmbParts_->currentIndex();
  engine_->RunSearch({query, scope, S(cmbParts_->currentText()), chkSearchInFound_->isChecked(),
                      options_->searchBothLanguages, options_->wordForms});
  cmdSearch_->setEnabled(true);
  QApplication::restoreOverrideCursor();
  searching_ = false;
}

bool SearchPanel::OnResultsNavigation(const std::string& url) {
  const SearchLinkAction action = SearchPaneLinkAction(url);
  switch (action.kind) {
    case SearchLinkAction::Ignore:
      return url.find('@') == std::string::npos && url.find("about:blank") != std::string::npos;
    case SearchLinkAction::FlipSort:
      options_->sortByRating = options_->sortByRating == 0 ? 1 : 0;
      emit optionsChanged();
      QTimer::singleShot(0, this, [this, query = engine_->LastQuery()] { Search(query); });
      return false;
    case SearchLinkAction::FlipGroup:
      options_->groupResults = !options_->groupResults;
      emit optionsChanged();
      QTimer::singleShot(0, this, [this, query = engine_->LastQuery()] { Search(query); });
      return false;
    case SearchLinkAction::RunQuery:
      QTimer::singleShot(0, this, [this, query = action.query] {
        txtSearch_->setText(Q(query));
        Search(query);
      });
      return false;
    case SearchLinkAction::ShowPaper:
      QTimer::singleShot(0, this, [this, key = action.key] { emit paperRequested(key); });
      return false;
    case SearchLinkAction::ShowPage:
      QTimer::singleShot(0, this, [this, action] {
        const auto page = ParseBookKey(action.key);
        const LanguageMask found =
            page && page->kind == BookKeyKind::Page ? engine_->FoundLanguages(page->number) : kAllLanguages;
        emit pageRequested(action.key, engine_->LastShownQuery(), found, action.paragraph, action.scrollToParagraph);
      });
      return false;
  }
  return false;
}

void SearchPanel::WriteSearchDocument(std::string html) {
  rehearsing_ = false;
  results_->WriteDocument(std::move(html));
}

void SearchPanel::Rehearse() {
  // A reader who has begun typing is about to search: the pane is left to that search.
  if (!engine_ || searching_ || !LastQuery().empty() || !txtSearch_->text().isEmpty()) return;
  std::string page = engine_->RehearsalPage();
  if (page.empty()) return;
  rehearsing_ = true;
  results_->WriteDocument(std::move(page));
}

// The results pane starts its renderer process (60 to 100 MB) when the panel first shows: at
// start only when the panel is open then. It rehearses a moment after its blank is in, after
// the first page at start and before a reader who has just opened the panel has typed a query.
void SearchPanel::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (resultsStarted_) return;
  resultsStarted_ = true;
  results_->PrimeOnWarmPage();
  connect(
      results_, &BrowserPane::loaded, this,
      [this] {
        constexpr int kRehearsalDelayMs = 500;
        QTimer::singleShot(kRehearsalDelayMs, this, &SearchPanel::Rehearse);
      },
      Qt::SingleShotConnection);
}

// The progress page must be on screen before the search blocks the window: the first pass of a
// search waits (briefly) for the pane to load it and paint. Later passes only let pending events
// through; the results page loads and paints on its own.
void SearchPanel::ProcessEvents() {
  if (awaitingProgressPage_) {
    awaitingProgressPage_ = false;
    results_->WaitUntilLoaded(1000);
  }
  QApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 30);
}

const std::string& SearchPanel::LastQuery() const { return engine_->LastQuery(); }

void SearchPanel::SetSearchInFoundEnabled(bool enabled) {
  chkSearchInFound_->setEnabled(enabled);
  if (!enabled) chkSearchInFound_->setChecked(false);
}

void SearchPanel::SetResultCountText(const std::string& text) { lblSearchres_->setText(Q(text)); }

void SearchPanel::SelectAndFocusSearchBox() {
  txtSearch_->setFocus();
  txtSearch_->selectAll();
}

void SearchPanel::Restyle(const QString& script) {
  if (!LastQuery().empty()) results_->RunScript(script);
}

}  // namespace orvelis
