#pragma once
// The one owner of the favourites collection (FavoritesRoot) and its file: loading, the changes
// the trees and the add dialog make (each followed by a save), and the reports of failed saves.

#include <filesystem>
#include <memory>
#include <string>

#include "favorites/favorites_file.h"
#include "favorites/favorites_model.h"

namespace orvelis {

class MessageSink;

enum class FavoritesChange {
  None,     // nothing changed, nothing saved, the tree stays
  Rebuild,  // the collection was saved; rebuild the tree (keys may have moved)
  Refused   // the move would detach a folder from the collection; nothing changed
};

inline constexpr const char* kDeleteCaption = "Удаление записи";
inline constexpr const char* kMoveFolderCaption = "Перемещение папки";
inline constexpr const char* kMoveRefusedText = "Папку нельзя переместить внутрь нее самой или ее вложенных папок.";

class FavoritesStore {
 public:
  FavoritesStore(const std::filesystem::path& favoritesPath, MessageSink& messages);

  CFavorites& FavoritesRoot() { return *root_; }
  const std::filesystem::path& Path() const { return path_; }

  // Replaces the collection with the file's; a read failure is reported and leaves it empty.
  bool LoadFavorites();
  // Saves the whole collection; a failure is reported as a message box and the file stays as it was.
  bool SaveFavorites();

  void RenameFavorite(const std::string& key, const std::string& newName);
  FavoritesChange DeleteFavorite(const std::string& key, const std::string& text);
  FavoritesChange MoveFavorite(const std::string& source, const std::string& target);

  // Add a folder or fragment at the end of the folder `folderKey`; the new item's key, or "" when
  // nothing was added.
  std::string AddFolder(const std::string& folderKey, const std::string& name);
  std::string AddFragment(const std::string& folderKey, const std::string& name, const std::string& html);

 private:
  std::filesystem::path path_;
  MessageSink& messages_;
  std::unique_ptr<CFavorites> root_;
};

// Keys of a folder's children: "f_..._i" for sub-folder i, "d_..._j" for fragment j.
std::string SubFolderKey(const std::string& folderKey, int position);
std::string FragmentKey(const std::string& folderKey, int position);

}  // namespace orvelis
