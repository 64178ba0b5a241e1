#pragma once
// The search panel (fraSearch, left panel 2): the query box and its button, the help "?", the
// parts selector, the result count, the results pane (wbSearch) with its links and "Искать в
// найденном". It runs searches through the core's engine, whose view it is, and asks the window to
// show the pages and Papers its links name.

#include <QWidget>
#include <memory>
#include <string>

#include "book/book_format.h"
#include "search/search_results.h"
#include "ports/search_view.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace orvelis {

class BookStore;
class BrowserPane;
class DocumentScheme;
class MessageSink;
class RegexEngine;
class SearchEngine;
class Stylesheet;

class SearchPanel final : public QWidget, public SearchView {
  Q_OBJECT

 public:
  SearchPanel(DocumentScheme& documents, QWidget* parent);
  ~SearchPanel() override;

  // The engine that searches and the options of its results page (the reading core's).
  void Attach(SearchEngine& engine, ResultsOptions& options);
  BrowserPane* ResultsPane() const { return results_; }
  // Sorting and grouping of the results page (kept in the settings).
  ResultsOptions& Options() { return *options_; }
  // The only entry to a search: busy pointer and a disabled button while it runs; input is held
  // back until it ends, and a search asked for during another is refused.
  void Search(const std::string& query);
  bool Searching() const { return searching_; }
  // The query of the results page shown, empty before the first search.
  const std::string& LastQuery() const;
  // The check boxes of the options, as the options are (after the settings were read).
  void ShowOptions();
  // The parts selector in the language of the book.
  void ShowPartNames(Language lang);
  // The text style changed: a results page takes the new rules without being searched again.
  void Restyle(const QString& script);

  // SearchView.
  void WriteSearchDocument(std::string html) override;
  void ProcessEvents() override;
  void SetSearchInFoundEnabled(bool enabled) override;
  void SetResultCountText(const std::string& text) override;
  void SelectAndFocusSearchBox() override;

 signals:
  // A result's page (with the query to highlight, the languages it was found in and, from a
  // snippet, its paragraph) or Paper.
  void pageRequested(const std::string& key, const std::string& highlight, LanguageMask foundIn, int paragraph,
                     bool scrollToParagraph);
  void paperRequested(const std::string& key);
  void rulesRequested();
  void optionsChanged();

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool OnResultsNavigation(const std::string& url);
  // Before the first search: loads a results page under a blank cover into the results pane and,
  // once it has loaded, the blank again, so that the browser has been through a results page
  // once. A search meanwhile takes the pane over.
  void Rehearse();

  SearchEngine* engine_ = nullptr;
  ResultsOptions* options_ = nullptr;
  bool searching_ = false;
  bool awaitingProgressPage_ = false;
  bool rehearsing_ = false;
  bool resultsStarted_ = false;  // the results pane has had its first document
  QLineEdit* txtSearch_ = nullptr;
  QPushButton* cmdSearch_ = nullptr;
  QLabel* imgHelp_ = nullptr;
  QComboBox* cmbParts_ = nullptr;
  QCheckBox* chkSearchInFound_ = nullptr;
  QCheckBox* chkBothLanguages_ = nullptr;
  QCheckBox* chkCounterparts_ = nullptr;
  QCheckBox* chkWordForms_ = nullptr;
  QLabel* lblSearchres_ = nullptr;
  BrowserPane* results_ = nullptr;
};

}  // namespace orvelis
