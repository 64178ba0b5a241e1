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

// Port: the two font-size menus, whose checked item follows the size step.
class FontSizeMenus {
 public:
  virtual ~FontSizeMenus() = default;
  // Checks item `index` (0..8, "50%".."200%") of both menus and unchecks the others.
  virtual void CheckFontSizeItem(int index) = 0;
};

class Stylesheet {
 public:
  // `picPath` is the user data folder with its trailing separator.
  Stylesheet(SettingsStore& settings, FontSizeMenus& menus, std::string picPath);

  // Reads "fsize", "ffam" and "fcol" first when asked; then rebuilds StyleSheetHtml.
  void BuildStylesheet(bool readSettings);

  int FontSizeStep() const { return fontSizeStep_; }
  const std::string& FontFamily() const { return fontFamily_; }
  std::uint32_t FontColor() const { return fontColor_; }
  void SetFontSizeStep(int step);
  void SetFontFamily(std::string family) { fontFamily_ = std::move(family); }
  void SetFontColor(std::uint32_t color) { fontColor_ = color; }

  const std::string& StyleSheetHtml() const { return html_; }
  const std::string& PicPath() const { return picPath_; }

 private:
  SettingsStore& settings_;
  FontSizeMenus& menus_;
  std::string picPath_;
  int fontSizeStep_ = 0;
  std::string fontFamily_ = "Verdana";
  std::uint32_t fontColor_ = kDefaultFontColor;
  std::string html_;
};

// A font family as a CSS font-family entry: as it is when that is valid, quoted otherwise.
std::string CssFontFamily(const std::string& family);

// 0x00BBGGRR -> "RRGGBB" (upper-case hexadecimal, low 24 bits).
std::string ColorText(std::uint32_t color);

std::string_view ScreenStylesheetTemplate();
std::string_view PrintStylesheetTemplate();

}  // namespace orvelis
