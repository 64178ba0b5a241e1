// What a reader leaves behind survives the end of the program: the reader runs as a separate
// process (this test's own program started with --child), is changed through real input, then
// closed as a window manager closes it or killed; the next start, in this process, must show
// what was left.

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QMenuBar>
#include <QProcess>
#include <QMenu>
#include <QSettings>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>
#include <algorithm>
#include <cstdio>
#include <memory>

#include "shell/app/startup.h"
#include "gui_support.h"
#include "shell/browser/browser_pane.h"
#include "shell/favorites/favorites_tree.h"
#include "shell/window/main_window.h"

using namespace orvelis;

namespace {

// The child: a reader's session through input. Prints "READY <anchor> <book panel width>" when
// its changes have had time to be written, then closes its window or waits to be killed.
int RunChild(const QString& scenario) {
  std::unique_ptr<Reader> reader;
  MainWindow* w = test::StartReader(reader);
  if (!w) return 3;
  w->activateWindow();
  if (!QTest::qWaitForWindowActive(w)) qWarning("the window is not active");
  QString report;
  if (scenario.startsWith(QStringLiteral("leave"))) {
    w->resize(800, 560);
    test::ClickToolbar(w, w->ToolbarAction(18));                // English
    test::ClickToolbar(w, w->ToolbarAction(22));                // side by side
    test::ClickToolbar(w, w->ToolbarAction(23));                // synchronised
    test::ClickToolbar(w, w->ToolbarAction(5));                 // the book tree
    QWidget* splitter = w->findChild<QWidget*>(QStringLiteral("picSplitter"));
    QTest::mousePress(splitter, Qt::LeftButton, {}, QPoint(2, 50));
    QTest::mouseMove(splitter, QPoint(62, 50));
    QTest::mouseRelease(splitter, Qt::LeftButton, {}, QPoint(62, 50));
    test::ChooseMenu(w, {QStringLiteral("Настройка текста"), QStringLiteral("Размер"), QStringLiteral("150%")});
    if (!test::GoTo(w, 135)) return 11;
    // A right click that comes while the page is still settling may raise no menu: the reader clicks again.
    for (int attempt = 0; attempt < 3 && !w->FixedHeaders(); ++attempt) {
      test::RightClick(w->Pane(ReadingPane::Web1));
      if (test::ClickMenuItem(w->ContextMenu(), QStringLiteral("Фиксировать заголовки"))) {
        (void)QTest::qWaitFor([w] { return w->FixedHeaders(); }, 2000);
      }
    }
    if (!w->FixedHeaders()) return 12;
    test::WaitLoaded(w->Pane(ReadingPane::Web1));
    test::Wheel(w->Pane(ReadingPane::Web1), -8);
    if (!QTest::qWaitFor([w] { return !w->Reading().Position().anchor.empty(); }, 5000)) return 5;
  } else if (scenario.startsWith(QStringLiteral("favourite"))) {
    if (!test::GoTo(w, 12)) return 11;
    const QPoint inside = test::SelectElement(w->Pane(ReadingPane::Web1)).inside;
    if (inside.isNull()) return 8;
    test::WhenModal([](QWidget* dialog) {
      if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("txtAdd"))) QTest::keyClick(name, Qt::Key_Return);
    });
    test::RightClick(w->Pane(ReadingPane::Web1), inside);
    if (!test::ClickMenuItem(w->ContextMenu(), QStringLiteral("Добавить в Избранное"))) return 9;
    if (!QTest::qWaitFor([] { return !QApplication::activeModalWidget(); }, 10000)) return 10;
    test::ClickToolbar(w, w->ToolbarAction(7));
    FavoritesTreeWidget* tree = w->Favorites().Tree();
    QTreeWidgetItem* item = FindFavoriteNode(tree, QStringLiteral("d_1"));
    if (!item) return 4;
    const QPoint at = tree->visualItemRect(item).center();
    QContextMenuEvent menu(QContextMenuEvent::Mouse, at, tree->viewport()->mapToGlobal(at));
    QApplication::sendEvent(tree->viewport(), &menu);
    test::ClickMenuItem(w->Favorites().Menu(), QStringLiteral("Показать"));
    if (!QTest::qWaitFor([w] { return w->Favorites().ViewShown(); }, 5000)) return 6;
    report = QStringLiteral("d_1 0");
  } else if (scenario.startsWith(QStringLiteral("quick")) || scenario.startsWith(QStringLiteral("burst"))) {
    // Killed a tenth of a second after one click: a person's kill can come at any moment. In a
    // burst the click comes just after another change (the window resized), whose write has
    // just been made and whose quiet spell has not yet ended.
    if (scenario.startsWith(QStringLiteral("burst"))) {
      w->resize(w->width() - 40, w->height());
      QTest::qWait(50);
    }
    test::ClickToolbar(w, w->ToolbarAction(22));  // side by side
    QTest::qWait(100);
    std::printf("READY quick\n");
    std::fflush(stdout);
    return QApplication::exec();
  } else if (scenario.startsWith(QStringLiteral("font"))) {
    if (!test::ChooseMenu(w, {QStringLiteral("Настройка текста"), QStringLiteral("Тип шрифта"), QStringLiteral("DejaVu Serif")})) {
      return 7;
    }
    w->showMinimized();  // what the window manager's minimise button asks for
    report = QStringLiteral("DejaVu-Serif minimised");
  }
  QTest::qWait(1200);  // settings are written shortly after the last change
  if (scenario.startsWith(QStringLiteral("leave"))) {  // the place the scrolling came to rest at
    report = QString::fromStdString(w->Reading().Position().anchor) + QLatin1Char(' ') +
             QString::number(w->findChild<QWidget*>(QStringLiteral("fraBook"))->width());
  }
  std::printf("READY %s\n", qPrintable(report));
  std::fflush(stdout);
  if (scenario.endsWith(QStringLiteral("close"))) {
    w->close();  // what the window manager's close button does
    reader.reset();
    return 0;
  }
  return QApplication::exec();  // until killed
}

}  // namespace

class RestartTest : public QObject {
  Q_OBJECT

 public:
  explicit RestartTest(const test::IsolatedEnvironment& env) : env_(env) {}

 private slots:
  void init() { env_.Reset(); }
  void cleanup() {
    test::StopReader(reader_, w_);
    const QString boxes = env_.TakeMessages();
    QVERIFY2(boxes.isEmpty(), qPrintable(QStringLiteral("unexpected message box: ") + boxes));
  }

  void whatTheReaderLeftIsThereAfterClosingAndAfterAKill_data() {
    QTest::addColumn<QString>("scenario");
    QTest::newRow("closed") << QStringLiteral("leave-close");
    QTest::newRow("killed") << QStringLiteral("leave-kill");
  }
  void whatTheReaderLeftIsThereAfterClosingAndAfterAKill() {
    QFETCH(QString, scenario);
    const QStringList left = RunChildUntilReady(scenario);
    QCOMPARE(left.size(), 2);
    w_ = test::StartReader(reader_);
    QVERIFY(w_);
    QVERIFY(w_->ToolbarAction(18)->isChecked());
    QCOMPARE(test::Title(w_->Pane(ReadingPane::Web1)), QStringLiteral("The ORVELIS Book v 3.4 - Page 135"));
    QVERIFY(w_->ToolbarAction(22)->isChecked());
    QVERIFY(w_->Pane(ReadingPane::Web2)->isVisible());
    QVERIFY(w_->Reading().SyncScroll() && w_->ToolbarAction(23)->isChecked());
    QVERIFY(w_->FixedHeaders());
    QVERIFY(w_->findChild<QAction*>(QStringLiteral("zPrefSizeSz6"))->isChecked());
    QCOMPARE(w_->LeftPanelShown(), 1);
    QCOMPARE(w_->findChild<QWidget*>(QStringLiteral("fraBook"))->width(), left[1].toInt());
    QCOMPARE(QString::fromStdString(w_->Reading().Position().anchor), left[0]);
    QTRY_VERIFY_WITH_TIMEOUT(test::ScrollTop(w_->Pane(ReadingPane::Web1)) > 0, 5000);
    // The favourites view was never opened: it stays closed and hides nothing.
    QVERIFY(!w_->Favorites().ViewShown());
    QVERIFY(MenuVisible(QStringLiteral("Навигация")) && MenuVisible(QStringLiteral("Язык")));
  }

  void aLayoutChosenJustBeforeAKillIsKept() {
    QCOMPARE(RunChildUntilReady(QStringLiteral("quick-kill")).value(0), QStringLiteral("quick"));
    w_ = test::StartReader(reader_);
    QVERIFY(w_);
    QVERIFY(w_->ToolbarAction(22)->isChecked());
    QVERIFY(w_->Pane(ReadingPane::Web2)->isVisible());
  }

  void aLayoutChosenInABurstOfOtherChangesIsKeptAfterAKill() {
    QCOMPARE(RunChildUntilReady(QStringLiteral("burst-kill")).value(0), QStringLiteral("quick"));
    w_ = test::StartReader(reader_);
    QVERIFY(w_);
    QVERIFY(w_->ToolbarAction(22)->isChecked());
  }

  void theChosenFontIsTickedAndUsedAndAMinimisedWindowStaysMinimised() {
    QCOMPARE(RunChildUntilReady(QStringLiteral("font-kill")).size(), 2);
    w_ = test::StartReader(reader_);
    QVERIFY(w_);
    QCOMPARE(CheckedFonts(), QStringList{QStringLiteral("DejaVu Serif")});
    QVERIFY(test::Eval(w_->Pane(ReadingPane::Web1), QStringLiteral("getComputedStyle(document.body).fontFamily"))
                .toString()
                .contains(QStringLiteral("DejaVu Serif")));
    QVERIFY(w_->isMinimized());
  }

  void aFamilyNoLongerInstalledIsNamedAndItsSubstituteTicked() {
    {
      QSettings settings(env_.Path() + QStringLiteral("/config/ORVELIS_BOOK"), QSettings::IniFormat);
      settings.setValue(QStringLiteral("ffam"), QStringLiteral("Гарнитура Которой Нет"));
    }
    w_ = test::StartReader(reader_);
    QVERIFY(w_);
    QMenu* menu = FontMenu();
    QVERIFY(menu);
    QAction* shown = nullptr;
    for (QAction* action : menu->actions()) {
      if (action->objectName() == QStringLiteral("fontNotInstalled")) shown = action;
    }
    QVERIFY(shown);
    const QStringList checked = CheckedFonts();
    QCOMPARE(checked.size(), 1);
    QCOMPARE(shown->text(), QStringLiteral("Шрифт «Гарнитура Которой Нет» не установлен, используется «%1»").arg(checked[0]));
    // Choosing an installed family takes the notice away.
    QVERIFY(test::ChooseMenu(w_, {QStringLiteral("Настройка текста"), QStringLiteral("Тип шрифта"), QStringLiteral("DejaVu Sans")}));
    QTRY_COMPARE(CheckedFonts(), QStringList{QStringLiteral("DejaVu Sans")});
    const auto noticeShown = [this] {
      const QList<QAction*> items = FontMenu()->actions();
      return std::any_of(items.begin(), items.end(), [](QAction* action) {
        return action->objectName() == QStringLiteral("fontNotInstalled");
      });
    };
    QTRY_VERIFY(!noticeShown());
    QCOMPARE(CheckedFonts(), QStringList{QStringLiteral("DejaVu Sans")});
  }

  void anOpenFavouritesViewOpensAgainAndAClosedOneStaysClosed() {
    QCOMPARE(RunChildUntilReady(QStringLiteral("favourite-close")).value(0), QStringLiteral("d_1"));
    w_ = test::StartReader(reader_);
    QVERIFY(w_);
    QVERIFY(w_->Favorites().ViewShown());
    QVERIFY(!MenuVisible(QStringLiteral("Навигация")));
    QTest::mouseClick(w_->findChild<QToolButton*>(QStringLiteral("tbFavortop")), Qt::LeftButton);
    QVERIFY(!w_->Favorites().ViewShown());
    test::StopReader(reader_, w_);
    w_ = test::StartReader(reader_);
    QVERIFY(w_);
    QVERIFY(!w_->Favorites().ViewShown());
    QVERIFY(MenuVisible(QStringLiteral("Навигация")) && MenuVisible(QStringLiteral("Язык")));
    QVERIFY(w_->ToolbarAction(9)->isVisible());
  }

 private:
  // Runs the child until it reports; a "-kill" scenario is then killed. Returns what it reported.
  QStringList RunChildUntilReady(const QString& scenario) {
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child"), scenario});
    QByteArray out;
    QElapsedTimer timer;
    timer.start();
    while (!out.contains('\n') && timer.elapsed() < 90000 && child.state() != QProcess::NotRunning) {
      child.waitForReadyRead(200);
      out += child.readAllStandardOutput();
    }
    if (scenario.endsWith(QStringLiteral("kill"))) {
      child.kill();
      child.waitForFinished(10000);
    } else {
      child.waitForFinished(30000);
      if (child.exitCode() != 0) qWarning("child exit %d", child.exitCode());
    }
    const QString line = QString::fromUtf8(out).trimmed();
    if (!line.startsWith(QStringLiteral("READY"))) return {};
    return line.mid(6).split(QLatin1Char(' '));
  }
  // The menu bar's "Настройка текста" > "Тип шрифта".
  QMenu* FontMenu() const {
    for (QAction* top : w_->menuBar()->actions()) {
      if (top->text() != QStringLiteral("Настройка текста") || !top->menu()) continue;
      for (QAction* item : top->menu()->actions()) {
        if (item->text() == QStringLiteral("Тип шрифта")) return item->menu();
      }
    }
    return nullptr;
  }
  QStringList CheckedFonts() const {
    QStringList checked;
    if (QMenu* menu = FontMenu()) {
      for (QAction* action : menu->actions()) {
        if (action->isChecked()) checked << action->text();
      }
    }
    return checked;
  }
  bool MenuVisible(const QString& title) {
    for (QAction* action : w_->menuBar()->actions()) {
      if (action->text() == title) return action->isVisible();
    }
    return false;
  }

  const test::IsolatedEnvironment& env_;
  std::unique_ptr<Reader> reader_;
  MainWindow* w_ = nullptr;
};

int main(int argc, char** argv) {
  if (argc == 3 && QByteArray(argv[1]) == "--child") {
    test::PrepareGuiTestProcess();
    PrepareWebEngine();
    QApplication app(argc, argv);
    InstallQtTranslations();
    return RunChild(QString::fromLatin1(argv[2]));
  }
  return test::RunGuiTests<RestartTest>(argc, argv);
}

#include "restart_test.moc"
