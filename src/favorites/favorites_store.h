#pragma once
// The one owner of the favourites collection (FavoritesRoot) and its file: loading, the changes
// the trees and the add dialog make (each followed by a save), and the reports of failed saves.
// The model only returns what it refused; the store says it (a full folder) through the message
// port, as it asks its questions and reports the file.

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "favorites/favorites_file.h"
#include "favorites/favorites_model.h"
#include "ground/ui_text.h"
#include "ports/message_sink.h"

namespace orvelis {

enum class FavoritesChange {
  None,     // nothing changed, nothing saved, the tree stays
  Rebuild,  // the collection was saved; rebuild the tree (keys may have moved)
  Refused   // the move would detach a folder from the collection; nothing changed
};

inline constexpr const char* kDeleteCaption = ORVELIS_TR_NOOP("Core", "Удаление записи");
inline constexpr const char* kMoveFolderCaption = ORVELIS_TR_NOOP("Core", "Перемещение папки");
inline constexpr const char* kMoveRefusedText =
    ORVELIS_TR_NOOP("Core", "Папку нельзя переместить внутрь нее самой или ее вложенных папок.");
inline constexpr const char* kMoveTooDeepText =
    ORVELIS_TR_NOOP("Core", "Папку нельзя переместить сюда: папки оказались бы вложены глубже 256 уровней.");

class FavoritesStore {
 public:
  FavoritesStore(const std::filesystem::path& favoritesPath, MessageSink& messages);

  CFavorites& FavoritesRoot() { return *root_; }
  const std::filesystem::path& Path() const { return path_; }

  // Replaces the collection with the file's. A file that cannot be read leaves it empty and the
  // result false; nothing is then ever written over it while this collection lives. One read in
  // part (too deep, too many items, cut short) loads what it can. Either is reported once, through
  // the message port: at once, or, with `deferReport`, when ShowLoadReport is called (once the
  // window is up).
  bool LoadFavorites(bool deferReport = false);
  void ShowLoadReport();
  bool HasLoadReport() const { return loadReport_.has_value(); }
  // Saves the whole collection; true when the file now holds it. A failure is reported as a
  // message box and the file stays as it was. While the collection is still all that could be read
  // of a file read in part, nothing is written; the first save after a change first copies that
  // file to BackupPath(). A read-only file is reported once, and the collection lives on in memory.
  bool SaveFavorites();
  const std::filesystem::path& BackupPath() const { return backupPath_; }
  // The collection holds changes the file does not have (its last save failed or was refused).
  bool HasUnsavedChanges() const { return unsaved_; }

  void RenameFavorite(const std::string& key, const std::string& newName);
  FavoritesChange DeleteFavorite(const std::string& key, const std::string& text);
  FavoritesChange MoveFavorite(const std::string& source, const std::string& target);

  // Add a folder or fragment at the end of the folder `folderKey`; the new item's key, or "" when
  // nothing was added (a full folder is said through the message port). An item the save failed for is taken back, except while the file is known
  // to be unwritable for the whole run (read-only, unreadable): then it stays, in memory only.
  std::string AddFolder(const std::string& folderKey, const std::string& name);
  std::string AddFragment(const std::string& folderKey, const std::string& name, const std::string& html);

 private:
  enum class SaveOutcome { Saved, KeptInMemory, Failed };
  SaveOutcome Save();
  std::string AddAtEnd(const std::string& folderKey, bool fragment, const std::string& name,
                       const std::string& html);

  std::filesystem::path path_;
  MessageSink& messages_;
  std::unique_ptr<CFavorites> root_;
  std::optional<Message> loadReport_;
  // The bytes the collection had when loaded from a file it could not reproduce; unset otherwise
  // and once a change has been saved.
  std::optional<std::string> asLoaded_;
  std::filesystem::path backupPath_;
  bool unreadable_ = false;        // the file could not be read: it is never written over
  bool readOnlyReported_ = false;  // until a save succeeds again
  bool unsaved_ = false;
};

// The one message for a file read in part: what was left out, what is shown, and the name the
// file will be kept under.
std::string IncompleteLoadText(const std::filesystem::path& path, const FavoritesReadReport& report,
                               const std::filesystem::path& backup);

// Keys of a folder's children: "f_..._i" for sub-folder i, "d_..._j" for fragment j.
std::string SubFolderKey(const std::string& folderKey, int position);
std::string FragmentKey(const std::string& folderKey, int position);
// Levels of folders below the root down to the folder a key names: 0 for "f", 2 for "f_3_1".
int FolderKeyDepth(const std::string& folderKey);

}  // namespace orvelis
