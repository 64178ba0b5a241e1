#include "render/contents_pages.h"

#include <vector>

#include "book/book_store.h"
#include "book/book_tables.h"
#include "ground/split.h"
#include "ground/text_replace.h"

namespace orvelis {
namespace {

constexpr std::string_view kSublineBreak = "<br><font style=\"font-size:4\">&nbsp;</font><br>&nbsp;&nbsp;&nbsp;";


int FirstPaperOfPart(int part) {
  if (part <= 0) return 0;
  return FillBookTables().LastPaperOfPart[part - 1] + 1;
}

std::string PaperLink(int n, const std::string& tooltip, const std::string& label) {
  return "<table cellpadding=\"0\" cellspacing=\"0\" width=\"100%\"><tr><td width=\"98%\" class=\"cont\"><font "
         "class=\"nocont\"><A class=\"doc\" target=\"_self\" title=\"" + tooltip + "\" href=\"@doc" +
         std::to_string(n) + "\">" + label + "</a>&nbsp;</font></td><TD width=\"2%\" class=\"fpage\">" +
         std::to_string(FillBookTables().FirstPage[n]) + "</TD></tr></table>";
}

}  // namespace

std::string SectionRows(std::string_view sectionList) {
  if (sectionList.empty()) return {};
  std::string html;
  for (std::string_view line : Split(sectionList, "\r\n")) {
    const auto fields = Split(line, "|");
    if (fields.size() != 3) continue;
    std::string_view title = fields[1];
    std::string rest;
    if (const std::size_t br = FindIgnoreCase(title, "<br>"); br != std::string_view::npos) {
      rest = ReplaceAllIgnoreCase(title.substr(br + 4), "<br>", kSublineBreak);
      title = title.substr(0, br);
    }
    html += "<TR><td></td><TD class=\"sect\">" + std::string(fields[0]) +
            "</TD><TD><table cellpadding=\"0\" cellspacing=\"0\" width=\"100%\"><tr><td width=\"98%\" "
            "class=\"cont\"><font class=\"nocont\"><A href=\"@page" + std::string(fields[2]) + "\">" +
            std::string(title) + "</a>&nbsp;</font></td><TD class=\"fpage\">" + std::string(fields[2]) +
            "</TD></TR></table>";
    if (!rest.empty()) html += std::string(kSublineBreak.substr(4)) + rest;
    html += "</td></tr>";
  }
  html += "<tr><td>&nbsp;</td></tr>";
  return html;
}

std::string PaperRows(const BookStore& book, int part, bool detailed, Language language) {
  const BookTables& t = FillBookTables();
  if (part < 0 || part >= kPartCount) return {};
  const int first = FirstPaperOfPart(part);
  const int last = t.LastPaperOfPart[part];
  std::string html;
  for (int n = first; n <= last; ++n) {
    const std::string title = book.GetPaperTitle(n, language);
    const std::string word(PaperWord(language));
    const std::string tooltip = n > 0 ? word + " " + std::to_string(n) : title;
    if (detailed) {
      const std::string label = n > 0 ? word + " " + std::to_string(n) + ".&nbsp;&nbsp;" + title : title;
      html += "<TR><TD colspan=\"3\">" + PaperLink(n, tooltip, label) + "</td></tr>" +
              SectionRows(book.GetPaperSections(n, language));
    } else {
      const std::string label = n > 0 ? std::to_string(n) + ". " + title : title;
      html += "<TR><td valign=\"top\">" + PaperLink(n, tooltip, label) + "</td><TD class=\"author\">" +
              book.GetPaperAuthor(n, language) + "</TD></TR>";
    }
  }
  return html;
}

std::string PartContents(const BookStore& book, int pane, int part) {
  const Language language = book.LanguageOfPane(pane);
  std::string html;
  if (part <= 0) {
    html = "<TABLE width=\"100%\" cellpadding=\"0\" cellspacing=\"10\"><TR><td width=\"70%\"></td><TD width=\"20%\" "
           "class=\"author\">Автор</TD>";
  } else {
    html = "<TABLE width=\"100%\" cellpadding=\"0\" cellspacing=\"6\"><TR><TD width=\"2%\"></td><TD "
           "width=\"2%\"></td><td width=\"96%\"></TD>";
  }
  html += "</tr>";
  if (part == 1) html += PaperRows(book, 0, true, language);
  const int from = part > 0 ? part : 0;
  const int to = part > 0 ? part : 4;
  for (int i = from; i <= to && i < kPartCount; ++i) {
    const std::string note = part <= 0 && !book.GetPartNote(i, language).empty()
                                 ? "<br>" + book.GetPartNote(i, language) + "<br>"
                                 : std::string();
    std::string heading = "<font class=\"part\" title=\"" + std::string(ContentsOfPartTitle(language)) +
                          RomanNumber(i) + "\">" + std::string(PartWord(language)) + " " + RomanNumber(i) + ". " +
                          book.GetPartName(i, language) + "</font>";
    if (part <= 0) heading = "<a href=\"@cont" + std::to_string(i) + "\">" + heading + "</a>";
    if (i > 0) html += "<TR><TD colspan=4 align=\"center\"><br>" + heading + "<br>" + note + "<Br></TD></TR>";
    html += PaperRows(book, i, part > 0, language);
  }
  html += "</TABLE>";
  return html;
}

}  // namespace orvelis
