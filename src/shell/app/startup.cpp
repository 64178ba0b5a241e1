#include "shell/app/startup.h"

#include <QApplication>
#include <QFile>
#include <QTimer>
#include <QWebEnginePage>

#include "shell/app/image_extractor.h"
#include "shell/app/single_instance.h"
#include "shell/app/splash_window.h"
#include "favorites/favorites_file.h"
#include "favorites/user_data_folder.h"
#include "ground/app_info.h"
#include "reader/book_location.h"
#include "shell/window/main_window.h"
#include "shell/platform/qt_message_sink.h"
#include "shell/platform/qt_settings_store.h"
#include "shell/platform/qt_text.h"

namespace orvelis {

BookLocation LocateBook(const std::optional<std::string>& given) {
  return FindBook(given, QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString());
}

Reader::Reader(std::optional<std::string> bookOnCommandLine)
    : bookOnCommandLine_(std::move(bookOnCommandLine)),
      instance_(std::make_unique<SingleInstance>()),
      settings_(std::make_unique<QtSettingsStore>()),
      messages_(std::make_unique<QtMessageSink>()) {}

Reader::~Reader() = default;

void Reader::Start() {
  splash_ = std::make_unique<SplashWindow>();
  splash_->show();
  // The browser engine starts its processes on first use; doing that while the splash waits
  // makes the first page appear sooner.
  QTimer::singleShot(0, this, [this] {
    warmUp_ = std::make_unique<QWebEnginePage>();
    warmUp_->load(QUrl(QStringLiteral("about:blank")));
  });
  QTimer::singleShot(1000, this, [this] {
    if (!StartUp()) QCoreApplication::exit(exitCode_);
  });
}

bool Reader::StartUp() {
  QCoreApplication::setApplicationName(Q(ApplicationTitle()));
  if (instance_->CheckPrevInstance()) {
    splash_.reset();
    exitCode_ = 0;  // a second start ends quietly
    return false;
  }
  const FavoritesPaths paths = InitFavoritesPaths(DefaultUserDataFolder());
  const std::string userData = FolderWithSeparator(paths.UserDataFolder);
  // A folder the images cannot be written into is told once the window is up, like the favourites.
  const std::string imagesProblem = ExtractImages(paths.UserDataFolder);
  favorites_ = std::make_unique<FavoritesStore>(paths.FavoritesPath, *messages_);

  const BookLocation location = LocateBook(bookOnCommandLine_);
  if (!location.found) {
    messages_->Show({MissingBookText(location), kMissingBookCaption, MessageIcon::Critical, MessageButtons::Ok});
    splash_.reset();
    exitCode_ = kDamagedBookExitCode;
    return false;
  }
  BookResult opened = book_.OpenBook(*location.found);
  // The favourites open with a book that opened, before its tables are read; a file read only in
  // part is reported once the window shows what could be read.
  if (opened) favorites_->LoadFavorites(true);
  if (opened) opened = book_.LoadPartRecords();
  if (opened) opened = book_.LoadPaperRecords();
  if (!opened) {
    messages_->Show({opened.Text(), opened.Caption(), MessageIcon::Critical, MessageButtons::Ok});
    splash_.reset();
    exitCode_ = kDamagedBookExitCode;
    return false;
  }

  window_ = std::make_unique<MainWindow>(book_, *favorites_, userData, *settings_, *messages_);
  warmUp_.reset();
  messages_->SetParent(window_.get());
  window_->PrimePanes();
  window_->ResetHistory();
  window_->BuildStylesheet();
  window_->LoadSettings();
  window_->show();
  window_->PrepareSearchWhenIdle();
  instance_->Listen([window = window_.get()] {
    window->setWindowState((window->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window->showNormal();
    window->raise();
    window->activateWindow();
  });
  splash_.reset();
  if (!imagesProblem.empty()) {
    messages_->Show({imagesProblem, ApplicationTitle(), MessageIcon::Exclamation, MessageButtons::Ok});
  }
  favorites_->ShowLoadReport();
  return true;
}

}  // namespace orvelis
