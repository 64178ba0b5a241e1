// Saving and printing with the real browser engine: the files written, byte for byte where the
// format is ours, and PDF text checked with pdftotext.

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <memory>

#include "app/startup.h"
#include "app/webengine_setup.h"
#include "book/cp1251.h"
#include "gui_support.h"
#include "ui/message_sink.h"
#include "ui/window/browser_pane.h"
#include "ui/window/favorites_add_dialog.h"
#include "ui/window/favorites_tree.h"
#include "ui/window/main_window.h"

using namespace orvelis;

class OutputTest : public QObject {
  Q_OBJECT

 public:
  explicit OutputTest(const test::IsolatedEnvironment& env) : env_(env) {}

 private slots:
  void init() {
    env_.Reset();
    qunsetenv("ORVELIS_MESSAGE_ANSWERS");
    w_ = test::StartReader(reader_);
    QVERIFY(w_);
  }
  void cleanup() {
    test::StopReader(reader_, w_);
  }

  void savingThePagesOfBothPanesAsHtmlAndText() {
    w_->ToolbarAction(21)->trigger();
    w_->Locator().ShowTarget("page135", false, "", -1);
    QVERIFY(test::WaitLoaded(w_->Pane(ReadingPane::Web1)));
    QVERIFY(test::WaitLoaded(w_->Pane(ReadingPane::Web2)));
    const QString html = Save(w_->Pane(ReadingPane::Web1), QStringLiteral("page.html"), 2, SaveSource::Web1);
    const QByteArray bytes = Read(html);
    QVERIFY(bytes.startsWith(Cp1251("<HTML>\r\n<HEAD>\r\n<title>Книга Орвелис v 3.4 - Страница 135</title>\r\n")));
    QVERIFY(bytes.contains("\r\n</HEAD>\r\n<BODY>\r\n"));
    QVERIFY(bytes.endsWith("\r\n</BODY>\r\n</HTML>"));
    QVERIFY(!bytes.contains("@page"));  // the navigation bars are gone
    QVERIFY(!bytes.contains("<a href"));
    const QString text = Save(w_->Pane(ReadingPane::Web2), QStringLiteral("english"), 2, SaveSource::Web2);
    QVERIFY(text.endsWith(QStringLiteral("english.txt")));
    const QByteArray plain = Read(text);
    QVERIFY(!plain.contains('<'));
    QVERIFY(plain.contains("Page 135"));
  }

  void savingTheSearchPaneAndTheFavouritesView() {
    w_->ToolbarAction(6)->trigger();
    w_->SearchBook("христос");
    QVERIFY(test::WaitLoaded(w_->SearchPane()));
    const QByteArray search = Read(Save(w_->SearchPane(), QStringLiteral("results"), 1, SaveSource::Search));
    QVERIFY(search.contains("<BODY style=\"padding: 5 5 5 5\">\r\n"));
    QVERIFY(search.contains(Cp1251("<title>Поиск по книге - [христос]</title>")));

    FavoritesAddDialog dialog(*reader_->Favorites(), w_->FavoritesTree(), "", "see <a href=\"@page5\">page five</a>",
                              sink_, w_);
    dialog.cmdOK_Click();
    w_->FavoritesTree()->setCurrentItem(FindFavoriteNode(w_->FavoritesTree(), QStringLiteral("d_1")));
    w_->ShowFavorite(false);
    QVERIFY(test::WaitLoaded(w_->FavoritesView()));
    const QByteArray favourite = Read(Save(w_->FavoritesView(), QStringLiteral("fav.htm"), 1, SaveSource::Favorites));
    QVERIFY(favourite.contains("see <u>page five</u>"));
    QVERIFY(favourite.contains("\r\n<BODY>\r\n"));
  }

  void anOverwriteAnsweredCancelWritesNothing() {
    const QString path = dir_.filePath(QStringLiteral("keep.txt"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("old");
    file.close();
    qputenv("ORVELIS_MESSAGE_ANSWERS", "cancel");
    QCOMPARE(w_->WritePageFile(w_->Pane(ReadingPane::Web1), path, 1, SaveSource::Web1), std::string());
    QCOMPARE(Read(path), QByteArray("old"));
    // "No" opens the dialog again with the name without its extension.
    qputenv("ORVELIS_MESSAGE_ANSWERS", "no");
    QString proposedAgain;
    w_->chooseSaveFile_ = [&](const QString& proposed, QString&, int&) {
      proposedAgain = proposed;
      return false;
    };
    w_->WritePageFile(w_->Pane(ReadingPane::Web1), path, 1, SaveSource::Web1);
    QCOMPARE(proposedAgain, dir_.filePath(QStringLiteral("keep")));
    QCOMPARE(Read(path), QByteArray("old"));
  }

  void copyPutsTheSelectionOnTheClipboard() {
    BrowserPane* page = w_->Pane(ReadingPane::Web1);
    w_->Locator().ShowTarget("page135", false, "", -1);
    QVERIFY(test::WaitLoaded(page));
    const QString selected = test::Eval(page, QStringLiteral(
        "var r=document.createRange();r.selectNodeContents(document.querySelector('p'));"
        "window.getSelection().removeAllRanges();window.getSelection().addRange(r);window.getSelection().toString()")).toString();
    QVERIFY(!selected.isEmpty());
    QApplication::clipboard()->clear();
    w_->activateWindow();
    QApplication::setActiveWindow(w_);
    page->setFocus();
    QTest::qWait(200);
    w_->zContextCopy_Click();
    QTRY_VERIFY_WITH_TIMEOUT(!QApplication::clipboard()->text().isEmpty(), 5000);
    QCOMPARE(QApplication::clipboard()->text().simplified(), selected.simplified());
  }

  void printingToAPdfFileAndThePdfFileTypeKeepThePagesWords() {
    w_->Locator().ShowTarget("page1500", false, "", -1);
    BrowserPane* page = w_->Pane(ReadingPane::Web1);
    QVERIFY(test::WaitLoaded(page));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir_.filePath(QStringLiteral("printed.pdf")));
    QVERIFY(w_->PrintTo(page, printer));
    QVERIFY(PdfText(dir_.filePath(QStringLiteral("printed.pdf"))).contains(QStringLiteral("Страница 1500")));
    const QString saved = Save(page, QStringLiteral("kept"), 3, SaveSource::Web1);
    QVERIFY(saved.endsWith(QStringLiteral(".pdf")));
    QVERIFY(PdfText(saved).contains(QStringLiteral("Страница 1500")));
  }

 private:
  QString Save(BrowserPane* pane, const QString& name, int type, SaveSource source) {
    QString written;
    w_->chooseSaveFile_ = [&](const QString&, QString& path, int& typeIndex) {
      path = dir_.filePath(name);
      typeIndex = type;
      return true;
    };
    const std::string error = w_->WritePageFile(pane, dir_.filePath(name), type, source);
    if (!error.empty()) qWarning("%s", error.c_str());
    const SaveName chosen = ChooseSaveName(dir_.filePath(name).toStdString(), type);
    return QString::fromStdString(chosen.Full());
  }
  static QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  static QByteArray Cp1251(const char* utf8) {
    const std::string bytes = EncodeCp1251(utf8, Unmappable::Question);
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
  }
  static QString PdfText(const QString& pdf) {
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    if (!tool.waitForFinished(30000)) return {};
    return QString::fromUtf8(tool.readAllStandardOutput());
  }

  class NoMessages final : public MessageSink {
   public:
    MessageAnswer Show(const Message&) override { return MessageAnswer::Ok; }
  } sink_;
  const test::IsolatedEnvironment& env_;
  QTemporaryDir dir_;
  std::unique_ptr<Reader> reader_;
  MainWindow* w_ = nullptr;
};

int main(int argc, char** argv) { return test::RunGuiTests<OutputTest>(argc, argv); }

#include "output_test.moc"
