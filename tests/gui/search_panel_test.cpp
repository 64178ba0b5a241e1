// The search panel with the real browser engine: typing, results, re-sorting, opening hits.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "app/startup.h"
#include "app/webengine_setup.h"
#include "gui_support.h"
#include "ui/window/browser_pane.h"
#include "ui/window/find_bar.h"
#include "ui/window/main_window.h"

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
    w_->ToolbarAction(6)->trigger();
    box_ = w_->findChild<QLineEdit*>(QStringLiteral("txtSearch"));
    QVERIFY(box_ && box_->isVisible());
  }
  void cleanup() {
    test::StopReader(reader_, w_);
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

  void sortAndGroupLinksSwapAndReorder() {
    Search(QStringLiteral("назарянин"));
    // A first run lists pages in page order: "страницам" bold, "рейтингу" the link.
    QVERIFY(Html().contains(QStringLiteral("<b>страницам</b>")));
    Click(QStringLiteral("a[href=\"^rate\"]"));
    QTRY_VERIFY_WITH_TIMEOUT(Html().contains(QStringLiteral("<b>рейтингу</b>")), 15000);
    QCOMPARE(w_->SearchOptions().sortByRating, 1);
    Click(QStringLiteral("a[href=\"^page\"]"));
    QTRY_VERIFY_WITH_TIMEOUT(Html().contains(QStringLiteral("<b>страницам</b>")), 15000);
    const QList<int> pages = EntryPages();
    QVERIFY(pages.size() > 2);
    QVERIFY(std::is_sorted(pages.begin(), pages.end()));
    Click(QStringLiteral("a[href=\"!group\"]"));
    QTRY_VERIFY_WITH_TIMEOUT(Html().contains(QStringLiteral("отменить группировку")), 15000);
    QVERIFY(test::Eval(Results(), QStringLiteral("document.querySelectorAll('a[href^=\"@doc\"]').length")).toInt() > 0);
    QCOMPARE(w_->SearchOptions().sortByRating, 0);
    QVERIFY(w_->SearchOptions().groupResults);
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

  void searchInFoundKeepsOnlyThePreviousPages() {
    Search(QStringLiteral("назарянин"));
    const QList<int> first = EntryPages();
    auto* inFound = w_->findChild<QCheckBox*>(QStringLiteral("chkSearchInFound"));
    inFound->setChecked(true);
    Search(QStringLiteral("иисус"));
    for (int page : EntryPages()) QVERIFY(first.contains(page));
    Search(QStringLiteral("несуществующееслово"));
    QVERIFY(!inFound->isEnabled());
    QVERIFY(!inFound->isChecked());
    QVERIFY(Html().contains(QStringLiteral("Ничего не найдено")));
  }

  void anEmptyTermShowsTheMessageOnceAndSelectsTheBox() {
    Search(QStringLiteral(" слово"));
    QFile log(env_.MessageLog());
    QVERIFY(log.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(log.readAll()), QStringLiteral("Поиск по книге|Ошибочный формат строки поиска\n"));
    QCOMPARE(box_->selectedText(), QStringLiteral(" слово"));
  }

  void aResultsPageForAWordOnMoreThanAThousandPagesDisplaysCompletely() {
    MeasureSearch(QStringLiteral("иисус"));  // cold: the first search prepares the pages for matching
    MeasureSearch(QStringLiteral("иисус христос учитель"));
    MeasureSearch(QStringLiteral("иисус"));
    Search(QStringLiteral("иисус"));
    const int entries = test::Eval(Results(), QStringLiteral("document.querySelectorAll('a[href^=\"@page\"]:not(.search_res)').length")).toInt();
    QVERIFY2(entries > 1000, qPrintable(QString::number(entries)));
    QVERIFY(test::Eval(Results(), QStringLiteral("document.body.innerHTML.indexOf('</table>') > 0")).toBool());
  }

  void findOnPageCountsMatchesAndEscapeCloses() {
    w_->Locator().ShowTarget("page1500", false, "", -1);
    QVERIFY(test::WaitLoaded(w_->Pane(ReadingPane::Web1)));
    w_->Pane(ReadingPane::Web1)->setFocus();
    w_->zContextFind_Click();
    FindBar* bar = w_->FindOnPage();
    QVERIFY(bar->isVisible());
    auto* findBox = bar->findChild<QLineEdit*>(QStringLiteral("txtFind"));
    QVERIFY(findBox);
    findBox->insert(QStringLiteral("и"));
    QTRY_VERIFY_WITH_TIMEOUT(bar->MatchText().contains(QStringLiteral(" из ")), 5000);
    QTest::keyClick(findBox, Qt::Key_Escape);
    QVERIFY(!bar->isVisible());
  }

 private:
  BrowserPane* Results() const { return w_->SearchPane(); }
  void Type(const QString& text) {
    box_->clear();
    box_->setFocus();
    box_->insert(text);  // as typed (key events cannot carry Cyrillic through QTest)
  }
  void Search(const QString& query) {
    Type(query);
    QTest::keyClick(box_, Qt::Key_Return);
    QVERIFY(test::WaitLoaded(Results()));
  }
  // Reports Enter -> first paint of the results page and Enter -> fully loaded (the browser
  // paints a long page before it has laid out all of it).
  void MeasureSearch(const QString& query) {
    Type(query);
    QElapsedTimer timer;
    timer.start();
    QTest::keyClick(box_, Qt::Key_Return);
    QVERIFY(test::WaitLoaded(Results()));
    const qint64 loaded = timer.elapsed();
    const QVariantList t = test::Eval(Results(), QStringLiteral(
        "(function(){var p=performance.getEntriesByName('first-contentful-paint')[0];"
        "return [performance.now(), p ? p.startTime : performance.now()];})()")).toList();
    const qint64 now = timer.elapsed();
    const qint64 painted = now - static_cast<qint64>(t.value(0).toDouble() - t.value(1).toDouble());
    qInfo("search \"%s\" (%s): painted after %lld ms, loaded after %lld ms", qPrintable(query),
          qPrintable(w_->findChild<QLabel*>(QStringLiteral("lblSearchres"))->text()), static_cast<long long>(painted),
          static_cast<long long>(loaded));
  }
  QString Html() { return test::Eval(Results(), QStringLiteral("document.body.innerHTML")).toString(); }
  void Click(const QString& selector) {
    test::Eval(Results(), QStringLiteral("document.querySelector('%1').click()").arg(selector));
  }
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
