#pragma once
// The book's language (Russian or English): the book tree and every pane show the other
// language at the same page and the same place on it.

#include <QObject>

#include "book/book_format.h"

namespace orvelis {

class BookStore;
class BookTreePanel;
class MessageSink;
class ReadingArea;
class WindowCommands;

class LanguageCommands final : public QObject {
  Q_OBJECT

 public:
  LanguageCommands(WindowCommands& commands, BookStore& book, BookTreePanel& tree, ReadingArea& reading,
                   MessageSink& messages, QObject* parent);

  // A language whose pages cannot be read is reported and the book stays as it was.
  void SetLanguage(Language language);

 signals:
  void languageChanged();

 private:
  void CheckLanguage(Language language);

  WindowCommands& commands_;
  BookStore& book_;
  BookTreePanel& tree_;
  ReadingArea& reading_;
  MessageSink& messages_;
};

}  // namespace orvelis
