#pragma once
// Output: saving the document of the pane the reader works in as HTML, text or PDF; printing and
// print preview. Pages shown with fixed headers go out composed with their bars.

#include <QObject>
#include <QString>
#include <functional>
#include <string>

#include "output/save_rules.h"

class QPrinter;
class QWidget;

namespace orvelis {

class BrowserPane;
class DocumentScheme;
class MessageSink;
class PageComposer;
class PaneFocus;
class ReadingArea;
class RegexEngine;
struct ComposerSettings;

class OutputCommands final : public QObject {
  Q_OBJECT

 public:
  OutputCommands(QWidget* window, PaneFocus& focus, ReadingArea& reading, PageComposer& composer,
                 ComposerSettings& composerSettings, RegexEngine& regex, MessageSink& messages,
                 DocumentScheme& documents);

  // The hidden pane documents are printed from when the shown one will not do.
  BrowserPane* PrintPane() const { return wbPrint_; }

  void SaveAs() { SaveDialog(QString()); }
  void SaveDialog(const QString& proposedName);
  void ShowSaveDialog(BrowserPane* browser, QString proposedName, SaveSource source);
  // Returns the reason of a failure ("" when written, cancelled or handed back to the dialog).
  std::string WritePageFile(BrowserPane* browser, const QString& path, int typeIndex, SaveSource source);
  void Print(BrowserPane* browser);
  void Preview(BrowserPane* browser);
  bool PrintTo(BrowserPane* browser, QPrinter& printer);
  // Prints a document composed elsewhere (a favourite's fragment).
  void PrintDocument(const std::string& html);

  // Replaces the save dialog (tests): gets the proposed name, sets path and type (1..3).
  std::function<bool(const QString& proposed, QString& path, int& typeIndex)> chooseSaveFile_;

 private:
  bool ChooseSaveFile(const QString& proposed, QString& path, int& typeIndex);
  BrowserPane* OutputPane(BrowserPane* browser);

  QWidget* window_;
  PaneFocus& focus_;
  ReadingArea& reading_;
  PageComposer& composer_;
  ComposerSettings& composerSettings_;
  RegexEngine& regex_;
  MessageSink& messages_;
  BrowserPane* wbPrint_;
};

}  // namespace orvelis
