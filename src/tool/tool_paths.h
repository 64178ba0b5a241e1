#pragma once
#include <filesystem>

namespace orvelis::tool {

// The folder of the running executable (falls back to the current folder).
std::filesystem::path ExecutableDir();
// book.dat beside the tool.
inline std::filesystem::path DefaultBookPath() { return ExecutableDir() / "book.dat"; }

}  // namespace orvelis::tool
