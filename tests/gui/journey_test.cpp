// One reader's day from the first start to a saved page, through the window's own input only:
// the contents, a Paper chosen in the book tree by keys, page turns, both languages, a search and
// one of its hits, a favourite, a restart, the favourite shown again, the page saved as HTML.

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>
#include <algorithm>
#include <memory>

#include "shell/app/startup.h"
#include "ground/cp1251.h"
#include "gui_support.h"
#include "shell/browser/browser_pane.h"
#include "shell/favorites/favorites_tree.h"
#include "shell/window/main_window.h"

using namespace orvelis;

class JourneyTest : public QObject {
  Q_OBJECT

 public:
  explicit JourneyTest(const test::IsolatedEnvironment& env) : env_(env) {}

 private slots:
  void initTestCase() { env_.Reset(); }
  void cleanup() {
    test::StopReader(reader_, w_);
    const QString boxes = env_.TakeMessages();
    QVERIFY2(boxes.isEmpty(), qPrintable(QStringLiteral("unexpected message box: ") + boxes));
  }

  // Started as the program starts, from the splash: the window comes up under the splash, and
  // the splash goes as the first page comes in, so that the reader never looks at an empty pane.
  void theSplashStaysUntilTheFirstPageIsThere() {
    reader_ = std::make_unique<Reader>();
    reader_->Start();
    const auto splashUp = [] {
      const QWidgetList windows = QApplication::topLevelWidgets();
      return std::any_of(windows.begin(), windows.end(), [](QWidget* window) {
        return window->objectName() == QStringLiteral("frSplash") && window->isVisible();
      });
    };
    QVERIFY(splashUp());
    QVERIFY(test::WaitUntil([&] { return reader_->Window() != nullptr; }, 20000));
    w_ = reader_->Window();
    QVERIFY(w_->isVisible());
    QVERIFY(!Web1()->IsLoaded());
    QVERIFY(splashUp());
    // Seen from the first page's own signal: by then the splash is gone.
    QObject watcher;
    bool firstPageIn = false;
    bool splashUpAtFirstPage = true;
    connect(
        Web1(), &BrowserPane::loaded, &watcher,
        [&] {
          firstPageIn = true;
          splashUpAtFirstPage = splashUp();
        },
        Qt::SingleShotConnection);
    QVERIFY(test::WaitUntil([&] { return firstPageIn; }, 20000));
    QVERIFY(!splashUpAtFirstPage);
    QCOMPARE(test::Title(Web1()), QStringLiteral("Книга Орвелис v 3.4 - Названия Документов"));
  }

  void aReadersDay() {
    Start();
    // The contents from the toolbar.
    test::ClickToolbar(w_, w_->ToolbarAction(11));
    QTRY_COMPARE(w_->Locator().CurrentKey(), std::string("cont"));
    QVERIFY(test::WaitLoaded(Web1()));

    // The first Paper of Part I from the book tree, by keys alone once the tree has the focus.
    test::ClickToolbar(w_, w_->ToolbarAction(5));
    QTreeWidget* tree = w_->BookTree();
    QTRY_VERIFY(tree->isVisible());
    QTreeWidgetItem* contents = test::BookTreeItem(tree, QStringLiteral("cont"));
    QVERIFY(contents);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(contents).center());
    for (int i = 0; i < 12 && CurrentTreeKey() != QStringLiteral("part1"); ++i) QTest::keyClick(tree, Qt::Key_Down);
    QCOMPARE(CurrentTreeKey(), QStringLiteral("part1"));
    QTest::keyClick(tree, Qt::Key_Right);  // opens the Part
    QTest::keyClick(tree, Qt::Key_Down);
    QCOMPARE(CurrentTreeKey(), QStringLiteral("doc1"));
    const QString paperLabel = tree->currentItem()->text(0);  // "1. <title>"
    QTest::keyClick(tree, Qt::Key_Return);
    QVERIFY(test::WaitLoaded(Web1()));
    const QString paperTitle = paperLabel.mid(paperLabel.indexOf(QLatin1Char(' ')) + 1);
    QTRY_VERIFY(BodyText(Web1()).contains(paperTitle));
    const int first = PageShown(Web1());
    QVERIFY2(first > 0, qPrintable(test::Title(Web1())));

    // Two pages on, with the keys the menus name.
    for (int turn = 1; turn <= 2; ++turn) {
      QTest::keyClick(w_, Qt::Key_PageDown, Qt::ControlModifier);
      QTRY_COMPARE(w_->Locator().CurrentKey(), "page" + std::to_string(first + turn));
    }
    QVERIFY(test::WaitLoaded(Web1()));
    QCOMPARE(PageShown(Web1()), first + 2);

    // Both languages, one pane above the other: the English page is the same page.
    test::ClickToolbar(w_, w_->ToolbarAction(21));
    QVERIFY(test::WaitLoaded(Web2()));
    QTRY_COMPARE(test::Title(Web2()), QStringLiteral("The ORVELIS Book v 3.4 - Page %1").arg(first + 2));

    // A search typed into the panel; its first hit opened with the mouse.
    test::ClickToolbar(w_, w_->ToolbarAction(6));
    auto* box = w_->findChild<QLineEdit*>(QStringLiteral("txtSearch"));
    QTRY_VERIFY(box->isVisible());
    QTest::mouseClick(box, Qt::LeftButton);
    test::TypeText(box, QStringLiteral("назарянин"));
    QTest::keyClick(box, Qt::Key_Return);
    QVERIFY(test::WaitLoaded(w_->Search().ResultsPane()));
    QCOMPARE(test::Title(w_->Search().ResultsPane()), QStringLiteral("Поиск по книге - [назарянин]"));
    const QString hit = test::Eval(w_->Search().ResultsPane(), QStringLiteral("document.querySelector('a.search_res').getAttribute('href')"))
                            .toString();
    QVERIFY2(hit.startsWith(QStringLiteral("@page")), qPrintable(hit));
    const int hitPage = hit.mid(5, hit.indexOf(QLatin1Char('#')) - 5).toInt();
    QVERIFY(test::ClickElement(w_->Search().ResultsPane(), QStringLiteral("a.search_res")));
    QTRY_COMPARE_WITH_TIMEOUT(w_->Locator().CurrentKey(), "page" + std::to_string(hitPage), 15000);
    QVERIFY(test::WaitLoaded(Web1()));
    QTRY_VERIFY(test::Eval(Web1(), QStringLiteral("document.querySelectorAll('font.bld').length")).toInt() > 0);

    // The hit's paragraph becomes a favourite through the context menu and the add dialog.
    const test::Selection selected = test::SelectElement(Web1(), QStringLiteral("document.querySelector('font.bld').closest('p')"));
    QVERIFY(!selected.inside.isNull());
    const QString fragment = selected.text.simplified();
    QVERIFY(fragment.contains(QStringLiteral("назарянин"), Qt::CaseInsensitive));
    test::WhenModal([](QWidget* dialog) {
      QTest::keyClick(dialog->findChild<QLineEdit*>(QStringLiteral("txtAdd")), Qt::Key_Return);
    });
    test::RightClick(Web1(), selected.inside);
    QVERIFY(test::ClickMenuItem(w_->ContextMenu(), QStringLiteral("Добавить в Избранное")));
    QTRY_VERIFY(!QApplication::activeModalWidget());
    QVERIFY(FindFavoriteNode(w_->Favorites().Tree(), QStringLiteral("d_1")));

    // Closed as a window manager closes it, and started again.
    test::StopReader(reader_, w_);
    Start();
    QCOMPARE(w_->Locator().CurrentKey(), "page" + std::to_string(hitPage));
    QVERIFY(w_->ToolbarAction(21)->isChecked());
    QVERIFY(test::WaitLoaded(Web2()));
    QVERIFY(Web2()->isVisible());
    QVERIFY(w_->findChild<QLineEdit*>(QStringLiteral("txtSearch"))->isVisible());  // the panel left open
    QVERIFY(!w_->Favorites().ViewShown());

    // The favourite is there and shows its fragment.
    test::ClickToolbar(w_, w_->ToolbarAction(7));
    FavoritesTreeWidget* favourites = w_->Favorites().Tree();
    QTRY_VERIFY(favourites->isVisible());
    QTreeWidgetItem* item = FindFavoriteNode(favourites, QStringLiteral("d_1"));
    QVERIFY(item);
    const QPoint at = favourites->visualItemRect(item).center();
    QContextMenuEvent menu(QContextMenuEvent::Mouse, at, favourites->viewport()->mapToGlobal(at));
    QApplication::sendEvent(favourites->viewport(), &menu);
    QVERIFY(test::ClickMenuItem(w_->Favorites().Menu(), QStringLiteral("Показать")));
    QTRY_VERIFY(w_->Favorites().ViewShown());
    auto* view = w_->findChild<BrowserPane*>(QStringLiteral("wbFavWeb"));
    QVERIFY(view && test::WaitLoaded(view));
    QTRY_VERIFY(BodyText(view).simplified().contains(fragment.left(80)));
    QTest::mouseClick(w_->findChild<QToolButton*>(QStringLiteral("tbFavortop")), Qt::LeftButton);
    QVERIFY(!w_->Favorites().ViewShown());

    // The page saved as HTML keeps every paragraph the reader sees.
    const QStringList paragraphs = Paragraphs(Web1());
    QVERIFY(paragraphs.size() > 1);
    const QString saved = env_.Path() + QStringLiteral("/journey-page.htm");
    test::WhenModal([saved](QWidget* modal) {
      auto* name = modal->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
      if (!name) return;
      name->setText(saved);
      QTest::keyClick(name, Qt::Key_Return);
    });
    test::RightClick(Web1());
    QVERIFY(test::ClickMenuItem(w_->ContextMenu(), QStringLiteral("Сохранить содержимое как...")));
    QTRY_VERIFY(!QApplication::activeModalWidget());
    QFile file(saved);
    QTRY_VERIFY(file.exists());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QString text = QString::fromStdString(DecodeCp1251(file.readAll().toStdString()));
    text.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    text.replace(QStringLiteral("&nbsp;"), QStringLiteral(" ")).replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    text = text.simplified();
    for (const QString& paragraph : paragraphs) {
      QVERIFY2(text.contains(paragraph.simplified().left(60)), qPrintable(paragraph));
    }
  }

 private:
  BrowserPane* Web1() const { return w_->Pane(ReadingPane::Web1); }
  BrowserPane* Web2() const { return w_->Pane(ReadingPane::Web2); }
  void Start() {
    w_ = test::StartReader(reader_);
    QVERIFY(w_);
    w_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w_));
  }
  QString CurrentTreeKey() const {
    QTreeWidgetItem* item = w_->BookTree()->currentItem();
    return item ? item->data(0, Qt::UserRole).toString() : QString();
  }
  // The page number in the Russian pane's title ("... - Страница N"); 0 when the title has none.
  static int PageShown(BrowserPane* pane) {
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("Страница (\\d+)$")).match(test::Title(pane));
    return m.hasMatch() ? m.captured(1).toInt() : 0;
  }
  static QString BodyText(BrowserPane* pane) {
    return test::Eval(pane, QStringLiteral("document.body ? document.body.innerText : ''")).toString();
  }
  static QStringList Paragraphs(BrowserPane* pane) {
    return test::Eval(pane, QStringLiteral("Array.prototype.map.call(document.getElementsByTagName('p'),"
                                           "function(p){return p.innerText.trim();})"))
        .toStringList();
  }

  const test::IsolatedEnvironment& env_;
  std::unique_ptr<Reader> reader_;
  MainWindow* w_ = nullptr;
};

int main(int argc, char** argv) { return test::RunGuiTests<JourneyTest>(argc, argv); }

#include "journey_test.moc"
