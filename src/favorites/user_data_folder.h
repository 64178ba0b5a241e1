#pragma once
// The per-user folder "OrvelisBook" under the platform's application-data folder: it holds the
// favourites file and the images the pages refer to.

#include <filesystem>
#include <string>

namespace orvelis {

// $XDG_DATA_HOME/OrvelisBook (default ~/.local/share/OrvelisBook) on Linux, %APPDATA%\OrvelisBook
// on Windows. Not created here.
std::filesystem::path DefaultUserDataFolder();

// The folder as text with its trailing separator, as pages and the stylesheet use it.
std::string FolderWithSeparator(const std::filesystem::path& folder);

}  // namespace orvelis
