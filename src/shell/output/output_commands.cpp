// Output: saving the shown document as HTML, text or PDF; printing and print preview.

#include "shell/output/output_commands.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QTimer>
#include <filesystem>
#include <memory>
#include <optional>

#include "book/book_key.h"
#include "book/book_tables.h"
#include "ground/cp1251.h"
#include "output/save_rules.h"
#include "ports/message_sink.h"
#include "render/page_composer.h"
#include "render/parallel_export.h"
#include "shell/browser/browser_pane.h"
#include "shell/platform/qt_text.h"
#include "shell/reading/reading_area.h"
#include "shell/window/pane_focus.h"

namespace orvelis {
namespace {

// Waits for a signal with a cap, so a browser that never answers cannot hold the window.
template <typename Sender, typename Signal>
bool WaitFor(Sender* sender, Signal signal, int timeoutMs) {
  QEventLoop loop;
  bool fired = false;
  QObject::connect(sender, signal, &loop, [&] {
    fired = true;
    loop.quit();
  });
  QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
  loop.exec();
  return fired;
}

QString Evaluated(BrowserPane* pane, const QString& script) {
  return pane->Evaluate(script, 5000).value_or(QVariant()).toString();
}

}  // namespace

OutputCommands::OutputCommands(QWidget* window, PaneFocus& focus, ReadingArea& reading, PageComposer& composer,
                               ComposerSettings& composerSettings, RegexEngine& regex, MessageSink& messages,
                               DocumentScheme& documents, BookStore& book)
    : QObject(window),
      window_(window),
      focus_(focus),
      reading_(reading),
      composer_(composer),
      composerSettings_(composerSettings),
      regex_(regex),
      messages_(messages),
      book_(book),
      wbPrint_(new BrowserPane(QStringLiteral("wbPrint"), documents, window)) {
  wbPrint_->hide();
}

void OutputCommands::SaveDialog(const QString& proposedName) {
  ShowSaveDialog(focus_.Browser(), proposedName, focus_.Source());
}

bool OutputCommands::ChooseSaveFile(const QString& proposed, QString& path, int& typeIndex, bool withText) {
  if (chooseSaveFile_) return chooseSaveFile_(proposed, path, typeIndex);
  const QStringList all = {Q(Tr(kHtmlFileType)), Q(Tr(kTextFileType)), Q(Tr(kPdfFileType))};
  QStringList types = all;
  if (!withText) types.removeAt(1);
  QString chosenType = types.first();
  path = QFileDialog::getSaveFileName(window_, Q(Tr(kSaveDialogTitle)), proposed, types.join(QStringLiteral(";;")),
                                      &chosenType, QFileDialog::DontConfirmOverwrite);
  typeIndex = static_cast<int>(all.indexOf(chosenType)) + 1;
  return !path.isEmpty();
}

void OutputCommands::ShowSaveDialog(BrowserPane* browser, QString proposedName, SaveSource source) {
  if (proposedName.isEmpty()) proposedName = Q(ProposedSaveName(S(Evaluated(browser, QStringLiteral("document.title")))));
  QString path;
  int typeIndex = 1;
  if (!ChooseSaveFile(proposedName, path, typeIndex)) return;
  const std::string error = WritePageFile(browser, path, typeIndex, source);
  if (!error.empty()) messages_.Show({error, kSaveErrorCaption, MessageIcon::Critical, MessageButtons::Ok});
}

std::string OutputCommands::WritePageFile(BrowserPane* browser, const QString& path, int typeIndex, SaveSource source) {
  const SaveName name = ChooseSaveName(S(path), typeIndex);
  if (QFileInfo::exists(Q(name.Full()))) {
    switch (messages_.Show({kOverwriteQuestion, kOverwriteCaption, MessageIcon::Question, MessageButtons::YesNoCancel})) {
      case MessageAnswer::Cancel: return {};
      case MessageAnswer::No:
        ShowSaveDialog(browser, Q(name.base), source);
        return {};
      default: break;
    }
  }
  return WriteContent(OutputPane(browser), name, source);
}

std::string OutputCommands::WriteContent(BrowserPane* browser, const SaveName& name, SaveSource source) {
  const QString full = Q(name.Full());
  if (name.extension == "pdf") return WritePdf(browser, full);
  if (name.extension == "txt") {
    return WriteBytes(full, EncodeCp1251(S(Evaluated(browser, QStringLiteral("document.body ? document.body.innerText : ''"))),
                                         Unmappable::Question));
  }
  const std::string title = S(Evaluated(browser, QStringLiteral("document.title")));
  const std::string body = S(Evaluated(browser, QStringLiteral("document.body ? document.body.innerHTML : ''")));
  return WriteBytes(full, EncodeCp1251(SavedHtml(regex_, title, body, source), Unmappable::NumericReference));
}

// A failed write never leaves a half-written file in place of an older one.
std::string OutputCommands::WriteBytes(const QString& full, const std::string& bytes) {
  QSaveFile file(full);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes.data(), static_cast<qint64>(bytes.size())) < 0 ||
      !file.commit()) {
    return S(file.errorString());
  }
  return {};
}

// The browser's own PDF printing, with the page's print rules; written beside, then moved.
std::string OutputCommands::WritePdf(BrowserPane* browser, const QString& full) {
  const QString temp = full + QStringLiteral(".part");
  browser->page()->printToPdf(temp);
  if (!WaitFor(browser->page(), &QWebEnginePage::pdfPrintingFinished, 60000) || !QFileInfo(temp).size()) {
    QFile::remove(temp);
    return S(QCoreApplication::translate("OutputCommands", "Не удалось записать файл %1").arg(full));
  }
  std::error_code ec;
  std::filesystem::rename(temp.toStdString(), full.toStdString(), ec);  // replaces the old file at once
  if (ec) {
    QFile::remove(temp);
    return ec.message();
  }
  return {};
}

// Printing to a PDF file goes through the browser's own PDF output, which keeps the text (the
// general path draws the pages as pictures).
bool OutputCommands::PrintTo(BrowserPane* browser, QPrinter& printer) {
  if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
    browser->page()->printToPdf(printer.outputFileName(), printer.pageLayout(), printer.pageRanges());
    return WaitFor(browser->page(), &QWebEnginePage::pdfPrintingFinished, 60000);
  }
  browser->print(&printer);
  return WaitFor(browser, &QWebEngineView::printFinished, 60000);
}

// With fixed headers the Paper's title and the page number live in the strip, not in the page;
// output gets the page composed with its bars, so that paper and files always carry them.
BrowserPane* OutputCommands::OutputPane(BrowserPane* browser) {
  const bool readingPane = browser == reading_.Pane(ReadingPane::Web1) || browser == reading_.Pane(ReadingPane::Web2);
  const std::string key = reading_.Locator().CurrentKey();
  if (!composerSettings_.fixedHeaders || !readingPane || key.empty()) return browser;
  composerSettings_.fixedHeaders = false;
  const bool first = browser == reading_.Pane(ReadingPane::Web1);
  const ComposedNode node = composer_.Compose(key, "", first ? 0 : 1, -1, reading_.SelectedTreeKey(),
                                              first && reading_.Locator().LayoutMode() == kLayoutParallel);
  composerSettings_.fixedHeaders = true;
  wbPrint_->WriteDocument(node.pageHtml);
  if (!wbPrint_->IsLoaded()) WaitFor(wbPrint_, &BrowserPane::loaded, 10000);
  return wbPrint_;
}

void OutputCommands::Print(BrowserPane* browser) {
  browser = OutputPane(browser);
  QPrinter printer;
  QPrintDialog dialog(&printer, window_);
  if (dialog.exec() == QDialog::Accepted) PrintTo(browser, printer);
}

void OutputCommands::Preview(BrowserPane* browser) {
  browser = OutputPane(browser);
  QPrintPreviewDialog preview(window_);
  connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this, browser](QPrinter* printer) { PrintTo(browser, *printer); });
  preview.exec();
}

void OutputCommands::ShowDocument(BrowserPane* pane, const std::string& html) {
  pane->WriteDocument(html);
  if (!pane->IsLoaded()) WaitFor(pane, &BrowserPane::loaded, 10000);
}

void OutputCommands::PrintDocument(const std::string& html) {
  ShowDocument(wbPrint_, html);
  Print(wbPrint_);
}

}  // namespace orvelis

namespace orvelis {

std::optional<ParallelExport> OutputCommands::ParallelText(ParallelScope scope) {
  const auto page = ParallelExporter::ShownPage(reading_.Locator().CurrentKey());
  if (!page) {
    messages_.Show({kParallelNeedsPage, kParallelCaption, MessageIcon::Information, MessageButtons::Ok});
    return std::nullopt;
  }
  const BookKey key = scope == ParallelScope::Page ? BookKey{BookKeyKind::Page, *page}
                                                   : BookKey{BookKeyKind::Paper, PaperOfPage(*page)};
  return ParallelExporter(composer_, book_, regex_).Compose(FormatBookKey(key));
}

// As the save of a shown document, but the HTML file is the exported document itself (its
// stylesheet inside), and PDF and typed text names go through the hidden pane.
void OutputCommands::SaveParallel(ParallelScope scope) {
  const auto text = ParallelText(scope);
  if (!text) return;
  QString proposed = Q(ProposedSaveName(text->title));
  for (;;) {
    QString path;
    int typeIndex = 1;
    if (!ChooseSaveFile(proposed, path, typeIndex, false)) return;
    const SaveName name = ChooseSaveName(S(path), typeIndex);
    if (QFileInfo::exists(Q(name.Full()))) {
      const MessageAnswer answer =
          messages_.Show({kOverwriteQuestion, kOverwriteCaption, MessageIcon::Question, MessageButtons::YesNoCancel});
      if (answer == MessageAnswer::Cancel) return;
      if (answer == MessageAnswer::No) {
        proposed = Q(name.base);
        continue;
      }
    }
    std::string error;
    if (name.extension == "htm" || name.extension == "html") {
      error = WriteBytes(Q(name.Full()), text->FileBytes());
    } else {
      ShowDocument(wbPrint_, text->html);
      error = WriteContent(wbPrint_, name, SaveSource::Web1);
    }
    if (!error.empty()) messages_.Show({error, kSaveErrorCaption, MessageIcon::Critical, MessageButtons::Ok});
    return;
  }
}

void OutputCommands::PrintParallel(ParallelScope scope) {
  if (const auto text = ParallelText(scope)) PrintDocument(text->html);
}

}  // namespace orvelis
