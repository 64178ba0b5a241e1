// Help and query-rules windows opened and closed as a person does, the update check against a
// real HTTP server on 127.0.0.1, and the about box with its system-information button.

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <memory>

#include "shell/app/startup.h"
#include "gui_support.h"
#include "shell/browser/browser_pane.h"
#include "shell/help/help_window.h"
#include "shell/help/help_commands.h"
#include "shell/window/main_window.h"
#include "shell/platform/qt_settings_store.h"
#include "help/update_check.h"
#include "ports/settings_store.h"
#include "shell/window/command_table.h"

using namespace orvelis;

namespace {

constexpr const char* kCheckPath = "/book/local_ver/auto_chk.asp";

// Answers every request with one plain-text body (or, silent, never answers) and keeps the
// requested paths.
class CheckPageServer final : public QObject {
 public:
  explicit CheckPageServer(QByteArray body, bool silent = false) : body_(std::move(body)) {
    server_.listen(QHostAddress::LocalHost);
    connect(&server_, &QTcpServer::newConnection, this, [this, silent] {
      while (QTcpSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QTcpSocket::readyRead, socket, [this, socket, silent] {
          const QByteArray request = socket->readAll();
          paths_ << QString::fromLatin1(request.split(' ').value(1));
          if (silent) return;
          socket->write("HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\nContent-Length: " +
                        QByteArray::number(body_.size()) + "\r\n\r\n" + body_);
          socket->disconnectFromHost();
        });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
      }
    });
  }
  QString Address() const { return QStringLiteral("http://127.0.0.1:%1").arg(server_.serverPort()); }
  int Checks() const { return static_cast<int>(paths_.count(QString::fromLatin1(kCheckPath))); }

 private:
  QTcpServer server_;
  QByteArray body_;
  QStringList paths_;
};

// The question the reader asks, as the message log has it.
QString UpdateQuestion(const QString& lines) {
  return QStringLiteral("Автоматическое Обновление|") + lines + QStringLiteral("\r\n\r\nПерейти на сайт обновлений ?\n");
}

}  // namespace

class HelpUpdateTest : public QObject {
  Q_OBJECT

 public:
  explicit HelpUpdateTest(const test::IsolatedEnvironment& env) : env_(env) {}

 private slots:
  void init() { env_.Reset(); }
  void cleanup() {
    Stop();
    const QString boxes = env_.TakeMessages();
    QVERIFY2(boxes.isEmpty(), qPrintable(QStringLiteral("unexpected message box: ") + boxes));
  }

  void aNewerTextShowsOnlyTheTextLine() {
    CheckPageServer server("v=3.4 t=2.2");
    Start(server.Address());
    QCOMPARE(ReadReply(), QStringLiteral("v=3.4 t=2.2"));
    QCOMPARE(env_.TakeMessages(), UpdateQuestion(QStringLiteral("Доступна новая версия текста книги - 2.2     ")));
    QCOMPARE(server.Checks(), 1);
    // The answer was Yes (the default of an automated run): the update page opens.
    QCOMPARE(opened_, QStringList{server.Address() + QStringLiteral("/book/local_ver/chk.asp?v=3.4&t=2.1")});
  }

  void bothNewerShowBothLines() {
    CheckPageServer server("v=3.5 t=3.0");
    Start(server.Address());
    QCOMPARE(ReadReply(), QStringLiteral("v=3.5 t=3.0"));
    QCOMPARE(env_.TakeMessages(), UpdateQuestion(QStringLiteral("Доступна новая версия приложения - 3.5     \r\n"
                                                                "Доступна новая версия текста книги - 3.0     ")));
  }

  // The same reading of the reply as above, which does show a question; here none comes.
  void anOlderVersionShowsNothing() {
    CheckPageServer server("v=3.3 t=2.0");
    Start(server.Address());
    QCOMPARE(ReadReply(), QStringLiteral("v=3.3 t=2.0"));
    QCOMPARE(server.Checks(), 1);
    QCOMPARE(env_.TakeMessages(), QString());
    QVERIFY(opened_.isEmpty());
  }

  void aServerThatIsDownOrSilentShowsNothingAndHoldsNothingUp() {
    // Down: the check's load fails (the browser's own error page is in its pane), and no box comes.
    QTcpServer probe;
    QVERIFY(probe.listen(QHostAddress::LocalHost));
    const QString address = QStringLiteral("http://127.0.0.1:%1").arg(probe.serverPort());
    probe.close();  // nobody listens there now
    Start(address);
    QTRY_COMPARE_WITH_TIMEOUT(test::Eval(w_->Help().UpdateCheckPane(), QStringLiteral("document.URL")).toString(),
                              QStringLiteral("chrome-error://chromewebdata/"), 15000);
    QVERIFY(!w_->Help().UpdateCheckPane()->IsLoaded());
    QCOMPARE(env_.TakeMessages(), QString());
    Stop();

    // Silent: the server takes the request and never answers. The reader has started all the same,
    // and turns its pages while the check still waits.
    CheckPageServer silent("", true);
    Start(silent.Address());
    QTRY_COMPARE_WITH_TIMEOUT(silent.Checks(), 1, 15000);
    w_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w_));
    const std::string first = w_->Locator().CurrentKey();
    test::ClickToolbar(w_, w_->ToolbarAction(12));
    QTRY_VERIFY(w_->Locator().CurrentKey() != first);
    QVERIFY(test::WaitLoaded(w_->Pane(ReadingPane::Web1)));
    QVERIFY(!w_->Help().UpdateCheckPane()->IsLoaded());  // still waiting for its answer
  }

  // A request from the first start would have reached the server long before the second start's,
  // which must arrive: the count of one is the second start's alone.
  void switchedOffTheCheckLoadsNothing() {
    CheckPageServer server("v=9.9 t=9.9");
    QtSettingsStore().Write("achu", "0");
    Start(server.Address());
    QAction* automatic = w_->findChild<QAction*>(QStringLiteral("zAboutAutoUpd"));
    QVERIFY(!w_->Help().AutoCheckUpdates());
    QVERIFY(!automatic->isChecked());
    QVERIFY(test::ChooseMenu(w_, {QStringLiteral("О программе"), QStringLiteral("Автоматически проверять наличие новых версий")}));
    QVERIFY(w_->Help().AutoCheckUpdates());
    QVERIFY(automatic->isChecked());
    Stop();
    QCOMPARE(QtSettingsStore().Read("achu"), std::string("1"));
    Start(server.Address());
    QCOMPARE(ReadReply(), QStringLiteral("v=9.9 t=9.9"));
    QCOMPARE(env_.TakeMessages(), UpdateQuestion(QStringLiteral("Доступна новая версия приложения - 9.9     \r\n"
                                                                "Доступна новая версия текста книги - 9.9     ")));
    QCOMPARE(server.Checks(), 1);
  }

  // Without a site address nothing that needs the site is offered, and no check goes out; with
  // one, all of it is back.
  void withoutASiteItsCommandsAreHiddenAndNothingIsChecked() {
    if (!WebSiteAddress(MemorySettingsStore()).empty()) QSKIP("this build has a site address");
    const QStringList siteItems = {QStringLiteral("zAboutOrvel"), QStringLiteral("zAboutPhor"),
                                   QStringLiteral("zAboutAutoUpd"), QStringLiteral("zAboutUpd")};
    for (const QString& site : {QString(), QStringLiteral("http://127.0.0.1:1")}) {
      Start(site);
      const bool hasSite = !site.isEmpty();
      for (const QString& name : siteItems) {
        QAction* item = w_->findChild<QAction*>(name);
        QVERIFY2(item, qPrintable(name));
        QCOMPARE(item->isVisible(), hasSite);
      }
      QVERIFY(w_->findChild<QAction*>(QStringLiteral("zAboutVer"))->isVisible());
      QCOMPARE(w_->Action(Cmd::Site)->isVisible(), hasSite);
      // The toolbar ends on a button, never on the separator that stands before the site's.
      QAction* last = nullptr;
      for (QAction* action : w_->findChild<QToolBar*>(QStringLiteral("tbToolbar"))->actions()) {
        if (action->isVisible()) last = action;
      }
      QVERIFY(last && !last->isSeparator());
      QCOMPARE(last == w_->Action(Cmd::Site), hasSite);
      // The check's page is asked for at start-up or never.
      QCOMPARE(w_->Help().UpdateCheckPane()->url().path(), hasSite ? QString::fromLatin1(kCheckPath) : QString());
      Stop();
    }
  }

  void theRulesWindowClosesOnItsLinkAndReturnsToItsPlace() {
    Start(QStringLiteral("http://127.0.0.1:1"));
    test::ClickToolbar(w_, w_->ToolbarAction(6));  // the search panel, where the rules' "?" is
    auto* question = w_->findChild<QLabel*>(QStringLiteral("imgHelp"));
    QTRY_VERIFY(question->isVisible());
    QTest::mouseClick(question, Qt::LeftButton);
    HelpWindow* rules = w_->Help().RulesWindow();
    QVERIFY(rules && rules->isVisible());
    QCOMPARE(rules->windowTitle(), QStringLiteral("Правила написания запросов в строку поиска"));
    QVERIFY(test::WaitLoaded(rules->Browser()));
    const QVariant text = test::Eval(rules->Browser(), QStringLiteral("document.body.innerText"));
    QVERIFY(text.isValid());
    QVERIFY(text.toString().contains(QStringLiteral("Таблица специальных символов")));
    // Where a window manager puts the window after the reader has moved and sized it.
    rules->setGeometry(120, 90, 500, 400);
    QTRY_COMPARE(rules->geometry(), QRect(120, 90, 500, 400));
    // The page learns its new size a moment later; a click aimed before that would miss the link.
    QTRY_COMPARE(test::Eval(rules->Browser(), QStringLiteral("window.innerHeight")).toInt(), rules->Browser()->height());
    QVERIFY(test::ClickElement(rules->Browser(), QStringLiteral("a[href=\"@close\"]")));
    QTRY_VERIFY_WITH_TIMEOUT(!w_->Help().RulesWindow(), 10000);
    QtSettingsStore settings;
    QCOMPARE(QString::fromStdString(settings.Read("swl")), QStringLiteral("1800"));
    QCOMPARE(QString::fromStdString(settings.Read("swt")), QStringLiteral("1350"));
    QCOMPARE(QString::fromStdString(settings.Read("sww")), QStringLiteral("7500"));
    QCOMPARE(QString::fromStdString(settings.Read("swh")), QStringLiteral("6000"));
    QTest::mouseClick(question, Qt::LeftButton);
    QVERIFY(w_->Help().RulesWindow());
    QCOMPARE(w_->Help().RulesWindow()->geometry(), QRect(120, 90, 500, 400));
    // A size chosen in the main window's menu writes the open page again in that size.
    QVERIFY(test::WaitLoaded(w_->Help().RulesWindow()->Browser()));
    QVERIFY(test::ChooseMenu(w_, {QStringLiteral("Настройка текста"), QStringLiteral("Размер"), QStringLiteral("200%")}));
    QTRY_VERIFY_WITH_TIMEOUT(test::Eval(w_->Help().RulesWindow()->Browser(), QStringLiteral("document.body.innerHTML"))
                                 .toString()
                                 .contains(QStringLiteral("font-size:28px")),
                             10000);
  }

  void theHelpWindowClosesOnItsLink() {
    Start(QStringLiteral("http://127.0.0.1:1"));
    QString title;
    QVariant text;
    bool closedByLink = false;
    test::WhenModal([&](QWidget* modal) {
      const auto close = test::CloseWhenDone(modal);
      auto* help = qobject_cast<HelpWindow*>(modal);
      QVERIFY(help);
      QCOMPARE(w_->Help().OpenHelpWindow(), help);
      title = help->windowTitle();
      QVERIFY(test::WaitLoaded(help->Browser()));
      text = test::Eval(help->Browser(), QStringLiteral("document.body.innerText"));
      QVERIFY(test::ClickElement(help->Browser(), QStringLiteral("a[href=\"@close\"]")));
      closedByLink = QTest::qWaitFor([help] { return !help->isVisible(); }, 10000);
    });
    QVERIFY(test::ChooseMenu(w_, {QStringLiteral("О программе"), QStringLiteral("Справка")}));  // modal: returns when closed
    QCOMPARE(title, QStringLiteral("Справка"));
    QVERIFY(text.isValid());
    QVERIFY(text.toString().contains(QStringLiteral("Теперь о дополнительных функциях.")));
    QVERIFY(closedByLink);
    QVERIFY(!w_->Help().OpenHelpWindow());
    QtSettingsStore settings;
    QCOMPARE(QString::fromStdString(settings.Read("hsww")), QStringLiteral("9600"));  // its first size, 640 x 560
    QCOMPARE(QString::fromStdString(settings.Read("hswh")), QStringLiteral("8400"));
  }

  // The system-information button starts an installed tool, and says so when there is none; the
  // folders searched are PATH's, so the test sets PATH for each case.
  void theAboutBoxNamesTheTextVersionAndItsButtonStartsATool() {
    Start(QStringLiteral("http://127.0.0.1:1"));
    QTemporaryDir tools;
    QVERIFY(tools.isValid());
    const QByteArray path = qgetenv("PATH");
    const auto restorePath = qScopeGuard([path] { qputenv("PATH", path); });
    const QString marker = tools.filePath(QStringLiteral("started"));
    QString title, titleLabel, version, withoutTool, withTool;
    bool toolStarted = false;
    test::WhenModal([&](QWidget* modal) {
      const auto close = test::CloseWhenDone(modal);
      title = modal->windowTitle();
      titleLabel = modal->findChild<QLabel*>(QStringLiteral("lblTitle"))->text();
      version = modal->findChild<QLabel*>(QStringLiteral("lblVersion"))->text();
      auto* sysInfo = modal->findChild<QPushButton*>(QStringLiteral("cmdSysInfo"));
      QVERIFY(sysInfo);
      qputenv("PATH", tools.path().toUtf8());  // no tool there yet
      QTest::mouseClick(sysInfo, Qt::LeftButton);
      withoutTool = env_.TakeMessages();
      QFile tool(tools.filePath(QStringLiteral("hardinfo")));
      QVERIFY(tool.open(QIODevice::WriteOnly));
      tool.write("#!/bin/sh\necho started > '" + marker.toUtf8() + "'\n");
      tool.close();
      QVERIFY(tool.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
      QTest::mouseClick(sysInfo, Qt::LeftButton);
      toolStarted = QTest::qWaitFor([&] { return QFile::exists(marker); }, 10000);
      withTool = env_.TakeMessages();
      QTest::mouseClick(modal->findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
    });
    QVERIFY(test::ChooseMenu(w_, {QStringLiteral("О программе"), QStringLiteral("О программе")}));
    QTRY_VERIFY(!QApplication::activeModalWidget());
    QCOMPARE(title, QStringLiteral("  О программе"));
    QCOMPARE(version, QStringLiteral("электронная версия текста: 2.1"));
    QCOMPARE(titleLabel, QStringLiteral("Книга Орвелис v 3.4"));
    QCOMPARE(withoutTool, QStringLiteral("  О программе|System Information Is Unavailable At This Time\n"));
    QVERIFY(toolStarted);
    QCOMPARE(withTool, QString());
  }

 private:
  void Start(const QString& site) {
    QtSettingsStore().Write("site", site.toStdString());
    reader_ = std::make_unique<Reader>();
    QVERIFY(reader_->StartUp());
    w_ = reader_->Window();
    w_->Help().openUrl_ = [this](const QString& address) { opened_ << address; };  // no browser of the user's
    QVERIFY(test::WaitLoaded(w_->Pane(ReadingPane::Web1)));
    w_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w_));
  }
  void Stop() {
    test::StopReader(reader_, w_);
    opened_.clear();
  }
  // Waits for the check's page, then reads it with a script of its own. The reader reads the reply
  // with a script in the same pane as soon as the page is in; scripts in one page answer in order,
  // so when this one has answered, the reader has read the reply and asked any question.
  QString ReadReply() {
    if (!QTest::qWaitFor([this] { return w_->Help().UpdateCheckPane()->IsLoaded(); }, 15000)) return QStringLiteral("(not loaded)");
    const QVariant reply = test::Eval(w_->Help().UpdateCheckPane(), QStringLiteral("document.body ? document.body.innerText : ''"));
    return reply.isValid() ? reply.toString().trimmed() : QStringLiteral("(no answer)");
  }

  const test::IsolatedEnvironment& env_;
  std::unique_ptr<Reader> reader_;
  MainWindow* w_ = nullptr;
  QStringList opened_;
};

int main(int argc, char** argv) { return test::RunGuiTests<HelpUpdateTest>(argc, argv); }

#include "help_update_test.moc"
