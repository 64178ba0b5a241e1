#include "render/font_choices.h"

#include <algorithm>

#include "ground/utf8.h"

namespace orvelis {

std::string WithoutFoundry(const std::string& family) {
  const auto open = family.rfind(" [");
  if (open == std::string::npos || family.back() != ']') return family;
  return family.substr(0, open);
}

std::vector<std::string> SortedFontFamilies(const std::vector<std::string>& families) {
  std::vector<std::string> sorted;
  for (const std::string& tagged : families) {
    const std::string name = WithoutFoundry(tagged);
    if (name.empty()) continue;
    const std::string folded = utf8::ToUpper(name);
    auto it = sorted.begin();
    for (; it != sorted.end(); ++it) {
      const std::string other = utf8::ToUpper(*it);
      if (other == folded) break;
      if (other > folded) {
        sorted.insert(it, name);
        break;
      }
    }
    if (it == sorted.end()) sorted.push_back(name);
  }
  return sorted;
}

int SizeStepOfMenuItem(int index) { return std::clamp(index - 3, -3, 5); }

}  // namespace orvelis
