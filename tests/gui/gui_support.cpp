#include "gui_support.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTimer>

#include "app/startup.h"
#include "ui/window/browser_pane.h"
#include "ui/window/main_window.h"

namespace orvelis::test {

IsolatedEnvironment::IsolatedEnvironment() {
  qputenv("XDG_CONFIG_HOME", QDir(dir_.path()).filePath(QStringLiteral("config")).toUtf8());
  qputenv("XDG_DATA_HOME", QDir(dir_.path()).filePath(QStringLiteral("data")).toUtf8());
  qputenv("ORVELIS_MESSAGE_LOG", MessageLog().toUtf8());
}

QString IsolatedEnvironment::MessageLog() const { return QDir(dir_.path()).filePath(QStringLiteral("messages.log")); }

void IsolatedEnvironment::Reset() const {
  QDir(QDir(dir_.path()).filePath(QStringLiteral("config"))).removeRecursively();
  QDir(QDir(dir_.path()).filePath(QStringLiteral("data"))).removeRecursively();
  QFile::remove(MessageLog());
}

bool WaitLoaded(BrowserPane* pane, int timeoutMs) {
  QElapsedTimer timer;
  timer.start();
  while (!pane->IsLoaded() && timer.elapsed() < timeoutMs) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  }
  return pane->IsLoaded();
}

QVariant Eval(BrowserPane* pane, const QString& script, int timeoutMs) {
  QVariant result;
  bool done = false;
  pane->RunScript(script, [&](const QVariant& value) {
    result = value;
    done = true;
  });
  QElapsedTimer timer;
  timer.start();
  while (!done && timer.elapsed() < timeoutMs) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  return result;
}

QString Title(BrowserPane* pane) { return Eval(pane, QStringLiteral("document.title")).toString(); }

void PrepareGuiTestProcess() {
  if (!qEnvironmentVariableIsSet("QTWEBENGINE_CHROMIUM_FLAGS")) qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu");
}

MainWindow* StartReader(std::unique_ptr<Reader>& reader) {
  reader = std::make_unique<Reader>();
  if (!reader->StartUp()) return nullptr;
  MainWindow* window = reader->Window();
  return WaitLoaded(window->Pane(ReadingPane::Web1)) ? window : nullptr;
}

void StopReader(std::unique_ptr<Reader>& reader, MainWindow*& window) {
  if (window) window->close();
  window = nullptr;
  reader.reset();
}

}  // namespace orvelis::test
