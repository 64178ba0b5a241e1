// Help and query-rules windows, the update check against a real HTTP server on 127.0.0.1, and
// the about box.

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>
#include <memory>

#include "app/startup.h"
#include "app/webengine_setup.h"
#include "gui_support.h"
#include "search/recording_search_view.h"
#include "ui/window/about_dialog.h"
#include "ui/window/browser_pane.h"
#include "ui/window/help_window.h"
#include "ui/window/main_window.h"
#include "ui/window/qt_settings_store.h"

using namespace orvelis;

// Answers every request with one plain-text body and counts the requests.
class CheckPageServer final : public QObject {
 public:
  explicit CheckPageServer(QByteArray body) : body_(std::move(body)) {
    server_.listen(QHostAddress::LocalHost);
    connect(&server_, &QTcpServer::newConnection, this, [this] {
      while (QTcpSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
          const QByteArray request = socket->readAll();
          paths_ << QString::fromLatin1(request.split(' ').value(1));
          socket->write("HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\nContent-Length: " +
                        QByteArray::number(body_.size()) + "\r\n\r\n" + body_);
          socket->disconnectFromHost();
        });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
      }
    });
  }
  QString Address() const { return QStringLiteral("http://127.0.0.1:%1").arg(server_.serverPort()); }
  const QStringList& Paths() const { return paths_; }

 private:
  QTcpServer server_;
  QByteArray body_;
  QStringList paths_;
};

class HelpUpdateTest : public QObject {
  Q_OBJECT

 public:
  explicit HelpUpdateTest(const test::IsolatedEnvironment& env) : env_(env) {}

 private slots:
  void init() { env_.Reset(); }
  void cleanup() { Stop(); }

  void aNewerTextShowsOnlyTheTextLine() {
    CheckPageServer server("v=3.4 t=2.2");
    Start(server.Address());
    QTRY_VERIFY_WITH_TIMEOUT(Log().contains(QStringLiteral("Автоматическое Обновление|")), 15000);
    QVERIFY(Log().contains(QStringLiteral("Доступна новая версия текста книги - 2.2     ")));
    QVERIFY(!Log().contains(QStringLiteral("приложения")));
    QCOMPARE(server.Paths().count(QStringLiteral("/book/local_ver/auto_chk.asp")), 1);  // (and perhaps a favicon)
    // The answer was Yes (the default of an automated run): the update page opens.
    QCOMPARE(opened_, QStringList{server.Address() + QStringLiteral("/book/local_ver/chk.asp?v=3.4&t=2.1")});
  }

  void bothNewerShowBothLines() {
    CheckPageServer server("v=3.5 t=3.0");
    Start(server.Address());
    QTRY_VERIFY_WITH_TIMEOUT(Log().contains(QStringLiteral("Перейти на сайт обновлений ?")), 15000);
    QVERIFY(Log().contains(QStringLiteral("Доступна новая версия приложения - 3.5     \r\nДоступна новая версия текста книги - 3.0     ")));
  }

  void anOlderVersionShowsNothing() {
    CheckPageServer server("v=3.3 t=2.0");
    Start(server.Address());
    QTRY_VERIFY_WITH_TIMEOUT(!server.Paths().isEmpty(), 15000);
    QTest::qWait(1500);
    QVERIFY(Log().isEmpty());
  }

  void aServerThatIsDownShowsNothingAndDelaysNothing() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    const QString address = QStringLiteral("http://127.0.0.1:%1").arg(probe.serverPort());
    probe.close();  // nobody listens there now
    QElapsedTimer timer;
    timer.start();
    Start(address);
    QVERIFY2(timer.elapsed() < 5000, qPrintable(QString::number(timer.elapsed())));
    QTest::qWait(2000);
    QVERIFY(Log().isEmpty());
  }

  void switchedOffTheCheckLoadsNothing() {
    CheckPageServer server("v=9.9 t=9.9");
    QtSettingsStore().Write("achu", "0");
    Start(server.Address());
    QVERIFY(!w_->AutoCheckUpdates());
    QTest::qWait(2000);
    QVERIFY(server.Paths().isEmpty());
    w_->zAboutAutoUpd_Click();
    QVERIFY(w_->AutoCheckUpdates());
  }

  void theRulesWindowClosesOnItsLinkAndReturnsToItsPlace() {
    Start(QStringLiteral("http://127.0.0.1:1"));
    w_->imgHelp_Click();
    HelpWindow* rules = w_->RulesWindow();
    QVERIFY(rules && rules->isVisible());
    QCOMPARE(rules->windowTitle(), QStringLiteral("Правила написания запросов в строку поиска"));
    QVERIFY(test::WaitLoaded(rules->Browser()));
    QVERIFY(test::Eval(rules->Browser(), QStringLiteral("document.body.innerText")).toString().contains(
        QStringLiteral("Таблица специальных символов")));
    rules->setGeometry(120, 90, 500, 400);
    QTest::qWait(200);
    test::Eval(rules->Browser(), QStringLiteral("document.querySelector('a[href=\"@close\"]').click()"));
    QTRY_VERIFY_WITH_TIMEOUT(!w_->RulesWindow(), 10000);
    QCOMPARE(QString::fromStdString(QtSettingsStore().Read("sww")), QStringLiteral("7500"));
    w_->imgHelp_Click();
    QCOMPARE(w_->RulesWindow()->size(), QSize(500, 400));
    // A font change writes the open page again in the new size.
    QVERIFY(test::WaitLoaded(w_->RulesWindow()->Browser()));
    w_->zPrefSizeSz_Click(8);
    QTRY_VERIFY_WITH_TIMEOUT(test::Eval(w_->RulesWindow()->Browser(), QStringLiteral("document.body.innerHTML"))
                                 .toString()
                                 .contains(QStringLiteral("font-size:28px")),
                             10000);
  }

  void theHelpWindowClosesOnItsLink() {
    Start(QStringLiteral("http://127.0.0.1:1"));
    bool checked = false;
    QTimer::singleShot(0, this, [&] {
      HelpWindow* help = w_->OpenHelpWindow();
      QVERIFY(help);
      QCOMPARE(help->windowTitle(), QStringLiteral("Справка"));
      QVERIFY(test::WaitLoaded(help->Browser()));
      QVERIFY(test::Eval(help->Browser(), QStringLiteral("document.body.innerText")).toString().contains(
          QStringLiteral("Теперь о дополнительных функциях.")));
      test::Eval(help->Browser(), QStringLiteral("document.querySelector('a[href=\"@close\"]').click()"));
      checked = true;
    });
    w_->zHelp_Click();  // modal: returns when the link has closed it
    QVERIFY(checked);
    QVERIFY(!w_->OpenHelpWindow());
    QVERIFY(!QtSettingsStore().Read("hsww").empty());
  }

  void theAboutBoxNamesTheTextVersion() {
    Start(QStringLiteral("http://127.0.0.1:1"));
    RecordingMessageSink messages;
    AboutDialog about(2, 1, messages, w_);
    QCOMPARE(about.windowTitle(), QStringLiteral("  О программе"));
    QCOMPARE(about.findChild<QLabel*>(QStringLiteral("lblVersion"))->text(), QStringLiteral("электронная версия текста: 2.1"));
    QCOMPARE(about.findChild<QLabel*>(QStringLiteral("lblTitle"))->text(), QStringLiteral("Книга Орвелис v 3.4"));
    about.cmdSysInfo_Click();
    QVERIFY(messages.shown.size() <= 1);
    if (!messages.shown.empty()) QCOMPARE(messages.shown[0].text, std::string("System Information Is Unavailable At This Time"));
  }

 private:
  void Start(const QString& site) {
    QtSettingsStore().Write("site", site.toStdString());
    reader_ = std::make_unique<Reader>();
    QVERIFY(reader_->StartUp());
    w_ = reader_->Window();
    w_->openUrl_ = [this](const QString& address) { opened_ << address; };
    QVERIFY(test::WaitLoaded(w_->Pane(ReadingPane::Web1)));
  }
  void Stop() {
    test::StopReader(reader_, w_);
    opened_.clear();
  }
  QString Log() const {
    QFile log(env_.MessageLog());
    return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
  }

  const test::IsolatedEnvironment& env_;
  std::unique_ptr<Reader> reader_;
  MainWindow* w_ = nullptr;
  QStringList opened_;
};

int main(int argc, char** argv) { return test::RunGuiTests<HelpUpdateTest>(argc, argv); }

#include "help_update_test.moc"
