// The reader: start-up only; everything else lives in the libraries.
//
// ORVELIS_SCREENSHOT=FILE.png makes a run photograph its window once the first page is painted
// and end; the README's picture is made that way (scripts/screenshot.sh).
// ORVELIS_REPORT_STARTUP=1 makes a run print the time from process start to the first page
// loaded, and its resident memory then, and end (bench/startup.sh).

#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QTimer>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ground/heap_policy.h"
#include "reader/reader_command_line.h"
#include "shell/app/app_icon.h"
#include "shell/app/startup.h"
#include "shell/app/process_clock.h"
#include "shell/app/qt_translations.h"
#include "shell/app/webengine_setup.h"
#include "shell/browser/browser_pane.h"
#include "shell/window/main_window.h"

namespace orvelis {

// Waits for the first page in the first pane to be loaded and painted, then reports and ends the
// run. The paint is read from the page's own timeline (its first contentful paint).
void ReportStartup(Reader& reader) {
  auto* poll = new QTimer(qApp);
  auto loadedAt = std::make_shared<qint64>(0);
  QObject::connect(poll, &QTimer::timeout, qApp, [&reader, poll, loadedAt] {
    MainWindow* window = reader.Window();
    if (!window || !window->Pane(ReadingPane::Web1)->IsLoaded()) return;
    if (*loadedAt == 0) *loadedAt = QDateTime::currentMSecsSinceEpoch();
    poll->stop();  // the wait below runs the event loop
    const std::optional<QVariant> paint = window->Pane(ReadingPane::Web1)->Evaluate(
        QStringLiteral("(function(){var p=performance.getEntriesByName('first-contentful-paint')[0];"
                       "return p ? performance.timeOrigin + p.startTime : -1;})()"),
        1000);
    bool answered = false;
    const double paintedAt = paint ? paint->toDouble(&answered) : -1;
    if (!answered || paintedAt < 0) {
      constexpr qint64 kLongestWaitMs = 10000;
      if (QDateTime::currentMSecsSinceEpoch() - *loadedAt < kLongestWaitMs) {
        poll->start();
        return;
      }
      std::fprintf(stderr, "the first page loaded after %lld ms but reported no paint\n",
                   static_cast<long long>(*loadedAt - ProcessStartMSecs()));
      qApp->exit(1);
      return;
    }
    const qint64 started = ProcessStartMSecs();
    QFile status(QStringLiteral("/proc/self/status"));
    QByteArray rss = "?";
    if (status.open(QIODevice::ReadOnly)) {
      for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) rss = line.mid(6).trimmed();
      }
    }
    std::fprintf(stderr,
                 "first page loaded after %lld ms, painted after %.0f ms; splash closed after %lld ms "
                 "(first paint %.0f ms after it); resident memory %s\n",
                 static_cast<long long>(*loadedAt - started), paintedAt - static_cast<double>(started),
                 static_cast<long long>(reader.SplashClosedAt() - started),
                 paintedAt - static_cast<double>(reader.SplashClosedAt()), rss.constData());
    qApp->quit();
  });
  poll->start(10);
}

}  // namespace orvelis

int main(int argc, char** argv) {
  // The command line is read before anything needs a display: --help and --version work anywhere.
  const orvelis::ReaderCommandLine line = orvelis::ParseReaderCommandLine({argv, argv + argc});
  if (const std::optional<int> status = orvelis::AnswerWithoutWindow(line)) return *status;
  orvelis::KeepLargeBlocksInTheHeap();
  std::vector<std::string> toolkitWords = line.toolkitArguments;
  std::vector<char*> toolkitArgv;
  for (std::string& word : toolkitWords) toolkitArgv.push_back(word.data());
  toolkitArgv.push_back(nullptr);
  int toolkitArgc = static_cast<int>(toolkitWords.size());

  orvelis::PrepareWebEngine();
  QApplication app(toolkitArgc, toolkitArgv.data());
  orvelis::SetApplicationIcon();
  if (!orvelis::InstallQtTranslations()) qWarning("orvelis: Qt's Russian translations are not installed");
  orvelis::Reader reader(line.book);
  reader.Start();
  if (const QString shot = qEnvironmentVariable("ORVELIS_SCREENSHOT"); !shot.isEmpty()) {
    QTimer::singleShot(6000, &app, [&app, &reader, shot] {
      orvelis::MainWindow* window = reader.Window();
      const QPixmap pixmap = window ? window->grab() : QPixmap();
      if (!window || !pixmap.save(shot)) qWarning("orvelis: the screenshot could not be saved");
      app.quit();
    });
  }
  if (qEnvironmentVariableIsSet("ORVELIS_REPORT_STARTUP")) orvelis::ReportStartup(reader);
  return app.exec();
}
