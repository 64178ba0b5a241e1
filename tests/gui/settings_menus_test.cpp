// Settings through a restart, the go-to dialog, fonts and colours, the context menu.

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>
#include <memory>

#include "app/startup.h"
#include "app/webengine_setup.h"
#include "gui_support.h"
#include "search/recording_search_view.h"
#include "ui/go_to_rules.h"
#include "ui/settings_store.h"
#include "ui/window/browser_pane.h"
#include "ui/window/favorites_add_dialog.h"
#include "ui/window/favorites_tree.h"
#include "ui/window/find_page_dialog.h"
#include "ui/window/main_window.h"
#include "ui/window/qt_settings_store.h"

using namespace orvelis;

class SettingsMenusTest : public QObject {
  Q_OBJECT

 public:
  explicit SettingsMenusTest(const test::IsolatedEnvironment& env) : env_(env) {}

 private slots:
  void init() { env_.Reset(); }
  void cleanup() { Stop(); }

  void everyReadingStateSurvivesARestart() {
    Start();
    w_->setWindowState(Qt::WindowNoState);
    w_->resize(1000, 700);
    w_->ToolbarAction(6)->trigger();  // the search panel
    w_->DragLeftSplitter(QPoint(100, 0));
    w_->ToolbarAction(22)->trigger();
    w_->ToolbarAction(23)->trigger();
    w_->zContextFixTop_Click();
    w_->ToolbarAction(18)->trigger();
    w_->Locator().ShowTarget("page135", false, "", -1);
    w_->zPrefSizeSz_Click(6);
    w_->SearchBook("jesus");
    test::WaitLoaded(w_->SearchPane());
    const int width = w_->width();
    Stop();

    Start();
    QCOMPARE(w_->LeftPanel(), 2);
    QCOMPARE(w_->LayoutMode(), 22);
    QVERIFY(w_->SyncScroll());
    QVERIFY(w_->FixedHeaders());
    QCOMPARE(w_->CurrentLanguage(), kEnglish);
    QCOMPARE(w_->SelectedTreeKey(), std::string("page135"));
    QCOMPARE(test::Title(w_->Pane(ReadingPane::Web1)), QStringLiteral("The ORVELIS Book v 3.4 - Page 135"));
    QCOMPARE(w_->width(), width);
    QVERIFY(test::Eval(w_->Pane(ReadingPane::Web1), QStringLiteral("document.body.innerHTML")).toString()
                .contains(QStringLiteral("font-size:20px; margin-left")));
    QtSettingsStore store;
    QCOMPARE(QString::fromStdString(store.Read("1lwdh")), QStringLiteral("3000"));
    QCOMPARE(QString::fromStdString(store.Read("2lwdh")), QStringLiteral("4500"));
  }

  void aMaximisedWindowKeepsItsNormalPlace() {
    Start();
    w_->setWindowState(Qt::WindowNoState);
    w_->resize(900, 650);
    QTest::qWait(100);
    Stop();
    QtSettingsStore before;
    const std::string width = before.Read("ww");
    Start();
    w_->showMaximized();
    QTest::qWait(200);
    Stop();
    QtSettingsStore after;
    QCOMPARE(after.Read("ww"), width);
    QCOMPARE(after.Read("ws"), std::string("2"));
  }

  void aGarbageSettingsFileStartsWithDefaults() {
    QDir().mkpath(env_.Path() + QStringLiteral("/config"));
    QFile file(env_.Path() + QStringLiteral("/config/ORVELIS_BOOK"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("\x01\x02[General\nlang=\xff\xfe\nmw_p=[[[\n=\n\x00\x00swhp=0.05\n", 40);
    file.close();
    Start();
    QCOMPARE(w_->LayoutMode(), 20);
    QCOMPARE(w_->CurrentLanguage(), kRussian);
    QCOMPARE(test::Title(w_->Pane(ReadingPane::Web1)), QStringLiteral("Книга Орвелис v 3.4 - Названия Документов"));
  }

  void theGoToDialog() {
    MemorySettingsStore settings;
    RecordingMessageSink messages;
    {
      FindPageDialog dialog(settings, messages, nullptr);
      auto* number = dialog.findChild<QLineEdit*>(QStringLiteral("txtInputNumber"));
      auto* go = dialog.findChild<QPushButton*>(QStringLiteral("cmdFind"));
      QVERIFY(!go->isEnabled());
      number->setText(QStringLiteral("0"));
      QVERIFY(go->isEnabled());
      go->click();
      QCOMPARE(messages.shown.size(), std::size_t{1});
      QCOMPARE(messages.shown[0].text, std::string(kPageRangeText));
      QCOMPARE(messages.shown[0].caption, std::string("Ошибка ввода"));
      QCOMPARE(number->selectedText(), QStringLiteral("0"));
      number->setText(QStringLiteral("2097"));
      go->click();
      QCOMPARE(dialog.result(), int(QDialog::Accepted));
      QCOMPARE(dialog.Target(), std::string("page2097"));
    }
    QCOMPARE(settings.Read("fp_t"), std::string("0"));
    {
      FindPageDialog dialog(settings, messages, nullptr);
      dialog.findChild<QRadioButton*>(QStringLiteral("OptObject1"))->click();
      QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("lblInputNumber"))->text(),
               QStringLiteral("Введите номер Документа (1-196) :"));
      auto* number = dialog.findChild<QLineEdit*>(QStringLiteral("txtInputNumber"));
      number->setText(QStringLiteral("197"));
      dialog.cmdFind_Click();
      QCOMPARE(messages.shown.back().text, std::string(kPaperRangeText));
      number->setText(QStringLiteral("12.6"));
      dialog.cmdFind_Click();
      QCOMPARE(dialog.Target(), std::string("doc13"));
    }
    QCOMPARE(settings.Read("fp_t"), std::string("1"));
    FindPageDialog again(settings, messages, nullptr);
    QVERIFY(again.findChild<QRadioButton*>(QStringLiteral("OptObject1"))->isChecked());
  }

  void fontSizeAndColourReachAnOpenResultsPageWithoutRebuildingIt() {
    Start();
    w_->ToolbarAction(6)->trigger();
    w_->SearchBook("христос");
    BrowserPane* results = w_->SearchPane();
    QVERIFY(test::WaitLoaded(results));
    const QUrl document = results->url();
    w_->zPrefSizeSz_Click(8);
    QTRY_VERIFY_WITH_TIMEOUT(StyleText(results).contains(QStringLiteral("font-size:28px")), 5000);
    QCOMPARE(results->url(), document);
    QCOMPARE(QtSettingsStore().Read("fsize"), std::string("5"));
    QVERIFY(w_->findChild<QAction*>(QStringLiteral("zPrefSizeSz8"))->isChecked());
    QVERIFY(w_->findChild<QAction*>(QStringLiteral("zContextFontSizeSz8"))->isChecked());
    w_->zPrefFontNameFn_Click(1);
    QTRY_VERIFY_WITH_TIMEOUT(!StyleText(results).contains(QStringLiteral("font-family:Verdana,")), 5000);
    QCOMPARE(results->url(), document);
    QVERIFY(test::Eval(w_->Pane(ReadingPane::Web1), QStringLiteral("document.body.innerHTML")).toString()
                .contains(QStringLiteral("font-size:28px; margin-left")));
  }

  void styleChangesReachAnOpenFavouriteAndItsContextMenuHasNoAddItem() {
    Start();
    // A favourite made as a reader makes one: a paragraph selected, added from the context menu.
    QVERIFY(test::GoTo(w_, 12));
    const QVariantList inside = test::Eval(w_->Pane(ReadingPane::Web1), QStringLiteral(
        "(function(){var p=document.getElementsByTagName('p')[0];window.getSelection().selectAllChildren(p);"
        "var r=p.getClientRects()[0];return [r.left+5,r.top+r.height/2];})()")).toList();
    QCOMPARE(inside.size(), 2);
    test::WhenModal([](QWidget* dialog) {
      if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("txtAdd"))) QTest::keyClick(name, Qt::Key_Return);
    });
    test::RightClick(w_->Pane(ReadingPane::Web1), QPoint(inside[0].toInt(), inside[1].toInt()));
    QVERIFY(test::ClickMenuItem(w_->ContextMenu(), QStringLiteral("Добавить в Избранное")));
    QTRY_VERIFY(!QApplication::activeModalWidget());
    w_->FavoritesTree()->setCurrentItem(FindFavoriteNode(w_->FavoritesTree(), QStringLiteral("d_1")));
    w_->ShowFavorite(false);
    BrowserPane* view = w_->FavoritesView();
    QVERIFY(test::WaitLoaded(view));
    const QUrl document = view->url();
    w_->zPrefSizeSz_Click(0);
    QTRY_VERIFY_WITH_TIMEOUT(StyleText(view).contains(QStringLiteral("font-size:10px")), 5000);
    QCOMPARE(view->url(), document);
    w_->ShowContextMenuFor(view, QPoint(100, 100));
    QVERIFY(w_->ContextMenu()->isVisible());
    QVERIFY(w_->ContextAction(QStringLiteral("zContextBack"))->isVisible());
    QVERIFY(!w_->ContextAction(QStringLiteral("zContextAddFavor"))->isVisible());
    w_->ContextMenu()->hide();
  }

  void theContextMenuDependsOnThePane() {
    Start();
    w_->ToolbarAction(6)->trigger();
    w_->SearchBook("христос");
    QVERIFY(test::WaitLoaded(w_->SearchPane()));
    w_->ShowContextMenuFor(w_->SearchPane(), QPoint(100, 100));
    QVERIFY(w_->ContextMenu()->isVisible());
    QVERIFY(!w_->ContextAction(QStringLiteral("zContextBack"))->isVisible());
    QVERIFY(!w_->ContextAction(QStringLiteral("zContextAddFavor"))->isVisible());
    QVERIFY(!w_->ContextAction(QStringLiteral("zContextCopy"))->isEnabled());
    w_->ContextMenu()->hide();
    BrowserPane* page = w_->Pane(ReadingPane::Web1);
    test::Eval(page, QStringLiteral("window.getSelection().selectAllChildren(document.body)"));
    w_->ShowContextMenuFor(page, QPoint(100, 100));
    QVERIFY(w_->ContextAction(QStringLiteral("zContextBack"))->isVisible());
    QVERIFY(w_->ContextAction(QStringLiteral("zContextAddFavor"))->isVisible());
    QTRY_VERIFY(page->hasSelection());
    w_->EnableCopyMenu();
    QVERIFY(w_->ContextAction(QStringLiteral("zContextCopy"))->isEnabled());
    w_->ContextMenu()->hide();
    w_->zContextFixTop_Click();
    QVERIFY(test::WaitLoaded(w_->Pane(ReadingPane::Top1)));
    w_->ShowContextMenuFor(w_->Pane(ReadingPane::Top1), QPoint(100, 100));
    QVERIFY(!w_->ContextMenu()->isVisible());
  }

 private:
  void Start() {
    w_ = test::StartReader(reader_);
    QVERIFY(w_);
  }
  void Stop() {
    test::StopReader(reader_, w_);
  }
  static QString StyleText(BrowserPane* pane) {
    return test::Eval(pane, QStringLiteral("document.getElementsByTagName('style')[0].textContent")).toString();
  }

  const test::IsolatedEnvironment& env_;
  std::unique_ptr<Reader> reader_;
  MainWindow* w_ = nullptr;
};

int main(int argc, char** argv) { return test::RunGuiTests<SettingsMenusTest>(argc, argv); }

#include "settings_menus_test.moc"
