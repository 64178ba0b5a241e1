// orvelis-tool: the core of the reader from the command line (inspect, export, build and compose
// books), used by people scripting a book and by the end-to-end tests.

#include <filesystem>
#include <functional>
#include <iostream>
#include <map>
#include <set>

#include "tool/book_commands.h"
#include "tool/compose_commands.h"
#include "tool/dictionary_commands.h"
#include "tool/favorites_commands.h"
#include "tool/heap_setup.h"
#include "tool/search_commands.h"
#include "tool/tool_paths.h"
#include "tool/tool_usage.h"
#include "tool/word_commands.h"

using namespace orvelis::tool;

int main(int argc, char** argv) {
  const std::set<std::string> flags = {"fixed-headers", "strip", "parallel", "group", "counterparts", "forms", "suggest", "help",
                                       "version"};
  ToolArgs args(argc, argv, flags);
  if (!args.ok()) return Usage(args.error());
  // A run allocates a few times the book's size: its raw, decoded and prepared text.
  std::error_code unknownSize;
  const std::uintmax_t bookSize =
      std::filesystem::file_size(args.Option("book").value_or(DefaultBookPath().string()), unknownSize);
  UseHugePagesForTheHeap(unknownSize ? 0 : static_cast<std::size_t>(bookSize) * 3);
  if (args.Flag("version")) {
    std::cout << ToolVersion();
    return 0;
  }
  if (args.Flag("help") && args.positional().empty()) {
    std::cout << FullUsage();
    return 0;
  }
  if (args.positional().empty()) return Usage("");
  const std::map<std::string, std::function<int(const ToolArgs&)>> commands = {
      {"info", RunInfo},       {"page", RunPage},   {"paper", RunPaper},
      {"part", RunPart},       {"export", RunExport}, {"build", RunBuild},
      {"make-sample-book", RunMakeSampleBook}, {"compose", RunCompose}, {"stylesheet", RunStylesheet},
      {"search", RunSearchCommand}, {"results", RunResults}, {"snippets", RunSnippets}, {"export-prepared", RunExportPrepared},
      {"favorites", RunFavorites}, {"export-parallel", RunExportParallel}, {"glossary", RunGlossary},
      {"dict", RunDict},
  };
  const auto it = commands.find(args.positional().front());
  if (it == commands.end()) return Usage("unknown command '" + args.positional().front() + "'");
  if (args.Flag("help")) {
    std::cout << CommandUsage(it->first).value_or(FullUsage());
    return 0;
  }
  return it->second(args);
}
