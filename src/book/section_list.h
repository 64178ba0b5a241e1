#pragma once
// A Paper's section list: lines separated by CR LF, each "number|title|page"; the title may hold
// further lines after "<br>". Lines without exactly three fields are not sections.

#include <string>
#include <string_view>
#include <vector>

namespace orvelis {

struct Section {
  std::string number;                   // any text, shown unchanged
  std::string title;                    // text before the first "<br>"
  std::vector<std::string> furtherLines;  // text after it, split at every further "<br>"
  std::string page;                     // decimal digits, used as text
};

std::vector<Section> ParseSectionList(std::string_view list);

}  // namespace orvelis
