#pragma once
// Where the book file is looked for: the file named on the command line alone, else book.dat
// beside the program (a build tree, an unpacked copy), else in the installed data folder.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "ground/ui_text.h"

namespace orvelis {

struct BookLocation {
  std::optional<std::filesystem::path> found;
  std::vector<std::filesystem::path> lookedAt;  // every place tried, in order
};

// `dataFromProgram` is the installed data folder relative to the program's folder.
BookLocation FindBook(const std::optional<std::filesystem::path>& given, const std::filesystem::path& programDir,
                      const std::filesystem::path& dataFromProgram);
// The same with the data folder of this build's install layout (share/orvelis beside bin/).
BookLocation FindBook(const std::optional<std::filesystem::path>& given, const std::filesystem::path& programDir);

// This build's helper programs' folder relative to the program's folder (libexec/orvelis).
std::filesystem::path HelpersFromProgram();

inline constexpr const char* kMissingBookCaption = ORVELIS_TR_NOOP("Core", "Книга не найдена");
// Names every place looked at, one per line.
std::string MissingBookText(const BookLocation& location);

}  // namespace orvelis
