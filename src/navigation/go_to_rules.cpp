#include "navigation/go_to_rules.h"

#include <algorithm>
#include <cmath>

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

}  // namespace orvelis
