// The reader as a process: a damaged book ends it with the message, a second start ends at once.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "gui_support.h"

class ProgramRunTest : public QObject {
  Q_OBJECT

 private slots:
  void aDamagedBookShowsTheMessageAndEndsWithAnError() {
    QTemporaryDir dir;
    // The program looks for book.dat beside itself: run a copy next to a damaged one.
    const QString program = dir.filePath(QStringLiteral("orvelis"));
    QVERIFY(QFile::copy(QStringLiteral(ORVELIS_READER), program));
    QFile book(dir.filePath(QStringLiteral("book.dat")));
    QVERIFY(book.open(QIODevice::WriteOnly));
    book.write(QByteArray(100, '\x01'));
    book.close();
    QProcess reader;
    reader.setProcessEnvironment(Environment(dir.path()));
    reader.start(program, {});
    QVERIFY(reader.waitForFinished(30000));
    QCOMPARE(reader.exitCode(), 2);
    QFile log(dir.filePath(QStringLiteral("messages.log")));
    QVERIFY(log.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(log.readAll()), QStringLiteral("Ошибка чтения файла|Файл book.dat поврежден\n"));
    // The favourites are opened only with a book that opened: nothing was created for them.
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("data/OrvelisBook/book_favor.dat"))));
  }
  void aGoodBookOpensTheFavourites() {
    QTemporaryDir dir;
    QProcess reader;
    reader.setProcessEnvironment(Environment(dir.path()));
    reader.start(QStringLiteral(ORVELIS_READER), {});
    QVERIFY(reader.waitForStarted());
    const QString favourites = dir.filePath(QStringLiteral("data/OrvelisBook/book_favor.dat"));
    QVERIFY(QTest::qWaitFor([&] { return QFile::exists(favourites); }, 30000));
    reader.terminate();
    QVERIFY(reader.waitForFinished(30000));
  }

  void aSecondStartEndsQuietlyWhileTheFirstRuns() {
    QTemporaryDir dir;
    const QProcessEnvironment env = Environment(dir.path());
    QProcess first;
    first.setProcessEnvironment(env);
    first.start(QStringLiteral(ORVELIS_READER), {});
    QVERIFY(first.waitForStarted());
    QTest::qWait(4000);  // splash, then start-up
    QCOMPARE(first.state(), QProcess::Running);
    QProcess second;
    second.setProcessEnvironment(env);
    second.start(QStringLiteral(ORVELIS_READER), {});
    QVERIFY(second.waitForFinished(20000));
    QCOMPARE(second.exitCode(), 0);
    QCOMPARE(first.state(), QProcess::Running);
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("messages.log"))));
    first.terminate();
    if (!first.waitForFinished(10000)) first.kill();
  }

 private:
  static QProcessEnvironment Environment(const QString& folder) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), folder + QStringLiteral("/config"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), folder + QStringLiteral("/data"));
    env.insert(QStringLiteral("ORVELIS_MESSAGE_LOG"), folder + QStringLiteral("/messages.log"));
    return env;
  }
};

int main(int argc, char** argv) {
  orvelis::test::PrepareGuiTestProcess();
  QCoreApplication app(argc, argv);
  ProgramRunTest tests;
  return QTest::qExec(&tests, argc, argv);
}

#include "program_run_test.moc"
