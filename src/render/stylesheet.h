#pragma once
// The one generated style element (StyleSheetHtml) inserted into every document the program
// writes, built from the screen and print templates and the user's font settings.

#include <cstdint>
#include <string>

namespace orvelis {

class SettingsStore;

inline constexpr int kFontSizeStepMin = -3;
inline constexpr int kFontSizeStepMax = 5;
inline constexpr std::uint32_t kDefaultFontColor = 0x666666;  // RGB(102, 102, 102) as 0x00BBGGRR

// The user's font choices: a size step (-3 "50%" .. 5 "200%"), a family and a colour (0x00BBGGRR).
struct FontSettings {
  int sizeStep = 0;
  std::string family = "Verdana";
  std::uint32_t color = kDefaultFontColor;
};

// "fsize", "ffam" and "fcol" as stored: a numeric size is rounded and clamped however large,
// anything else (and every missing value) is the default.
FontSettings ReadFontSettings(const SettingsStore& settings);

class Stylesheet {
 public:
  // `picPath` is the user data folder with its trailing separator.
  explicit Stylesheet(std::string picPath);

  // Takes the font settings (the size step clamped) and rebuilds the style element.
  void Apply(FontSettings font);

  const FontSettings& Font() const { return font_; }
  int FontSizeStep() const { return font_.sizeStep; }
  const std::string& FontFamily() const { return font_.family; }
  std::uint32_t FontColor() const { return font_.color; }
  // The item of the size menus ("50%" .. "200%", 0..8) that shows the current step.
  int SizeMenuIndex() const { return font_.sizeStep - kFontSizeStepMin; }

  // The whole style element inserted into documents, and its content alone (screen and print
  // rules) for restyling a document that already has the element.
  const std::string& StyleSheetHtml() const { return html_; }
  const std::string& StyleRules() const { return rules_; }
  const std::string& PicPath() const { return picPath_; }

 private:
  std::string picPath_;
  FontSettings font_;
  std::string rules_;
  std::string html_;
};

// A font family as a CSS font-family entry: as it is when that is valid, quoted otherwise.
std::string CssFontFamily(const std::string& family);

// 0x00BBGGRR -> "RRGGBB" (upper-case hexadecimal, low 24 bits).
std::string ColorText(std::uint32_t color);

std::string_view ScreenStylesheetTemplate();
std::string_view PrintStylesheetTemplate();

}  // namespace orvelis
