#include "render/parallel_export.h"

#include <algorithm>

#include "book/book_key.h"
#include "book/book_store.h"
#include "book/book_tables.h"
#include "ground/app_info.h"
#include "ground/cp1251.h"
#include "ground/regex_engine.h"
#include "render/page_composer.h"
#include "render/stylesheet.h"

namespace orvelis {
namespace {

Language OtherThan(Language lang) { return lang == kEnglish ? kRussian : kEnglish; }

// Two cells as wide as the parallel page's columns, so headings stand above their language.
std::string TwoColumns(const std::string& left, const std::string& right) {
  return "<table width=\"100%\" cellpadding=\"6\" cellspacing=\"0\" border=\"0\"><tr><td width=\"50%\" "
         "valign=\"top\" align=\"center\">" +
         left + "</td><td width=\"50%\" valign=\"top\" align=\"center\">" + right + "</td></tr></table>";
}

int FirstPaperOfPart(int part) { return part < 1 ? 0 : FillBookTables().LastPaperOfPart[part - 1] + 1; }

}  // namespace

std::string ParallelExport::FileBytes() const { return EncodeCp1251(html, Unmappable::NumericReference); }

ParallelExporter::ParallelExporter(PageComposer& composer, BookStore& book, RegexEngine& regex)
    : composer_(composer), book_(book), regex_(regex) {}

std::optional<int> ParallelExporter::ShownPage(const std::string& shownKey) {
  const KeyTarget target = ParseKey(shownKey);
  switch (target.kind) {
    case KeyTarget::Page: return target.number;
    case KeyTarget::Paper:
    case KeyTarget::Part: return JumpPageOf(target);
    default: return std::nullopt;
  }
}

std::string ParallelExporter::PaperHeading(int paper) const {
  const auto heading = [&](Language lang) {
    std::string html;
    // The Foreword has no number line, as in its header bar.
    if (paper > 0) html = "<font class=\"doc_num_tit\">" + std::string(PaperWord(lang)) + " " + std::to_string(paper) + "</font><br>";
    return html + "<font class=\"doc_tit\">" + book_.GetPaperTitle(paper, lang) + "</font>";
  };
  const Language shown = book_.CurrentLanguage();
  return TwoColumns(heading(shown), heading(OtherThan(shown)));
}

std::string ParallelExporter::PartHeading(int part) const {
  const auto heading = [&](Language lang) {
    std::string html;
    if (part > 0) html = "<font class=\"part\">" + std::string(PartWord(lang)) + " " + RomanNumber(part) + "</font><br>";
    return html + "<font class=\"part\">" + book_.GetPartName(part, lang) + "</font>";
  };
  const Language shown = book_.CurrentLanguage();
  return TwoColumns(heading(shown), heading(OtherThan(shown)));
}

std::string ParallelExporter::PageRows(int page) {
  const Language shown = book_.CurrentLanguage();
  const auto label = [page](Language lang) { return "<i>" + std::string(PageWord(lang)) + " " + std::to_string(page) + "</i>"; };
  std::string body = composer_.ParallelBody(page, "", -1);
  // The anchors serve the window's links and scrolling; pages of one Paper repeat their names.
  regex_.SetPattern("<a name=\"[po][^\"]*\"></a>");
  return TwoColumns(label(shown), label(OtherThan(shown))) + regex_.ReplaceAll(body, "");
}

std::string ParallelExporter::Document(const std::string& title, const std::string& body) const {
  // The encoding first, so a browser knows it before any text.
  return "<!DOCTYPE html>\r\n<html>\r\n<head>\r\n<META HTTP-EQUIV=\"Content-Type\" "
         "CONTENT=\"text/html;CHARSET=Windows-1251\">\r\n<title>" +
         title + "</title>\r\n" +
         composer_.Styles().StyleSheetHtml() +
         "\r\n</head>\r\n<body>\r\n<table width=\"100%\" cellpadding=\"10\" cellspacing=\"0\" border=\"0\"><tr><td "
         "width=\"100%\">" +
         body + "</td></tr></table>\r\n</body>\r\n</html>\r\n";
}

std::optional<ParallelExport> ParallelExporter::Compose(const std::string& key) {
  const auto parsed = ParseBookKey(key);
  if (!parsed) return std::nullopt;
  const Language shown = book_.CurrentLanguage();
  (void)book_.LoadPageTexts(kEnglish);  // a damaged language gives empty cells; opening reports damage
  (void)book_.LoadPageTexts(kRussian);
  const BookTables& tables = FillBookTables();
  const auto pages = [&](int first, int last) {
    std::string rows;
    for (int page = first; page <= last; ++page) rows += PageRows(page);
    return rows;
  };
  std::string label;
  std::string body;
  switch (parsed->kind) {
    case BookKeyKind::Page:
      label = std::string(PageWord(shown)) + " " + std::to_string(parsed->number);
      body = PaperHeading(PaperOfPage(parsed->number)) + PageRows(parsed->number);
      break;
    case BookKeyKind::Paper: {
      const int paper = std::max(parsed->number, 0);
      label = std::string(PaperWord(shown)) + " " + std::to_string(paper);
      body = PaperHeading(paper) + pages(PaperJumpPage(paper), tables.LastPage[paper]);
      break;
    }
    case BookKeyKind::Part: {
      const int part = std::max(parsed->number, 0);
      label = part > 0 ? std::string(PartWord(shown)) + " " + RomanNumber(part) : std::string(PaperWord(shown)) + " 0";
      // The Part's own opening pages come under its heading, before its first Paper's.
      const int firstPaper = FirstPaperOfPart(part);
      body = PartHeading(part) + pages(PaperJumpPage(firstPaper), tables.FirstPage[firstPaper] - 1);
      for (int paper = firstPaper; paper <= tables.LastPaperOfPart[part]; ++paper) {
        body += PaperHeading(paper) + pages(tables.FirstPage[paper], tables.LastPage[paper]);
      }
      break;
    }
    default: return std::nullopt;
  }
  ParallelExport result;
  result.title = std::string(shown == kEnglish ? "The ORVELIS Book v " : "Книга Орвелис v ") +
                 std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) + " - " + label;
  result.html = Document(result.title, body);
  return result;
}

}  // namespace orvelis
