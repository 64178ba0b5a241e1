// Favourites in the window with the real browser engine: adding from a selection, folders,
// renaming, deleting, moving, restarting.

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTreeWidget>
#include <memory>

#include "app/startup.h"
#include "app/webengine_setup.h"
#include "favorites/favorites_store.h"
#include "gui_support.h"
#include "ui/message_sink.h"
#include "ui/window/browser_pane.h"
#include "ui/window/favorites_add_dialog.h"
#include "ui/window/favorites_tree.h"
#include "ui/window/main_window.h"

using namespace orvelis;

class FavoritesWindowTest : public QObject {
  Q_OBJECT

 public:
  explicit FavoritesWindowTest(const test::IsolatedEnvironment& env) : env_(env) {}

 private slots:
  void init() {
    env_.Reset();
    qunsetenv("ORVELIS_MESSAGE_ANSWERS");
    Start();
  }
  void cleanup() { Stop(); }

  void aSelectionBecomesAFragmentNumberedAcrossTheCollection() {
    SelectInPage("page135");
    {
      FavoritesAddDialog dialog(*reader_->Favorites(), w_->FavoritesTree(), S(w_->LocationText(0)), w_->SelectedHtml(),
                                Messages(), w_);
      const QString first = dialog.NameBox()->text();
      QVERIFY2(first.endsWith(QStringLiteral(" (135) - Фрагмент 1")), qPrintable(first));
      QCOMPARE(dialog.NameBox()->selectedText(), first);
      dialog.CreateFolder(QStringLiteral("Sub"));
      dialog.cmdOK_Click();
    }
    QVERIFY(FindNode(QStringLiteral("f_1")));
    QCOMPARE(FindNode(QStringLiteral("d_1_1"))->parent(), FindNode(QStringLiteral("f_1")));
    CFavorites* parent = nullptr;
    int n = 0;
    const CFoldDoc* fragment = reader_->Favorites()->FavoritesRoot().GetDocFromKey("d_1_1", parent, n);
    QVERIFY(fragment && fragment->Text.find("<") != std::string::npos);
    FavoritesAddDialog second(*reader_->Favorites(), w_->FavoritesTree(), S(w_->LocationText(0)), w_->SelectedHtml(),
                              Messages(), w_);
    QVERIFY(second.NameBox()->text().endsWith(QStringLiteral(" - Фрагмент 2")));
  }

  void aNewFolderGoesAfterTheLastFolderAndBeforeTheFirstFragment() {
    AddFragment("f", "r1");
    AddFolder("f", "A");  // the root already holds a fragment
    QTreeWidgetItem* root = FindNode(QStringLiteral("f"));
    QCOMPARE(FavoriteKey(root->child(0)), QStringLiteral("f_1"));
    QCOMPARE(FavoriteKey(root->child(1)), QStringLiteral("d_1"));
    AddFolder("f", "B");
    QCOMPARE(root->child(1)->text(0), QStringLiteral("B"));
    QCOMPARE(FavoriteKey(root->child(2)), QStringLiteral("d_1"));
  }

  void renameDeleteAndTheExpandedFoldersAfterARebuild() {
    AddFolder("f", "A");
    AddFolder("f_1", "A1");
    AddFragment("f_1", "x");
    FindNode(QStringLiteral("f_1"))->setExpanded(true);
    QTreeWidgetItem* x = FindNode(QStringLiteral("d_1_1"));
    x->setText(0, QStringLiteral("renamed"));
    CFavorites* parent = nullptr;
    int n = 0;
    QCOMPARE(reader_->Favorites()->FavoritesRoot().GetDocFromKey("d_1_1", parent, n)->name, std::string("renamed"));
    x->setText(0, QString());  // an empty name is refused
    QCOMPARE(FindNode(QStringLiteral("d_1_1"))->text(0), QStringLiteral("renamed"));
    qputenv("ORVELIS_MESSAGE_ANSWERS", "no");
    w_->DeleteFavorite(QStringLiteral("d_1_1"), QStringLiteral("renamed"));
    QVERIFY(FindNode(QStringLiteral("d_1_1")));
    QVERIFY(FindNode(QStringLiteral("f_1"))->isExpanded());
    QCOMPARE(FavoriteKey(w_->FavoritesTree()->currentItem()), QStringLiteral("f"));
    qputenv("ORVELIS_MESSAGE_ANSWERS", "yes");
    w_->DeleteFavorite(QStringLiteral("d_1_1"), QStringLiteral("renamed"));
    QVERIFY(!FindNode(QStringLiteral("d_1_1")));
    QVERIFY(FindNode(QStringLiteral("f_1"))->isExpanded());
    QVERIFY(MessageLog().contains(QStringLiteral("Удаление записи|Вы уверены, что хотите удалить запись \"renamed\" ?")));
  }

  void draggingFragmentsAndFolders() {
    AddFolder("f", "A");
    for (const char* name : {"1", "2", "3"}) AddFragment("f_1", name);
    w_->MoveFavorite(QStringLiteral("d_1_1"), QStringLiteral("d_1_3"));
    QCOMPARE(Names(QStringLiteral("f_1")), QStringList({QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("1")}));
    w_->MoveFavorite(QStringLiteral("d_1_3"), QStringLiteral("d_1_1"));
    QCOMPARE(Names(QStringLiteral("f_1")), QStringList({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}));
    AddFolder("f", "B");
    qputenv("ORVELIS_MESSAGE_ANSWERS", "yes");
    w_->MoveFavorite(QStringLiteral("f_2"), QStringLiteral("f_1"));
    QCOMPARE(FindNode(QStringLiteral("f_1_1"))->text(0), QStringLiteral("B"));
    qputenv("ORVELIS_MESSAGE_ANSWERS", "no");
    w_->MoveFavorite(QStringLiteral("f_1_1"), QStringLiteral("f_1"));
    QCOMPARE(FindNode(QStringLiteral("f_1"))->text(0), QStringLiteral("B"));
    QCOMPARE(FindNode(QStringLiteral("f_2"))->text(0), QStringLiteral("A"));
  }

  void everythingSurvivesARestartInTheFileLayout() {
    AddFolder("f", "A");
    AddFragment("f_1", "x", "t");
    AddFragment("f", "y", "");
    Stop();
    QFile file(env_.Path() + QStringLiteral("/data/OrvelisBook/book_favor.dat"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("A\0\1\0A\0\0\x82\0\1\0x\1\0t\x82\0\1\0y\0\0", 22));
    file.close();
    Start();
    QCOMPARE(FindNode(QStringLiteral("d_1_1"))->text(0), QStringLiteral("x"));
    QCOMPARE(FindNode(QStringLiteral("d_1"))->text(0), QStringLiteral("y"));
  }

  void theViewShowsAFragmentAndFollowsNoLinks() {
    AddFragment("f", "linked", "<a id=\"l\" href=\"@page5\">go</a> text");
    w_->FavoritesTree()->setCurrentItem(FindNode(QStringLiteral("d_1")));
    w_->ShowFavorite(false);
    QVERIFY(w_->FavoritesViewShown());
    QVERIFY(!w_->ToolbarAction(12)->isVisible());
    QVERIFY(w_->ToolbarAction(5)->isVisible());
    QVERIFY(test::WaitLoaded(w_->FavoritesView()));
    QCOMPARE(test::Title(w_->FavoritesView()), QStringLiteral("linked"));
    const QString before = test::Title(w_->Pane(ReadingPane::Web1));
    test::Eval(w_->FavoritesView(), QStringLiteral("document.getElementById('l').click()"));
    QTest::qWait(500);
    QCOMPARE(test::Title(w_->Pane(ReadingPane::Web1)), before);
    QCOMPARE(test::Title(w_->FavoritesView()), QStringLiteral("linked"));
    w_->SetFavoritesView(false);
    QVERIFY(w_->ToolbarAction(12)->isVisible());
  }

  void theRootHasNoMenuAndFoldersOnlyRenameAndDelete() {
    AddFolder("f", "A");
    QTreeWidget* tree = w_->FavoritesTree();
    w_->ToolbarAction(7)->trigger();
    tree->expandAll();
    w_->ShowFavoritesMenuAt(tree->visualItemRect(FindNode(QStringLiteral("f"))).center());
    QVERIFY(!w_->FavoritesMenu()->isVisible());
    w_->ShowFavoritesMenuAt(tree->visualItemRect(FindNode(QStringLiteral("f_1"))).center());
    QVERIFY(w_->FavoritesMenu()->isVisible());
    for (QAction* a : w_->FavoritesMenu()->actions()) {
      const bool folderItem = a->objectName() == QLatin1String("zContFavorRename") ||
                              a->objectName() == QLatin1String("zContFavorDelete");
      QCOMPARE(a->isVisible(), folderItem);
    }
    w_->FavoritesMenu()->hide();
  }

 private:
  void Start() {
    w_ = test::StartReader(reader_);
    QVERIFY(w_);
  }
  void Stop() {
    test::StopReader(reader_, w_);
  }
  void SelectInPage(const std::string& key) {
    w_->Locator().ShowTarget(key, false, "", -1);
    QVERIFY(test::WaitLoaded(w_->Pane(ReadingPane::Web1)));
    test::Eval(w_->Pane(ReadingPane::Web1), QStringLiteral(
        "var r=document.createRange();r.selectNodeContents(document.querySelector('p'));"
        "window.getSelection().removeAllRanges();window.getSelection().addRange(r);"));
  }
  void AddFolder(const char* parent, const char* name) {
    FavoritesAddDialog dialog(*reader_->Favorites(), w_->FavoritesTree(), "", "", Messages(), w_);
    dialog.FolderTree()->setCurrentItem(FindFavoriteNode(dialog.FolderTree(), QString::fromLatin1(parent)));
    dialog.CreateFolder(QString::fromLatin1(name));
  }
  void AddFragment(const char* folder, const char* name, const char* html = "<b>text</b>") {
    FavoritesAddDialog dialog(*reader_->Favorites(), w_->FavoritesTree(), "", html, Messages(), w_);
    dialog.FolderTree()->setCurrentItem(FindFavoriteNode(dialog.FolderTree(), QString::fromLatin1(folder)));
    dialog.NameBox()->setText(QString::fromUtf8(name));
    dialog.cmdOK_Click();
  }
  QTreeWidgetItem* FindNode(const QString& key) { return FindFavoriteNode(w_->FavoritesTree(), key); }
  QStringList Names(const QString& folder) {
    QStringList names;
    QTreeWidgetItem* node = FindNode(folder);
    for (int i = 0; i < node->childCount(); ++i) {
      if (FavoriteKey(node->child(i)).startsWith(QLatin1Char('d'))) names << node->child(i)->text(0);
    }
    return names;
  }
  QString MessageLog() {
    QFile log(env_.MessageLog());
    return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
  }
  static std::string S(const QString& s) { return s.toStdString(); }
  MessageSink& Messages() { return sink_; }

  class NoMessages final : public MessageSink {
   public:
    MessageAnswer Show(const Message&) override { return MessageAnswer::Ok; }
  } sink_;
  const test::IsolatedEnvironment& env_;
  std::unique_ptr<Reader> reader_;
  MainWindow* w_ = nullptr;
};

int main(int argc, char** argv) { return test::RunGuiTests<FavoritesWindowTest>(argc, argv); }

#include "favorites_window_test.moc"
