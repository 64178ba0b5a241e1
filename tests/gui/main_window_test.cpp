// The reader window with the real browser engine, under Xvfb, driven by mouse and keys.

#include <QAction>
#include <QMenu>
#include <QApplication>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QColor>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTest>
#include <QTreeWidget>
#include <memory>

#include "shell/app/single_instance.h"
#include "shell/app/app_icon.h"
#include "shell/app/startup.h"
#include "shell/app/webengine_setup.h"
#include "gui_support.h"
#include "shell/browser/word_translation.h"
#include "shell/browser/browser_pane.h"
#include "shell/favorites/favorites_panel.h"
#include "shell/output/output_commands.h"
#include "shell/search/search_panel.h"
#include "shell/window/main_window.h"

using namespace orvelis;

class MainWindowTest : public QObject {
  Q_OBJECT

 public:
  explicit MainWindowTest(const test::IsolatedEnvironment& env) : env_(env) {}

 private slots:
  void init() {
    env_.Reset();
    w_ = test::StartReader(reader_);
    QVERIFY(w_);
  }
  void cleanup() {
    test::StopReader(reader_, w_);
    const QString boxes = env_.TakeMessages();
    QVERIFY2(boxes.isEmpty(), qPrintable(QStringLiteral("unexpected message box: ") + boxes));
  }

  void startUpShowsTheTitlePage() {
    QCOMPARE(test::Title(Web1()), QStringLiteral("Книга Орвелис v 3.4 - Названия Документов"));
    QCOMPARE(w_->windowTitle(), QStringLiteral("Книга Орвелис v 3.4"));
    QCOMPARE(w_->Reading().SelectedTreeKey(), std::string("book"));
    QCOMPARE(w_->Locator().LayoutMode(), 20);
    QVERIFY(!w_->Pane(ReadingPane::Web2)->isVisible());
    QVERIFY(QFile::exists(env_.Path() + QStringLiteral("/data/OrvelisBook/1x1.gif")));
  }

  // A moment after start the current language is ready for the first search; the other one waits
  // for a search of its own.
  void searchPagesArePreparedWhileTheReaderIsIdle() {
    QTRY_VERIFY_WITH_TIMEOUT(w_->SearchPagesReady(w_->CurrentLanguage()), 10000);
    QVERIFY(!w_->SearchPagesReady(w_->CurrentLanguage() == kRussian ? kEnglish : kRussian));
  }

  // Each pane that has loaded a document holds a renderer process of the browser's own; the
  // favourite's view, the print pane and the search results are hidden at start and get none
  // until they are used. The search results get theirs as soon as the panel shows, well before
  // the reader has typed a query.
  void hiddenPanesGetTheirRendererWhenFirstUsed() {
    QVERIFY(!w_->Search().isVisible());
    QTest::qWait(300);
    QVERIFY(w_->Favorites().ViewPane()->url().isEmpty());
    QVERIFY(w_->Output().PrintPane()->url().isEmpty());
    QVERIFY(w_->Search().ResultsPane()->url().isEmpty());
    test::ClickToolbar(w_, Action(6));
    QTRY_VERIFY(w_->Search().isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(w_->Search().ResultsPane()->IsLoaded(), 10000);
    QVERIFY(!w_->Search().ResultsPane()->url().isEmpty());
    QVERIFY(w_->Favorites().ViewPane()->url().isEmpty());
  }

  // The pane's pixels show the page: the page's own background around the text, and glyphs
  // (dark and light pixels mixed) inside the first paragraph's box. A black or blank grab, or
  // the bars' borders alone, fail it.
  void theFirstPageIsReallyPainted() {
    Show("page1");
    const QVariantList box = test::Eval(Web1(), QStringLiteral(
        "(function(){var r=document.getElementsByTagName('p')[0].getBoundingClientRect();"
        "return [r.left,r.top,r.width,r.height,getComputedStyle(document.body).backgroundColor];})()")).toList();
    QCOMPARE(box.size(), 5);
    const QRect paragraph(box[0].toInt(), box[1].toInt(), box[2].toInt(), box[3].toInt());
    QVERIFY(paragraph.width() > 100 && paragraph.height() > 10);
    const QRegularExpressionMatch rgb =
        QRegularExpression(QStringLiteral("rgb\\((\\d+), (\\d+), (\\d+)\\)")).match(box[4].toString());
    // A transparent body shows the browser's own white.
    const QColor background = box[4].toString() == QStringLiteral("rgba(0, 0, 0, 0)")
                                  ? QColor(Qt::white)
                                  : QColor(rgb.captured(1).toInt(), rgb.captured(2).toInt(), rgb.captured(3).toInt());
    QVERIFY2(background.isValid() && (rgb.hasMatch() || background == Qt::white), qPrintable(box[4].toString()));
    QWidget* surface = Web1()->focusProxy() ? Web1()->focusProxy() : Web1();
    int dark = 0, light = 0;
    QTRY_VERIFY_WITH_TIMEOUT(([&] {
      const QImage image = surface->grab().toImage();
      // A point left of the paragraph, in the page's margin, has the page's background.
      if (QColor(image.pixel(qMax(1, paragraph.left() / 2), paragraph.center().y())) != background) return false;
      dark = light = 0;
      for (int y = paragraph.top(); y < paragraph.bottom() && y < image.height(); ++y) {
        for (int x = paragraph.left(); x < paragraph.right() && x < image.width(); ++x) {
          (qGray(image.pixel(x, y)) < 128 ? dark : light) += 1;
        }
      }
      return dark > 200 && light > dark;
    })(), 5000);
  }

  // Pages asked for faster than the browser loads them: the pane ends on the last one asked for,
  // and only then says it is loaded (an older page reported loaded must not stand for it).
  void pagesTurnedFasterThanTheyLoadEndOnTheLastOne() {
    Show("page100");
    for (int turn = 0; turn < 8; ++turn) QTest::keyClick(w_, Qt::Key_PageDown, Qt::ControlModifier);
    QCOMPARE(w_->Locator().CurrentKey(), std::string("page108"));
    QVERIFY(test::WaitLoaded(Web1()));
    QCOMPARE(test::Title(Web1()), QStringLiteral("Книга Орвелис v 3.4 - Страница 108"));
    QTest::qWait(300);  // a late report of an older page changes nothing
    QCOMPARE(test::Title(Web1()), QStringLiteral("Книга Орвелис v 3.4 - Страница 108"));
  }

  void nextAndPreviousCommandsFollowThePage() {
    Show("page1");
    QVERIFY(Action(10)->isEnabled());
    Trigger(10);  // previous page from page 1: the contents
    QCOMPARE(w_->Locator().CurrentKey(), std::string("cont"));
    QVERIFY(!Action(10)->isEnabled());
    QVERIFY(!Action(9)->isEnabled());
    Show("page2086");
    QVERIFY(Action(12)->isEnabled());
    QVERIFY(Action(13)->isEnabled());
    Trigger(12);
    QCOMPARE(test::Title(Web1()), QStringLiteral("Книга Орвелис v 3.4 - Страница 2087"));
    QVERIFY(!Action(13)->isEnabled());
    QVERIFY(Action(12)->isEnabled());
    Show("page2097");
    QVERIFY(!Action(12)->isEnabled());
    Trigger(9);  // previous Paper from Paper 196: the first page of Paper 195, after page 2068
    QCOMPARE(w_->Locator().CurrentKey(), std::string("page2069"));
    Trigger(13);
    QCOMPARE(w_->Locator().CurrentKey(), std::string("page2087"));
  }

  void aLinkInTheSecondPaneOrAStripShowsTheTargetInBothPanes() {
    Trigger(21);
    Show("page10");
    QVERIFY(test::WaitLoaded(Web2()));
    QVERIFY(test::ClickElement(Web2(), QStringLiteral("a[href=\"@page11\"]")));
    QTRY_COMPARE_WITH_TIMEOUT(test::Title(Web1()), QStringLiteral("Книга Орвелис v 3.4 - Страница 11"), 10000);
    QTRY_COMPARE_WITH_TIMEOUT(test::Title(Web2()), QStringLiteral("The ORVELIS Book v 3.4 - Page 11"), 10000);
    FixHeaders();
    BrowserPane* strip = w_->Pane(ReadingPane::Top1);
    QVERIFY(test::WaitLoaded(strip));
    // The reader clicks the strip once it shows its bars: fitted to its table's height.
    QTRY_VERIFY(w_->findChild<QWidget*>(QStringLiteral("picWebTop1"))->height() > 20);
    QVERIFY(test::ClickElement(strip, QStringLiteral("a[href=\"@page12\"]")));
    QTRY_COMPARE_WITH_TIMEOUT(test::Title(Web1()), QStringLiteral("Книга Орвелис v 3.4 - Страница 12"), 10000);
    QTRY_COMPARE_WITH_TIMEOUT(test::Title(Web2()), QStringLiteral("The ORVELIS Book v 3.4 - Page 12"), 10000);
  }

  void aSecondPaneFillsAtOnceWithoutHistory() {
    Show("page7");
    const std::string back = w_->Locator().BackList();
    Trigger(21);
    QVERIFY(w_->Pane(ReadingPane::Web2)->isVisible());
    QVERIFY(test::WaitLoaded(Web2()));
    QCOMPARE(test::Title(Web2()), QStringLiteral("The ORVELIS Book v 3.4 - Page 7"));
    QCOMPARE(w_->Locator().BackList(), back);
    QVERIFY(Action(21)->isChecked());
    QVERIFY(Action(23)->isEnabled());
    Trigger(20);
    QVERIFY(!Action(23)->isEnabled());
  }

  void backAndForwardWalkTheHistory() {
    Show("page1");
    Show("page2");
    Show("page3");
    Trigger(1);
    QCOMPARE(test::Title(Web1()), QStringLiteral("Книга Орвелис v 3.4 - Страница 2"));
    QVERIFY(Action(2)->isEnabled());
    Trigger(2);
    QCOMPARE(test::Title(Web1()), QStringLiteral("Книга Орвелис v 3.4 - Страница 3"));
    Trigger(1);
    Show("page4");
    Trigger(1);
    QCOMPARE(test::Title(Web1()), QStringLiteral("Книга Орвелис v 3.4 - Страница 3"));
  }

  void switchingTheLanguageKeepsTheSelectedNodeAndBranches() {
    Show("page135");
    QTreeWidget* tree = w_->BookTree();
    Trigger(5);  // the book tree
    QTreeWidgetItem* part = FindItem(tree, QStringLiteral("part1"));
    tree->scrollToItem(part);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(part).center());
    QTest::keyClick(tree, Qt::Key_Right);
    QVERIFY(part->isExpanded());
    QTest::keyClick(tree, Qt::Key_Return);  // shows the Part's first Paper: its opening pages, 19 on
    QVERIFY(test::WaitLoaded(Web1()));
    QTRY_COMPARE(test::Title(Web1()), QStringLiteral("Книга Орвелис v 3.4 - Страница 19"));
    QVERIFY(test::GoTo(w_, 135));
    Trigger(18);
    QVERIFY(test::WaitLoaded(Web1()));
    QCOMPARE(test::Title(Web1()), QStringLiteral("The ORVELIS Book v 3.4 - Page 135"));
    QCOMPARE(w_->Reading().SelectedTreeKey(), std::string("page135"));
    QVERIFY(FindItem(tree, QStringLiteral("part1"))->isExpanded());
    QCOMPARE(FindItem(tree, QStringLiteral("book"))->text(0), QStringLiteral("The ORVELIS Book"));
    Trigger(17);
    QVERIFY(test::WaitLoaded(Web1()));
    QCOMPARE(test::Title(Web1()), QStringLiteral("Книга Орвелис v 3.4 - Страница 135"));
  }

  void synchronisedScrollingAlignsTheSecondPane() {
    w_->resize(900, 600);  // short stacked panes: both documents scroll well past 30 %
    Trigger(21);
    Show("page500");
    QVERIFY(test::WaitLoaded(Web2()));
    Trigger(23);
    QVERIFY(w_->Reading().SyncScroll());
    QCOMPARE(w_->Reading().WebFocus(), 1);
    test::Wheel(Web1(), -3);  // well short of either page's end
    QTRY_VERIFY_WITH_TIMEOUT(Ratio(Web1()) > 0.05, 5000);
    QTRY_VERIFY2_WITH_TIMEOUT(qAbs(Ratio(Web2()) - Ratio(Web1())) < 0.01 && Ratio(Web2()) > 0.05,
                              qPrintable(QStringLiteral("%1 %2").arg(Ratio(Web1())).arg(Ratio(Web2()))), 10000);
  }

  // By paragraph, the other pane follows every step with the same paragraph at its top, at the
  // same share of that paragraph, though the two languages' paragraphs differ in length.
  void paragraphSynchronisationKeepsTheSameParagraphAtBothTops() {
    w_->resize(900, 600);  // short stacked panes: both pages scroll far
    Trigger(21);
    Show("page500");
    QVERIFY(test::WaitLoaded(Web2()));
    QVERIFY(!w_->findChild<QAction*>(QStringLiteral("zLangSyncPar"))->isChecked());  // the ratio by default
    Trigger(23);
    QVERIFY(test::ChooseMenu(w_, {QStringLiteral("Язык"), QStringLiteral("Синхронизировать прокрутку по абзацам")}));
    QVERIFY(w_->findChild<QAction*>(QStringLiteral("zLangSyncPar"))->isChecked());
    QStringList aligned;
    double last = -1;
    // A page scrolled to its end can go no further: there the rule has nothing to keep.
    const auto atEnd = [this](BrowserPane* pane) {
      return Top(pane) >= test::Eval(pane, QStringLiteral("document.body.scrollHeight - window.innerHeight"))
                              .toDouble() - 1;
    };
    for (int step = 0; step < 16 && !atEnd(Web1()); ++step) {
      test::Wheel(Web1(), -1);
      QTRY_VERIFY_WITH_TIMEOUT(Top(Web1()) != last, 5000);
      last = Top(Web1());
      QString mine, other;
      QTRY_VERIFY2_WITH_TIMEOUT(([&] {
        mine = PlaceAtTop(Web1());
        other = PlaceAtTop(Web2());
        const QStringList a = mine.split(QLatin1Char(' ')), b = other.split(QLatin1Char(' '));
        return (a.size() == 2 && b.size() == 2 && a[0] == b[0] && qAbs(a[1].toDouble() - b[1].toDouble()) < 0.03) ||
               atEnd(Web2());
      })(), qPrintable(QStringLiteral("step %1: %2 / %3").arg(step).arg(mine, other)), 5000);
      if (!atEnd(Web2())) aligned << mine.section(QLatin1Char(' '), 0, 0);
    }
    aligned.removeDuplicates();
    QVERIFY2(aligned.size() >= 3, qPrintable(aligned.join(QLatin1Char(','))));  // through several paragraphs
  }

  // The parallel text: one pane, a row per paragraph with the same paragraph in both languages,
  // kept while turning pages and over a restart.
  void theParallelTextPairsEachParagraphWithItsTranslation() {
    Show("page500");
    QVERIFY(test::ChooseMenu(w_, {QStringLiteral("Язык"), QStringLiteral("Параллельный текст")}));
    QVERIFY(w_->findChild<QAction*>(QStringLiteral("zLangPar"))->isChecked());
    QCOMPARE(w_->Locator().LayoutMode(), kLayoutParallel);
    QVERIFY(!Web2()->isVisible());
    QVERIFY(!Action(23)->isEnabled());  // nothing to synchronise
    const QString pairs = QStringLiteral(
        "(function(){var out=[];var rows=document.querySelectorAll('table.parallel tr');"
        "for(var i=0;i<rows.length;i++){var a=rows[i].cells[0].querySelector('a[name]'),"
        "b=rows[i].cells[1].querySelector('a[name]');out.push((a?a.name:'-')+'/'+(b?b.name:'-'));}"
        "return out.join(' ');})()");
    QTRY_COMPARE_WITH_TIMEOUT(test::Eval(Web1(), pairs).toString(),
                              QStringLiteral("p18/o18 p19/o19 p20/o20 p21/o21 p22/o22"), 10000);
    QTest::keyClick(w_, Qt::Key_PageDown, Qt::ControlModifier);
    QCOMPARE(w_->Locator().CurrentKey(), std::string("page501"));
    QVERIFY(test::WaitLoaded(Web1()));
    QTRY_VERIFY_WITH_TIMEOUT(test::Eval(Web1(), pairs).toString().startsWith(QStringLiteral("p")), 10000);
    test::StopReader(reader_, w_);
    w_ = test::StartReader(reader_);
    QVERIFY(w_);
    QVERIFY(w_->findChild<QAction*>(QStringLiteral("zLangPar"))->isChecked());
    QTRY_VERIFY_WITH_TIMEOUT(test::Eval(Web1(), pairs).toString().startsWith(QStringLiteral("p")), 10000);
    QVERIFY(test::ChooseMenu(w_, {QStringLiteral("Язык"), QStringLiteral("Текст на одном языке")}));
    QVERIFY(test::WaitLoaded(Web1()));
    QTRY_COMPARE_WITH_TIMEOUT(test::Eval(Web1(), QStringLiteral("document.querySelectorAll('table.parallel').length"))
                                  .toInt(),
                              0, 10000);
  }

  // A paragraph's translation right under it, from the context menu or Ctrl+T, hidden by the same
  // gesture or Esc; the page's own document is not written again.
  void aParagraphsTranslationShowsUnderItAndHides() {
    Show("page500");
    const QString blocks = QStringLiteral(
        "(function(){var b=document.querySelectorAll('div.orvelis-counterpart');if(b.length!=1)return b.length+'';"
        "var p=b[0].previousElementSibling;return p.title+'|'+b[0].textContent.substring(0,40);})()");
    const QString url = test::Eval(Web1(), QStringLiteral("document.URL")).toString();
    const QVariantList box = test::Eval(Web1(), QStringLiteral(
        "(function(){var r=document.querySelectorAll('p[title]')[1].getBoundingClientRect();"
        "return [r.left+r.width/2, r.top+Math.min(8,r.height/2)];})()")).toList();
    QCOMPARE(box.size(), 2);
    test::RightClick(Web1(), QPoint(box[0].toInt(), box[1].toInt()));
    QTRY_VERIFY(w_->ContextMenu()->isVisible());
    QVERIFY(test::ClickMenuItem(w_->ContextMenu(), QStringLiteral("Перевод абзаца")));
    // The second paragraph of page 500 is p19; its English counterpart carries the English label.
    QTRY_VERIFY_WITH_TIMEOUT(test::Eval(Web1(), blocks).toString().startsWith(QStringLiteral(" 500:19 [")), 5000);
    const QString english = test::Eval(Web1(), QStringLiteral(
        "document.querySelector('div.orvelis-counterpart p').title")).toString();
    QVERIFY2(english.contains(QStringLiteral(":19 [")) && english.startsWith(QStringLiteral(" 500:19")), qPrintable(english));
    QCOMPARE(test::Eval(Web1(), QStringLiteral("document.URL")).toString(), url);  // no navigation
    // Esc in the page hides it.
    Web1()->setFocus();
    QTest::keyClick(Web1()->focusProxy() ? Web1()->focusProxy() : Web1(), Qt::Key_Escape);
    QTRY_COMPARE_WITH_TIMEOUT(test::Eval(Web1(), blocks).toString(), QStringLiteral("0"), 5000);
    // Ctrl+T: the paragraph the selection starts in, and Ctrl+T again hides it.
    const test::Selection selected = test::SelectElement(Web1());
    QVERIFY(!selected.text.isEmpty());
    QTest::keyClick(w_, Qt::Key_T, Qt::ControlModifier);
    QTRY_VERIFY_WITH_TIMEOUT(test::Eval(Web1(), blocks).toString().startsWith(QStringLiteral(" 500:18 [")), 5000);
    QTest::keyClick(w_, Qt::Key_T, Qt::ControlModifier);
    QTRY_COMPARE_WITH_TIMEOUT(test::Eval(Web1(), blocks).toString(), QStringLiteral("0"), 5000);
  }

  // The program's own icon, every size the desktops ask for, on the window and in the resources.
  void theWindowCarriesTheProgramsIcon() {
    SetApplicationIcon();
    const QList<QSize> sizes = w_->windowIcon().availableSizes();
    for (const int side : {16, 24, 32, 48, 64, 128, 256}) QVERIFY2(sizes.contains(QSize(side, side)), qPrintable(QString::number(side)));
    QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("org.orvelis.Reader"));
  }

  // The translations asked for where there is no word or paragraph say so instead of doing nothing.
  void aTranslationWithNothingUnderThePointerSaysWhy() {
    Show("page500");
    // The page's top left corner: its margin, above the header; no text, no paragraph.
    const QVariantList corner = test::Eval(Web1(), QStringLiteral(
        "(function(){var e=document.elementFromPoint(1,1);"
        "return [e?e.tagName:'', !!(e&&e.closest&&e.closest('p[title]'))];})()")).toList();
    QCOMPARE(corner.size(), 2);
    QVERIFY2(!corner[1].toBool(), qPrintable(corner[0].toString()));
    for (const QString& item : {QStringLiteral("Перевод абзаца"), QStringLiteral("Перевод слова")}) {
      test::RightClick(Web1(), QPoint(1, 1));
      QTRY_VERIFY(w_->ContextMenu()->isVisible());
      QVERIFY(test::ClickMenuItem(w_->ContextMenu(), item));
      QString box;
      // The log is taken as it grows; the macro's last look must see what its loop saw.
      QTRY_VERIFY2_WITH_TIMEOUT(!(box += env_.TakeMessages()).isEmpty(), qPrintable(item), 5000);
      QVERIFY2(box.startsWith(item + QStringLiteral("|Здесь нет ")), qPrintable(box));
    }
    QCOMPARE(test::Eval(Web1(), QStringLiteral("document.querySelectorAll('div.orvelis-counterpart').length")).toInt(), 0);
  }

  // A right click on a word: its glossary, gathered off the window's thread, in a panel of its
  // own; an example link there shows its page.
  void aWordsTranslationFromTheAlignedBookAndItsExampleLinks() {
    Show("page500");
    // The first word of the second paragraph, in the middle of its first letters.
    const QVariantList at = test::Eval(Web1(), QStringLiteral(
        "(function(){var p=document.querySelectorAll('p[title]')[1];var w=document.createTreeWalker(p,NodeFilter.SHOW_TEXT);"
        "for(var n=w.nextNode();n;n=w.nextNode()){var m=/[\\u0410-\\u044F\\u0401\\u0451]{3,}/.exec(n.data);if(!m)continue;"
        "var r=document.createRange();r.setStart(n,m.index);r.setEnd(n,m.index+2);var b=r.getBoundingClientRect();"
        "return [b.left+b.width/2,b.top+b.height/2,m[0]];}return null;})()")).toList();
    QCOMPARE(at.size(), 3);
    test::RightClick(Web1(), QPoint(at[0].toInt(), at[1].toInt()));
    QTRY_VERIFY(w_->ContextMenu()->isVisible());
    QVERIFY(test::ClickMenuItem(w_->ContextMenu(), QStringLiteral("Перевод слова")));
    auto* panel = w_->findChild<WordTranslation*>(QStringLiteral("frWordTranslation"));
    QVERIFY(panel);
    QTRY_VERIFY(panel->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(panel->Ready(), 20000);
    QTextBrowser* view = panel->View();
    const QString word = at[2].toString().toLower();
    QTRY_VERIFY_WITH_TIMEOUT(
        view->toPlainText().contains(QStringLiteral("«%1» в английском тексте").arg(word), Qt::CaseInsensitive), 5000);
    // The first example link: found by its text, clicked where it is drawn.
    QTextCursor link = view->document()->find(QStringLiteral("стр. "));
    QVERIFY(!link.isNull());
    const QString href = link.charFormat().anchorHref();
    QVERIFY2(href.startsWith(QStringLiteral("@page")), qPrintable(href));
    link.setPosition(link.selectionStart() + 1);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->cursorRect(link).center());
    const QString page = href.mid(1, href.indexOf(QLatin1Char('#')) - 1);
    QTRY_COMPARE_WITH_TIMEOUT(QString::fromStdString(w_->Locator().CurrentKey()), page, 10000);
    panel->close();
    w_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w_));
  }

  void fixedHeadersMakeTheStripAsTallAsItsTable() {
    Show("page20");
    FixHeaders();
    BrowserPane* strip = w_->Pane(ReadingPane::Top1);
    QVERIFY(test::WaitLoaded(strip));
    const int table = test::Eval(strip, QStringLiteral("document.getElementById('toptab').offsetHeight")).toInt();
    QVERIFY(table > 20);
    QWidget* container = w_->findChild<QWidget*>(QStringLiteral("picWebTop1"));
    QTRY_COMPARE_WITH_TIMEOUT(container->height(), table, 5000);
    QVERIFY(container->isVisible());
    QVERIFY(!test::Eval(Web1(), QStringLiteral("document.body.innerHTML")).toString().contains(QStringLiteral("class=\"p_page\"")));
  }

  void aSecondStartRaisesTheFirstFromMinimised() {
    w_->showMinimized();
    QTRY_VERIFY(w_->isMinimized());
    SingleInstance second;
    QVERIFY(second.CheckPrevInstance());
    QTRY_VERIFY_WITH_TIMEOUT(!w_->isMinimized(), 5000);
  }

 private:
  BrowserPane* Web1() const { return w_->Pane(ReadingPane::Web1); }
  BrowserPane* Web2() const { return w_->Pane(ReadingPane::Web2); }
  QAction* Action(int index) const { return w_->ToolbarAction(index); }
  // Pages are shown through the go-to dialog, as a reader asks for a page by number.
  void Show(const std::string& key) {
    QVERIFY(test::GoTo(w_, std::stoi(key.substr(4))));
    QCOMPARE(w_->Locator().CurrentKey(), key);
  }
  void Trigger(int index) {
    test::ClickToolbar(w_, Action(index));
    QVERIFY(test::WaitLoaded(Web1()));
  }
  void FixHeaders() {
    test::RightClick(Web1());
    QVERIFY(test::ClickMenuItem(w_->ContextMenu(), QStringLiteral("Фиксировать заголовки")));
    QTRY_VERIFY(w_->FixedHeaders());
  }
  double Top(BrowserPane* pane) { return test::Eval(pane, QStringLiteral("document.body.scrollTop")).toDouble(); }
  // "p<n> fraction": the last paragraph anchor at or above the view's top and how far the view is
  // into that paragraph; "top <offset>" before the first.
  QString PlaceAtTop(BrowserPane* pane) {
    return test::Eval(pane, QStringLiteral(R"js((function(){
      var b = document.body, top = b.scrollTop, as = document.querySelectorAll('a[name^="p"]'), at = null, end = b.scrollHeight;
      for (var i = 0; i < as.length; i++) {
        var t = as[i].getBoundingClientRect().top + top;
        if (t <= top + 1) at = {n: as[i].name, t: t}; else { end = t; break; }
      }
      return at ? at.n + ' ' + (top - at.t) / (end - at.t) : 'top ' + top;
    })())js")).toString();
  }
  double Ratio(BrowserPane* pane) {
    return test::Eval(pane, QStringLiteral("document.body.scrollTop / document.body.scrollHeight")).toDouble();
  }
  static QTreeWidgetItem* FindItem(QTreeWidget* tree, const QString& key) { return test::BookTreeItem(tree, key); }

  const test::IsolatedEnvironment& env_;
  std::unique_ptr<Reader> reader_;
  MainWindow* w_ = nullptr;
};

int main(int argc, char** argv) { return test::RunGuiTests<MainWindowTest>(argc, argv); }

#include "main_window_test.moc"
