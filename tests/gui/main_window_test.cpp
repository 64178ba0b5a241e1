// The reader window with the real browser engine, under Xvfb.

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <memory>

#include "app/single_instance.h"
#include "app/startup.h"
#include "app/webengine_setup.h"
#include "book/book_tables.h"
#include "gui_support.h"
#include "ui/window/browser_pane.h"
#include "ui/window/main_window.h"

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
  }

  void startUpShowsTheTitlePage() {
    QCOMPARE(test::Title(Web1()), QStringLiteral("Книга Орвелис v 3.4 - Названия Документов"));
    QCOMPARE(w_->windowTitle(), QStringLiteral("Книга Орвелис v 3.4"));
    QCOMPARE(w_->SelectedTreeKey(), std::string("book"));
    QCOMPARE(w_->LayoutMode(), 20);
    QVERIFY(!w_->Pane(ReadingPane::Web2)->isVisible());
    QVERIFY(QFile::exists(env_.Path() + QStringLiteral("/data/OrvelisBook/1x1.gif")));
  }

  void theFirstPageIsReallyPainted() {
    Show("page1");
    QTest::qWait(500);  // the compositor paints after the load
    const QImage image = Web1()->grab().toImage();
    int dark = 0;
    for (int y = 0; y < image.height(); y += 2) {
      for (int x = 0; x < image.width(); x += 2) dark += qGray(image.pixel(x, y)) < 160 ? 1 : 0;
    }
    QVERIFY2(dark > 500, qPrintable(QStringLiteral("only %1 dark pixels").arg(dark)));
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
    Trigger(9);  // previous Paper from Paper 196: the first page of Paper 195
    QCOMPARE(w_->Locator().CurrentKey(), "page" + std::to_string(FillBookTables().LastPage[194] + 1));
    Trigger(13);
    QCOMPARE(w_->Locator().CurrentKey(), std::string("page2087"));
  }

  void aLinkInTheSecondPaneOrAStripShowsTheTargetInBothPanes() {
    Trigger(21);
    Show("page10");
    QVERIFY(test::WaitLoaded(Web2()));
    Click(Web2(), QStringLiteral("a[href=\"@page11\"]"));
    QTRY_COMPARE_WITH_TIMEOUT(test::Title(Web1()), QStringLiteral("Книга Орвелис v 3.4 - Страница 11"), 10000);
    QTRY_COMPARE_WITH_TIMEOUT(test::Title(Web2()), QStringLiteral("The ORVELIS Book v 3.4 - Page 11"), 10000);
    w_->zContextFixTop_Click();
    BrowserPane* strip = w_->Pane(ReadingPane::Top1);
    QVERIFY(test::WaitLoaded(strip));
    Click(strip, QStringLiteral("a[href=\"@page12\"]"));
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
    QTreeWidgetItem* part = FindItem(tree, QStringLiteral("part1"));
    part->setExpanded(true);
    Trigger(18);
    QVERIFY(test::WaitLoaded(Web1()));
    QCOMPARE(test::Title(Web1()), QStringLiteral("The ORVELIS Book v 3.4 - Page 135"));
    QCOMPARE(w_->SelectedTreeKey(), std::string("page135"));
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
    QVERIFY(w_->SyncScroll());
    QCOMPARE(w_->WebFocus(), 1);
    test::Eval(Web1(), QStringLiteral("window.scrollTo(0, document.body.scrollHeight * 0.3)"));
    QTRY_VERIFY_WITH_TIMEOUT(qAbs(Ratio(Web2()) - Ratio(Web1())) < 0.01 && Ratio(Web2()) > 0.25, 10000);
  }

  void fixedHeadersMakeTheStripAsTallAsItsTable() {
    Show("page20");
    w_->zContextFixTop_Click();
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
  void Show(const std::string& key) {
    w_->Locator().ShowTarget(key, false, "", -1);
    QVERIFY(test::WaitLoaded(Web1()));
  }
  void Trigger(int index) {
    Action(index)->trigger();
    QVERIFY(test::WaitLoaded(Web1()));
  }
  void Click(BrowserPane* pane, const QString& selector) {
    test::Eval(pane, QStringLiteral("document.querySelector('%1').click()").arg(selector));
  }
  double Ratio(BrowserPane* pane) {
    return test::Eval(pane, QStringLiteral("document.body.scrollTop / document.body.scrollHeight")).toDouble();
  }
  static QTreeWidgetItem* FindItem(QTreeWidget* tree, const QString& key) {
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
      if ((*it)->data(0, Qt::UserRole).toString() == key) return *it;
    }
    return nullptr;
  }

  const test::IsolatedEnvironment& env_;
  std::unique_ptr<Reader> reader_;
  MainWindow* w_ = nullptr;
};

int main(int argc, char** argv) { return test::RunGuiTests<MainWindowTest>(argc, argv); }

#include "main_window_test.moc"
