#include "favorites/favorites_store.h"

#include <algorithm>

#include "ground/ui_text.h"
#include "ports/message_sink.h"

namespace orvelis {

std::string SubFolderKey(const std::string& folderKey, int position) {
  return folderKey + "_" + std::to_string(position);
}

std::string FragmentKey(const std::string& folderKey, int position) {
  return "d" + folderKey.substr(1) + "_" + std::to_string(position);
}

int FolderKeyDepth(const std::string& folderKey) {
  return static_cast<int>(std::count(folderKey.begin(), folderKey.end(), '_'));
}

std::string IncompleteLoadText(const std::filesystem::path& path, const FavoritesReadReport& report,
                               const std::filesystem::path& backup) {
  const auto counts = [](const FavoritesReadReport::Dropped& d) {
    return Tr(ORVELIS_TR_NOOP("Core", "папок: %1, записей: %2"),
              {std::to_string(d.folders), std::to_string(d.fragments)});
  };
  std::string text =
      Tr(ORVELIS_TR_NOOP("Core", "Файл избранного %1 прочитан не полностью. Не загружено:"), {path.string()});
  if (report.tooDeep.Any()) {
    text += "\r\n" + Tr(ORVELIS_TR_NOOP("Core", "- папки ниже %1-го уровня вложенности со всем содержимым (%2);"),
                        {std::to_string(kMaxFavoritesDepth), counts(report.tooDeep)});
  }
  if (report.overFull.Any()) {
    const std::string first =
        report.firstFullFolder.empty() ? Tr(ORVELIS_TR_NOOP("Core", "Избранное")) : report.firstFullFolder;
    const std::string limit = std::to_string(kMaxFavoritesListLength);
    text += "\r\n" + (report.fullFolders == 1
                          ? Tr(ORVELIS_TR_NOOP("Core",
                                               "- то, что не поместилось в папку «%1»: в папке может быть не больше %2 "
                                               "папок и %2 записей (%3);"),
                               {first, limit, counts(report.overFull)})
                          : Tr(ORVELIS_TR_NOOP("Core",
                                               "- то, что не поместилось в папки (всего %1, первая - «%2»): в папке "
                                               "может быть не больше %3 папок и %3 записей (%4);"),
                               {std::to_string(report.fullFolders), first, limit, counts(report.overFull)}));
  }
  if (report.cutShort) text += "\r\n" + Tr(ORVELIS_TR_NOOP("Core", "- последняя запись: файл обрывается посреди нее;"));
  text.back() = '.';
  return text + "\r\n" +
         Tr(ORVELIS_TR_NOOP("Core",
                            "Показано то, что удалось прочитать. Файл не будет перезаписан, пока вы не измените "
                            "избранное; перед первым сохранением он будет скопирован в файл %1 в той же папке."),
            {backup.filename().string()});
}

FavoritesStore::FavoritesStore(const std::filesystem::path& favoritesPath, MessageSink& messages)
    : path_(favoritesPath), messages_(messages), root_(std::make_unique<CFavorites>()) {}

bool FavoritesStore::LoadFavorites(bool deferReport) {
  root_ = std::make_unique<CFavorites>();
  loadReport_.reset();
  asLoaded_.reset();
  backupPath_.clear();
  readOnlyReported_ = false;
  unsaved_ = false;
  const FavoritesLoad load = orvelis::LoadFavorites(path_, *root_);
  // Whatever the file holds is unknown: a save would replace it with the empty collection shown.
  unreadable_ = !load.result.ok;
  if (!load.result.ok) {
    loadReport_ = Message{load.result.message, kFavoritesCaption, MessageIcon::Exclamation, MessageButtons::Ok};
  } else {
    std::string bytes;
    if (!SerializeFavorites(*root_, bytes).ok || bytes != load.bytes) {
      asLoaded_ = std::move(bytes);
      backupPath_ = FreeBackupPath(path_);
    }
    if (!load.report.Complete()) {
      loadReport_ = Message{IncompleteLoadText(path_, load.report, backupPath_), kFavoritesCaption,
                            MessageIcon::Exclamation, MessageButtons::Ok};
    }
  }
  if (!deferReport) ShowLoadReport();
  return load.result.ok;
}

void FavoritesStore::ShowLoadReport() {
  if (!loadReport_) return;
  const Message message = std::move(*loadReport_);
  loadReport_.reset();
  messages_.Show(message);
}

bool FavoritesStore::SaveFavorites() { return Save() == SaveOutcome::Saved; }

FavoritesStore::SaveOutcome FavoritesStore::Save() {
  if (unreadable_) {
    unsaved_ = true;  // the load report said so
    return SaveOutcome::KeptInMemory;
  }
  std::filesystem::path backup;
  if (asLoaded_) {
    // Nothing changed yet: the file keeps what the collection could not hold.
    std::string now;
    if (SerializeFavorites(*root_, now).ok && now == *asLoaded_) return SaveOutcome::Saved;
    backup = backupPath_;
  }
  const FavoritesResult r = orvelis::SaveFavorites(*root_, path_, backup);
  // Once the original is kept beside (a failed backup leaves no file), later saves need not keep
  // it again: a replace that failed after it must not make every later save fail on its name.
  if (!backup.empty() && std::filesystem::exists(backup)) backupPath_.clear();
  if (r.readOnly) {
    unsaved_ = true;
    if (!readOnlyReported_) {
      readOnlyReported_ = true;
      messages_.Show({r.message, kFavoritesCaption, MessageIcon::Exclamation, MessageButtons::Ok});
    }
    return SaveOutcome::KeptInMemory;
  }
  if (!r.ok) {
    unsaved_ = true;
    messages_.Show({r.message, kFavoritesCaption, MessageIcon::Critical, MessageButtons::Ok});
    return SaveOutcome::Failed;
  }
  asLoaded_.reset();
  readOnlyReported_ = false;
  unsaved_ = false;
  return SaveOutcome::Saved;
}

void FavoritesStore::RenameFavorite(const std::string& key, const std::string& newName) {
  CFavorites* parent = nullptr;
  int position = 0;
  std::string* name = nullptr;
  if (!key.empty() && key[0] == 'd') {
    if (CFoldDoc* d = root_->GetDocFromKey(key, parent, position)) name = &d->name;
  } else if (CFavorites* f = root_->GetFolderFromKey(key, parent, position)) {
    name = &f->FolderName;
  }
  // Nothing to write when nothing changed (a tree also reports icon and expansion changes).
  if (!name || *name == newName) return;
  *name = newName;
  SaveFavorites();
}

FavoritesChange FavoritesStore::DeleteFavorite(const std::string& key, const std::string& text) {
  CFavorites* parent = nullptr;
  int position = 0;
  const bool fragment = !key.empty() && key[0] == 'd';
  const std::string question =
      fragment ? Tr(ORVELIS_TR_NOOP("Core", "Вы уверены, что хотите удалить запись \"%1\" ?"), {text})
               : Tr(ORVELIS_TR_NOOP("Core",
                                    "Вы уверены, что хотите удалить папку \"%1\" и все ее вложенные папки и записи?"),
                    {text});
  const MessageAnswer answer =
      messages_.Show({question, kDeleteCaption, MessageIcon::Question, MessageButtons::YesNo});
  if (answer == MessageAnswer::Yes) {
    if (fragment) {
      if (root_->GetDocFromKey(key, parent, position)) parent->DeleteDoc(position);
    } else if (root_->GetFolderFromKey(key, parent, position) && position > 0) {
      parent->DeleteFolder(position);
    }
  }
  SaveFavorites();
  return FavoritesChange::Rebuild;
}

FavoritesChange FavoritesStore::MoveFavorite(const std::string& source, const std::string& target) {
  if (source.empty() || target.empty()) return FavoritesChange::None;
  const bool targetIsFragment = target[0] == 'd';
  if (source[0] == 'd') {
    CFavorites* from = nullptr;
    int d = 0;
    CFoldDoc* fragment = root_->GetDocFromKey(source, from, d);
    if (!fragment) return FavoritesChange::None;
    const CFoldDoc moved = *fragment;
    CFavorites* to = nullptr;
    int e = 0;
    if (targetIsFragment) {
      if (!root_->GetDocFromKey(target, to, e)) return FavoritesChange::None;
    } else {
      CFavorites* ignored = nullptr;
      int unused = 0;
      to = root_->GetFolderFromKey(target, ignored, unused);
      if (!to) return FavoritesChange::None;
    }
    from->DeleteDoc(d);
    // A full target keeps its 32,767 items; the fragment then goes back where it was.
    if (to->AddDoc(moved.name, moved.Text, targetIsFragment ? e : 0) == 0) {
      messages_.Show(FavoritesErrorMessage(FavoritesError::ListFull));
      from->AddDoc(moved.name, moved.Text, d);
    }
    SaveFavorites();
    return FavoritesChange::Rebuild;
  }

  if (targetIsFragment) return FavoritesChange::None;
  CFavorites* sourceParent = nullptr;
  int i = 0;
  CFavorites* folder = root_->GetFolderFromKey(source, sourceParent, i);
  CFavorites* targetParent = nullptr;
  int k = 0;
  CFavorites* targetFolder = root_->GetFolderFromKey(target, targetParent, k);
  if (!folder || !targetFolder) return FavoritesChange::None;
  const std::string question = Tr(ORVELIS_TR_NOOP("Core",
                                                  "Вы хотите скопировать папку \"%1\" внутрь папки \"%2\".\r\nНажмите "
                                                  "\"Нет\" для перемещение папки на том же уровне."),
                                  {folder->FolderName, targetFolder->FolderName});
  const MessageAnswer answer =
      messages_.Show({question, kMoveFolderCaption, MessageIcon::Question, MessageButtons::YesNoCancel});
  if (answer == MessageAnswer::Yes || answer == MessageAnswer::No) {
    // The root cannot move, and a folder cannot go into itself or below itself: it would leave
    // the collection.
    CFavorites* newParent = answer == MessageAnswer::Yes ? targetFolder : targetParent;
    if (i == 0 || folder->Contains(newParent)) {
      messages_.Show({kMoveRefusedText, kMoveFolderCaption, MessageIcon::Exclamation, MessageButtons::Ok});
      return FavoritesChange::Refused;
    }
    // A folder key has one "_" per level; the file could not hold a folder moved deeper than it may go.
    const int newParentDepth = FolderKeyDepth(target) - (answer == MessageAnswer::Yes ? 0 : 1);
    if (newParentDepth + 1 + folder->Height() > kMaxFavoritesDepth) {
      messages_.Show({kMoveTooDeepText, kMoveFolderCaption, MessageIcon::Exclamation, MessageButtons::Ok});
      return FavoritesChange::Refused;
    }
    const std::shared_ptr<CFavorites> moved = sourceParent->Folder(i);
    sourceParent->DeleteFolder(i);
    if (newParent->AddFolderEx(moved, answer == MessageAnswer::Yes ? 0 : k) == 0) {
      messages_.Show(FavoritesErrorMessage(FavoritesError::ListFull));
      sourceParent->AddFolderEx(moved, i);
    }
  }
  SaveFavorites();
  return FavoritesChange::Rebuild;
}

std::string FavoritesStore::AddFolder(const std::string& folderKey, const std::string& name) {
  return AddAtEnd(folderKey, false, name, {});
}

std::string FavoritesStore::AddFragment(const std::string& folderKey, const std::string& name,
                                        const std::string& html) {
  return AddAtEnd(folderKey, true, name, html);
}

std::string FavoritesStore::AddAtEnd(const std::string& folderKey, bool fragment, const std::string& name,
                                     const std::string& html) {
  CFavorites* parent = nullptr;
  int position = 0;
  CFavorites* folder = root_->GetFolderFromKey(folderKey, parent, position);
  if (!folder) return {};
  const int added = fragment ? folder->AddDoc(name, html, 0) : folder->AddFolder(name, 0);
  if (added == 0) {
    messages_.Show(FavoritesErrorMessage(FavoritesError::ListFull));
    return {};
  }
  const bool wasUnsaved = unsaved_;
  // What could not be saved is taken back: it would make every later save fail too.
  if (Save() == SaveOutcome::Failed) {
    if (fragment) {
      folder->DeleteDoc(added);
    } else {
      folder->DeleteFolder(added);
    }
    unsaved_ = wasUnsaved;
    return {};
  }
  return fragment ? FragmentKey(folderKey, added) : SubFolderKey(folderKey, added);
}

}  // namespace orvelis
