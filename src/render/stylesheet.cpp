#include "render/stylesheet.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <string_view>
#include <cstdio>

#include "ground/text_replace.h"
#include "ground/numeric_text.h"
#include "ports/setting_names.h"
#include "ports/settings_store.h"

namespace orvelis {
namespace {

struct SizeRow {
  const char* placeholder;
  std::array<int, 9> pixels;  // columns 50% .. 200%
};

constexpr std::array<SizeRow, 13> kSizes = {{
    {"{fs_body}", {10, 11, 12, 14, 16, 18, 20, 24, 28}},
    {"{fs_td}", {10, 11, 12, 14, 16, 18, 20, 24, 28}},
    {"{fs_a}", {10, 11, 13, 14, 16, 18, 20, 24, 28}},
    {"{fs_doc_tit}", {13, 14, 16, 18, 20, 22, 26, 30, 36}},
    {"{fs_part}", {16, 18, 20, 22, 24, 28, 32, 36, 42}},
    {"{fs_dnum}", {12, 13, 14, 16, 18, 20, 24, 28, 32}},
    {"{fs_dname}", {14, 16, 18, 20, 22, 26, 30, 34, 40}},
    {"{fs_sdname}", {12, 13, 14, 16, 18, 20, 24, 28, 32}},
    {"{fs_bpnum1}", {13, 14, 16, 18, 20, 22, 26, 30, 36}},
    {"{fs_bpname1}", {14, 16, 18, 20, 22, 26, 30, 34, 40}},
    {"{fs_bpnum2}", {13, 14, 16, 18, 20, 22, 26, 30, 36}},
    {"{fs_bpname2}", {14, 16, 18, 20, 22, 26, 30, 34, 40}},
    {"{fs_sres}", {8, 9, 10, 11, 12, 14, 18, 20, 22}},
}};

}  // namespace

// A family whose words are all CSS identifiers goes in as it is (so "Verdana" and "DejaVu Sans"
// keep the stylesheet's bytes); anything else, such as "3270 Narrow" or a settings value holding
// ";}", is quoted, so it can never end the declaration or break the list.
std::string CssFontFamily(const std::string& family) {
  const auto identifierWord = [](std::string_view word) {
    if (word.empty() || (word[0] >= '0' && word[0] <= '9') || word[0] == '-') return false;
    for (const char c : word) {
      const auto u = static_cast<unsigned char>(c);
      if (!(u >= 0x80 || std::isalnum(u) || c == '-' || c == '_')) return false;
    }
    return true;
  };
  bool plain = !family.empty();
  std::size_t start = 0;
  while (plain && start <= family.size()) {
    const std::size_t blank = std::min(family.find(' ', start), family.size());
    plain = identifierWord(std::string_view(family).substr(start, blank - start));
    start = blank + 1;
  }
  if (plain) return family;
  std::string quoted = "\"";
  for (const char c : family) {
    if (c == '"' || c == '\\') quoted += '\\';
    if (c == '\n' || c == '\r' || c == '<' || c == '>') continue;  // never a line end or a tag in a style
    quoted += c;
  }
  return quoted + "\"";
}

std::string ColorText(std::uint32_t color) {
  char hex[16];
  std::snprintf(hex, sizeof hex, "%06X", static_cast<unsigned>(color & 0xFFFFFF));
  const std::string bgr(hex);
  return bgr.substr(4, 2) + bgr.substr(2, 2) + bgr.substr(0, 2);
}

FontSettings ReadFontSettings(const SettingsStore& settings) {
  FontSettings font;
  if (const auto size = ParseNumericText(settings.Read(setting::kFontSize))) {
    font.sizeStep = static_cast<int>(
        std::clamp(std::nearbyint(*size), double{kFontSizeStepMin}, double{kFontSizeStepMax}));
  }
  if (std::string family = settings.Read(setting::kFontFamily); !family.empty()) font.family = std::move(family);
  const std::string colorValue = settings.Read(setting::kFontColor);
  if (const auto color = ParseRoundedInt32(colorValue); color && !colorValue.empty()) {
    font.color = static_cast<std::uint32_t>(*color);
  }
  return font;
}

Stylesheet::Stylesheet(std::string picPath) : picPath_(std::move(picPath)) { Apply(font_); }

void Stylesheet::Apply(FontSettings font) {
  font.sizeStep = std::clamp(font.sizeStep, kFontSizeStepMin, kFontSizeStepMax);
  font_ = std::move(font);
  std::string screen(ScreenStylesheetTemplate());
  ReplaceAllExact(screen, "{pic_path}", picPath_);
  const int column = SizeMenuIndex();
  for (const SizeRow& row : kSizes) ReplaceAllExact(screen, row.placeholder, std::to_string(row.pixels[column]));
  ReplaceAllExact(screen, "{f_family}", CssFontFamily(font_.family));
  ReplaceAllExact(screen, "{f_color}", ColorText(font_.color));
  rules_ = screen + "\r\n@media print{\r\n" + std::string(PrintStylesheetTemplate()) + "\r\n}";
  html_ = "<style>" + rules_ + "</style>";
}

}  // namespace orvelis
