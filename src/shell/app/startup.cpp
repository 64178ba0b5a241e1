#include "shell/app/startup.h"

#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QTimer>

#include "shell/app/image_extractor.h"
#include "shell/app/single_instance.h"
#include "shell/app/splash_window.h"
#include "shell/browser/browser_pane.h"
#include "favorites/favorites_file.h"
#include "favorites/user_data_folder.h"
#include "ground/app_info.h"
#include "reader/book_location.h"
#include "shell/window/main_window.h"
#include "shell/platform/qt_message_sink.h"
#include "shell/platform/qt_settings_store.h"
#include "shell/platform/qt_text.h"
#include "window_rules/reading_settings.h"

namespace orvelis {

BookLocation LocateBook(const std::optional<std::string>& given) {
  return FindBook(given, QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString());
}

Reader::Reader(std::optional<std::string> bookOnCommandLine)
    : bookOnCommandLine_(std::move(bookOnCommandLine)),
      instance_(std::make_unique<SingleInstance>()),
      settings_(std::make_unique<QtSettingsStore>()),
      messages_(std::make_unique<QtMessageSink>()) {}

Reader::~Reader() { BrowserPane::DropWarmPages(); }

void Reader::Start() {
  splash_ = std::make_unique<SplashWindow>();
  splash_->show();
  // The browser engine starts a renderer process for each page that loads a document. Starting
  // those of the panes shown at start while the splash waits lets the first page load into a
  // running one: the reading panes', and the search results' when the panel opens at start.
  const bool searchPanelOpens = LoadReadingSettings(*settings_).leftPanel == kSearchPanel;
  QTimer::singleShot(0, this, [searchPanelOpens] {
    BrowserPane::WarmUpPages(MainWindow::kPanesPrimedAtStart + (searchPanelOpens ? 1 : 0));
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
  messages_->SetParent(window_.get());
  window_->PrimePanes();
  window_->ResetHistory();
  window_->BuildStylesheet();
  window_->LoadSettings();
  window_->show();
  BrowserPane::DropWarmPages();  // none is left unless the settings changed meanwhile
  window_->PrepareSearchWhenIdle();
  instance_->Listen([window = window_.get()] {
    window->setWindowState((window->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window->showNormal();
    window->raise();
    window->activateWindow();
  });
  // A message box must not open under the splash.
  if (imagesProblem.empty() && !favorites_->HasLoadReport()) {
    CloseSplashWhenFirstPageLoaded();
  } else {
    CloseSplash();
  }
  if (!imagesProblem.empty()) {
    messages_->Show({imagesProblem, ApplicationTitle(), MessageIcon::Exclamation, MessageButtons::Ok});
  }
  favorites_->ShowLoadReport();
  return true;
}

// The browser shows the first page a few hundred milliseconds after the window is shown; the
// splash, with its hourglass, stays over the window until then rather than leave an empty pane,
// but no longer than a browser that is slow to start may need.
void Reader::CloseSplashWhenFirstPageLoaded() {
  constexpr int kLongestWaitMs = 3000;
  BrowserPane* first = window_->Pane(ReadingPane::Web1);
  if (!splash_ || first->IsLoaded()) {
    CloseSplash();
    return;
  }
  splash_->raise();  // over the window that has just come up, where no window manager keeps it there
  firstPageLoaded_ = connect(first, &BrowserPane::loaded, this, &Reader::CloseSplash);
  QTimer::singleShot(kLongestWaitMs, this, &Reader::CloseSplash);
}

void Reader::CloseSplash() {
  disconnect(firstPageLoaded_);
  if (!splash_) return;
  splash_.reset();
  splashClosedAt_ = QDateTime::currentMSecsSinceEpoch();
}

}  // namespace orvelis
