#include "ground/ui_text.h"

#include <vector>

namespace orvelis {
namespace {

TextTranslator installed = nullptr;

}  // namespace

void SetTextTranslator(TextTranslator translator) { installed = translator; }

std::string Tr(const char* original) { return installed ? installed(original) : std::string(original); }

std::string Tr(const char* original, std::initializer_list<std::string_view> parts) {
  const std::string text = Tr(original);
  const std::vector<std::string_view> list(parts);
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
      const size_t index = static_cast<size_t>(text[i + 1] - '1');
      if (index < list.size()) {
        out += list[index];
        ++i;
        continue;
      }
    }
    out += text[i];
  }
  return out;
}

}  // namespace orvelis
