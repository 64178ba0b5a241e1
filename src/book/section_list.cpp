#include "book/section_list.h"

namespace orvelis {
namespace {

std::vector<std::string_view> Split(std::string_view text, std::string_view separator) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  for (std::size_t at; (at = text.find(separator, start)) != std::string_view::npos; start = at + separator.size()) {
    parts.push_back(text.substr(start, at - start));
  }
  parts.push_back(text.substr(start));
  return parts;
}

}  // namespace

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
