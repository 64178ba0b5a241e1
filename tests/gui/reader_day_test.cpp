// A reader's day with the real window, driven as a person drives it: mouse clicks on the toolbar,
// the menus and the trees, keys, the wheel over the browser, right clicks, modal dialogs answered
// by keys. Each case is a fault met by using the window.

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDialog>
#include <QLabel>
#include <QTimer>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTreeWidget>
#include <memory>

#include <csignal>
#include <sys/types.h>

#include "shell/app/startup.h"
#include "ground/cp1251.h"
#include "favorites/favorites_store.h"
#include "gui_support.h"
#include "help/help_pages.h"
#include "ports/recording_search_view.h"
#include "shell/browser/browser_pane.h"
#include "shell/favorites/favorites_tree.h"
#include "shell/browser/find_bar.h"
#include "shell/help/help_window.h"
#include "shell/window/main_window.h"
#include "shell/window/toolbar_icons.h"

using namespace orvelis;

class ReaderDayTest : public QObject {
  Q_OBJECT

 public:
  explicit ReaderDayTest(const test::IsolatedEnvironment& env) : env_(env) {}

 private slots:
  void init() {
    env_.Reset();
    w_ = test::StartReader(reader_);
    QVERIFY(w_);
    w_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w_));
  }
  void cleanup() {
    test::StopReader(reader_, w_);
    const QString boxes = env_.TakeMessages();
    QVERIFY2(boxes.isEmpty(), qPrintable(QStringLiteral("unexpected message box: ") + boxes));
  }

  void theBookTreeAnswersToKeysAndCommandsKeepThePageBeingRead() {
    test::ClickToolbar(w_, w_->ToolbarAction(5));
    QTreeWidget* tree = w_->BookTree();
    QTRY_VERIFY(tree->isVisible());
    QTreeWidgetItem* contents = Item(QStringLiteral("cont"));
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(contents).center());
    QTRY_COMPARE(w_->Locator().CurrentKey(), std::string("cont"));
    // Down moves the highlight and shows the node it rests on.
    QTest::keyClick(tree, Qt::Key_Down);
    const QString below = tree->currentItem()->data(0, Qt::UserRole).toString();
    QVERIFY(below != QStringLiteral("cont"));
    QTRY_COMPARE(Q(w_->Locator().CurrentKey()), ShownKeyOf(below));
    // A page shown from elsewhere opens its Paper's branch, which then has the open picture.
    ShowByGoTo(2);
    QTreeWidgetItem* foreword = Item(QStringLiteral("doc0"));
    QVERIFY(foreword->isExpanded());
    QVERIFY(SameIcon(foreword->icon(0), QStringLiteral("book_open")));
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(contents).center());
    QTRY_COMPARE(w_->Locator().CurrentKey(), std::string("cont"));
    QTest::keyClick(tree, Qt::Key_Down);
    // Enter shows at once; Space too.
    QTest::keyClick(tree, Qt::Key_Up);
    QTest::keyClick(tree, Qt::Key_Return);
    QCOMPARE(w_->Locator().CurrentKey(), std::string("cont"));
    QTest::keyClick(tree, Qt::Key_End);
    QTest::keyClick(tree, Qt::Key_Space);
    const std::string last = w_->Locator().CurrentKey();
    QVERIFY(last != "cont");
    // A layout change shows the page being read in both panes.
    test::ClickToolbar(w_, w_->ToolbarAction(21));
    QVERIFY(test::WaitLoaded(Web2()));
    QCOMPARE(w_->Locator().CurrentKey(), last);
  }

  void everyWayOfClosingTheFavouritesViewBringsBackTheMenusAndItCoversBothPanes() {
    AddFavouriteBySelection("page12");
    test::ClickToolbar(w_, w_->ToolbarAction(21));  // stacked: two live panes
    QVERIFY(test::WaitLoaded(Web2()));
    for (int closer : {5, 6}) {
      OpenFirstFavourite();
      QWidget* view = w_->findChild<QWidget*>(QStringLiteral("picFavWeb"));
      QVERIFY(view->isVisible());
      const QRect covered = view->geometry();
      QVERIFY(covered.contains(w_->findChild<QWidget*>(QStringLiteral("picWeb1"))->geometry()));
      QVERIFY(covered.contains(w_->findChild<QWidget*>(QStringLiteral("picWeb2"))->geometry()));
      QVERIFY(!MenuTitleVisible(QStringLiteral("Навигация")));
      test::ClickToolbar(w_, w_->ToolbarAction(closer));
      QVERIFY(!view->isVisible());
      QVERIFY(MenuTitleVisible(QStringLiteral("Навигация")));
      QVERIFY(MenuTitleVisible(QStringLiteral("Язык")));
      for (int index : {1, 3, 9, 12, 17, 22, 23}) QVERIFY(w_->ToolbarAction(index)->isVisible());
      QVERIFY(w_->findChild<QAction*>(QStringLiteral("zFilePrint"))->isVisible());
    }
  }

  void expandingAFavouritesFolderWritesNothingAndShowsTheOpenIcon() {
    test::StopReader(reader_, w_);
    const QString file = env_.Path() + QStringLiteral("/data/OrvelisBook/book_favor.dat");
    {
      RecordingMessageSink sink;
      FavoritesStore store(file.toStdString(), sink);
      QVERIFY(store.LoadFavorites());
      QCOMPARE(store.AddFolder("f", "Folder"), std::string("f_1"));
      QCOMPARE(store.AddFragment("f_1", "inside", "<p>x</p>"), std::string("d_1_1"));
    }
    const QByteArray before = Bytes(file);
    // A file that cannot be replaced: any write would show an error box and fail the test.
    QVERIFY(QDir().mkpath(file + QStringLiteral(".new")));
    w_ = test::StartReader(reader_);
    QVERIFY(w_);
    test::ClickToolbar(w_, w_->ToolbarAction(7));
    FavoritesTreeWidget* tree = w_->Favorites().Tree();
    QTRY_VERIFY(tree->isVisible());
    QTreeWidgetItem* folder = FindFavoriteNode(tree, QStringLiteral("f_1"));
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(folder).center());
    QTest::keyClick(tree, Qt::Key_Right);
    QVERIFY(folder->isExpanded());
    QVERIFY(SameIcon(folder->icon(0), QStringLiteral("open_folder")));
    QTest::keyClick(tree, Qt::Key_Left);
    QVERIFY(!folder->isExpanded());
    QVERIFY(SameIcon(folder->icon(0), QStringLiteral("folder")));
    QTest::keyClick(tree, Qt::Key_Right);
    test::StopReader(reader_, w_);
    QCOMPARE(Bytes(file), before);
    QDir(file + QStringLiteral(".new")).removeRecursively();
    // Expanded again at the next start: the open icon, not the closed one.
    w_ = test::StartReader(reader_);
    QVERIFY(w_);
    folder = FindFavoriteNode(w_->Favorites().Tree(), QStringLiteral("f_1"));
    QVERIFY(folder->isExpanded());
    QVERIFY(SameIcon(folder->icon(0), QStringLiteral("open_folder")));
  }

  void theContextMenusBackAndForwardFollowTheHistory() {
    QAction* back = w_->ContextAction(QStringLiteral("zContextBack"));
    QAction* forward = w_->ContextAction(QStringLiteral("zContextForw"));
    test::RightClick(Web1());
    QTRY_VERIFY(w_->ContextMenu()->isVisible());
    QVERIFY(!back->isEnabled());
    QVERIFY(!forward->isEnabled());
    w_->ContextMenu()->hide();
    ShowByGoTo(12);
    ShowByGoTo(13);
    test::RightClick(Web1());
    QTRY_VERIFY(w_->ContextMenu()->isVisible());
    QVERIFY(back->isEnabled());
    QVERIFY(test::ClickMenuItem(w_->ContextMenu(), QStringLiteral("Назад")));
    QTRY_COMPARE(w_->Locator().CurrentKey(), std::string("page12"));
    test::RightClick(Web1());
    QTRY_VERIFY(w_->ContextMenu()->isVisible());
    QVERIFY(forward->isEnabled());
    w_->ContextMenu()->hide();
  }

  void scrollingEitherPaneDrivesTheOtherWithoutAnEcho() {
    w_->resize(900, 600);
    test::ClickToolbar(w_, w_->ToolbarAction(21));
    ShowByGoTo(500);
    QVERIFY(test::WaitLoaded(Web2()));
    test::ClickToolbar(w_, w_->ToolbarAction(23));
    QVERIFY(w_->Reading().SyncScroll());
    RoundTrips();  // the switch's own alignment of the panes is done
    // The second pane is scrolled although the first had the focus last.
    Web1()->setFocus();
    test::Wheel(Web2(), -6);
    QTRY_VERIFY_WITH_TIMEOUT(test::ScrollTop(Web2()) > 0, 5000);
    QTRY_VERIFY_WITH_TIMEOUT(qAbs(Ratio(Web1()) - Ratio(Web2())) < 0.01, 10000);
    QVERIFY(test::ScrollTop(Web1()) > 0);
    // And back from the first; both end where the wheel left the first one (no echo moved it).
    test::Wheel(Web1(), 3);
    QTRY_VERIFY_WITH_TIMEOUT(qAbs(Ratio(Web1()) - Ratio(Web2())) < 0.01, 10000);
    const int settled = test::ScrollTop(Web1());
    RoundTrips();  // an echo from the second pane would have reached the first by now
    QCOMPARE(test::ScrollTop(Web1()), settled);
  }

  void changingTheSizeKeepsTheParagraphAtTheTop() {
    w_->resize(700, 500);  // a short pane: the page scrolls
    ShowByGoTo(135);
    test::Wheel(Web1(), -8);
    QTRY_VERIFY_WITH_TIMEOUT(!w_->Reading().Position().anchor.empty(), 5000);
    const std::string anchor = w_->Reading().Position().anchor;
    QVERIFY(test::ChooseMenu(w_, {QStringLiteral("Настройка текста"), QStringLiteral("Размер"), QStringLiteral("150%")}));
    QVERIFY(test::WaitLoaded(Web1()));
    QTRY_VERIFY_WITH_TIMEOUT(test::ScrollTop(Web1()) > 0, 5000);
    QCOMPARE(TopAnchor(Web1()), Q(anchor));
    QVERIFY(w_->findChild<QAction*>(QStringLiteral("zPrefSizeSz6"))->isChecked());
  }

  void aRefusedAddKeepsTheDialogOpenAndItsFoldersCannotBeRenamed() {
    ShowByGoTo(12);
    const QPoint inside = Select(Web1());
    QVERIFY(QDir().mkpath(env_.Path() + QStringLiteral("/data/OrvelisBook/book_favor.dat.new")));
    bool stayedOpen = false;
    bool labelsFixed = false;
    test::WhenModal([&](QWidget* dialog) {
      auto* tree = dialog->findChild<QTreeWidget*>(QStringLiteral("treFavor"));
      labelsFixed = tree->editTriggers() == QAbstractItemView::NoEditTriggers;
      // The save fails (its file cannot be replaced): one message, answered, then the dialog is still up.
      test::WhenModal([](QWidget* box) { QTest::keyClick(box, Qt::Key_Return); });
      QTest::keyClick(dialog->findChild<QLineEdit*>(QStringLiteral("txtAdd")), Qt::Key_Return);
      stayedOpen = dialog->isVisible();
      dialog->close();
    });
    test::RightClick(Web1(), inside);
    QVERIFY(test::ClickMenuItem(w_->ContextMenu(), QStringLiteral("Добавить в Избранное")));
    QTRY_VERIFY(!QApplication::activeModalWidget());
    QVERIFY(labelsFixed);
    QVERIFY(stayedOpen);
    QDir(env_.Path() + QStringLiteral("/data/OrvelisBook/book_favor.dat.new")).removeRecursively();
    const QString boxes = env_.TakeMessages();
    // The one expected box: the save failed and said so.
    QVERIFY2(boxes.startsWith(QStringLiteral("Избранное|Не удалось сохранить избранное в файл ")) &&
                 boxes.endsWith(QStringLiteral("Файл избранного остался прежним.\n")) && boxes.count(QLatin1Char('|')) == 1,
             qPrintable(boxes));
  }

  void theFindBarOpensOverThePaneItSearchesAtItsFoot() {
    test::ClickToolbar(w_, w_->ToolbarAction(22));
    ShowByGoTo(40);
    QVERIFY(test::WaitLoaded(Web2()));
    Web2()->setFocus();
    QTRY_COMPARE(w_->Reading().WebFocus(), 2);
    QTest::keyClick(Web2()->focusProxy(), Qt::Key_F, Qt::ControlModifier);
    FindBar* bar = w_->FindOnPage();
    QVERIFY(bar && bar->isVisible());
    QCOMPARE(bar->parentWidget(), Web2()->parentWidget());
    QVERIFY(Web2()->geometry().contains(bar->geometry()));
    QVERIFY(bar->geometry().top() > Web2()->geometry().center().y());
  }

  // A key pressed while a search runs reaches the window only after the search: the go-to
  // dialog it asks for opens over the finished results, never inside the search.
  void aKeyPressedDuringASearchWaitsForTheSearchToEnd() {
    test::ClickToolbar(w_, w_->ToolbarAction(6));
    auto* box = w_->findChild<QLineEdit*>(QStringLiteral("txtSearch"));
    QTRY_VERIFY(box->isVisible());
    QTest::mouseClick(box, Qt::LeftButton);
    test::TypeText(box, QStringLiteral("иисус христос учитель"));
    bool pressedDuringSearch = false;
    QTimer::singleShot(0, this, [&] {
      pressedDuringSearch = QApplication::overrideCursor() != nullptr;  // the search's wait cursor
      QVERIFY(test::PressKeysThroughDisplay(QStringLiteral("ctrl+g")));
    });
    bool searchEndedFirst = false;
    QString resultsWhenOpened;
    test::WhenModal([&](QWidget* dialog) {
      searchEndedFirst = QApplication::overrideCursor() == nullptr;
      resultsWhenOpened = w_->findChild<QLabel*>(QStringLiteral("lblSearchres"))->text();
      QTest::keyClick(dialog, Qt::Key_Escape);
    });
    QTest::keyClick(box, Qt::Key_Return);
    QVERIFY(pressedDuringSearch);
    QTRY_VERIFY(!resultsWhenOpened.isEmpty());  // the held key did arrive
    QVERIFY(searchEndedFirst);
    QVERIFY2(resultsWhenOpened.startsWith(QStringLiteral("Результаты (страниц: ")), qPrintable(resultsWhenOpened));
    QTRY_VERIFY(!QApplication::activeModalWidget());
  }

  // The browser's render process is killed under the page: the page comes back by itself; killed
  // again and again, the reader says so once, and the next page shows normally.
  void aKilledRendererBringsThePageBackAndAHopelessOneIsReported() {
    w_->resize(700, 500);  // a short pane: the page scrolls
    ShowByGoTo(135);
    const QString title = test::Title(Web1());
    QVERIFY(title.endsWith(QStringLiteral("Страница 135")));
    test::Wheel(Web1(), -8);
    QTRY_VERIFY_WITH_TIMEOUT(!w_->Reading().Position().anchor.empty(), 5000);
    const QString anchor = Q(w_->Reading().Position().anchor);
    QVERIFY(KillRenderer(Web1()));
    QTRY_VERIFY_WITH_TIMEOUT(Web1()->IsLoaded(), 15000);
    QCOMPARE(test::Title(Web1()), title);
    QTRY_COMPARE_WITH_TIMEOUT(TopAnchor(Web1()), anchor, 5000);  // where the reader was
    QVERIFY(Paragraphs(Web1()).size() > 1);
    QCOMPARE(env_.TakeMessages(), QString());
    // Three more deaths in a row while showing the same page: given up and reported.
    for (int kill = 0; kill < 3; ++kill) {
      QTRY_VERIFY_WITH_TIMEOUT(Web1()->IsLoaded(), 15000);
      QVERIFY(KillRenderer(Web1()));
    }
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(env_.MessageLog()), 15000);
    QCOMPARE(env_.TakeMessages(), QStringLiteral("Книга Орвелис v 3.4|Не удалось показать страницу: обозреватель несколько раз "
                                                 "подряд завершился аварийно. Откройте страницу снова или перезапустите "
                                                 "программу.\n"));
    ShowByGoTo(13);
    QVERIFY(test::Title(Web1()).endsWith(QStringLiteral("Страница 13")));
  }

  void openingTheSearchPanelPutsTheCursorInTheQueryBox() {
    test::ClickToolbar(w_, w_->ToolbarAction(6));
    auto* box = w_->findChild<QLineEdit*>(QStringLiteral("txtSearch"));
    QTRY_VERIFY(box->isVisible());
    QTRY_VERIFY(QApplication::focusWidget() != nullptr);
    test::TypeText(QApplication::focusWidget(), QStringLiteral("иисус"));
    QCOMPARE(box->text(), QStringLiteral("иисус"));
  }

  void qtsOwnButtonsSpeakRussian() {
    QMessageBox box(QMessageBox::Question, QStringLiteral("t"), QStringLiteral("q"),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    QCOMPARE(box.button(QMessageBox::Yes)->text().remove(QLatin1Char('&')), QStringLiteral("Да"));
    QCOMPARE(box.button(QMessageBox::Cancel)->text().remove(QLatin1Char('&')), QStringLiteral("Отмена"));
  }

  void theHelpNamesThisProgramAndOnlyMenusThatExist() {
    const QString help = QString::fromStdString(HelpText());
    QVERIFY(help.contains(QStringLiteral("«Книга Орвелис»")));
    QStringList commands;
    for (QAction* action : w_->findChildren<QAction*>()) commands << QString(action->text()).remove(QLatin1Char('&'));
    for (QMenu* menu : w_->menuBar()->findChildren<QMenu*>()) commands << menu->title();
    const QRegularExpression quoted(QStringLiteral("«([^»]+)»"));
    int named = 0;
    for (auto it = quoted.globalMatch(help); it.hasNext(); ++named) {
      const QString name = it.next().captured(1);
      if (name == QStringLiteral("Книга Орвелис") || name == QStringLiteral("?")) continue;
      QVERIFY2(commands.contains(name), qPrintable(name));
    }
    QVERIFY(named > 10);
  }

  void savingProposesThePagesNameAndKeepsEveryParagraphAndTheHeaders() {
    ShowByGoTo(12);
    test::RightClick(Web1());
    QVERIFY(test::ClickMenuItem(w_->ContextMenu(), QStringLiteral("Фиксировать заголовки")));
    QTRY_VERIFY(w_->FixedHeaders());
    QVERIFY(test::WaitLoaded(Web1()));
    const QStringList paragraphs = Paragraphs(Web1());
    QVERIFY(paragraphs.size() > 1);
    const QString folder = env_.Path() + QStringLiteral("/saved");
    QVERIFY(QDir().mkpath(folder));
    for (const QString& type : {QStringLiteral("htm"), QStringLiteral("txt")}) {
      QString proposed;
      test::WhenModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        QVERIFY(dialog);
        QVERIFY(dialog->nameFilters().contains(QStringLiteral("Веб-страница, HTML (*.htm *.html)")));
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        proposed = name->text();
        name->setText(folder + QLatin1Char('/') + proposed + QLatin1Char('.') + type);
        QTest::keyClick(name, Qt::Key_Return);
      });
      test::RightClick(Web1());
      QVERIFY(test::ClickMenuItem(w_->ContextMenu(), QStringLiteral("Сохранить содержимое как...")));
      QTRY_VERIFY(!QApplication::activeModalWidget());
      QCOMPARE(proposed, QStringLiteral("Страница 12"));
      QFile saved(folder + QStringLiteral("/Страница 12.") + type);
      QTRY_VERIFY(saved.exists());
      QVERIFY(saved.open(QIODevice::ReadOnly));
      QString text = QString::fromStdString(DecodeCp1251(saved.readAll().toStdString()));
      if (type == QStringLiteral("htm")) {
        QVERIFY(!text.contains(QStringLiteral("@page13")));  // the arrows went
        text.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
        text.replace(QStringLiteral("&nbsp;"), QStringLiteral(" ")).replace(QStringLiteral("&amp;"), QStringLiteral("&"));
      }
      text = text.simplified();
      for (const QString& paragraph : paragraphs) {
        QVERIFY2(text.contains(paragraph.simplified().left(60)), qPrintable(paragraph));
      }
      QVERIFY(text.contains(QStringLiteral("Страница 12")));  // the page number, from the strip's bar
      QVERIFY(text.contains(QStringLiteral("ПРЕДИСЛОВИЕ")));  // the Paper's title
    }
  }

 private:
  BrowserPane* Web1() const { return w_->Pane(ReadingPane::Web1); }
  BrowserPane* Web2() const { return w_->Pane(ReadingPane::Web2); }
  static QString Q(const std::string& s) { return QString::fromStdString(s); }
  // Kills the pane's render process as a crash would, and waits until the pane has noticed.
  static bool KillRenderer(BrowserPane* pane) {
    const qint64 pid = pane->page()->renderProcessPid();
    if (pid <= 0 || ::kill(static_cast<pid_t>(pid), SIGKILL) != 0) return false;
    return QTest::qWaitFor([pane] { return !pane->IsLoaded(); }, 5000);
  }
  static QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  static bool SameIcon(const QIcon& icon, const QString& name) {
    return icon.pixmap(16).toImage() == NamedIcon(name).pixmap(16).toImage();
  }
  // A Paper node shows the Paper's first page.
  QString ShownKeyOf(const QString& treeKey) {
    return treeKey.startsWith(QStringLiteral("page")) || treeKey.startsWith(QStringLiteral("cont")) ||
                   treeKey == QStringLiteral("book")
               ? treeKey
               : Q(w_->Locator().CurrentKey());
  }
  QTreeWidgetItem* Item(const QString& key) { return test::BookTreeItem(w_->BookTree(), key); }
  bool MenuTitleVisible(const QString& title) {
    for (QAction* action : w_->menuBar()->actions()) {
      if (action->text() == title) return action->isVisible();
    }
    return false;
  }
  void ShowByGoTo(int page) {
    test::WhenModal([page](QWidget* dialog) {
      auto* number = dialog->findChild<QLineEdit*>(QStringLiteral("txtInputNumber"));
      QTest::keyClick(number, Qt::Key_A, Qt::ControlModifier);  // over the number typed last time
      QTest::keyClicks(number, QString::number(page));
      QTest::keyClick(number, Qt::Key_Return);
    });
    QTest::keyClick(w_, Qt::Key_G, Qt::ControlModifier);
    QTRY_COMPARE(w_->Locator().CurrentKey(), "page" + std::to_string(page));
    QVERIFY(test::WaitLoaded(Web1()));
    // Without a window manager nobody gives the activation back when a dialog closes.
    w_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w_));
  }
  // Selects the first paragraph and returns a point inside it, where a right click keeps it.
  static QPoint Select(BrowserPane* pane) { return test::SelectElement(pane).inside; }
  void AddFavouriteBySelection(const std::string& key) {
    ShowByGoTo(std::stoi(key.substr(4)));
    const QPoint inside = Select(Web1());
    test::WhenModal([](QWidget* dialog) {
      QTest::keyClick(dialog->findChild<QLineEdit*>(QStringLiteral("txtAdd")), Qt::Key_Return);
    });
    test::RightClick(Web1(), inside);
    QVERIFY(test::ClickMenuItem(w_->ContextMenu(), QStringLiteral("Добавить в Избранное")));
    QTRY_VERIFY(!QApplication::activeModalWidget());
    QVERIFY(FindFavoriteNode(w_->Favorites().Tree(), QStringLiteral("d_1")));
  }
  void OpenFirstFavourite() {
    if (!w_->Favorites().Tree()->isVisible()) test::ClickToolbar(w_, w_->ToolbarAction(7));
    FavoritesTreeWidget* tree = w_->Favorites().Tree();
    QTRY_VERIFY(tree->isVisible());
    QTreeWidgetItem* item = FindFavoriteNode(tree, QStringLiteral("d_1"));
    const QPoint at = tree->visualItemRect(item).center();
    QContextMenuEvent menu(QContextMenuEvent::Mouse, at, tree->viewport()->mapToGlobal(at));
    QApplication::sendEvent(tree->viewport(), &menu);
    QVERIFY(test::ClickMenuItem(w_->Favorites().Menu(), QStringLiteral("Показать")));
    QTRY_VERIFY(w_->Favorites().ViewShown());
  }
  // Script round trips through both panes' renderers, twice: whatever either pane reported before
  // (a scroll, and the other pane's answer to it) has been delivered when they return.
  void RoundTrips() {
    for (int i = 0; i < 2; ++i) {
      QCOMPARE(test::Eval(Web2(), QStringLiteral("1")).toInt(), 1);
      QCOMPARE(test::Eval(Web1(), QStringLiteral("1")).toInt(), 1);
    }
  }
  double Ratio(BrowserPane* pane) {
    return test::Eval(pane, QStringLiteral("document.body.scrollTop / document.body.scrollHeight")).toDouble();
  }
  // The last paragraph anchor at or above the top of the view.
  QString TopAnchor(BrowserPane* pane) {
    return test::Eval(pane, QStringLiteral("(function(){var top=document.body.scrollTop,as=document.getElementsByTagName('a'),"
                                           "best='';for(var i=0;i<as.length;i++){if(!/^p[0-9]+$/.test(as[i].name))continue;"
                                           "if(as[i].getBoundingClientRect().top<=1)best=as[i].name;else break;}return best;})()"))
        .toString();
  }
  QStringList Paragraphs(BrowserPane* pane) {
    return test::Eval(pane, QStringLiteral("Array.prototype.map.call(document.getElementsByTagName('p'),"
                                           "function(p){return p.innerText.trim();})"))
        .toStringList();
  }

  const test::IsolatedEnvironment& env_;
  std::unique_ptr<Reader> reader_;
  MainWindow* w_ = nullptr;
};

int main(int argc, char** argv) { return test::RunGuiTests<ReaderDayTest>(argc, argv); }

#include "reader_day_test.moc"
