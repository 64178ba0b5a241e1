#pragma once
// book_favor.dat: the whole favourites collection as a flat run of records (flags, counted
// Windows-1251 name, counted Windows-1251 text), folders depth first, no header.

#include <filesystem>
#include <string>

#include "favorites/favorites_model.h"

namespace orvelis {

inline constexpr int kFavoriteFolderFlag = 1;
inline constexpr int kFavoriteFragmentFlag = 2;
inline constexpr int kFavoriteHasContentsFlag = 64;
inline constexpr int kFavoriteLastEntryFlag = 128;

struct FavoritesPaths {
  std::filesystem::path UserDataFolder;
  std::filesystem::path FavoritesPath;
};

// The user data folder (created when missing) and the favourites file inside it.
FavoritesPaths InitFavoritesPaths(const std::filesystem::path& userDataFolder);

// Reads the records of one folder from `bytes` at `pos`, recursing into sub-folders; the end of
// the bytes ends every open folder, and a record cut short is dropped.
void ReadFolderRecords(const std::string& bytes, std::size_t& pos, CFavorites& folder);
// Appends the records of one folder's contents; false (with the reason) when a name or text is too
// long for its 16-bit count.
bool WriteFolderRecords(const CFavorites& folder, std::string& out, std::string& error);

struct FavoritesResult {
  bool ok = true;
  std::string message;  // Russian, for a message box, when not ok
};

inline constexpr const char* kFavoritesCaption = "Избранное";

// Loads the file into an empty root; a missing file is created empty and loads as nothing.
FavoritesResult LoadFavorites(const std::filesystem::path& path, CFavorites& root);

// The bytes of the whole collection, or the reason it cannot be stored (a name or text of
// 65535 bytes or more in Windows-1251).
FavoritesResult SerializeFavorites(const CFavorites& root, std::string& bytes);

// Rewrites the file safely: a temporary file beside it, flushed to disk, then renamed over it.
// On any failure the old file stays as it was.
FavoritesResult SaveFavorites(const CFavorites& root, const std::filesystem::path& path);

}  // namespace orvelis
