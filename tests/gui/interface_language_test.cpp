// The interface in English: the menus, the toolbar's tooltips, the search panel, a dialog and a
// message box read in English when English is chosen; the reader's choice in the menu is stored
// and, at the next start, brings back the Russian originals.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTranslator>
#include <memory>

#include "ground/app_info.h"
#include "gui_support.h"
#include "ports/setting_names.h"
#include "shell/app/startup.h"
#include "shell/browser/browser_pane.h"
#include "shell/platform/qt_settings_store.h"
#include "shell/search/search_panel.h"

using namespace orvelis;

namespace {

QStringList MenuTitles(MainWindow* window) {
  QStringList titles;
  for (QAction* action : window->menuBar()->actions()) titles << action->text();
  return titles;
}

template <typename T>
QString TextOf(QWidget* parent, const char* name) {
  auto* widget = parent->findChild<T*>(QString::fromLatin1(name));
  return widget ? widget->text() : QStringLiteral("<no %1>").arg(QString::fromLatin1(name));
}

// Takes out every catalogue loaded so far, so that InstallQtTranslations starts again as at a start.
void RemoveTranslations() {
  for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>()) {
    QCoreApplication::removeTranslator(translator);
    delete translator;
  }
}

}  // namespace

class InterfaceLanguageTest : public QObject {
  Q_OBJECT

 public:
  explicit InterfaceLanguageTest(const test::IsolatedEnvironment& env) : env_(env) {}

 private slots:
  // Each test starts afresh, with the language this process was started in still chosen.
  void init() {
    env_.Reset();
    QtSettingsStore().Write(setting::kInterfaceLanguage, RussianInterface() ? "ru" : "en");
  }
  void cleanup() {
    test::StopReader(reader_, w_);
    const QString boxes = env_.TakeMessages();
    QVERIFY2(boxes.isEmpty(), qPrintable(QStringLiteral("unexpected message box: ") + boxes));
  }

  void menusAndTooltipsAreEnglish() {
    Start();
    QCOMPARE(MenuTitles(w_),
             (QStringList{QStringLiteral("File"), QStringLiteral("Tools"), QStringLiteral("Navigation"),
                          QStringLiteral("Language"), QStringLiteral("Text Settings"), QStringLiteral("About")}));
    QCOMPARE(w_->ToolbarAction(1)->toolTip(), QStringLiteral("Back to the previously viewed page"));
    QCOMPARE(w_->ToolbarAction(6)->toolTip(), QStringLiteral("Search"));
    QCOMPARE(w_->ToolbarAction(17)->text(), QStringLiteral("Russian"));
    QCOMPARE(QString::fromStdString(ApplicationTitle()), QStringLiteral("The ORVELIS Book v 3.4"));
    // The book's language is another choice: the book still opens in Russian.
    QCOMPARE(w_->CurrentLanguage(), kRussian);
  }

  void searchPanelIsEnglish() {
    Start();
    test::ClickToolbar(w_, w_->ToolbarAction(6));
    auto* panel = w_->findChild<QWidget*>(QStringLiteral("fraSearch"));
    QTRY_VERIFY(panel->isVisible());
    QCOMPARE(TextOf<QLabel>(panel, "lblSearchWord"), QStringLiteral("Phrase to search for:"));
    QCOMPARE(TextOf<QPushButton>(panel, "cmdSearch"), QStringLiteral("Search"));
    QCOMPARE(TextOf<QCheckBox>(panel, "chkSearchBothLanguages"), QStringLiteral("Search both languages"));
    QCOMPARE(TextOf<QLabel>(panel, "lblSearchres"), QStringLiteral("Results (pages: 0)"));
    QCOMPARE(panel->findChild<QComboBox*>(QStringLiteral("cmbParts"))->itemText(0), QStringLiteral("-- Whole book --"));
    QCOMPARE(TextOf<QLabel>(w_, "lblLeftMenuCapt"), QStringLiteral("Search (Russian text)"));
    // A query's count is composed in the core, with the number inside the translated text.
    auto* query = panel->findChild<QLineEdit*>(QStringLiteral("txtSearch"));
    test::TypeText(query, QStringLiteral("свет"));
    QTest::keyClick(query, Qt::Key_Return);
    QTRY_VERIFY_WITH_TIMEOUT(TextOf<QLabel>(panel, "lblSearchres").startsWith(QStringLiteral("Results (pages: ")) &&
                                 TextOf<QLabel>(panel, "lblSearchres") != QStringLiteral("Results (pages: 0)"),
                             20000);
    // The results page's own labels too; the snippets are the book's.
    BrowserPane* results = w_->Search().ResultsPane();
    QVERIFY(test::WaitLoaded(results));
    const QString page = test::Eval(results, QStringLiteral("document.body.innerText")).toString();
    QVERIFY2(page.contains(QStringLiteral("group the search results")) && page.contains(QStringLiteral("sort by:")),
             qPrintable(page.left(300)));
  }

  void goToDialogAndItsMessageAreEnglish() {
    Start();
    QString title, paper, prompt;
    test::WhenModal([&](QWidget* dialog) {
      const auto close = test::CloseWhenDone(dialog);
      title = dialog->windowTitle();
      paper = TextOf<QRadioButton>(dialog, "OptObject1");
      prompt = TextOf<QLabel>(dialog, "lblInputNumber");
      auto* number = dialog->findChild<QLineEdit*>(QStringLiteral("txtInputNumber"));
      QTest::keyClicks(number, QStringLiteral("abc"));
      QTest::keyClick(number, Qt::Key_Return);  // refused with a message; the dialog stays
      QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cmdCancel")), Qt::LeftButton);
    });
    QVERIFY(test::ChooseMenu(w_, {QStringLiteral("Navigation"), QStringLiteral("Go To ...")}));
    QCOMPARE(title, QStringLiteral("Go To"));
    QCOMPARE(paper, QStringLiteral("Paper"));
    QCOMPARE(prompt, QStringLiteral("Enter the page number (1-2097):"));
    QCOMPARE(env_.TakeMessages(), QStringLiteral("Input Error|The value entered must be a number\n"));
  }

  // Last: it leaves the process in Russian.
  void theChoiceIsKeptAndRussianComesBackUnchanged() {
    Start();
    auto* english = w_->findChild<QAction*>(QStringLiteral("zLangUiEnglish"));
    QVERIFY(english && english->isChecked());
    QVERIFY(test::ChooseMenu(
        w_, {QStringLiteral("Language"), QStringLiteral("Interface Language"), QStringLiteral("Русский")}));
    QCOMPARE(env_.TakeMessages(),
             QStringLiteral("The ORVELIS Book v 3.4|The interface language will change the next time the program "
                            "starts.\n"));
    test::StopReader(reader_, w_);
    QCOMPARE(QtSettingsStore().Read(setting::kInterfaceLanguage), std::string("ru"));

    // The next start, as the program makes it: the catalogues chosen from the stored setting.
    RemoveTranslations();
    InstallQtTranslations();
    QVERIFY(RussianInterface());
    Start();
    QCOMPARE(MenuTitles(w_),
             (QStringList{QStringLiteral("Файл"), QStringLiteral("Инструменты"), QStringLiteral("Навигация"),
                          QStringLiteral("Язык"), QStringLiteral("Настройка текста"), QStringLiteral("О программе")}));
    QCOMPARE(w_->ToolbarAction(1)->toolTip(), QStringLiteral("Назад на предыдущую просмотренную страницу"));
    QCOMPARE(QString::fromStdString(ApplicationTitle()), QStringLiteral("Книга Орвелис v 3.4"));
    QVERIFY(w_->findChild<QAction*>(QStringLiteral("zLangUiRussian"))->isChecked());
    test::ClickToolbar(w_, w_->ToolbarAction(6));
    auto* panel = w_->findChild<QWidget*>(QStringLiteral("fraSearch"));
    QTRY_VERIFY(panel->isVisible());
    QCOMPARE(TextOf<QLabel>(panel, "lblSearchWord"), QStringLiteral("Введите фразу для поиска:"));
    QCOMPARE(TextOf<QLabel>(w_, "lblLeftMenuCapt"), QStringLiteral("Поиск (русский текст)"));
    QCOMPARE(panel->findChild<QComboBox*>(QStringLiteral("cmbParts"))->itemText(0), QStringLiteral("-- Вся книга --"));
    test::WhenModal([&](QWidget* dialog) {
      const auto close = test::CloseWhenDone(dialog);
      auto* number = dialog->findChild<QLineEdit*>(QStringLiteral("txtInputNumber"));
      QTest::keyClicks(number, QStringLiteral("abc"));
      QTest::keyClick(number, Qt::Key_Return);
      QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cmdCancel")), Qt::LeftButton);
    });
    QVERIFY(test::ChooseMenu(w_, {QStringLiteral("Навигация"), QStringLiteral("Перейти к ...")}));
    QCOMPARE(env_.TakeMessages(), QStringLiteral("Ошибка ввода|Введенное значение должно быть числом\n"));
  }

 private:
  void Start() {
    w_ = test::StartReader(reader_);
    QVERIFY(w_);
  }

  const test::IsolatedEnvironment& env_;
  std::unique_ptr<Reader> reader_;
  MainWindow* w_ = nullptr;
};

// As RunGuiTests, with English chosen before the catalogues are loaded.
int main(int argc, char** argv) {
  test::IsolatedEnvironment env;
  test::PrepareGuiTestProcess();
  PrepareWebEngine();
  QApplication app(argc, argv);
  QtSettingsStore().Write(setting::kInterfaceLanguage, "en");
  InstallQtTranslations();
  InterfaceLanguageTest tests(env);
  return QTest::qExec(&tests, argc, argv);
}

#include "interface_language_test.moc"
