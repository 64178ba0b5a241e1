// Any bytes as a favourites file: they load without crashing or reading out of bounds, what loaded
// can always be saved again, and the saved bytes read back to the same collection.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "favorites/favorites_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  orvelis::CFavorites root;
  std::size_t pos = 0;
  while (pos < bytes.size()) orvelis::ReadFolderRecords(bytes, pos, root);
  std::string written;
  if (!orvelis::SerializeFavorites(root, written).ok) std::abort();
  orvelis::CFavorites again;
  pos = 0;
  while (pos < written.size()) orvelis::ReadFolderRecords(written, pos, again);
  std::string rewritten;
  orvelis::SerializeFavorites(again, rewritten);
  if (rewritten != written) std::abort();
  return 0;
}
