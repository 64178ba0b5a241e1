#include "shell/browser/word_translation.h"

#include <QCoreApplication>
#include <QTextBrowser>
#include <QTimer>
#include <QVBoxLayout>

#include "book/book_store.h"
#include "navigation/link_protocol.h"
#include "shell/platform/qt_text.h"
#include "words/dictionary_section.h"
#include "words/glossary.h"
#include "words/glossary_page.h"

namespace orvelis {

WordTranslation::WordTranslation(BookStore& book, QWidget* parent)
    : QDialog(parent), book_(book), dictionaryFiles_(FindEnglishRussianDictionary()) {
  setObjectName(QStringLiteral("frWordTranslation"));
  setWindowTitle(QCoreApplication::translate("WordTranslation", "Перевод слова"));
  auto* layout = new QVBoxLayout(this);
  view_ = new QTextBrowser(this);
  view_->setObjectName(QStringLiteral("txtWordTranslation"));
  view_->setOpenLinks(false);
  layout->addWidget(view_);
  resize(420, 300);
  poll_ = new QTimer(this);
  poll_->setInterval(50);
  connect(poll_, &QTimer::timeout, this, &WordTranslation::ShowWhenReady);
  connect(view_, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
    const SearchLinkAction action = SearchPaneLinkAction(S(url.toString()));
    if (action.kind == SearchLinkAction::ShowPage) emit pageRequested(action.key, action.paragraph);
  });
}

// The thread reads the book's texts, which nothing changes once both languages are loaded.
WordTranslation::~WordTranslation() {
  if (building_.valid()) building_.wait();
}

void WordTranslation::ShowWord(const std::string& word, Language from) {
  word_ = word;
  from_ = from;
  if (!glossary_ && !building_.valid()) {
    (void)book_.LoadPageTexts(kEnglish);
    (void)book_.LoadPageTexts(kRussian);
    const BookStore* book = &book_;
    building_ = std::async(std::launch::async, [book] { return std::make_shared<Glossary>(*book); });
  }
  show();
  raise();
  ShowWhenReady();
}

void WordTranslation::SetDictionaryFolder(const std::string& folder) {
  dictionaryFiles_ = FindEnglishRussianDictionary(folder);
  dictionary_ = DictdDictionary();
  dictionaryTried_ = false;
}

void WordTranslation::ShowWordOfPane(const std::string& word, int pane, bool parallel) {
  const bool latin = !word.empty() && static_cast<unsigned char>(word[0]) < 0x80;
  ShowWord(word, parallel ? (latin ? kEnglish : kRussian) : book_.LanguageOfPane(pane));
}

void WordTranslation::ShowWhenReady() {
  if (!glossary_ && building_.valid() &&
      building_.wait_for(std::chrono::seconds(0)) == std::future_status::ready) {
    glossary_ = building_.get();
  }
  // The dictionary first, for an English word: it is there at once, the glossary perhaps not yet.
  const std::string dictionary =
      from_ == kEnglish
          ? DictionarySectionHtml(dictionaryFiles_, dictionary_, dictionaryOpened_, dictionaryTried_, word_)
          : std::string();
  if (!glossary_) {
    view_->setHtml(Q(dictionary) + QStringLiteral("<p>%1</p>").arg(Q(Tr(kGlossaryWorking))));
    poll_->start();
    return;
  }
  poll_->stop();
  view_->setHtml(Q(dictionary + GlossaryPageHtml(word_, from_, glossary_->Lookup(word_, from_))));
}

}  // namespace orvelis
