// Saving and printing with the real browser engine, asked for as a person asks: the context
// menu's save item and the file dialog answered by keys, the toolbar's print button and the print
// dialog. The files are checked by their literal names on disk, byte for byte where the format is
// ours, and PDF text with pdftotext.

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPrintDialog>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <memory>
#include <optional>

#include "shell/app/startup.h"
#include "ground/cp1251.h"
#include "gui_support.h"
#include "shell/browser/browser_pane.h"
#include "shell/favorites/favorites_tree.h"
#include "shell/window/main_window.h"

using namespace orvelis;

class OutputTest : public QObject {
  Q_OBJECT

 public:
  explicit OutputTest(const test::IsolatedEnvironment& env) : env_(env) {}

 private slots:
  void init() {
    env_.Reset();
    qunsetenv("ORVELIS_MESSAGE_ANSWERS");
    QVERIFY(dir_.isValid());
    for (const QString& name : QDir(dir_.path()).entryList(QDir::Files)) QFile::remove(dir_.filePath(name));
    w_ = test::StartReader(reader_);
    QVERIFY(w_);
    Reactivate();
  }
  void cleanup() {
    test::StopReader(reader_, w_);
    const QString unused = qEnvironmentVariable("ORVELIS_MESSAGE_ANSWERS");
    qunsetenv("ORVELIS_MESSAGE_ANSWERS");
    QVERIFY2(unused.isEmpty(), qPrintable(QStringLiteral("a question that was expected never came: ") + unused));
    const QString boxes = env_.TakeMessages();
    QVERIFY2(boxes.isEmpty(), qPrintable(QStringLiteral("unexpected message box: ") + boxes));
  }

  void savingThePagesOfBothPanesAsHtmlAndText() {
    test::ClickToolbar(w_, w_->ToolbarAction(21));  // one pane above the other
    QVERIFY(test::GoTo(w_, 135));
    QVERIFY(test::WaitLoaded(Web2()));
    SaveFrom(Web1(), QStringLiteral("page.html"), 1);
    QCOMPARE(env_.TakeMessages(), QString());  // no error box
    QCOMPARE(Files(), QStringList{QStringLiteral("page.html")});
    const QByteArray bytes = Read(QStringLiteral("page.html"));
    QVERIFY(bytes.startsWith(Cp1251("<HTML>\r\n<HEAD>\r\n<title>Книга Орвелис v 3.4 - Страница 135</title>\r\n")));
    QVERIFY(bytes.contains("\r\n</HEAD>\r\n<BODY>\r\n"));
    QVERIFY(bytes.endsWith("\r\n</BODY>\r\n</HTML>"));
    QVERIFY(!bytes.contains("@page"));  // the navigation bars are gone
    QVERIFY(!bytes.contains("<a href"));
    // The text type chosen in the dialog's list gives a name typed without an extension ".txt".
    SaveFrom(Web2(), QStringLiteral("english"), 2);
    QCOMPARE(env_.TakeMessages(), QString());  // no error box
    QCOMPARE(Files(), QStringList({QStringLiteral("english.txt"), QStringLiteral("page.html")}));
    const QByteArray plain = Read(QStringLiteral("english.txt"));
    QVERIFY(!plain.contains('<'));
    QVERIFY(plain.contains("Page 135"));
  }

  void savingTheSearchPaneAndTheFavouritesView() {
    test::ClickToolbar(w_, w_->ToolbarAction(6));
    auto* box = w_->findChild<QLineEdit*>(QStringLiteral("txtSearch"));
    QTRY_VERIFY(box->isVisible());
    QTest::mouseClick(box, Qt::LeftButton);
    test::TypeText(box, QStringLiteral("христос"));
    QTest::keyClick(box, Qt::Key_Return);
    QTRY_COMPARE_WITH_TIMEOUT(test::Title(w_->Search().ResultsPane()), QStringLiteral("Поиск по книге - [христос]"), 15000);
    QVERIFY(test::WaitLoaded(w_->Search().ResultsPane()));
    SaveFrom(w_->Search().ResultsPane(), QStringLiteral("results"), 1);
    QCOMPARE(env_.TakeMessages(), QString());  // no error box
    QCOMPARE(Files(), QStringList{QStringLiteral("results.htm")});
    const QByteArray search = Read(QStringLiteral("results.htm"));
    QVERIFY(search.contains("<BODY style=\"padding: 5 5 5 5\">\r\n"));
    QVERIFY(search.contains(Cp1251("<title>Поиск по книге - [христос]</title>")));

    // A favourite holding a link (a Paper's title from the contents), saved from its view: the
    // link becomes underlined text.
    test::ClickToolbar(w_, w_->ToolbarAction(11));
    QTRY_COMPARE(w_->Locator().CurrentKey(), std::string("cont"));
    QVERIFY(test::WaitLoaded(Web1()));
    const QVariantList link = test::Eval(Web1(), QStringLiteral(
        "(function(){var a=document.querySelector('a[href=\"@doc1\"]');a.scrollIntoView({block:'center'});"
        "window.getSelection().selectAllChildren(a.parentNode);var r=a.getClientRects()[0];"
        "return [r.left+r.width/2,r.top+r.height/2,a.textContent];})()")).toList();
    QCOMPARE(link.size(), 3);
    const QString linkText = link[2].toString();
    QVERIFY(!linkText.isEmpty());
    QTRY_VERIFY(Web1()->hasSelection());
    test::WhenModal([](QWidget* dialog) {
      const auto close = test::CloseWhenDone(dialog);
      auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("txtAdd"));
      QVERIFY(name);
      QTest::keyClick(name, Qt::Key_Return);
    });
    test::RightClick(Web1(), QPoint(link[0].toInt(), link[1].toInt()));
    QVERIFY(test::ClickMenuItem(w_->ContextMenu(), QStringLiteral("Добавить в Избранное")));
    QTRY_VERIFY(!QApplication::activeModalWidget());
    Reactivate();
    test::ClickToolbar(w_, w_->ToolbarAction(7));
    QTreeWidget* tree = w_->Favorites().Tree();
    QTRY_VERIFY(tree->isVisible());
    QTreeWidgetItem* item = FindFavoriteNode(tree, QStringLiteral("d_1"));
    QVERIFY(item);
    const QPoint at = tree->visualItemRect(item).center();
    QTest::mouseClick(tree->viewport(), Qt::RightButton, {}, at);
    QContextMenuEvent menu(QContextMenuEvent::Mouse, at, tree->viewport()->mapToGlobal(at));
    QApplication::sendEvent(tree->viewport(), &menu);
    QVERIFY(test::ClickMenuItem(w_->Favorites().Menu(), QStringLiteral("Показать")));
    QTRY_VERIFY(w_->Favorites().ViewShown());
    QVERIFY(test::WaitLoaded(w_->Favorites().ViewPane()));
    SaveFrom(w_->Favorites().ViewPane(), QStringLiteral("fav.htm"), 1);
    QCOMPARE(env_.TakeMessages(), QString());  // no error box
    QCOMPARE(Files(), QStringList({QStringLiteral("fav.htm"), QStringLiteral("results.htm")}));
    const QByteArray favourite = Read(QStringLiteral("fav.htm"));
    QVERIFY2(favourite.contains(Cp1251(QStringLiteral("<u>%1</u>").arg(linkText).toUtf8().constData())),
             favourite.constData());
    QVERIFY(!favourite.contains("<a "));
    QVERIFY(favourite.contains("\r\n<BODY>\r\n"));
  }

  void anOverwriteAnsweredCancelWritesNothing() {
    QFile file(dir_.filePath(QStringLiteral("keep.txt")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("old");
    file.close();
    const QString question = QStringLiteral("Сохранение файла|Файл с таким именем уже существует. Перезаписать?\n");
    qputenv("ORVELIS_MESSAGE_ANSWERS", "cancel");
    SaveFrom(Web1(), QStringLiteral("keep.txt"), 1);  // the typed extension wins over the chosen type
    QCOMPARE(env_.TakeMessages(), question);
    QCOMPARE(Read(QStringLiteral("keep.txt")), QByteArray("old"));
    QCOMPARE(Files(), QStringList{QStringLiteral("keep.txt")});

    // "No" opens the dialog again with the name without its extension.
    qputenv("ORVELIS_MESSAGE_ANSWERS", "no");
    QString proposedAgain;
    QString folderAgain;
    test::WhenModal([&](QWidget* modal) {
      const auto close = test::CloseWhenDone(modal);
      auto* name = modal->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
      QVERIFY(name);
      TypeFileName(name, dir_.filePath(QStringLiteral("keep.txt")));
      test::WhenModal([&](QWidget* again) {
        const auto closeAgain = test::CloseWhenDone(again);
        auto* dialog = qobject_cast<QFileDialog*>(again);
        QVERIFY(dialog);
        proposedAgain = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
        folderAgain = dialog->directory().path();
        QTest::keyClick(dialog, Qt::Key_Escape);
      });
      ClickAccept(modal);
      QVERIFY(QTest::qWaitFor([modal] { return !modal->isVisible(); }, 5000));
    });
    test::RightClick(Web1());
    QVERIFY(test::ClickMenuItem(w_->ContextMenu(), QStringLiteral("Сохранить содержимое как...")));
    QTRY_VERIFY(!QApplication::activeModalWidget());
    QCOMPARE(env_.TakeMessages(), question);
    QCOMPARE(proposedAgain, QStringLiteral("keep"));
    QCOMPARE(folderAgain, dir_.path());
    QCOMPARE(Read(QStringLiteral("keep.txt")), QByteArray("old"));
    QCOMPARE(Files(), QStringList{QStringLiteral("keep.txt")});
  }

  void copyPutsTheSelectionOnTheClipboard() {
    QVERIFY(test::GoTo(w_, 135));
    const test::Selection selected = test::SelectElement(Web1());
    QVERIFY(!selected.inside.isNull());
    const QString text = selected.text;
    QVERIFY(!text.isEmpty());
    QTRY_VERIFY(Web1()->hasSelection());
    QApplication::clipboard()->clear();
    test::RightClick(Web1(), selected.inside);
    QTRY_VERIFY(w_->ContextMenu()->isVisible());
    QVERIFY(w_->ContextAction(QStringLiteral("zContextCopy"))->isEnabled());
    QVERIFY(test::ClickMenuItem(w_->ContextMenu(), QStringLiteral("Копировать")));
    QTRY_VERIFY_WITH_TIMEOUT(!QApplication::clipboard()->text().isEmpty(), 5000);
    QCOMPARE(QApplication::clipboard()->text().simplified(), text.simplified());
  }

  void printingToAPdfFileAndThePdfFileTypeKeepThePagesWords() {
    QVERIFY(test::GoTo(w_, 1500));
    QString printer;
    AnswerPrintDialogWithFile(QStringLiteral("printed.pdf"), &printer);
    test::ClickToolbar(w_, w_->ToolbarAction(3));  // returns when the dialog is answered and the page printed
    QTRY_VERIFY(!QApplication::activeModalWidget());
    Reactivate();
    QCOMPARE(printer, QStringLiteral("Печать в файл (PDF)"));
    QCOMPARE(Files(), QStringList{QStringLiteral("printed.pdf")});
    QVERIFY(PdfText(dir_.filePath(QStringLiteral("printed.pdf"))).contains(QStringLiteral("Страница 1500")));
    SaveFrom(Web1(), QStringLiteral("kept"), 3);
    QCOMPARE(env_.TakeMessages(), QString());  // no error box
    QCOMPARE(Files(), QStringList({QStringLiteral("kept.pdf"), QStringLiteral("printed.pdf")}));
    QVERIFY(PdfText(dir_.filePath(QStringLiteral("kept.pdf"))).contains(QStringLiteral("Страница 1500")));
  }

  // The sample book's Paper 12 is pages 128 to 142; the reader shows page 135 of it in Russian.
  void savingAndPrintingAPaperAsParallelText() {
    QVERIFY(test::GoTo(w_, 135));
    SaveParallel(QStringLiteral("Сохранить Документ параллельным текстом..."), QStringLiteral("Документ 12"),
                 QStringLiteral("paper12"), 1);
    QCOMPARE(Files(), QStringList{QStringLiteral("paper12.htm")});
    const QByteArray bytes = Read(QStringLiteral("paper12.htm"));
    QVERIFY(bytes.startsWith("<!DOCTYPE html>\r\n"));
    QVERIFY(bytes.contains("<style>"));
    // A browser opens the file on its own: the declared encoding, both titles, every page of the
    // Paper in both languages, two cells to a row, and not one link.
    QWebEngineView view;
    QSignalSpy loaded(&view, &QWebEngineView::loadFinished);
    view.load(QUrl::fromLocalFile(dir_.filePath(QStringLiteral("paper12.htm"))));
    QVERIFY(loaded.wait(15000));
    QCOMPARE(loaded.first().first().toBool(), true);
    QCOMPARE(Script(view, QStringLiteral("document.characterSet")), QStringLiteral("windows-1251"));
    const QString text = Script(view, QStringLiteral("document.body.innerText"));
    QVERIFY(text.contains(QStringLiteral("Документ 12")));
    QVERIFY(text.contains(QStringLiteral("Paper 12")));
    for (int page = 128; page <= 142; ++page) {
      QVERIFY2(text.contains(QStringLiteral("Страница %1").arg(page)), qPrintable(QString::number(page)));
      QVERIFY2(text.contains(QStringLiteral("Page %1").arg(page)), qPrintable(QString::number(page)));
    }
    QVERIFY(!text.contains(QStringLiteral("Страница 127")));
    QVERIFY(!text.contains(QStringLiteral("Страница 143")));
    QCOMPARE(Script(view, QStringLiteral("String(document.querySelectorAll('a[href]').length)")), QStringLiteral("0"));
    QCOMPARE(Script(view, QStringLiteral("String([...document.querySelectorAll('table.parallel tr')].every(r => r.cells.length == 2))")),
             QStringLiteral("true"));
    QVERIFY(Script(view, QStringLiteral("String(document.querySelectorAll('table.parallel tr').length)")).toInt() > 15);

    // The PDF type writes the same document through the browser's printing.
    SaveParallel(QStringLiteral("Сохранить Документ параллельным текстом..."), QStringLiteral("Документ 12"),
                 QStringLiteral("paper12"), 2);
    QCOMPARE(Files(), QStringList({QStringLiteral("paper12.htm"), QStringLiteral("paper12.pdf")}));
    const QString pdf = PdfText(dir_.filePath(QStringLiteral("paper12.pdf")));
    QVERIFY(pdf.contains(QStringLiteral("Страница 128")) && pdf.contains(QStringLiteral("Page 142")));

    // Printing the page alone: the print dialog, to a PDF file.
    AnswerPrintDialogWithFile(QStringLiteral("page.pdf"));
    QVERIFY(test::ChooseMenu(w_, {QStringLiteral("Файл"), QStringLiteral("Печать страницы параллельным текстом")}));
    QTRY_VERIFY(!QApplication::activeModalWidget());
    Reactivate();
    const QString page = PdfText(dir_.filePath(QStringLiteral("page.pdf")));
    QVERIFY(page.contains(QStringLiteral("Страница 135")) && page.contains(QStringLiteral("Page 135")));
    QVERIFY(!page.contains(QStringLiteral("Страница 136")));
    QCOMPARE(env_.TakeMessages(), QString());
  }

  void aContentsPageHasNoParallelTextToSave() {
    test::ClickToolbar(w_, w_->Action(Cmd::Contents));
    QVERIFY(test::ChooseMenu(w_, {QStringLiteral("Файл"), QStringLiteral("Сохранить страницу параллельным текстом...")}));
    QCOMPARE(env_.TakeMessages(), QStringLiteral("Параллельный текст|Параллельный текст составляется для страниц "
                                                 "книги. Откройте страницу.\n"));
    QCOMPARE(Files(), QStringList());
  }

 private:
  // The print dialog that comes next prints to `file` in the test's folder, typed into its name
  // box; `printer` gets the printer it showed.
  void AnswerPrintDialogWithFile(const QString& file, QString* printer = nullptr) {
    test::WhenModal([this, file, printer](QWidget* modal) {
      const auto close = test::CloseWhenDone(modal);
      QVERIFY(qobject_cast<QPrintDialog*>(modal));
      if (printer) *printer = modal->findChild<QComboBox*>(QStringLiteral("printers"))->currentText();
      auto* name = modal->findChild<QLineEdit*>(QStringLiteral("filename"));
      QVERIFY(name && name->isEnabled());
      QTest::mouseClick(name, Qt::LeftButton);
      QTest::keyClick(name, Qt::Key_A, Qt::ControlModifier);
      test::TypeText(name, dir_.filePath(file));
      QTest::keyClick(name, Qt::Key_Return);
      QVERIFY(QTest::qWaitFor([modal] { return !modal->isVisible(); }, 5000));
    });
  }

  BrowserPane* Web1() const { return w_->Pane(ReadingPane::Web1); }
  BrowserPane* Web2() const { return w_->Pane(ReadingPane::Web2); }
  // Without a window manager nobody gives the activation back when a dialog closes.
  void Reactivate() {
    w_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w_));
  }
  // Types a path into a file dialog's name box, which has the keyboard focus as when a person
  // types: the dialog marks in its list what the typed text names while it is typed, and takes
  // the marks back only from a focused box. (Without a window manager the dialog must be given
  // the activation.)
  static void TypeFileName(QLineEdit* name, const QString& path) {
    QWidget* dialog = name->window();
    dialog->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(dialog));
    QTest::mouseClick(name, Qt::LeftButton);
    QTRY_VERIFY2(name->hasFocus(), QApplication::focusWidget() ? QApplication::focusWidget()->metaObject()->className() : "no focus");
    QTest::keyClick(name, Qt::Key_A, Qt::ControlModifier);
    test::TypeText(name, path);
  }
  // The file dialog's Save button, clicked with the mouse. (An Enter in the focused name box may go
  // to the completer's list of names, open over the box while a path is typed.)
  static void ClickAccept(QWidget* dialog) {
    auto* buttons = dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
    QVERIFY(buttons);
    for (QAbstractButton* button : buttons->buttons()) {
      if (buttons->buttonRole(button) == QDialogButtonBox::AcceptRole) {
        QTRY_VERIFY(button->isEnabled());
        QTest::mouseClick(button, Qt::LeftButton);
        return;
      }
    }
    QFAIL("the dialog has no Save button");
  }
  // "Сохранить содержимое как..." from a right click in the pane, the file dialog answered as a
  // person does: the type (1 HTML, 2 text, 3 PDF) chosen in its list with the arrow keys, the name
  // typed, Save. A save that fails says so in a box, which the caller's next TakeMessages (or the
  // cleanup) sees.
  void SaveFrom(BrowserPane* pane, const QString& typed, int type) {
    bool accepted = false;
    test::WhenModal([&](QWidget* modal) {
      const auto close = test::CloseWhenDone(modal);
      auto* dialog = qobject_cast<QFileDialog*>(modal);
      QVERIFY(dialog);
      auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
      QVERIFY(types);
      while (types->currentIndex() < type - 1) {
        const int before = types->currentIndex();
        QTest::keyClick(types, Qt::Key_Down);
        QVERIFY(types->currentIndex() > before);
      }
      QCOMPARE(types->currentIndex(), type - 1);
      auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
      QVERIFY(name);
      TypeFileName(name, dir_.filePath(typed));
      ClickAccept(dialog);
      accepted = QTest::qWaitFor([dialog] { return !dialog->isVisible(); }, 5000);
    });
    test::RightClick(pane);
    QVERIFY(test::ClickMenuItem(w_->ContextMenu(), QStringLiteral("Сохранить содержимое как...")));
    QTRY_VERIFY(!QApplication::activeModalWidget());
    QVERIFY(accepted);
    Reactivate();
  }
  // A parallel-text item of the Файл menu, the file dialog answered as SaveFrom answers it; here
  // the list holds HTML (1) and PDF (2) only.
  void SaveParallel(const QString& item, const QString& proposed, const QString& typed, int type) {
    bool accepted = false;
    test::WhenModal([&](QWidget* modal) {
      const auto close = test::CloseWhenDone(modal);
      auto* dialog = qobject_cast<QFileDialog*>(modal);
      QVERIFY(dialog);
      auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
      QVERIFY(types);
      QCOMPARE(types->count(), 2);
      while (types->currentIndex() < type - 1) QTest::keyClick(types, Qt::Key_Down);
      auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
      QVERIFY(name);
      QCOMPARE(name->text(), proposed);
      TypeFileName(name, dir_.filePath(typed));
      ClickAccept(dialog);
      accepted = QTest::qWaitFor([dialog] { return !dialog->isVisible(); }, 5000);
    });
    QVERIFY(test::ChooseMenu(w_, {QStringLiteral("Файл"), item}));
    QTRY_VERIFY(!QApplication::activeModalWidget());
    QVERIFY(accepted);
    Reactivate();
    QCOMPARE(env_.TakeMessages(), QString());  // no error box
  }
  static QString Script(QWebEngineView& view, const QString& script) {
    std::optional<QString> answer;
    view.page()->runJavaScript(script, [&answer](const QVariant& value) { answer = value.toString(); });
    (void)QTest::qWaitFor([&] { return answer.has_value(); }, 10000);
    return answer.value_or(QString());
  }
  // The names in the output folder, sorted.
  QStringList Files() const { return QDir(dir_.path()).entryList(QDir::Files, QDir::Name); }
  QByteArray Read(const QString& name) const {
    QFile file(dir_.filePath(name));
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

  const test::IsolatedEnvironment& env_;
  QTemporaryDir dir_;
  std::unique_ptr<Reader> reader_;
  MainWindow* w_ = nullptr;
};

int main(int argc, char** argv) { return test::RunGuiTests<OutputTest>(argc, argv); }

#include "output_test.moc"
