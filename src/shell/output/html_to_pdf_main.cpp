// orvelis-pdf IN.html OUT.pdf: lays out a saved HTML file in the reader's browser engine, off
// screen, and prints it to PDF with the page's print rules. The command-line tool, which has no
// browser of its own, runs it for its PDF output. Exit status 0 written, 1 usage, 2 failure.

#include <QApplication>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QTimer>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <cstdio>

#include "shell/app/webengine_setup.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fputs("usage: orvelis-pdf IN.html OUT.pdf\n", stderr);
    return 1;
  }
  // Nothing is shown: the page is laid out without a display.
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (!qEnvironmentVariableIsSet("QTWEBENGINE_CHROMIUM_FLAGS")) qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu");
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  orvelis::PrepareWebEngine();
  QApplication app(argc, argv);
  const QString in = QString::fromLocal8Bit(argv[1]);
  const QString out = QString::fromLocal8Bit(argv[2]);
  if (!QFileInfo(in).isFile()) {
    std::fprintf(stderr, "orvelis-pdf: cannot read %s\n", argv[1]);
    return 2;
  }
  QWebEngineProfile profile;  // off the record: nothing of it is kept
  QWebEnginePage page(&profile);
  int status = 2;
  QObject::connect(&page, &QWebEnginePage::loadFinished, &app, [&](bool ok) {
    if (!ok) {
      app.exit(2);
      return;
    }
    page.printToPdf(out, QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                                     QPageLayout::Millimeter));
  });
  QObject::connect(&page, &QWebEnginePage::pdfPrintingFinished, &app, [&](const QString&, bool ok) {
    status = ok ? 0 : 2;
    app.exit(status);
  });
  // A page that never finishes loading must not keep the caller waiting for ever.
  QTimer::singleShot(120000, &app, [&app] { app.exit(2); });
  page.load(QUrl::fromLocalFile(QFileInfo(in).absoluteFilePath()));
  status = app.exec();
  if (status != 0) std::fprintf(stderr, "orvelis-pdf: cannot write %s\n", argv[2]);
  return status;
}
