#include "ports/settings_store.h"

#include <sstream>

namespace orvelis {

MemorySettingsStore ParseSettingsText(const std::string& text) {
  MemorySettingsStore store;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#' || line[0] == ';' || line[0] == '[') continue;
    const auto eq = line.find('=');
    if (eq == std::string::npos) continue;
    store.Write(line.substr(0, eq), line.substr(eq + 1));
  }
  return store;
}

}  // namespace orvelis
