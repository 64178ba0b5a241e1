#include "favorites/favorites_model.h"

#include <algorithm>
#include <charconv>
#include <utility>

#include "ground/app_info.h"
#include "ground/text_replace.h"
#include "ground/numeric_text.h"

namespace orvelis {
namespace {

template <typename T>
int Insert(std::vector<std::shared_ptr<T>>& list, std::shared_ptr<T> item, int beforeIndex) {
  const int n = static_cast<int>(list.size());
  if (beforeIndex >= n + 1 || beforeIndex < 1) {
    list.push_back(std::move(item));
    return n + 1;
  }
  list.insert(list.begin() + (beforeIndex - 1), std::move(item));
  return beforeIndex;
}

std::string Removed(std::string text, std::string_view what) {
  ReplaceAllExact(text, what, "");
  return text;
}

std::optional<int> Position(std::string_view digits) {
  int n = 0;
  const auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
  if (digits.empty() || ec != std::errc() || ptr != digits.data() + digits.size()) return std::nullopt;
  return n;
}

bool Full(std::size_t size) { return size >= static_cast<std::size_t>(kMaxFavoritesListLength); }

}  // namespace

Message FavoritesErrorMessage(FavoritesError error) {
  if (error == FavoritesError::ListFull) {
    return {kListFullText, ApplicationTitle(), MessageIcon::Exclamation, MessageButtons::Ok};
  }
  return {kIndexErrorText, ApplicationTitle(), MessageIcon::None, MessageButtons::Ok};
}

std::shared_ptr<CFavorites> CFavorites::Folder(int index) {
  if (index < 1 || index > FolderLen()) return std::make_shared<CFavorites>();
  return folders_[index - 1];
}

std::shared_ptr<CFoldDoc> CFavorites::doc(int index) {
  if (index < 1 || index > DocLen()) return std::make_shared<CFoldDoc>();
  return docs_[index - 1];
}

int CFavorites::AddFolder(const std::string& name, int beforeIndex) {
  auto folder = std::make_shared<CFavorites>();
  folder->FolderName = name;
  return AddFolderEx(std::move(folder), beforeIndex);
}

int CFavorites::AddFolderEx(std::shared_ptr<CFavorites> folder, int beforeIndex) {
  if (Full(folders_.size())) return 0;
  return Insert(folders_, std::move(folder), beforeIndex);
}

int CFavorites::AddDoc(const std::string& name, const std::string& txt, int beforeIndex) {
  if (Full(docs_.size())) return 0;
  return Insert(docs_, std::make_shared<CFoldDoc>(CFoldDoc{name, txt}), beforeIndex);
}

FavoritesError CFavorites::DeleteDoc(int index) {
  if (index < 1 || index > DocLen()) return FavoritesError::BadIndex;
  docs_.erase(docs_.begin() + (index - 1));
  return FavoritesError::None;
}

FavoritesError CFavorites::DeleteFolder(int index) {
  if (index < 1 || index > FolderLen()) return FavoritesError::BadIndex;
  folders_.erase(folders_.begin() + (index - 1));
  return FavoritesError::None;
}

// `path` is what remains of a key after its "f_"/"d_" markers are removed: positions joined by "_".
CFavorites* CFavorites::FolderAt(const std::string& path, CFavorites*& parFolder, int& fnum) {
  CFavorites* folder = this;
  std::size_t start = 0;
  while (true) {
    const auto underscore = path.find('_', start);
    const auto head = Position(std::string_view(path).substr(start, underscore == std::string::npos
                                                                       ? std::string::npos
                                                                       : underscore - start));
    if (!head || *head < 1 || *head > folder->FolderLen()) return nullptr;
    CFavorites* child = folder->folders_[*head - 1].get();
    if (underscore == std::string::npos) {
      parFolder = folder;
      fnum = *head;
      return child;
    }
    folder = child;
    start = underscore + 1;
  }
}

CFavorites* CFavorites::GetFolderFromKey(const std::string& key, CFavorites*& parFolder, int& fnum) {
  const std::string s = Removed(key, "f_");
  if (s == "f") {
    parFolder = this;
    fnum = 0;
    return this;
  }
  return FolderAt(s, parFolder, fnum);
}

CFoldDoc* CFavorites::GetDocFromKey(const std::string& key, CFavorites*& parFolder, int& dnum) {
  const std::string s = Removed(key, "d_");
  const auto last = s.rfind('_');
  CFavorites* folder = this;
  if (last != std::string::npos) {
    CFavorites* parent = nullptr;
    int position = 0;
    folder = FolderAt(s.substr(0, last), parent, position);
    if (!folder) return nullptr;
  }
  const auto n = Position(last == std::string::npos ? s : s.substr(last + 1));
  if (!n || *n < 1 || *n > folder->DocLen()) return nullptr;
  parFolder = folder;
  dnum = *n;
  return folder->docs_[*n - 1].get();
}

float CFavorites::GetDocFragLastNum(const CFavorites& fold, const std::string& name) {
  // The highest number anywhere in the subtree: the order of the walk does not matter.
  float result = 0;
  std::vector<const CFavorites*> pending{&fold};
  while (!pending.empty()) {
    const CFavorites* folder = pending.back();
    pending.pop_back();
    for (const auto& sub : folder->folders_) pending.push_back(sub.get());
    for (const auto& d : folder->docs_) {
      if (d->name.find(name) == std::string::npos) continue;
      std::string t = ReplaceAllIgnoreCase(d->name, name, "");
      const auto first = t.find_first_not_of(' ');
      t = first == std::string::npos ? std::string() : t.substr(first, t.find_last_not_of(' ') - first + 1);
      if (const auto v = ParseRoundedInt32(t); v && static_cast<float>(*v) > result) result = static_cast<float>(*v);
    }
  }
  return result;
}

bool CFavorites::Contains(const CFavorites* folder) const {
  std::vector<const CFavorites*> pending{this};
  while (!pending.empty()) {
    const CFavorites* f = pending.back();
    pending.pop_back();
    if (f == folder) return true;
    for (const auto& sub : f->folders_) pending.push_back(sub.get());
  }
  return false;
}

int CFavorites::Height() const {
  int height = 0;
  std::vector<std::pair<const CFavorites*, int>> pending{{this, 0}};
  while (!pending.empty()) {
    const auto [f, level] = pending.back();
    pending.pop_back();
    height = std::max(height, level);
    for (const auto& sub : f->folders_) pending.emplace_back(sub.get(), level + 1);
  }
  return height;
}

// A folder that only this tree holds hands its sub-folders to the list before it goes, so each
// folder is destroyed already empty. One still held elsewhere (a folder being moved) keeps its own.
CFavorites::~CFavorites() {
  std::vector<std::shared_ptr<CFavorites>> pending = std::move(folders_);
  while (!pending.empty()) {
    std::shared_ptr<CFavorites> folder = std::move(pending.back());
    pending.pop_back();
    if (folder.use_count() != 1) continue;
    for (auto& sub : folder->folders_) pending.push_back(std::move(sub));
    folder->folders_.clear();
  }
}

}  // namespace orvelis
