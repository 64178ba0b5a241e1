// Any bytes as a favourites file: they load without crashing or reading out of bounds, the tree
// stays within the file's limits, what loaded can always be saved again, and the saved bytes read
// back completely to the same bytes.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "favorites/favorites_file.h"

namespace {

using namespace orvelis;

void Check(bool condition) {
  if (!condition) std::abort();
}

// Walks the tree with its own stack: no folder deeper than the limit, no list longer than allowed.
void CheckLimits(CFavorites& root) {
  std::vector<std::pair<CFavorites*, int>> pending{{&root, 0}};
  while (!pending.empty()) {
    auto [folder, depth] = pending.back();
    pending.pop_back();
    Check(depth <= kMaxFavoritesDepth);
    Check(folder->FolderLen() <= kMaxFavoritesListLength && folder->DocLen() <= kMaxFavoritesListLength);
    for (int i = 1; i <= folder->FolderLen(); ++i) pending.emplace_back(folder->Folder(i).get(), depth + 1);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  CFavorites root;
  const FavoritesReadReport report = ReadFavoriteRecords(bytes, root);
  CheckLimits(root);

  std::string written;
  Check(SerializeFavorites(root, written).ok);
  // Every record loaded is written back with the same bytes; only records that add nothing go.
  if (report.Complete()) Check(written.size() <= bytes.size());

  CFavorites again;
  Check(ReadFavoriteRecords(written, again).Complete());
  std::string rewritten;
  Check(SerializeFavorites(again, rewritten).ok);
  Check(rewritten == written);
  return 0;
}
