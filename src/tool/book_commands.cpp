#include "tool/book_commands.h"

#include <filesystem>
#include <iostream>

#include "book/book_content.h"
#include "book/book_source_dir.h"
#include "book/book_store.h"
#include "book/book_writer.h"
#include "book/section_list.h"
#include "tool/sample/sample_book.h"
#include "tool/tool_paths.h"
#include "tool/tool_usage.h"

namespace orvelis::tool {
namespace {

// Opens the book named by --book (default: book.dat beside the tool); reports damage on stderr.
bool OpenStore(const ToolArgs& args, BookStore& store) {
  const std::filesystem::path path = args.Option("book").value_or(DefaultBookPath().string());
  if (BookResult r = store.OpenBook(path); !r) {
    std::cerr << r.Text() << "\n" << r.detail << "\n";
    return false;
  }
  for (BookResult r : {store.LoadPartRecords(), store.LoadPaperRecords()}) {
    if (!r) {
      std::cerr << r.Text() << "\n" << r.detail << "\n";
      return false;
    }
  }
  return true;
}

std::optional<Language> LanguageOption(const ToolArgs& args) {
  const std::string lang = args.Option("lang").value_or("ru");
  if (lang == "en") return kEnglish;
  if (lang == "ru") return kRussian;
  return std::nullopt;
}

// Parses "COMMAND N --lang en|ru" for the one-number commands.
bool NumberAndLanguage(const ToolArgs& args, long long lo, long long hi, int& number, Language& lang) {
  if (args.positional().size() != 2) return false;
  const auto n = ParseInteger(args.positional()[1], lo, hi);
  const auto l = LanguageOption(args);
  if (!n || !l) return false;
  number = static_cast<int>(*n);
  lang = *l;
  return true;
}

}  // namespace

int Usage(const std::string& why) {
  if (!why.empty()) std::cerr << "orvelis-tool: " << why << "\n";
  std::cerr << FullUsage();
  return kExitUsage;
}

int RunInfo(const ToolArgs& args) {
  if (args.positional().size() != 1) return Usage("info takes no arguments");
  BookStore store;
  if (!OpenStore(args, store)) return kExitFailure;
  const BookHeader& h = store.Header();
  std::cout << "text version: " << h.TextVersionMajor << "." << h.TextVersionMinor << "\n"
            << "file length: " << store.FileSize() << "\n"
            << "parts: " << kPartCount << "\npapers: " << kPaperCount << "\n";
  for (Language lang : {kEnglish, kRussian}) {
    if (BookResult r = store.LoadPageTexts(lang); !r) {
      std::cerr << r.Text() << "\n" << r.detail << "\n";
      return kExitFailure;
    }
    std::size_t bytes = 0;
    const std::int32_t start = lang == kEnglish ? h.EnglishTextPos : h.RussianTextPos;
    bytes = static_cast<std::size_t>(store.Extents().pagesEnd[lang] - (start - 1));
    std::cout << (lang == kEnglish ? "english" : "russian") << " pages: " << kPageCount << ", " << bytes
              << " bytes\n";
  }
  return kExitOk;
}

int RunPage(const ToolArgs& args) {
  int page = 0;
  Language lang = kRussian;
  if (!NumberAndLanguage(args, 1, kPageCount, page, lang)) return Usage("page N [--lang en|ru], N from 1 to 2097");
  BookStore store;
  if (!OpenStore(args, store)) return kExitFailure;
  if (BookResult r = store.LoadPageTexts(lang); !r) {
    std::cerr << r.Text() << "\n" << r.detail << "\n";
    return kExitFailure;
  }
  std::cout << store.GetPageText(page, lang);
  return kExitOk;
}

int RunPaper(const ToolArgs& args) {
  int paper = 0;
  Language lang = kRussian;
  if (!NumberAndLanguage(args, 0, kPaperCount - 1, paper, lang)) {
    return Usage("paper N [--lang en|ru], N from 0 to 196");
  }
  BookStore store;
  if (!OpenStore(args, store)) return kExitFailure;
  std::cout << store.GetPaperTitle(paper, lang) << "\n" << store.GetPaperAuthor(paper, lang) << "\n";
  for (const Section& s : ParseSectionList(store.GetPaperSections(paper, lang))) {
    std::cout << s.number << " | " << s.title;
    for (const std::string& line : s.furtherLines) std::cout << " / " << line;
    std::cout << " | " << s.page << "\n";
  }
  return kExitOk;
}

int RunPart(const ToolArgs& args) {
  int part = 0;
  Language lang = kRussian;
  if (!NumberAndLanguage(args, 0, kPartCount - 1, part, lang)) return Usage("part N [--lang en|ru], N from 0 to 4");
  BookStore store;
  if (!OpenStore(args, store)) return kExitFailure;
  std::cout << store.GetPartName(part, lang) << "\n" << store.GetPartNote(part, lang) << "\n";
  return kExitOk;
}

int RunExport(const ToolArgs& args) {
  if (args.positional().size() != 2) return Usage("export DIR");
  BookStore store;
  if (!OpenStore(args, store)) return kExitFailure;
  BookContent content;
  if (BookContentResult r = ReadBookContent(store, content); !r.ok) {
    std::cerr << kDamagedBookText << "\n" << r.error << "\n";
    return kExitFailure;
  }
  if (SourceDirResult r = ExportBookSource(content, args.positional()[1]); !r.ok) {
    std::cerr << "orvelis-tool: " << r.error << "\n";
    return kExitFailure;
  }
  return kExitOk;
}

namespace {

int WriteBookFile(const BookContent& content, const std::string& out) {
  WriteBookResult book = WriteBook(content);
  if (!book.ok) {
    std::cerr << "orvelis-tool: " << book.error << "\n";
    return kExitFailure;
  }
  std::string error;
  if (!WriteFileAtomically(out, book.bytes, error)) {
    std::cerr << "orvelis-tool: " << error << "\n";
    return kExitFailure;
  }
  return kExitOk;
}

}  // namespace

int RunBuild(const ToolArgs& args) {
  if (args.positional().size() != 3) return Usage("build DIR OUT");
  BookContent content;
  if (SourceDirResult r = ImportBookSource(args.positional()[1], content); !r.ok) {
    std::cerr << "orvelis-tool: " << r.error << "\n";
    return kExitFailure;
  }
  return WriteBookFile(content, args.positional()[2]);
}

int RunMakeSampleBook(const ToolArgs& args) {
  if (args.positional().size() != 2) return Usage("make-sample-book OUT [--seed N]");
  std::uint64_t seed = sample::kDefaultSeed;
  if (auto text = args.Option("seed")) {
    const auto n = ParseInteger(*text, 0, 1LL << 62);
    if (!n) return Usage("--seed takes a whole number");
    seed = static_cast<std::uint64_t>(*n);
  }
  return WriteBookFile(sample::MakeSampleBook(seed), args.positional()[1]);
}

}  // namespace orvelis::tool
