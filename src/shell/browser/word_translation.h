#pragma once
// frWordTranslation: what the aligned book says a word is in the other language. The glossary is
// gathered from the whole book on first use, off the window's thread; the panel says so meanwhile
// and fills in when it is ready. Its example links show their page at the paragraph.

#include <QDialog>
#include <future>
#include <memory>
#include <string>

#include "book/book_format.h"
#include "words/dictd_dictionary.h"
#include "words/installed_dictionary.h"

class QTextBrowser;
class QTimer;

namespace orvelis {

class BookStore;
class Glossary;

class WordTranslation final : public QDialog {
  Q_OBJECT

 public:
  WordTranslation(BookStore& book, QWidget* parent);
  ~WordTranslation() override;

  void ShowWord(const std::string& word, Language from);
  // A word of a reading pane: of that pane's language, or in the parallel text of the language
  // its letters are.
  void ShowWordOfPane(const std::string& word, int pane, bool parallel);
  QTextBrowser* View() const { return view_; }
  bool Ready() const { return glossary_ != nullptr; }
  // Where the English-Russian dictionary is looked for (the system's folder by default).
  void SetDictionaryFolder(const std::string& folder);

 signals:
  void pageRequested(const std::string& key, int paragraph);

 private:
  void ShowWhenReady();

  BookStore& book_;
  QTextBrowser* view_ = nullptr;
  QTimer* poll_ = nullptr;
  std::future<std::shared_ptr<Glossary>> building_;
  std::shared_ptr<Glossary> glossary_;
  // English words are looked up in the installed dictionary too (`dictionaryFolder_`, tests
  // bring their own).
  InstalledDictionary dictionaryFiles_;
  DictdDictionary dictionary_;
  DictionaryResult dictionaryOpened_;
  bool dictionaryTried_ = false;
  std::string word_;
  Language from_ = kRussian;
};

}  // namespace orvelis
