#include "book/section_list.h"

#include "ground/split.h"

namespace orvelis {

std::vector<Section> ParseSectionList(std::string_view list) {
  std::vector<Section> sections;
  for (std::string_view line : Split(list, "\r\n")) {
    const auto fields = Split(line, "|");
    if (fields.size() != 3) continue;
    Section section;
    section.number = fields[0];
    const auto titleLines = Split(fields[1], "<br>");
    section.title = titleLines.front();
    section.furtherLines.assign(titleLines.begin() + 1, titleLines.end());
    section.page = fields[2];
    sections.push_back(std::move(section));
  }
  return sections;
}

}  // namespace orvelis
