#pragma once
// The favourites: a tree of folders, each with an ordered list of sub-folders and an ordered list
// of fragments (named HTML texts taken from the book). Lists are 1-based and hold at most 32,767
// items. Items are addressed by positional node keys: "f" the root, "f_2_1" folder 1 of folder 2,
// "d_4" fragment 4 of the root, "d_2_1_3" fragment 3 of folder f_2_1. Folders nest at most 256
// levels below the root: the file refuses deeper ones and every tree shows each level indented,
// so a real collection never comes near it; the limit keeps every walk over the tree shallow.

#include <memory>
#include <string>
#include <vector>

#include "ground/ui_text.h"
#include "ports/message_sink.h"

namespace orvelis {

inline constexpr int kMaxFavoritesListLength = 32767;
inline constexpr int kMaxFavoritesDepth = 256;
inline constexpr const char* kIndexErrorText = ORVELIS_TR_NOOP("Core", "Ошибка индекса");
inline constexpr const char* kListFullText =
    ORVELIS_TR_NOOP("Core", "В папке уже 32767 записей: больше добавить нельзя.");

// What a change of the model refused; the caller decides whether and when to say so.
enum class FavoritesError { None, BadIndex, ListFull };
// The message box for an error: "Ошибка индекса" without an icon, the full-list refusal with the
// exclamation mark, both under the application title.
Message FavoritesErrorMessage(FavoritesError error);

struct CFoldDoc {
  std::string name;
  std::string Text;  // HTML, as selected in the browser
};

class CFavorites {
 public:
  CFavorites() = default;
  // Frees the folders below without a stack frame per level.
  ~CFavorites();
  CFavorites(const CFavorites&) = delete;
  CFavorites& operator=(const CFavorites&) = delete;

  std::string FolderName;

  int FolderLen() const { return static_cast<int>(folders_.size()); }
  int DocLen() const { return static_cast<int>(docs_.size()); }

  // Index beyond the count: a new empty item (FolderLen and DocLen tell the range).
  std::shared_ptr<CFavorites> Folder(int index);
  std::shared_ptr<CFoldDoc> doc(int index);

  // Insert before `beforeIndex` (1..n), or append when it is below 1 or beyond n. Return the
  // position, or 0 when the list already holds 32,767 items (FavoritesError::ListFull; nothing
  // changes).
  int AddFolder(const std::string& name, int beforeIndex);
  int AddFolderEx(std::shared_ptr<CFavorites> folder, int beforeIndex);
  int AddDoc(const std::string& name, const std::string& txt, int beforeIndex);

  // BadIndex (nothing changes) when `index` is not 1..n.
  FavoritesError DeleteDoc(int index);
  FavoritesError DeleteFolder(int index);

  // The folder a key names (null when it names nothing); `parFolder` gets its parent and `fnum`
  // its position there, the root itself and 0 for "f".
  CFavorites* GetFolderFromKey(const std::string& key, CFavorites*& parFolder, int& fnum);
  CFoldDoc* GetDocFromKey(const std::string& key, CFavorites*& parFolder, int& dnum);

  // The highest number n of fragments named `name` + " n" anywhere below `fold`.
  static float GetDocFragLastNum(const CFavorites& fold, const std::string& name);

  // True when `folder` is this folder or lies anywhere below it.
  bool Contains(const CFavorites* folder) const;
  // Levels of sub-folders below this folder: 0 when it has none.
  int Height() const;

 private:
  CFavorites* FolderAt(const std::string& path, CFavorites*& parFolder, int& fnum);

  std::vector<std::shared_ptr<CFavorites>> folders_;
  std::vector<std::shared_ptr<CFoldDoc>> docs_;
};

}  // namespace orvelis
