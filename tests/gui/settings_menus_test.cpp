// Settings through a restart, the go-to dialog, fonts, sizes and colours, the context menu: all
// through the toolbar, the menus, the splitter, the keys and the right clicks a person uses.

#include <QAction>
#include <QApplication>
#include <QColorDialog>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>
#include <memory>

#include "shell/app/startup.h"
#include "gui_support.h"
#include "shell/browser/browser_pane.h"
#include "shell/favorites/favorites_tree.h"
#include "shell/window/main_window.h"
#include "shell/platform/qt_settings_store.h"

using namespace orvelis;

namespace {

QString Setting(const char* name) { return QString::fromStdString(QtSettingsStore().Read(name)); }

}  // namespace

class SettingsMenusTest : public QObject {
  Q_OBJECT

 public:
  explicit SettingsMenusTest(const test::IsolatedEnvironment& env) : env_(env) {}

 private slots:
  void init() { env_.Reset(); }
  void cleanup() {
    Stop();
    const QString boxes = env_.TakeMessages();
    QVERIFY2(boxes.isEmpty(), qPrintable(QStringLiteral("unexpected message box: ") + boxes));
  }

  void everyReadingStateSurvivesARestart() {
    Start();
    w_->setWindowState(Qt::WindowNoState);
    w_->resize(1000, 700);  // as a window manager sizes it
    QTRY_COMPARE(w_->size(), QSize(1000, 700));
    test::ClickToolbar(w_, w_->ToolbarAction(6));  // the search panel
    QTRY_VERIFY(w_->findChild<QWidget*>(QStringLiteral("fraSearch"))->isVisible());
    DragLeftSplitter(100);
    test::ClickToolbar(w_, w_->ToolbarAction(22));
    test::ClickToolbar(w_, w_->ToolbarAction(23));
    test::RightClick(Web1());
    QVERIFY(test::ClickMenuItem(w_->ContextMenu(), QStringLiteral("Фиксировать заголовки")));
    test::ClickToolbar(w_, w_->ToolbarAction(18));
    QVERIFY(test::GoTo(w_, 135));
    QVERIFY(test::ChooseMenu(w_, {QStringLiteral("Настройка текста"), QStringLiteral("Размер"), QStringLiteral("150%")}));
    Search(QStringLiteral("jesus"));
    const int width = w_->width();
    Stop();

    Start();
    QCOMPARE(w_->LeftPanelShown(), 2);
    QCOMPARE(w_->Locator().LayoutMode(), 22);
    QVERIFY(w_->Reading().SyncScroll());
    QVERIFY(w_->FixedHeaders());
    QCOMPARE(w_->CurrentLanguage(), kEnglish);
    QCOMPARE(w_->Reading().SelectedTreeKey(), std::string("page135"));
    QCOMPARE(test::Title(Web1()), QStringLiteral("The ORVELIS Book v 3.4 - Page 135"));
    QCOMPARE(w_->width(), width);
    const QVariant page = test::Eval(Web1(), QStringLiteral("document.body.innerHTML"));
    QVERIFY(page.isValid());
    QVERIFY(page.toString().contains(QStringLiteral("font-size:20px; margin-left")));
    QCOMPARE(Setting("1lwdh"), QStringLiteral("3000"));
    QCOMPARE(Setting("2lwdh"), QStringLiteral("4500"));  // 3000 and the 100 pixels dragged
  }

  // Maximised as a window manager maximises: the state, then the screen's size. A size written
  // while maximised would be the screen's.
  void aMaximisedWindowKeepsItsNormalPlace() {
    Start();
    w_->setWindowState(Qt::WindowNoState);
    w_->resize(900, 650);
    QTRY_COMPARE(w_->size(), QSize(900, 650));
    Stop();
    QCOMPARE(Setting("ww"), QStringLiteral("13500"));
    QCOMPARE(Setting("ws"), QStringLiteral("0"));
    Start();
    QCOMPARE(w_->size(), QSize(900, 650));
    w_->showMaximized();
    QTRY_VERIFY(w_->isMaximized());
    const QSize screen = w_->screen()->availableGeometry().size();
    QVERIFY(screen.width() > 900);
    // The size comes from outside, as a window manager sends it (a resize from inside the program
    // would end the maximised state).
    QCOMPARE(QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("windowsize"), QString::number(w_->winId()),
                                                          QString::number(screen.width()), QString::number(screen.height())}),
             0);
    QTRY_COMPARE(w_->size(), screen);
    QVERIFY(w_->isMaximized());
    Stop();
    QCOMPARE(Setting("ww"), QStringLiteral("13500"));
    QCOMPARE(Setting("wh"), QStringLiteral("9750"));
    QCOMPARE(Setting("ws"), QStringLiteral("2"));
  }

  void aGarbageSettingsFileStartsWithDefaults() {
    QDir().mkpath(env_.Path() + QStringLiteral("/config"));
    QFile file(env_.Path() + QStringLiteral("/config/ORVELIS_BOOK"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("\x01\x02[General\nlang=\xff\xfe\nmw_p=[[[\n=\n\x00\x00swhp=0.05\n", 40);
    file.close();
    Start();
    QCOMPARE(w_->Locator().LayoutMode(), 20);
    QCOMPARE(w_->CurrentLanguage(), kRussian);
    QCOMPARE(test::Title(Web1()), QStringLiteral("Книга Орвелис v 3.4 - Названия Документов"));
  }

  void theGoToDialog() {
    Start();
    // A page: the button waits for a number; one out of range is refused with a box, selected for
    // typing over, and the dialog stays.
    bool emptyDisabled = false;
    bool typedEnabled = false;
    bool stayedOpen = false;
    QString refused;
    QString selected;
    test::WhenModal([&](QWidget* modal) {
      const auto close = test::CloseWhenDone(modal);
      auto* number = modal->findChild<QLineEdit*>(QStringLiteral("txtInputNumber"));
      auto* go = modal->findChild<QPushButton*>(QStringLiteral("cmdFind"));
      QVERIFY(number && go);
      emptyDisabled = !go->isEnabled();
      QTest::keyClicks(number, QStringLiteral("0"));
      typedEnabled = go->isEnabled();
      QTest::mouseClick(go, Qt::LeftButton);
      refused = env_.TakeMessages();
      selected = number->selectedText();
      stayedOpen = modal->isVisible();
      QTest::keyClicks(number, QStringLiteral("2097"));
      QTest::mouseClick(go, Qt::LeftButton);
    });
    QTest::keyClick(w_, Qt::Key_G, Qt::ControlModifier);
    QTRY_VERIFY(!QApplication::activeModalWidget());
    Reactivate();
    QVERIFY(emptyDisabled);
    QVERIFY(typedEnabled);
    QCOMPARE(refused, QStringLiteral("Ошибка ввода|Номер страницы должен быть в диапазоне от 1 до 2097\n"));
    QCOMPARE(selected, QStringLiteral("0"));
    QVERIFY(stayedOpen);
    QTRY_COMPARE(w_->Locator().CurrentKey(), std::string("page2097"));
    QCOMPARE(Setting("fp_t"), QStringLiteral("0"));

    // A Paper, chosen with the mouse: its own prompt and range; "12.6" is Paper 13.
    QString prompt;
    test::WhenModal([&](QWidget* modal) {
      const auto close = test::CloseWhenDone(modal);
      QTest::mouseClick(modal->findChild<QRadioButton*>(QStringLiteral("OptObject1")), Qt::LeftButton);
      prompt = modal->findChild<QLabel*>(QStringLiteral("lblInputNumber"))->text();
      auto* number = modal->findChild<QLineEdit*>(QStringLiteral("txtInputNumber"));
      QTest::keyClick(number, Qt::Key_A, Qt::ControlModifier);
      QTest::keyClicks(number, QStringLiteral("197"));
      QTest::keyClick(number, Qt::Key_Return);
      refused = env_.TakeMessages();
      QTest::keyClicks(number, QStringLiteral("12.6"));
      QTest::keyClick(number, Qt::Key_Return);
    });
    QTest::keyClick(w_, Qt::Key_G, Qt::ControlModifier);
    QTRY_VERIFY(!QApplication::activeModalWidget());
    Reactivate();
    QCOMPARE(prompt, QStringLiteral("Введите номер Документа (1-196) :"));
    QCOMPARE(refused, QStringLiteral("Ошибка ввода|Номер Документа должен быть в диапазоне от 1 до 196\n"));
    QTRY_COMPARE(w_->Locator().CurrentKey(), std::string("page143"));  // Paper 13 begins there
    QVERIFY(test::WaitLoaded(Web1()));
    const QVariant paper = test::Eval(Web1(), QStringLiteral("document.querySelector('font.doc_num_tit').textContent"));
    QVERIFY(paper.isValid());
    QCOMPARE(paper.toString(), QStringLiteral("Документ 13"));
    QCOMPARE(Setting("fp_t"), QStringLiteral("1"));

    // The next opening remembers the Paper choice; Escape goes nowhere.
    bool paperChosen = false;
    test::WhenModal([&](QWidget* modal) {
      const auto close = test::CloseWhenDone(modal);
      paperChosen = modal->findChild<QRadioButton*>(QStringLiteral("OptObject1"))->isChecked();
      QTest::keyClick(modal, Qt::Key_Escape);
    });
    QTest::keyClick(w_, Qt::Key_G, Qt::ControlModifier);
    QTRY_VERIFY(!QApplication::activeModalWidget());
    QVERIFY(paperChosen);
    QCOMPARE(w_->Locator().CurrentKey(), std::string("page143"));
  }

  // Only the style rules of an open results page change: its document stays.
  void fontSizeAndColourReachAnOpenResultsPageWithoutRebuildingIt() {
    Start();
    Search(QStringLiteral("христос"));
    BrowserPane* results = w_->Search().ResultsPane();
    const QUrl document = results->url();
    QVERIFY(test::ChooseMenu(w_, {QStringLiteral("Настройка текста"), QStringLiteral("Размер"), QStringLiteral("200%")}));
    QTRY_VERIFY_WITH_TIMEOUT(StyleText(results).contains(QStringLiteral("font-size:28px")), 5000);
    QCOMPARE(results->url(), document);
    QCOMPARE(Setting("fsize"), QStringLiteral("5"));
    QVERIFY(w_->findChild<QAction*>(QStringLiteral("zPrefSizeSz8"))->isChecked());
    QVERIFY(w_->findChild<QAction*>(QStringLiteral("zContextFontSizeSz8"))->isChecked());

    // A family from the menu: the browser takes it as the text's first family.
    QString family;
    for (QAction* item : w_->findChild<QMenu*>(QStringLiteral("zPrefFontName"))->actions()) {
      if (item->isCheckable() && item->isEnabled() && !item->isChecked()) {
        family = QString(item->text()).remove(QLatin1Char('&'));
        break;
      }
    }
    QVERIFY(!family.isEmpty());
    QVERIFY(test::ChooseMenu(w_, {QStringLiteral("Настройка текста"), QStringLiteral("Тип шрифта"), family}));
    QTRY_COMPARE_WITH_TIMEOUT(FirstFamily(results), family, 5000);
    QCOMPARE(results->url(), document);
    const QVariant page = test::Eval(Web1(), QStringLiteral("document.body.innerHTML"));
    QVERIFY(page.isValid());
    QVERIFY(page.toString().contains(QStringLiteral("font-size:28px; margin-left")));

    // A colour typed into the colour dialog.
    test::WhenModal([](QWidget* modal) {
      const auto close = test::CloseWhenDone(modal);
      QVERIFY(qobject_cast<QColorDialog*>(modal));
      QLineEdit* html = nullptr;
      for (QLineEdit* edit : modal->findChildren<QLineEdit*>()) {
        if (edit->text().startsWith(QLatin1Char('#'))) html = edit;
      }
      QVERIFY(html);
      QTest::keyClick(html, Qt::Key_A, Qt::ControlModifier);
      QTest::keyClicks(html, QStringLiteral("#123456"));
      QTest::keyClick(html, Qt::Key_Return);
    });
    QVERIFY(test::ChooseMenu(w_, {QStringLiteral("Настройка текста"), QStringLiteral("Цвет")}));
    QTRY_VERIFY(!QApplication::activeModalWidget());
    QTRY_COMPARE_WITH_TIMEOUT(test::Eval(results, QStringLiteral("getComputedStyle(document.body).color")).toString(),
                              QStringLiteral("rgb(18, 52, 86)"), 5000);
    QCOMPARE(results->url(), document);
    QCOMPARE(Setting("fcol"), QStringLiteral("5649426"));  // 0x563412: blue, green, red
  }

  void styleChangesReachAnOpenFavouriteAndItsContextMenuHasNoAddItem() {
    Start();
    QVERIFY(test::GoTo(w_, 135));
    const QPoint inside = test::SelectElement(Web1()).inside;
    QVERIFY(!inside.isNull());
    QTRY_VERIFY(Web1()->hasSelection());
    test::WhenModal([](QWidget* dialog) {
      const auto close = test::CloseWhenDone(dialog);
      QTest::keyClick(dialog->findChild<QLineEdit*>(QStringLiteral("txtAdd")), Qt::Key_Return);
    });
    test::RightClick(Web1(), inside);
    QVERIFY(test::ClickMenuItem(w_->ContextMenu(), QStringLiteral("Добавить в Избранное")));
    QTRY_VERIFY(!QApplication::activeModalWidget());
    Reactivate();
    test::ClickToolbar(w_, w_->ToolbarAction(7));
    QTreeWidget* tree = w_->Favorites().Tree();
    QTRY_VERIFY(tree->isVisible());
    QTreeWidgetItem* item = FindFavoriteNode(tree, QStringLiteral("d_1"));
    QVERIFY(item);
    const QPoint at = tree->visualItemRect(item).center();
    QTest::mouseClick(tree->viewport(), Qt::RightButton, {}, at);
    QContextMenuEvent menu(QContextMenuEvent::Mouse, at, tree->viewport()->mapToGlobal(at));
    QApplication::sendEvent(tree->viewport(), &menu);
    QVERIFY(test::ClickMenuItem(w_->Favorites().Menu(), QStringLiteral("Показать")));
    BrowserPane* view = w_->Favorites().ViewPane();
    QTRY_VERIFY(w_->Favorites().ViewShown());
    QVERIFY(test::WaitLoaded(view));
    const QUrl document = view->url();
    QVERIFY(test::ChooseMenu(w_, {QStringLiteral("Настройка текста"), QStringLiteral("Размер"), QStringLiteral("50%")}));
    QTRY_VERIFY_WITH_TIMEOUT(StyleText(view).contains(QStringLiteral("font-size:10px")), 5000);
    QCOMPARE(view->url(), document);
    test::RightClick(view);
    QTRY_VERIFY(w_->ContextMenu()->isVisible());
    QVERIFY(w_->ContextAction(QStringLiteral("zContextBack"))->isVisible());
    QVERIFY(!w_->ContextAction(QStringLiteral("zContextAddFavor"))->isVisible());
    QTest::keyClick(w_->ContextMenu(), Qt::Key_Escape);
    QTRY_VERIFY(!w_->ContextMenu()->isVisible());
  }

  void theContextMenuDependsOnThePane() {
    Start();
    Search(QStringLiteral("христос"));
    test::RightClick(w_->Search().ResultsPane());
    QTRY_VERIFY(w_->ContextMenu()->isVisible());
    QVERIFY(!w_->ContextAction(QStringLiteral("zContextBack"))->isVisible());
    QVERIFY(!w_->ContextAction(QStringLiteral("zContextAddFavor"))->isVisible());
    QVERIFY(!w_->ContextAction(QStringLiteral("zContextCopy"))->isEnabled());
    QTest::keyClick(w_->ContextMenu(), Qt::Key_Escape);
    QTRY_VERIFY(!w_->ContextMenu()->isVisible());

    // The page with a selection, right-clicked inside it.
    const QVariant all = test::Eval(Web1(), QStringLiteral("window.getSelection().selectAllChildren(document.body);"
                                                           "window.getSelection().toString().length"));
    QVERIFY(all.isValid() && all.toInt() > 0);
    QTRY_VERIFY(Web1()->hasSelection());
    test::RightClick(Web1());
    QTRY_VERIFY(w_->ContextMenu()->isVisible());
    QVERIFY(w_->ContextAction(QStringLiteral("zContextBack"))->isVisible());
    QVERIFY(w_->ContextAction(QStringLiteral("zContextAddFavor"))->isVisible());
    QVERIFY(w_->ContextAction(QStringLiteral("zContextCopy"))->isEnabled());
    QVERIFY(test::ClickMenuItem(w_->ContextMenu(), QStringLiteral("Фиксировать заголовки")));
    BrowserPane* strip = w_->Pane(ReadingPane::Top1);
    QVERIFY(test::WaitLoaded(strip));
    QTRY_VERIFY(strip->isVisible());

    // A right click on the header strip reaches the window (its request arrives) and shows no menu.
    QSignalSpy asked(strip, &BrowserPane::contextMenuWanted);
    QSignalSpy shown(w_->ContextMenu(), &QMenu::aboutToShow);
    test::RightClick(strip);
    QTRY_COMPARE(asked.count(), 1);
    QCOMPARE(shown.count(), 0);
    QVERIFY(!w_->ContextMenu()->isVisible());
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
  // A query typed into the search panel and Enter; returns when the results are in.
  void Search(const QString& query) {
    if (!w_->findChild<QWidget*>(QStringLiteral("fraSearch"))->isVisible()) test::ClickToolbar(w_, w_->ToolbarAction(6));
    auto* box = w_->findChild<QLineEdit*>(QStringLiteral("txtSearch"));
    QTRY_VERIFY(box->isVisible());
    QTest::mouseClick(box, Qt::LeftButton);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    test::TypeText(box, query);
    QTest::keyClick(box, Qt::Key_Return);
    QTRY_COMPARE_WITH_TIMEOUT(test::Title(w_->Search().ResultsPane()), QStringLiteral("Поиск по книге - [%1]").arg(query), 15000);
    QVERIFY(test::WaitLoaded(w_->Search().ResultsPane()));
  }
  // Drags the left panel's splitter bar `dx` pixels with the mouse: pressed at its left edge,
  // moved in steps (the bar follows the pointer), released.
  void DragLeftSplitter(int dx) {
    QWidget* bar = w_->findChild<QWidget*>(QStringLiteral("picSplitter"));
    QVERIFY(bar && bar->isVisible());
    const QPoint start = bar->mapToGlobal(QPoint(0, bar->height() / 2));
    QTest::mousePress(bar, Qt::LeftButton, {}, bar->mapFromGlobal(start));
    for (int moved = 10; moved <= dx; moved += 10) QTest::mouseMove(bar, bar->mapFromGlobal(start + QPoint(moved, 0)));
    QTest::mouseRelease(bar, Qt::LeftButton, {}, bar->mapFromGlobal(start + QPoint(dx, 0)));
    QCOMPARE(bar->mapToGlobal(QPoint(0, 0)).x(), start.x() + dx);
  }
  // The style rules of the pane's document; a failed script fails the check that reads them.
  static QString StyleText(BrowserPane* pane) {
    const QVariant text = test::Eval(pane, QStringLiteral("document.getElementsByTagName('style')[0].textContent"));
    return text.isValid() ? text.toString() : QStringLiteral("(no answer)");
  }
  // The first family of the text as the browser has computed it, without its quotes.
  static QString FirstFamily(BrowserPane* pane) {
    const QVariant families = test::Eval(pane, QStringLiteral("getComputedStyle(document.body).fontFamily"));
    if (!families.isValid()) return QStringLiteral("(no answer)");
    return families.toString().section(QLatin1Char(','), 0, 0).trimmed().remove(QLatin1Char('"'));
  }

  const test::IsolatedEnvironment& env_;
  std::unique_ptr<Reader> reader_;
  MainWindow* w_ = nullptr;
};

int main(int argc, char** argv) { return test::RunGuiTests<SettingsMenusTest>(argc, argv); }

#include "settings_menus_test.moc"
