#pragma once
// The reader's start-up sequence and what it owns for the run: the book, the settings, the main
// window. Shutdown is the main window's close.

#include <QObject>
#include <memory>
#include <optional>
#include <string>

#include "book/book_store.h"
#include "favorites/favorites_store.h"
#include "reader/book_location.h"

namespace orvelis {

class MainWindow;
class QtMessageSink;
class QtSettingsStore;
class SingleInstance;
class SplashWindow;

class Reader final : public QObject {
  Q_OBJECT

 public:
  // Without a book on the command line the reader looks beside itself, then in the data folder.
  explicit Reader(std::optional<std::string> bookOnCommandLine = std::nullopt);
  ~Reader() override;

  // Shows the splash; a second later runs StartUp. The application's exit code tells the outcome.
  void Start();
  // The whole sequence at once (also what tests call). False when the program must end; then
  // ExitCode() tells how.
  bool StartUp();
  int ExitCode() const { return exitCode_; }
  // When the splash went, in milliseconds since the epoch; 0 while it is up.
  qint64 SplashClosedAt() const { return splashClosedAt_; }

  MainWindow* Window() const { return window_.get(); }
  BookStore& Book() { return book_; }
  FavoritesStore* Favorites() const { return favorites_.get(); }

 private:
  void CloseSplashWhenFirstPageLoaded();
  void CloseSplash();

  std::optional<std::string> bookOnCommandLine_;
  std::unique_ptr<SplashWindow> splash_;
  std::unique_ptr<SingleInstance> instance_;
  std::unique_ptr<QtSettingsStore> settings_;
  std::unique_ptr<QtMessageSink> messages_;
  BookStore book_;
  std::unique_ptr<FavoritesStore> favorites_;
  std::unique_ptr<MainWindow> window_;
  int exitCode_ = 0;
  qint64 splashClosedAt_ = 0;
  QMetaObject::Connection firstPageLoaded_;
};

// The command line's book, else book.dat beside the program, else in the installed data folder.
BookLocation LocateBook(const std::optional<std::string>& given);

// Exit status of a run that could not find or open its book.
inline constexpr int kDamagedBookExitCode = 2;

}  // namespace orvelis
