#pragma once
// book_favor.dat: the whole favourites collection as a flat run of records (flags, counted
// Windows-1251 name, counted Windows-1251 text), folders depth first, no header.

#include <filesystem>
#include <string>
#include <string_view>

#include "favorites/favorites_model.h"
#include "ground/ui_text.h"

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

// The largest name or text a record can carry: its count is an unsigned 16-bit number. Reading
// and writing share it, so whatever was read can be written again.
inline constexpr std::size_t kMaxFavoritesFieldBytes = 65535;

// What a file held that the collection could not take.
struct FavoritesReadReport {
  struct Dropped {
    std::size_t folders = 0;    // each with everything in it, which is counted too
    std::size_t fragments = 0;
    bool Any() const { return folders > 0 || fragments > 0; }
  };
  Dropped tooDeep;              // below kMaxFavoritesDepth levels of folders
  Dropped overFull;             // beyond kMaxFavoritesListLength items of one list
  std::string firstFullFolder;  // the name of the first folder that was full ("" for the root)
  std::size_t fullFolders = 0;
  bool cutShort = false;        // the file ends inside its last record, which is dropped
  bool Complete() const { return !tooDeep.Any() && !overFull.Any() && !cutShort; }
};

// Reads a whole file's records into `root`, folders depth first; the end of the bytes ends every
// open folder, and records after the root's last entry still belong to the root.
FavoritesReadReport ReadFavoriteRecords(std::string_view bytes, CFavorites& root);
// Appends the records of one folder's contents; false (with the reason) when a name or text is
// longer than kMaxFavoritesFieldBytes or folders nest deeper than kMaxFavoritesDepth.
bool WriteFolderRecords(const CFavorites& folder, std::string& out, std::string& error);

struct FavoritesResult {
  bool ok = true;
  std::string message;  // Russian, for a message box, when not ok
  bool readOnly = false;  // a save refused because the file is read-only: nothing was written
};

inline constexpr const char* kFavoritesCaption = ORVELIS_TR_NOOP("Core", "Избранное");

struct FavoritesLoad {
  FavoritesResult result;       // not ok: the file could not be read at all
  FavoritesReadReport report;   // what the file held that was not loaded
  std::string bytes;            // the file as read
};

// Loads the file into an empty root; a missing file is created empty and loads as nothing. The
// temporary file of a save that was interrupted is removed first. A file that is there but cannot
// be read (a folder in its place, no permission) is not ok, with UnreadableFileText.
FavoritesLoad LoadFavorites(const std::filesystem::path& path, CFavorites& root);

std::string UnreadableFileText(const std::filesystem::path& path, const std::string& reason);
std::string ReadOnlyFileText(const std::filesystem::path& path);

// The bytes of the whole collection, or the reason it cannot be stored.
FavoritesResult SerializeFavorites(const CFavorites& root, std::string& bytes);

// Rewrites the file safely: a temporary file beside it, flushed to disk, then renamed over it. A
// link is followed and its target rewritten; the file keeps its permissions; a read-only file is
// refused (readOnly) with nothing written. With a `backup` path, the file as it is now is first
// copied there, flushed too, with the same permissions. On any failure the old file stays as it was.
FavoritesResult SaveFavorites(const CFavorites& root, const std::filesystem::path& path,
                              const std::filesystem::path& backup = {});

// A name beside `path` that no file has yet: "book_favor.dat.bak", then ".bak2", ".bak3", ...
std::filesystem::path FreeBackupPath(const std::filesystem::path& path);

}  // namespace orvelis
