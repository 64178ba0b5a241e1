// The search panel with the real browser engine: typing, results, re-sorting, opening hits, all
// through keys and mouse clicks.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWebEngineHistory>
#include <memory>

#include "shell/app/startup.h"
#include "shell/app/webengine_setup.h"
#include "gui_support.h"
#include "shell/browser/browser_pane.h"
#include "shell/browser/find_bar.h"
#include "shell/window/main_window.h"

using namespace orvelis;

class SearchPanelTest : public QObject {
  Q_OBJECT

 public:
  explicit SearchPanelTest(const test::IsolatedEnvironment& env) : env_(env) {}

 private slots:
  void init() {
    env_.Reset();
    w_ = test::StartReader(reader_);
    QVERIFY(w_);
    w_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w_));
    test::ClickToolbar(w_, w_->ToolbarAction(6));
    box_ = w_->findChild<QLineEdit*>(QStringLiteral("txtSearch"));
    QVERIFY(box_ && box_->isVisible());
  }
  void cleanup() {
    test::StopReader(reader_, w_);
    const QString boxes = env_.TakeMessages();
    QVERIFY2(boxes.isEmpty(), qPrintable(QStringLiteral("unexpected message box: ") + boxes));
  }

  void enterRunsTheSearchAndShowsCountAndEntries() {
    QCOMPARE(w_->findChild<QLabel*>(QStringLiteral("lblLeftMenuCapt"))->text(), QStringLiteral("Поиск (русский текст)"));
    QVERIFY(!w_->findChild<QPushButton*>(QStringLiteral("cmdSearch"))->isEnabled());
    Type(QStringLiteral("назарянин"));
    QVERIFY(w_->findChild<QPushButton*>(QStringLiteral("cmdSearch"))->isEnabled());
    QTest::keyClick(box_, Qt::Key_Return);
    QVERIFY(test::WaitLoaded(Results()));
    const QString count = w_->findChild<QLabel*>(QStringLiteral("lblSearchres"))->text();
    QVERIFY2(count.startsWith(QStringLiteral("Результаты (страниц: ")) && count != QStringLiteral("Результаты (страниц: 0)"),
             qPrintable(count));
    QCOMPARE(test::Title(Results()), QStringLiteral("Поиск по книге - [назарянин]"));
    QVERIFY(test::Eval(Results(), QStringLiteral("document.querySelectorAll('a[href^=\"@page\"]').length")).toInt() > 0);
    QVERIFY(w_->findChild<QCheckBox*>(QStringLiteral("chkSearchInFound"))->isEnabled());
  }

  // A moment after start, before any search, the results pane's browser goes once through a
  // results page, under a blank cover, and is blank again; the panel shows no sign of it.
  void theResultsPaneRehearsesWhileTheReaderIsIdleAndIsBlankAgain() {
    const QString count = w_->findChild<QLabel*>(QStringLiteral("lblSearchres"))->text();
    QTRY_VERIFY_WITH_TIMEOUT(Results()->history()->count() >= 3, 10000);  // blank, rehearsal, blank
    QTRY_VERIFY_WITH_TIMEOUT(Results()->IsLoaded(), 5000);
    QCOMPARE(Results()->Document(), std::string(" "));
    QCOMPARE(test::Eval(Results(), QStringLiteral("document.body.innerText")).toString().trimmed(), QString());
    QCOMPARE(w_->findChild<QLabel*>(QStringLiteral("lblSearchres"))->text(), count);
    QVERIFY(w_->Search().LastQuery().empty());
    QVERIFY(!w_->findChild<QCheckBox*>(QStringLiteral("chkSearchInFound"))->isEnabled());
  }

  // Started again with the panel open, the results pane gets its document, and its renderer,
  // with the reading panes, not at a click.
  void aStartWithThePanelOpenLoadsTheResultsPaneAtOnce() {
    test::StopReader(reader_, w_);
    w_ = test::StartReader(reader_);
    QVERIFY(w_);
    QVERIFY(w_->Search().isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(Results()->IsLoaded(), 10000);
  }

  void sortAndGroupLinksSwapAndReorder() {
    Search(QStringLiteral("назарянин"));
    // A first run lists pages in page order: "страницам" bold, "рейтингу" the link.
    QVERIFY(Html().contains(QStringLiteral("<b>страницам</b>")));
    Click(QStringLiteral("a[href=\"^rate\"]"));
    QTRY_VERIFY_WITH_TIMEOUT(Html().contains(QStringLiteral("<b>рейтингу</b>")), 15000);
    QCOMPARE(w_->Search().Options().sortByRating, 1);
    Click(QStringLiteral("a[href=\"^page\"]"));
    QTRY_VERIFY_WITH_TIMEOUT(Html().contains(QStringLiteral("<b>страницам</b>")), 15000);
    const QList<int> pages = EntryPages();
    QVERIFY(pages.size() > 2);
    QVERIFY(std::is_sorted(pages.begin(), pages.end()));
    Click(QStringLiteral("a[href=\"!group\"]"));
    QTRY_VERIFY_WITH_TIMEOUT(Html().contains(QStringLiteral("отменить группировку")), 15000);
    QVERIFY(test::Eval(Results(), QStringLiteral("document.querySelectorAll('a[href^=\"@doc\"]').length")).toInt() > 0);
    QCOMPARE(w_->Search().Options().sortByRating, 0);
    QVERIFY(w_->Search().Options().groupResults);
  }

  void aSnippetLinkOpensThePageHighlightedWithItsParagraphInView() {
    Search(QStringLiteral("назарянин"));
    const QString href = test::Eval(Results(), QStringLiteral(
        "document.querySelector('a.search_res').getAttribute('href')")).toString();
    QVERIFY2(href.contains(QLatin1Char('#')), qPrintable(href));
    const QString paragraph = href.mid(href.indexOf(QLatin1Char('#')) + 1);
    Click(QStringLiteral("a.search_res"));
    BrowserPane* page = w_->Pane(ReadingPane::Web1);
    const QString pageNumber = href.mid(5, href.indexOf(QLatin1Char('#')) - 5);
    QTRY_COMPARE_WITH_TIMEOUT(test::Title(page), QStringLiteral("Книга Орвелис v 3.4 - Страница ") + pageNumber, 15000);
    QVERIFY(test::WaitLoaded(page));
    QVERIFY(test::Eval(page, QStringLiteral("document.querySelectorAll('font.bld').length")).toInt() > 0);
    // The empty anchor ends up inside the paragraph before; the marked paragraph follows it.
    const QString marked = test::Eval(page, QStringLiteral(
        "document.querySelector('p[style=\"color:blue\"]').getAttribute('title')")).toString();
    QVERIFY2(marked.startsWith(QStringLiteral(" %1:%2 [").arg(pageNumber, paragraph)), qPrintable(marked));
    QTRY_VERIFY_WITH_TIMEOUT(test::Eval(page, QStringLiteral(
        "(function(){var r=document.getElementsByName('p%1')[0].getBoundingClientRect();"
        "return r.top >= -2 && r.top < window.innerHeight;})()").arg(paragraph)).toBool(), 5000);
  }

  // In both languages an English word is found in the English text, listed under its language,
  // and marked only in the English pane; the choice outlives a restart.
  void bothLanguagesFindTheEnglishWordAndMarkItInTheEnglishPaneOnly() {
    test::ClickToolbar(w_, w_->ToolbarAction(21));  // both languages, stacked
    auto* both = w_->findChild<QCheckBox*>(QStringLiteral("chkSearchBothLanguages"));
    QVERIFY(both && both->isVisible() && !both->isChecked());
    QTest::mouseClick(both, Qt::LeftButton, {}, QPoint(8, both->height() / 2));
    QVERIFY(both->isChecked());
    Search(QStringLiteral("nazareth"));
    QVERIFY(Html().contains(QStringLiteral("<b>Английский:</b>")));
    QVERIFY(!Html().contains(QStringLiteral("<b>Русский:</b>")));
    const QList<int> pages = EntryPages();
    QVERIFY(!pages.isEmpty());
    Click(QStringLiteral("a[href^=\"@page\"]:not(.search_res)"));
    BrowserPane* russian = w_->Pane(ReadingPane::Web1);
    BrowserPane* english = w_->Pane(ReadingPane::Web2);
    QTRY_VERIFY_WITH_TIMEOUT(test::Title(english).endsWith(QStringLiteral(" %1").arg(pages.first())), 15000);
    QVERIFY(test::WaitLoaded(russian));
    QVERIFY(test::WaitLoaded(english));
    const QString marked = QStringLiteral("document.querySelectorAll('font.bld').length");
    QTRY_VERIFY_WITH_TIMEOUT(test::Eval(english, marked).toInt() > 0, 5000);
    QCOMPARE(test::Eval(russian, marked).toInt(), 0);
    test::StopReader(reader_, w_);
    w_ = test::StartReader(reader_);
    QVERIFY(w_);
    QVERIFY(w_->findChild<QCheckBox*>(QStringLiteral("chkSearchBothLanguages"))->isChecked());
    QVERIFY(!w_->findChild<QCheckBox*>(QStringLiteral("chkSearchCounterparts"))->isChecked());
  }

  // Every form of a word finds more pages than the word alone; a mistyped word offers the book's
  // close words, and a click on one runs the corrected query from the box.
  void wordFormsAndACorrectionRunFromTheResultsPage() {
    Search(QStringLiteral("иисус"));
    const int exact = EntryPages().size();
    auto* forms = w_->findChild<QCheckBox*>(QStringLiteral("chkSearchWordForms"));
    QVERIFY(forms && forms->isVisible() && !forms->isChecked());
    QTest::mouseClick(forms, Qt::LeftButton, {}, QPoint(8, forms->height() / 2));
    QVERIFY(forms->isChecked());
    Search(QStringLiteral("иисус"));
    QVERIFY2(EntryPages().size() > exact, qPrintable(QStringLiteral("%1 / %2").arg(EntryPages().size()).arg(exact)));
    Search(QStringLiteral("иисвс"));
    QVERIFY(Html().contains(QStringLiteral("Ничего не найдено")));
    QVERIFY(Html().contains(QStringLiteral("Похожие слова")));
    Click(QStringLiteral("a[href*=\"~query~\"]"));
    QTRY_COMPARE_WITH_TIMEOUT(box_->text(), QStringLiteral("иисус"), 10000);
    QTRY_VERIFY_WITH_TIMEOUT(!EntryPages().isEmpty(), 15000);
  }

  void searchInFoundKeepsOnlyThePreviousPages() {
    Search(QStringLiteral("назарянин"));
    const QList<int> first = EntryPages();
    QVERIFY(!first.isEmpty());
    auto* inFound = w_->findChild<QCheckBox*>(QStringLiteral("chkSearchInFound"));
    QTest::mouseClick(inFound, Qt::LeftButton, {}, QPoint(8, inFound->height() / 2));
    QVERIFY(inFound->isChecked());
    Search(QStringLiteral("иисус"));
    const QList<int> within = EntryPages();
    QVERIFY(!within.isEmpty());
    for (int page : within) QVERIFY(first.contains(page));
    Search(QStringLiteral("несуществующееслово"));
    QVERIFY(!inFound->isEnabled());
    QVERIFY(!inFound->isChecked());
    QVERIFY(Html().contains(QStringLiteral("Ничего не найдено")));
  }

  void anEmptyTermShowsTheMessageOnceAndSelectsTheBox() {
    Type(QStringLiteral(" слово"));
    QTest::keyClick(box_, Qt::Key_Return);
    QCOMPARE(env_.TakeMessages(), QStringLiteral("Поиск по книге|Ошибочный формат строки поиска\n"));
    QCOMPARE(box_->selectedText(), QStringLiteral(" слово"));
  }

  void aResultsPageForAWordOnMoreThanAThousandPagesDisplaysCompletely() {
    Search(QStringLiteral("иисус"));
    const int entries = test::Eval(Results(), QStringLiteral("document.querySelectorAll('a[href^=\"@page\"]:not(.search_res)').length")).toInt();
    QVERIFY2(entries > 1000, qPrintable(QString::number(entries)));
    QVERIFY(test::Eval(Results(), QStringLiteral("document.body.innerHTML.indexOf('</table>') > 0")).toBool());
  }

  // The pane lets the browser skip laying out entries off screen; the page must still look as
  // designed and its far entries must come alive when reached.
  void aLongResultsPageKeepsItsLayoutAndItsLastEntryOpens() {
    Search(QStringLiteral("иисус"));
    // The rating bar stays at the right edge: a table made a block must not shrink to its content.
    const QVariantList bar = test::Eval(Results(), QStringLiteral(
        "(function(){var f=document.querySelector('body>table font[title]').getBoundingClientRect();"
        "var a=document.querySelector('body>table a').getBoundingClientRect();"
        "return [f.left,f.top,f.right,document.documentElement.clientWidth,a.left];})()")).toList();
    QCOMPARE(bar.size(), 5);
    const double barRight = bar[2].toDouble(), width = bar[3].toDouble();
    QVERIFY2(width - barRight <= 10 && bar[4].toDouble() < width / 4,
             qPrintable(QStringLiteral("bar ends at %1 of %2").arg(barRight).arg(width)));
    // The bar's frame reaches a little above its row; it must be drawn, not clipped to the row.
    const QImage shot = Results()->grab().toImage();
    const int x = static_cast<int>((bar[0].toDouble() + barRight) / 2);
    const int top = static_cast<int>(bar[1].toDouble());
    bool frameDrawn = false;
    for (int y = top; y <= top + 1; ++y) frameDrawn = frameDrawn || qGray(shot.pixel(x, y)) < 100;
    QVERIFY2(frameDrawn, "the top of the rating bar's frame is not drawn");
    // The last entry, never laid out until scrolled to, opens its page.
    const QString last = test::Eval(Results(), QStringLiteral(
        "(function(){var a=document.querySelectorAll('body>table a[href^=\"@page\"]');"
        "return a[a.length-1].getAttribute('href');})()")).toString();
    QVERIFY(last.startsWith(QStringLiteral("@page")));
    Click(QStringLiteral("a[href=\"%1\"]").arg(last));
    QTRY_COMPARE_WITH_TIMEOUT(QString::fromStdString(w_->Locator().CurrentKey()), last.mid(1), 10000);
  }

  void findOnPageCountsMatchesAndEscapeCloses() {
    QVERIFY(test::GoTo(w_, 1500));
    BrowserPane* page = w_->Pane(ReadingPane::Web1);
    QTest::mouseClick(page->focusProxy(), Qt::LeftButton, {}, QPoint(5, page->height() / 2));
    QTRY_COMPARE(w_->Reading().WebFocus(), 1);
    QTest::keyClick(page->focusProxy(), Qt::Key_F, Qt::ControlModifier);
    FindBar* bar = w_->FindOnPage();
    QVERIFY(bar && bar->isVisible());
    auto* findBox = bar->findChild<QLineEdit*>(QStringLiteral("txtFind"));
    QVERIFY(findBox);
    test::TypeText(findBox, QStringLiteral("и"));
    QTRY_VERIFY_WITH_TIMEOUT(bar->MatchText().contains(QStringLiteral(" из ")), 5000);
    QTest::keyClick(findBox, Qt::Key_Escape);
    QVERIFY(!bar->isVisible());
  }

 private:
  BrowserPane* Results() const { return w_->Search().ResultsPane(); }
  void Type(const QString& text) {
    QTest::mouseClick(box_, Qt::LeftButton);  // the box selects its text on focus
    QTest::keyClick(box_, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box_, Qt::Key_Delete);
    test::TypeText(box_, text);
  }
  void Search(const QString& query) {
    Type(query);
    QTest::keyClick(box_, Qt::Key_Return);
    QVERIFY(test::WaitLoaded(Results()));
  }
  QString Html() { return test::Eval(Results(), QStringLiteral("document.body.innerHTML")).toString(); }
  void Click(const QString& selector) { QVERIFY2(test::ClickElement(Results(), selector), qPrintable(selector)); }
  QList<int> EntryPages() {
    const QStringList hrefs = test::Eval(Results(), QStringLiteral(
        "Array.from(document.querySelectorAll('a[href^=\"@page\"]:not(.search_res)')).map(a => a.getAttribute('href')).join(',')"))
                                  .toString()
                                  .split(QLatin1Char(','), Qt::SkipEmptyParts);
    QList<int> pages;
    for (const QString& h : hrefs) pages << h.mid(5).toInt();
    return pages;
  }

  const test::IsolatedEnvironment& env_;
  std::unique_ptr<Reader> reader_;
  MainWindow* w_ = nullptr;
  QLineEdit* box_ = nullptr;
};

int main(int argc, char** argv) { return test::RunGuiTests<SearchPanelTest>(argc, argv); }

#include "search_panel_test.moc"
