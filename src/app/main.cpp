// The reader: start-up only; everything else lives in the libraries.
//
// ORVELIS_SCREENSHOT=FILE.png makes a run photograph its screen once the first page is painted
// and end; the README's picture is made that way (scripts/screenshot.sh).

#include <QApplication>
#include <QTimer>

#include "app/startup.h"
#include "app/webengine_setup.h"
#include "ui/window/browser_pane.h"
#include "ui/window/main_window.h"

int main(int argc, char** argv) {
  orvelis::PrepareWebEngine();
  QApplication app(argc, argv);
  orvelis::Reader reader;
  reader.Start();
  if (const QString shot = qEnvironmentVariable("ORVELIS_SCREENSHOT"); !shot.isEmpty()) {
    QTimer::singleShot(6000, &app, [&app, &reader, shot] {
      orvelis::MainWindow* window = reader.Window();
      const QPixmap pixmap = window ? window->grab() : QPixmap();
      if (!window || !pixmap.save(shot)) qWarning("orvelis: the screenshot could not be saved");
      app.quit();
    });
  }
  return app.exec();
}
