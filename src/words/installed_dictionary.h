#pragma once
// Where the English-Russian dictionary lives when the system's package for it is installed
// (Debian's dict-freedict-eng-rus), and what to tell the reader when it is not.

#include <filesystem>
#include <string>

namespace orvelis {

inline constexpr const char* kDictdFolder = "/usr/share/dictd";
inline constexpr const char* kEnglishRussianPackage = "dict-freedict-eng-rus";

struct InstalledDictionary {
  std::filesystem::path index;
  std::filesystem::path data;
  bool present = false;        // both files are there
  std::string missingMessage;  // when not present: which file is missing and how to install it
};

// The package's index and definitions in `folder`. The definitions are looked for compressed
// (".dict.dz", as the package ships them) and then plain (".dict", as someone may have unpacked
// them); when neither is there, the compressed name is given.
InstalledDictionary FindEnglishRussianDictionary(const std::filesystem::path& folder = kDictdFolder);

}  // namespace orvelis
