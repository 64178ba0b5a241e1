#include "favorites/favorites_file.h"

#include <fstream>
#include <optional>
#include <unordered_set>
#include <vector>

#include "favorites/whole_file.h"
#include "ground/cp1251.h"
#include "ground/ui_text.h"

namespace orvelis {
namespace fs = std::filesystem;
namespace {

void PutUInt16(std::string& out, std::size_t value) {
  out.push_back(static_cast<char>(value & 0xFF));
  out.push_back(static_cast<char>((value >> 8) & 0xFF));
}

bool ReadUInt16(std::string_view bytes, std::size_t& pos, unsigned& value) {
  if (pos > bytes.size() || bytes.size() - pos < 2) return false;
  value = static_cast<unsigned char>(bytes[pos]) | (static_cast<unsigned>(static_cast<unsigned char>(bytes[pos + 1])) << 8);
  pos += 2;
  return true;
}

bool ReadCounted(std::string_view bytes, std::size_t& pos, std::string& text) {
  unsigned length = 0;
  if (!ReadUInt16(bytes, pos, length) || bytes.size() - pos < length) return false;
  text = DecodeCp1251(bytes.substr(pos, length));
  pos += length;
  return true;
}

// Writes a record; false when a field is too long for its 16-bit count.
bool PutRecord(std::string& out, int flags, const std::string& name, const std::string& text, std::string& error) {
  const std::string nameBytes = EncodeCp1251(name, Unmappable::Question);
  const std::string textBytes = EncodeCp1251(text, Unmappable::NumericReference);
  if (nameBytes.size() > kMaxFavoritesFieldBytes || textBytes.size() > kMaxFavoritesFieldBytes) {
    error = Tr(ORVELIS_TR_NOOP("Core", "Запись \"%1\" слишком длинна для файла избранного (больше %2 байт)."),
               {name.substr(0, 60), std::to_string(kMaxFavoritesFieldBytes)});
    return false;
  }
  PutUInt16(out, static_cast<std::size_t>(flags));
  PutUInt16(out, nameBytes.size());
  out += nameBytes;
  PutUInt16(out, textBytes.size());
  out += textBytes;
  return true;
}

bool PutFragments(CFavorites& folder, std::string& out, std::string& error) {
  for (int j = 1; j <= folder.DocLen(); ++j) {
    const auto d = folder.doc(j);
    const int flags = kFavoriteFragmentFlag + (j == folder.DocLen() ? kFavoriteLastEntryFlag : 0);
    if (!PutRecord(out, flags, d->name, d->Text, error)) return false;
  }
  return true;
}

}  // namespace

// Depth first without recursion: each open folder remembers the next sub-folder to write; its
// fragments follow once all its sub-folders are written.
bool WriteFolderRecords(const CFavorites& folder, std::string& out, std::string& error) {
  struct Open {
    CFavorites* folder;
    int next;
  };
  // Folder() and doc() are the model's only getters; nothing here changes the tree.
  std::vector<Open> open{{const_cast<CFavorites*>(&folder), 1}};
  while (!open.empty()) {
    CFavorites& f = *open.back().folder;
    if (open.back().next > f.FolderLen()) {
      if (!PutFragments(f, out, error)) return false;
      open.pop_back();
      continue;
    }
    const int i = open.back().next++;
    CFavorites* sub = f.Folder(i).get();
    if (open.size() > static_cast<std::size_t>(kMaxFavoritesDepth)) {
      error = Tr(ORVELIS_TR_NOOP("Core", "Папки избранного вложены глубже %1 уровней."),
                 {std::to_string(kMaxFavoritesDepth)});
      return false;
    }
    int flags = kFavoriteFolderFlag;
    if (sub->FolderLen() > 0 || sub->DocLen() > 0) flags += kFavoriteHasContentsFlag;
    if (f.DocLen() == 0 && i == f.FolderLen()) flags += kFavoriteLastEntryFlag;
    if (!PutRecord(out, flags, sub->FolderName, "", error)) return false;
    open.push_back({sub, 1});
  }
  return true;
}

namespace {

std::string SaveFailure(const fs::path& path, const std::string& reason) {
  return Tr(ORVELIS_TR_NOOP("Core", "Не удалось сохранить избранное в файл %1: %2\r\nФайл избранного остался прежним."),
            {path.string(), Tr(reason.c_str())});
}

}  // namespace

FavoritesPaths InitFavoritesPaths(const fs::path& userDataFolder) {
  std::error_code ec;
  if (!fs::exists(userDataFolder, ec)) fs::create_directories(userDataFolder, ec);
  return {userDataFolder, userDataFolder / "book_favor.dat"};
}

// Depth first without recursion. Folders the collection cannot take (too deep, or their list is
// full) are still followed record by record, so that their contents are counted and skipped
// instead of landing in the folder above. A full list is checked here, before the model would
// report it item by item.
FavoritesReadReport ReadFavoriteRecords(std::string_view bytes, CFavorites& root) {
  FavoritesReadReport report;
  struct Open {
    CFavorites* folder;
    bool lastInParent;  // its own record carried 128: closing it closes its parent too
  };
  std::vector<Open> open{{&root, false}};  // open.size() - 1 is the depth of open.back()
  std::vector<bool> skipped;                // lastInParent of each skipped folder below open.back()
  FavoritesReadReport::Dropped* skipReason = nullptr;

  // The folder holding the current record is complete.
  const auto closeFolder = [&] {
    bool closeParent = true;
    while (closeParent) {
      if (!skipped.empty()) {
        closeParent = skipped.back();
        skipped.pop_back();
      } else if (open.size() > 1) {
        closeParent = open.back().lastInParent;
        open.pop_back();
      } else {
        closeParent = false;  // the root stays open
      }
    }
  };
  const auto skipFolder = [&](FavoritesReadReport::Dropped& reason, bool hasContents, bool last) {
    if (skipped.empty()) skipReason = &reason;
    ++skipReason->folders;
    if (hasContents) skipped.push_back(last);
    return hasContents;
  };
  std::unordered_set<const CFavorites*> fullFolders;
  const auto noteFull = [&](const CFavorites& folder) {
    if (!fullFolders.insert(&folder).second) return;
    if (fullFolders.size() == 1) report.firstFullFolder = &folder == &root ? "" : folder.FolderName;
    report.fullFolders = fullFolders.size();
  };

  std::size_t pos = 0;
  while (pos < bytes.size()) {
    unsigned flagBits = 0;
    std::string name, text;
    if (!ReadUInt16(bytes, pos, flagBits) || !ReadCounted(bytes, pos, name) || !ReadCounted(bytes, pos, text)) {
      report.cutShort = true;  // a record cut short ends the file
      break;
    }
    const int flags = static_cast<std::int16_t>(flagBits);
    const bool last = (flags & kFavoriteLastEntryFlag) != 0;
    const bool hasContents = (flags & kFavoriteHasContentsFlag) != 0;
    CFavorites& folder = *open.back().folder;
    bool opened = false;
    if (flags & kFavoriteFolderFlag) {
      if (!skipped.empty()) {
        opened = skipFolder(*skipReason, hasContents, last);
      } else if (open.size() > static_cast<std::size_t>(kMaxFavoritesDepth)) {
        opened = skipFolder(report.tooDeep, hasContents, last);
      } else if (folder.FolderLen() >= kMaxFavoritesListLength) {
        noteFull(folder);
        opened = skipFolder(report.overFull, hasContents, last);
      } else {
        const int k = folder.AddFolder(name, 0);
        if (hasContents) {
          open.push_back({folder.Folder(k).get(), last});
          opened = true;
        }
      }
    } else if (flags & kFavoriteFragmentFlag) {
      if (!skipped.empty()) {
        ++skipReason->fragments;
      } else if (folder.DocLen() >= kMaxFavoritesListLength) {
        noteFull(folder);
        ++report.overFull.fragments;
      } else {
        folder.AddDoc(name, text, 0);
      }
    }
    if (last && !opened) closeFolder();
  }
  return report;
}

FavoritesLoad LoadFavorites(const fs::path& path, CFavorites& root) {
  FavoritesLoad load;
  // A save killed between writing and renaming leaves its temporary file; the file itself is whole.
  RemoveStaleTemporaryFile(path);
  std::string reason;
  switch (ReadWholeFile(path, load.bytes, reason)) {
    case ReadOutcome::Missing: {
      std::ofstream create(path, std::ios::binary);  // a missing file is created empty
      return load;
    }
    case ReadOutcome::Failed:
      load.result = {false, UnreadableFileText(path, reason)};
      return load;
    case ReadOutcome::Read:
      break;
  }
  load.report = ReadFavoriteRecords(load.bytes, root);
  return load;
}

std::string UnreadableFileText(const fs::path& path, const std::string& reason) {
  return Tr(
      ORVELIS_TR_NOOP("Core",
                      "Не удалось прочитать файл избранного %1: %2.\r\nПоказано пустое избранное. Чтобы не затереть "
                      "этот файл, изменения избранного не будут сохраняться в него до закрытия программы."),
      {path.string(), Tr(reason.c_str())});
}

std::string ReadOnlyFileText(const fs::path& path) {
  return Tr(ORVELIS_TR_NOOP("Core",
                            "Файл избранного %1 доступен только для чтения.\r\nИзменения избранного не будут "
                            "сохранены: они останутся только до закрытия программы."),
            {path.string()});
}

FavoritesResult SerializeFavorites(const CFavorites& root, std::string& bytes) {
  std::string error;
  bytes.clear();
  if (!WriteFolderRecords(root, bytes, error)) return {false, error};
  return {};
}

FavoritesResult SaveFavorites(const CFavorites& root, const fs::path& path, const fs::path& backup) {
  std::string bytes;
  if (FavoritesResult r = SerializeFavorites(root, bytes); !r.ok) {
    return {false, SaveFailure(path, r.message)};
  }
  std::string reason;
  const std::optional<fs::path> target = FollowLinks(path, reason);
  if (!target) return {false, SaveFailure(path, reason)};
  // Checked before the backup too: a read-only file gets nothing written beside it either.
  if (IsReadOnlyFile(*target)) return {false, ReadOnlyFileText(path), true};
  if (!backup.empty()) {
    std::string original;
    const ReadOutcome read = ReadWholeFile(*target, original, reason);
    std::error_code ec;
    const fs::perms permissions = fs::status(*target, ec).permissions();
    if (read == ReadOutcome::Failed ||
        (read == ReadOutcome::Read && !WriteNewFile(backup, original, permissions, reason))) {
      return {false, SaveFailure(path, Tr(ORVELIS_TR_NOOP("Core", "копия %1 не записана: %2"),
                                          {backup.string(), Tr(reason.c_str())}))};
    }
  }
  const ReplaceResult replaced = ReplaceWholeFile(*target, bytes);
  switch (replaced.outcome) {
    case ReplaceOutcome::Written:
      return {};
    case ReplaceOutcome::ReadOnly:
      return {false, ReadOnlyFileText(path), true};
    case ReplaceOutcome::Failed:
      break;
  }
  return {false, SaveFailure(path, replaced.reason)};
}

fs::path FreeBackupPath(const fs::path& path) {
  std::error_code ec;
  for (int n = 1;; ++n) {
    fs::path candidate = path;
    candidate += n == 1 ? ".bak" : ".bak" + std::to_string(n);
    if (!fs::exists(fs::symlink_status(candidate, ec))) return candidate;
  }
}

}  // namespace orvelis
