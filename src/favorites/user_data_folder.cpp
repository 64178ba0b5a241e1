#include "favorites/user_data_folder.h"

#include <cstdlib>

namespace orvelis {

std::filesystem::path DefaultUserDataFolder() {
#ifdef _WIN32
  if (const char* appData = std::getenv("APPDATA"); appData && *appData) {
    return std::filesystem::path(appData) / "OrvelisBook";
  }
  return std::filesystem::path("C:\\") / "OrvelisBook";
#else
  if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) return std::filesystem::path(xdg) / "OrvelisBook";
  const char* home = std::getenv("HOME");
  return std::filesystem::path(home && *home ? home : "/tmp") / ".local" / "share" / "OrvelisBook";
#endif
}

std::string FolderWithSeparator(const std::filesystem::path& folder) {
  std::string text = folder.string();
  const char separator = static_cast<char>(std::filesystem::path::preferred_separator);
  if (text.empty() || (text.back() != '/' && text.back() != separator)) text.push_back(separator);
  return text;
}

}  // namespace orvelis
