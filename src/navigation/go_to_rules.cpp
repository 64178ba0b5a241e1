#include "navigation/go_to_rules.h"

#include <algorithm>
#include <cmath>

#include "ground/utf8.h"
#include "book/book_key.h"
#include "ground/numeric_text.h"
#include "ports/setting_names.h"
#include "ports/settings_store.h"

namespace orvelis {

GoToResult GoToTarget(const std::string& text, bool paper) {
  const auto value = ParseNumericText(text);
  if (!value) return {{}, kNotANumberText};
  const double n = std::nearbyint(*value);
  const int limit = paper ? 196 : 2097;
  if (n <= 0 || n > limit) return {{}, paper ? kPaperRangeText : kPageRangeText};
  return {FormatBookKey({paper ? BookKeyKind::Paper : BookKeyKind::Page, static_cast<int>(n)}), {}};
}

int ReadGoToKind(const SettingsStore& settings) {
  const auto kind = ParseRoundedInt16(settings.Read(setting::kGoToKind));
  return kind == 1 ? 1 : 0;
}

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
