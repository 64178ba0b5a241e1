#pragma once
// Output: saving the document of the pane the reader works in as HTML, text or PDF; printing and
// print preview. Pages shown with fixed headers go out composed with their bars.

#include <QObject>
#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "output/save_rules.h"

class QPrinter;
class QWidget;

namespace orvelis {

class BookStore;
class BrowserPane;
class DocumentScheme;
class MessageSink;
class PageComposer;
class PaneFocus;
class ReadingArea;
class RegexEngine;
struct ComposerSettings;
struct ParallelExport;

class OutputCommands final : public QObject {
  Q_OBJECT

 public:
  OutputCommands(QWidget* window, PaneFocus& focus, ReadingArea& reading, PageComposer& composer,
                 ComposerSettings& composerSettings, RegexEngine& regex, MessageSink& messages,
                 DocumentScheme& documents, BookStore& book);

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

  // The page shown in the first pane, or its whole Paper, as a parallel text (the current language
  // on the left): saved as HTML or PDF, or printed.
  enum class ParallelScope { Page, Paper };
  void SaveParallel(ParallelScope scope);
  void PrintParallel(ParallelScope scope);

  // Replaces the save dialog (tests): gets the proposed name, sets path and type (1..3).
  std::function<bool(const QString& proposed, QString& path, int& typeIndex)> chooseSaveFile_;

 private:
  // `withText` offers the text type too; the index is always that of the full list (1..3).
  bool ChooseSaveFile(const QString& proposed, QString& path, int& typeIndex, bool withText = true);
  BrowserPane* OutputPane(BrowserPane* browser);
  std::optional<ParallelExport> ParallelText(ParallelScope scope);
  // Writes the file `name` gives from `browser`'s document: PDF, its text or its cleaned-up HTML.
  std::string WriteContent(BrowserPane* browser, const SaveName& name, SaveSource source);
  std::string WriteBytes(const QString& full, const std::string& bytes);
  // Writes `browser`'s document through the browser's own PDF output.
  std::string WritePdf(BrowserPane* browser, const QString& full);
  void ShowDocument(BrowserPane* pane, const std::string& html);

  QWidget* window_;
  PaneFocus& focus_;
  ReadingArea& reading_;
  PageComposer& composer_;
  ComposerSettings& composerSettings_;
  RegexEngine& regex_;
  MessageSink& messages_;
  BookStore& book_;
  BrowserPane* wbPrint_;
};

}  // namespace orvelis
