// Favourites in the window with the real browser engine, driven as a person drives them: a
// selection filed through the page's context menu and the add dialog, folders made in that
// dialog, renaming and deleting from the tree's own menu and keys, moving by dragging with the
// mouse, a restart, and the view over the reading area.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QDrag>
#include <QFile>
#include <QInputDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <memory>

#include "shell/app/startup.h"
#include "favorites/favorites_store.h"
#include "gui_support.h"
#include "shell/browser/browser_pane.h"
#include "shell/favorites/favorites_add_dialog.h"
#include "shell/favorites/favorites_tree.h"
#include "shell/window/main_window.h"

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
  void cleanup() {
    Stop();
    const QString unused = qEnvironmentVariable("ORVELIS_MESSAGE_ANSWERS");
    qunsetenv("ORVELIS_MESSAGE_ANSWERS");
    QVERIFY2(unused.isEmpty(), qPrintable(QStringLiteral("a question that was expected never came: ") + unused));
    const QString boxes = env_.TakeMessages();
    QVERIFY2(boxes.isEmpty(), qPrintable(QStringLiteral("unexpected message box: ") + boxes));
  }

  void aSelectionBecomesAFragmentNumberedAcrossTheCollection() {
    QVERIFY(test::GoTo(w_, 135));
    const QPoint inside = SelectFirstParagraph();
    const QVariant paragraph = test::Eval(Web1(), QStringLiteral("document.getElementsByTagName('p')[0].innerHTML"));
    QVERIFY(paragraph.isValid() && !paragraph.toString().isEmpty());
    QString proposed;
    QString preselected;
    bool folderMade = false;
    test::WhenModal([&](QWidget* modal) {
      const auto close = test::CloseWhenDone(modal);
      auto* dialog = qobject_cast<FavoritesAddDialog*>(modal);
      QVERIFY(dialog);
      proposed = dialog->NameBox()->text();
      preselected = dialog->NameBox()->selectedText();
      folderMade = CreateFolderInDialog(dialog, QStringLiteral("Sub"));  // the new folder becomes the chosen one
      QTest::keyClick(dialog->NameBox(), Qt::Key_Return);
    });
    OpenAddDialog(inside);
    QVERIFY2(proposed.endsWith(QStringLiteral(" (135) - Фрагмент 1")), qPrintable(proposed));
    QCOMPARE(preselected, proposed);  // typing replaces the proposal
    QVERIFY(folderMade);
    QVERIFY(FindNode(QStringLiteral("f_1")));
    QCOMPARE(FindNode(QStringLiteral("f_1"))->text(0), QStringLiteral("Sub"));
    QCOMPARE(FindNode(QStringLiteral("d_1_1"))->parent(), FindNode(QStringLiteral("f_1")));
    QCOMPARE(FindNode(QStringLiteral("d_1_1"))->text(0), proposed);
    CFavorites* parent = nullptr;
    int n = 0;
    const CFoldDoc* fragment = reader_->Favorites()->FavoritesRoot().GetDocFromKey("d_1_1", parent, n);
    QVERIFY(fragment);
    QCOMPARE(QString::fromStdString(fragment->Text), paragraph.toString());  // the markup, as the page has it

    // The next proposal counts the fragments of the whole collection; Escape adds nothing.
    QString second;
    test::WhenModal([&](QWidget* modal) {
      const auto close = test::CloseWhenDone(modal);
      auto* dialog = qobject_cast<FavoritesAddDialog*>(modal);
      QVERIFY(dialog);
      second = dialog->NameBox()->text();
      QTest::keyClick(dialog, Qt::Key_Escape);
    });
    OpenAddDialog(inside);
    QCOMPARE(second, proposed.chopped(1) + QLatin1Char('2'));
    QCOMPARE(FindNode(QStringLiteral("f"))->childCount(), 1);
    QCOMPARE(FindNode(QStringLiteral("f_1"))->childCount(), 1);
  }

  void aNewFolderGoesAfterTheLastFolderAndBeforeTheFirstFragment() {
    QVERIFY(test::GoTo(w_, 135));
    const QPoint inside = SelectFirstParagraph();
    AddFragment(inside, QStringLiteral("f"), QStringLiteral("r1"));
    AddFolder(inside, QStringLiteral("f"), QStringLiteral("A"));  // the root already holds a fragment
    QCOMPARE(Children(QStringLiteral("f")), QStringList({QStringLiteral("f_1 A"), QStringLiteral("d_1 r1")}));
    AddFolder(inside, QStringLiteral("f"), QStringLiteral("B"));
    QCOMPARE(Children(QStringLiteral("f")),
             QStringList({QStringLiteral("f_1 A"), QStringLiteral("f_2 B"), QStringLiteral("d_1 r1")}));
  }

  void renameDeleteAndTheExpandedFoldersAfterARebuild() {
    QVERIFY(test::GoTo(w_, 135));
    const QPoint inside = SelectFirstParagraph();
    AddFolder(inside, QStringLiteral("f"), QStringLiteral("A"));
    AddFolder(inside, QStringLiteral("f_1"), QStringLiteral("A1"));
    AddFragment(inside, QStringLiteral("f_1"), QStringLiteral("x"));
    QTreeWidget* tree = ShowFavouritesPanel();
    Expand(QStringLiteral("f_1"));

    // Renamed from the tree's menu: the editor opens over the label, the typed name is stored.
    RightClickItem(FindNode(QStringLiteral("d_1_1")));
    QVERIFY(test::ClickMenuItem(w_->Favorites().Menu(), QStringLiteral("Переименовать")));
    QLineEdit* editor = nullptr;
    QTRY_VERIFY((editor = OpenEditor(tree)));
    test::TypeText(editor, QStringLiteral("renamed"));  // over the selected old name
    QTest::keyClick(editor, Qt::Key_Return);  // the editor hands its text over on the next turn of the loop
    QTRY_COMPARE(FindNode(QStringLiteral("d_1_1"))->text(0), QStringLiteral("renamed"));
    QCOMPARE(StoredName("d_1_1"), std::string("renamed"));

    // An empty name is refused: F2, the name erased, Enter; the old name stays and the editor opens
    // on it again.
    QCOMPARE(tree->currentItem(), FindNode(QStringLiteral("d_1_1")));
    QTest::keyClick(tree, Qt::Key_F2);
    QTRY_VERIFY((editor = OpenEditor(tree)));
    QTest::keyClick(editor, Qt::Key_Backspace);
    QCOMPARE(editor->text(), QString());
    QSignalSpy handedOver(tree, &QTreeWidget::itemChanged);
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(handedOver.count(), 1);  // the empty name did reach the tree
    QCOMPARE(FindNode(QStringLiteral("d_1_1"))->text(0), QStringLiteral("renamed"));
    QCOMPARE(StoredName("d_1_1"), std::string("renamed"));
    QVERIFY(QTest::qWaitFor([&] { return OpenEditor(tree) != nullptr; }, 2000));
    if ((editor = OpenEditor(tree))) QTest::keyClick(editor, Qt::Key_Escape);

    // Deleting asks first; No keeps the fragment. The rebuilt tree keeps the folder open.
    const QString question = QStringLiteral("Удаление записи|Вы уверены, что хотите удалить запись \"renamed\" ?\n");
    qputenv("ORVELIS_MESSAGE_ANSWERS", "no");
    RightClickItem(FindNode(QStringLiteral("d_1_1")));
    QVERIFY(test::ClickMenuItem(w_->Favorites().Menu(), QStringLiteral("Удалить")));
    QCOMPARE(env_.TakeMessages(), question);
    QVERIFY(FindNode(QStringLiteral("d_1_1")));
    QCOMPARE(StoredName("d_1_1"), std::string("renamed"));
    QVERIFY(FindNode(QStringLiteral("f_1"))->isExpanded());
    QCOMPARE(FavoriteKey(tree->currentItem()), QStringLiteral("f"));
    qputenv("ORVELIS_MESSAGE_ANSWERS", "yes");
    RightClickItem(FindNode(QStringLiteral("d_1_1")));
    QVERIFY(test::ClickMenuItem(w_->Favorites().Menu(), QStringLiteral("Удалить")));
    QCOMPARE(env_.TakeMessages(), question);
    QVERIFY(!FindNode(QStringLiteral("d_1_1")));
    QCOMPARE(StoredName("d_1_1"), std::string());
    QVERIFY(FindNode(QStringLiteral("f_1"))->isExpanded());
  }

  void draggingFragmentsAndFolders() {
    QVERIFY(test::GoTo(w_, 135));
    const QPoint inside = SelectFirstParagraph();
    AddFolder(inside, QStringLiteral("f"), QStringLiteral("A"));
    for (const char* name : {"1", "2", "3"}) AddFragment(inside, QStringLiteral("f_1"), QString::fromLatin1(name));
    ShowFavouritesPanel();
    Expand(QStringLiteral("f_1"));
    // A fragment dropped on another takes its place.
    Drag(QStringLiteral("d_1_1"), QStringLiteral("d_1_3"));
    QCOMPARE(Names(QStringLiteral("f_1")), QStringList({QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("1")}));
    Drag(QStringLiteral("d_1_3"), QStringLiteral("d_1_1"));
    QCOMPARE(Names(QStringLiteral("f_1")), QStringList({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}));
    // A folder dropped on a folder: Yes puts it inside, No beside it.
    AddFolder(inside, QStringLiteral("f"), QStringLiteral("B"));
    qputenv("ORVELIS_MESSAGE_ANSWERS", "yes");
    Drag(QStringLiteral("f_2"), QStringLiteral("f_1"));
    QCOMPARE(env_.TakeMessages(), MoveQuestion(QStringLiteral("B"), QStringLiteral("A")));
    QVERIFY(!FindNode(QStringLiteral("f_2")));
    QCOMPARE(FindNode(QStringLiteral("f_1_1"))->text(0), QStringLiteral("B"));
    qputenv("ORVELIS_MESSAGE_ANSWERS", "no");
    Drag(QStringLiteral("f_1_1"), QStringLiteral("f_1"));
    QCOMPARE(env_.TakeMessages(), MoveQuestion(QStringLiteral("B"), QStringLiteral("A")));
    QCOMPARE(FindNode(QStringLiteral("f_1"))->text(0), QStringLiteral("B"));
    QCOMPARE(FindNode(QStringLiteral("f_2"))->text(0), QStringLiteral("A"));
    QCOMPARE(Names(QStringLiteral("f_2")), QStringList({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}));
  }

  // Fragments made from one-letter selections, so that the file's bytes are known exactly. (A
  // fragment with no text cannot come from the window: the add item needs a selection.)
  void everythingSurvivesARestartInTheFileLayout() {
    QVERIFY(test::GoTo(w_, 135));
    AddFolder(SelectFirstParagraph(), QStringLiteral("f"), QStringLiteral("A"));
    AddFragment(SelectLetter(QStringLiteral("и")), QStringLiteral("f_1"), QStringLiteral("x"));
    AddFragment(SelectLetter(QStringLiteral("в")), QStringLiteral("f"), QStringLiteral("y"));
    Stop();
    QFile file(env_.Path() + QStringLiteral("/data/OrvelisBook/book_favor.dat"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    // Folder A (flags 65), then x in it with "и" (Windows-1251 E8), then y in the root with "в" (E2).
    QCOMPARE(file.readAll(), QByteArray("A\0\1\0A\0\0\x82\0\1\0x\1\0\xE8\x82\0\1\0y\1\0\xE2", 23));
    file.close();
    Start();
    QCOMPARE(FindNode(QStringLiteral("f_1"))->text(0), QStringLiteral("A"));
    QCOMPARE(FindNode(QStringLiteral("d_1_1"))->text(0), QStringLiteral("x"));
    QCOMPARE(FindNode(QStringLiteral("d_1"))->text(0), QStringLiteral("y"));
  }

  // A fragment kept with its translation: the same paragraph in English after a rule, in the file
  // as part of the fragment and, after a restart, in the view.
  void aFragmentKeptWithItsTranslationShowsBothLanguagesAfterARestart() {
    QVERIFY(test::GoTo(w_, 135));
    const QPoint inside = SelectFirstParagraph();
    bool offered = false;
    test::WhenModal([&](QWidget* modal) {
      const auto close = test::CloseWhenDone(modal);
      auto* dialog = qobject_cast<FavoritesAddDialog*>(modal);
      QVERIFY(dialog);
      auto* keep = dialog->findChild<QCheckBox*>(QStringLiteral("chkFavorTranslation"));
      QVERIFY(keep);
      offered = keep->isVisible() && !keep->isChecked();
      QTest::mouseClick(keep, Qt::LeftButton, {}, QPoint(8, keep->height() / 2));
      QVERIFY(keep->isChecked());
      QTest::keyClick(dialog->NameBox(), Qt::Key_Return);
    });
    OpenAddDialog(inside);
    QVERIFY(offered);
    Stop();
    Start();
    CFavorites* parent = nullptr;
    int n = 0;
    const CFoldDoc* stored = reader_->Favorites()->FavoritesRoot().GetDocFromKey("d_1", parent, n);
    QVERIFY(stored);
    QVERIFY2(stored->Text.find("<hr noshade size=1><p title=\" 135:") != std::string::npos, stored->Text.c_str());
    DoubleClickNode(QStringLiteral("d_1"));
    QTRY_VERIFY(w_->Favorites().ViewShown());
    BrowserPane* view = w_->Favorites().ViewPane();
    QVERIFY(test::WaitLoaded(view));
    // Russian before the rule, English after it.
    const QString languages = QStringLiteral(
        "(function(){var hr=document.querySelector('hr');if(!hr)return '';"
        "var a=document.createRange();a.selectNodeContents(document.body);a.setEndBefore(hr);"
        "var b=document.createRange();b.selectNodeContents(document.body);b.setStartAfter(hr);"
        "var before=a.toString(),after=b.toString();"
        "return (/[а-яё]{3}/i.test(before)?'ru':'')+'/'+(/[a-z]{3}/i.test(after)&&!/[а-яё]/i.test(after)?'en':'');})()");
    QTRY_COMPARE(test::Eval(view, languages).toString(), QStringLiteral("ru/en"));
  }

  void theViewShowsAFragmentAndFollowsNoLinks() {
    test::ClickToolbar(w_, w_->ToolbarAction(11));  // the contents, whose titles are links
    QTRY_COMPARE(w_->Locator().CurrentKey(), std::string("cont"));
    QVERIFY(test::WaitLoaded(Web1()));
    const QVariantList link = test::Eval(Web1(), QStringLiteral(
        "(function(){var a=document.querySelector('a[href=\"@doc1\"]');a.scrollIntoView({block:'center'});"
        "window.getSelection().selectAllChildren(a.parentNode);var r=a.getClientRects()[0];"
        "return [r.left+r.width/2,r.top+r.height/2];})()")).toList();
    QCOMPARE(link.size(), 2);
    QTRY_VERIFY(Web1()->hasSelection());
    AddFragment(QPoint(link[0].toInt(), link[1].toInt()), QStringLiteral("f"), QStringLiteral("linked"));
    CFavorites* parent = nullptr;
    int n = 0;
    const CFoldDoc* stored = reader_->Favorites()->FavoritesRoot().GetDocFromKey("d_1", parent, n);
    QVERIFY(stored && stored->Text.find("href=\"@doc1\"") != std::string::npos);

    DoubleClickNode(QStringLiteral("d_1"));
    QTRY_VERIFY(w_->Favorites().ViewShown());
    QVERIFY(!w_->ToolbarAction(12)->isVisible());
    QVERIFY(w_->ToolbarAction(5)->isVisible());
    BrowserPane* view = w_->Favorites().ViewPane();
    QVERIFY(test::WaitLoaded(view));
    QCOMPARE(test::Title(view), QStringLiteral("linked"));
    const QUrl shown = view->url();
    const std::string reading = w_->Locator().CurrentKey();
    const QString readingTitle = test::Title(Web1());
    QVERIFY(!readingTitle.isEmpty());

    // A click on the fragment's link: the view asks for it (the load starts) and is refused (the
    // load ends unfinished); it neither follows it nor hands it to the reading panes.
    QSignalSpy started(view, &QWebEngineView::loadStarted);
    QSignalSpy finished(view, &QWebEngineView::loadFinished);
    QVERIFY(test::ClickElement(view, QStringLiteral("a")));
    QTRY_COMPARE(finished.count(), 1);
    QCOMPARE(started.count(), 1);
    QCOMPARE(finished[0][0].toBool(), false);
    QCOMPARE(view->url(), shown);
    QCOMPARE(test::Title(view), QStringLiteral("linked"));
    QCOMPARE(w_->Locator().CurrentKey(), reading);
    QCOMPARE(test::Title(Web1()), readingTitle);

    QTest::mouseClick(w_->findChild<QToolButton*>(QStringLiteral("tbFavortop")), Qt::LeftButton);
    QVERIFY(!w_->Favorites().ViewShown());
    QVERIFY(w_->ToolbarAction(12)->isVisible());
  }

  // The menu comes from the right click's own context-menu event; for the root that event shows
  // nothing, and the folder's, which follows by the same way, shows the menu.
  void theRootHasNoMenuAndFoldersOnlyRenameAndDelete() {
    QVERIFY(test::GoTo(w_, 135));
    AddFolder(SelectFirstParagraph(), QStringLiteral("f"), QStringLiteral("A"));
    ShowFavouritesPanel();
    QSignalSpy shown(w_->Favorites().Menu(), &QMenu::aboutToShow);
    RightClickItem(FindNode(QStringLiteral("f")));
    QVERIFY(!w_->Favorites().Menu()->isVisible());
    RightClickItem(FindNode(QStringLiteral("f_1")));
    QTRY_VERIFY(w_->Favorites().Menu()->isVisible());
    QCOMPARE(shown.count(), 1);
    QStringList visible;
    for (QAction* a : w_->Favorites().Menu()->actions()) {
      if (a->isVisible()) visible << a->objectName();
    }
    QCOMPARE(visible, QStringList({QStringLiteral("zContFavorRename"), QStringLiteral("zContFavorDelete")}));
    QTest::keyClick(w_->Favorites().Menu(), Qt::Key_Escape);
    QTRY_VERIFY(!w_->Favorites().Menu()->isVisible());
  }

 private:
  BrowserPane* Web1() const { return w_->Pane(ReadingPane::Web1); }
  void Start() {
    w_ = test::StartReader(reader_);
    QVERIFY(w_);
    Reactivate();
  }
  void Stop() { test::StopReader(reader_, w_); }
  // Without a window manager nobody gives the activation back when a dialog closes.
  void Reactivate() {
    w_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w_));
  }

  // Selects the first paragraph of the first pane and returns a point inside it, where a right
  // click keeps the selection.
  QPoint SelectFirstParagraph() {
    const QPoint inside = test::SelectElement(Web1()).inside;
    if (inside.isNull() || !WaitSelection()) return {};
    return inside;
  }
  // The window learns of a selection made in the page a moment later.
  bool WaitSelection() {
    return QTest::qWaitFor([this] { return Web1()->hasSelection(); }, 5000);
  }
  // Selects exactly the first `letter` of the page's paragraphs and returns its centre.
  QPoint SelectLetter(const QString& letter) {
    const QVariantList r = test::Eval(Web1(), QStringLiteral(
        "(function(){var ps=document.getElementsByTagName('p');for(var i=0;i<ps.length;i++){"
        "var w=document.createTreeWalker(ps[i],NodeFilter.SHOW_TEXT);for(var n=w.nextNode();n;n=w.nextNode()){"
        "var at=n.data.indexOf('%1');if(at<0)continue;ps[i].scrollIntoView({block:'center'});"
        "var g=document.createRange();g.setStart(n,at);g.setEnd(n,at+1);var s=window.getSelection();"
        "s.removeAllRanges();s.addRange(g);var b=g.getBoundingClientRect();"
        "return [b.left+b.width/2,b.top+b.height/2,s.toString()];}}return null;})()").arg(letter)).toList();
    if (r.size() != 3 || r[2].toString() != letter || !WaitSelection()) return {};
    return QPoint(r[0].toInt(), r[1].toInt());
  }
  // "Добавить в Избранное" from a right click inside the selection; returns when the dialog,
  // answered by the WhenModal set before, is closed.
  void OpenAddDialog(QPoint inside) {
    QVERIFY(!inside.isNull());
    test::RightClick(Web1(), inside);
    QTRY_VERIFY(w_->ContextMenu()->isVisible());
    QVERIFY(w_->ContextAction(QStringLiteral("zContextAddFavor"))->isEnabled());
    QVERIFY(test::ClickMenuItem(w_->ContextMenu(), QStringLiteral("Добавить в Избранное")));
    QTRY_VERIFY(!QApplication::activeModalWidget());
    Reactivate();
  }
  // Picks the folder in the add dialog's own tree with the mouse (showing the tree first).
  static void ChooseFolder(FavoritesAddDialog* dialog, const QString& key) {
    QTreeWidget* folders = dialog->FolderTree();
    if (!folders->isVisible()) {
      QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cmdShowFolders")), Qt::LeftButton);
    }
    QVERIFY(folders->isVisible());
    QTreeWidgetItem* item = FindFavoriteNode(folders, key);
    QVERIFY(item);
    QList<QTreeWidgetItem*> path{item};
    for (QTreeWidgetItem* above = item->parent(); above; above = above->parent()) path.prepend(above);
    for (QTreeWidgetItem* step : path) {
      if (folders->currentItem() != step) {
        QTest::mouseClick(folders->viewport(), Qt::LeftButton, {}, folders->visualItemRect(step).center());
      }
      QCOMPARE(folders->currentItem(), step);
      if (step != item && !step->isExpanded()) QTest::keyClick(folders, Qt::Key_Right);
    }
  }
  // "Создать папку", the name typed into the box it asks with, Enter.
  static bool CreateFolderInDialog(FavoritesAddDialog* dialog, const QString& name) {
    bool typed = false;
    test::WhenModal([&](QWidget* modal) {
      const auto close = test::CloseWhenDone(modal);
      QVERIFY(qobject_cast<QInputDialog*>(modal));
      auto* box = modal->findChild<QLineEdit*>();
      QVERIFY(box);
      test::TypeText(box, name);
      QTest::keyClick(box, Qt::Key_Return);
      typed = true;
    });
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cmdCreateFolders")), Qt::LeftButton);
    return typed;
  }
  // A folder made in the add dialog, which is then cancelled: the folder stays.
  void AddFolder(QPoint inside, const QString& parent, const QString& name) {
    bool made = false;
    test::WhenModal([&](QWidget* modal) {
      const auto close = test::CloseWhenDone(modal);
      auto* dialog = qobject_cast<FavoritesAddDialog*>(modal);
      QVERIFY(dialog);
      ChooseFolder(dialog, parent);
      made = CreateFolderInDialog(dialog, name);
      QTest::keyClick(dialog, Qt::Key_Escape);
    });
    OpenAddDialog(inside);
    QVERIFY(made);
  }
  // The selection filed under `name` in `folder`.
  void AddFragment(QPoint inside, const QString& folder, const QString& name) {
    bool accepted = false;
    test::WhenModal([&](QWidget* modal) {
      const auto close = test::CloseWhenDone(modal);
      auto* dialog = qobject_cast<FavoritesAddDialog*>(modal);
      QVERIFY(dialog);
      ChooseFolder(dialog, folder);
      QLineEdit* box = dialog->NameBox();
      QTest::mouseClick(box, Qt::LeftButton);
      QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
      test::TypeText(box, name);
      QTest::keyClick(box, Qt::Key_Return);
      accepted = !dialog->isVisible();
    });
    OpenAddDialog(inside);
    QVERIFY(accepted);
  }

  // A double click on a node of the panel's tree as the mouse gives it: press and release, then
  // the second press and release.
  void DoubleClickNode(const QString& key) {
    QTreeWidget* tree = ShowFavouritesPanel();
    QTreeWidgetItem* item = FindNode(key);
    QVERIFY(item);
    const QPoint at = tree->visualItemRect(item).center();
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(tree->viewport(), Qt::LeftButton, {}, at);
  }

  QTreeWidget* ShowFavouritesPanel() {
    QTreeWidget* tree = w_->Favorites().Tree();
    if (!tree->isVisible()) test::ClickToolbar(w_, w_->ToolbarAction(7));
    [&] { QTRY_VERIFY(tree->isVisible()); }();
    return tree;
  }
  // A click on the node (unless it is already the selected one, where a click starts renaming)
  // and the Right key.
  void Expand(const QString& key) {
    QTreeWidget* tree = w_->Favorites().Tree();
    QTreeWidgetItem* item = FindNode(key);
    QVERIFY(item);
    if (tree->currentItem() != item || !item->isSelected()) {
      QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(item).center());
    }
    QTest::keyClick(tree, Qt::Key_Right);
    QVERIFY(item->isExpanded());
  }
  // The press selects the node, the right click's context-menu event follows it.
  void RightClickItem(QTreeWidgetItem* item) {
    QTreeWidget* tree = w_->Favorites().Tree();
    QVERIFY(item);
    const QPoint at = tree->visualItemRect(item).center();
    QVERIFY(tree->viewport()->rect().contains(at));
    QTest::mouseClick(tree->viewport(), Qt::RightButton, {}, at);
    QContextMenuEvent menu(QContextMenuEvent::Mouse, at, tree->viewport()->mapToGlobal(at));
    QApplication::sendEvent(tree->viewport(), &menu);
  }
  static QLineEdit* OpenEditor(QTreeWidget* tree) {
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    return editor && editor->parentWidget() == tree->viewport() ? editor : nullptr;
  }
  // Drags `source` onto `target` with the left button held. The press and the first move start
  // the tree's own drag, which runs an event loop of its own until the drop: the rest of the
  // way and the release come from inside that loop, as the mouse's would.
  void Drag(const QString& source, const QString& target) {
    QTreeWidget* tree = w_->Favorites().Tree();
    QWidget* view = tree->viewport();
    QVERIFY(FindNode(source) && FindNode(target));
    QTRY_VERIFY(!tree->findChild<QDrag*>());  // the last drag has let go
    const QPoint from = tree->visualItemRect(FindNode(source)).center();
    const QPoint to = tree->visualItemRect(FindNode(target)).center();
    QVERIFY(view->rect().contains(from) && view->rect().contains(to));
    auto dragging = std::make_shared<bool>(false);
    auto done = std::make_shared<bool>(false);
    QTimer::singleShot(0, view, [=] {
      *dragging = tree->findChild<QDrag*>() != nullptr;
      if (*dragging) {
        QTest::mouseMove(view, (from + to) / 2);
        QTest::mouseMove(view, to);
      }
      QTest::mouseRelease(view, Qt::LeftButton, {}, *dragging ? to : from);
      *done = true;
    });
    QTest::mousePress(view, Qt::LeftButton, {}, from);
    // The first move arms the view's drag, the next one past the drag distance starts it.
    QTest::mouseMove(view, from + QPoint(0, 1));
    QTest::mouseMove(view, from + QPoint(0, QApplication::startDragDistance() + 2));
    QTRY_VERIFY(*done);
    QVERIFY2(*dragging, "the press and move started no drag");
  }
  static QString MoveQuestion(const QString& folder, const QString& into) {
    return QStringLiteral("Перемещение папки|Вы хотите скопировать папку \"%1\" внутрь папки \"%2\".\r\n"
                          "Нажмите \"Нет\" для перемещение папки на том же уровне.\n")
        .arg(folder, into);
  }

  QTreeWidgetItem* FindNode(const QString& key) { return FindFavoriteNode(w_->Favorites().Tree(), key); }
  QStringList Names(const QString& folder) {
    QStringList names;
    QTreeWidgetItem* node = FindNode(folder);
    if (!node) return {QStringLiteral("(no folder %1)").arg(folder)};
    for (int i = 0; i < node->childCount(); ++i) {
      if (FavoriteKey(node->child(i)).startsWith(QLatin1Char('d'))) names << node->child(i)->text(0);
    }
    return names;
  }
  // The nodes under a node as "key name", in the tree's order (the tree is filled anew after
  // changes, so no node is held across one).
  QStringList Children(const QString& key) {
    QStringList children;
    QTreeWidgetItem* node = FindNode(key);
    if (!node) return {QStringLiteral("(no node %1)").arg(key)};
    for (int i = 0; i < node->childCount(); ++i) children << FavoriteKey(node->child(i)) + QLatin1Char(' ') + node->child(i)->text(0);
    return children;
  }
  std::string StoredName(const char* key) {
    CFavorites* parent = nullptr;
    int n = 0;
    const CFoldDoc* doc = reader_->Favorites()->FavoritesRoot().GetDocFromKey(key, parent, n);
    return doc ? doc->name : std::string();
  }

  const test::IsolatedEnvironment& env_;
  std::unique_ptr<Reader> reader_;
  MainWindow* w_ = nullptr;
};

int main(int argc, char** argv) { return test::RunGuiTests<FavoritesWindowTest>(argc, argv); }

#include "favorites_window_test.moc"
