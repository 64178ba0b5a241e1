#pragma once
// What the font menus offer: the installed families by the names the pages can use, and the
// size steps of the size menu's items.

#include <string>
#include <vector>

namespace orvelis {

// The installed families for the font menus: ascending, case-insensitive, each name once, by the
// name a browser understands (a font database tags a family installed by several foundries
// "Nimbus Sans [urw]"; the tag is dropped).
std::vector<std::string> SortedFontFamilies(const std::vector<std::string>& families);
std::string WithoutFoundry(const std::string& family);

// Size menu item 0..8 ("50%".."200%") -> size step -3..5.
int SizeStepOfMenuItem(int index);

}  // namespace orvelis
