#pragma once
// Shared pieces of the navigation markup.

#include <string>

namespace orvelis {

// An image link: the transparent spacer whose CSS class draws the arrow, swapping to the "_on"
// class under the mouse.
inline std::string NavButton(const std::string& href, const std::string& img, const std::string& cssClass,
                             const std::string& alt) {
  return "<a href=\"" + href + "\" target=\"_self\"><img src=\"" + img + "\" class=\"" + cssClass +
         "\" onmouseover=\"this.className='" + cssClass + "_on';\" onmouseout=\"this.className='" + cssClass +
         "';\" border=\"0\" width=\"20\" alt=\"" + alt + "\" height=\"18\"></a>";
}

}  // namespace orvelis
