#include "tool/word_commands.h"

#include <cstdio>
#include <iostream>

#include "book/book_store.h"
#include "tool/book_commands.h"
#include "tool/tool_paths.h"
#include "words/glossary.h"

namespace orvelis::tool {

// One candidate per line, best first: the word (its most frequent form), the Dice score and the
// number of aligned paragraph pairs holding both, separated by tabs; then a blank line and each
// candidate's examples, one per line: the word, "page N" and the paragraph marker.
int RunGlossary(const ToolArgs& args) {
  const char* usage = "glossary WORD [--lang ru|en]";
  if (args.positional().size() != 2) return Usage(usage);
  const std::string lang = args.Option("lang").value_or("ru");
  if (lang != "en" && lang != "ru") return Usage(usage);
  BookStore store;
  const std::filesystem::path path = args.Option("book").value_or(DefaultBookPath().string());
  for (BookResult r : {store.OpenBook(path), store.LoadPageTexts(kEnglish), store.LoadPageTexts(kRussian)}) {
    if (!r) {
      std::cerr << r.Text() << "\n" << r.detail << "\n";
      return kExitFailure;
    }
  }
  const Glossary glossary(store);
  const auto candidates = glossary.Lookup(args.positional()[1], lang == "en" ? kEnglish : kRussian);
  for (const GlossaryCandidate& candidate : candidates) {
    char score[32];
    std::snprintf(score, sizeof score, "%.3f", candidate.score);
    std::cout << candidate.word << "\t" << score << "\t" << candidate.count << "\n";
  }
  std::cout << "\n";
  for (const GlossaryCandidate& candidate : candidates) {
    for (const AlignedParagraph& example : candidate.examples) {
      std::cout << candidate.word << "\tpage " << example.page << "\t" << example.marker << "\n";
    }
  }
  return kExitOk;
}

}  // namespace orvelis::tool
