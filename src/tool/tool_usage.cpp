#include "tool/tool_usage.h"

#include <array>

#include "ground/app_info.h"

namespace orvelis::tool {
namespace {

struct CommandText {
  const char* name;
  const char* synopsis;  // after "orvelis-tool [--book PATH] "; continuation lines are indented
  const char* about;
};

constexpr const char* kUsageHead = "usage: orvelis-tool [--book PATH] ";

constexpr std::array<CommandText, 17> kCommands = {{
    {"info", "info", "text version, file length, counts of Parts, Papers and pages, bytes per language"},
    {"page", "page N [--lang en|ru]", "the stored text of page N (1-2097)"},
    {"paper", "paper N [--lang en|ru]", "title, author and sections of Paper N (0-196)"},
    {"part", "part N [--lang en|ru]", "name and note of Part N (0-4)"},
    {"export", "export DIR", "the book as editable plain files"},
    {"build", "build DIR OUT", "a book file from such plain files"},
    {"make-sample-book", "make-sample-book OUT [--seed N]", "a deterministic sample book"},
    {"compose",
     "compose KEY [--lang en|ru] [--pane 0|1] [--fixed-headers] [--paragraph N]\n"
     "        [--highlight QUERY] [--user-data DIR] [--strip] [--settings FILE] [--parallel]",
     "the page the reader shows for KEY (page12, doc12, part2, ...)"},
    {"stylesheet", "stylesheet [--settings FILE] [--user-data DIR]", "the reader's stylesheet for those settings"},
    {"export-parallel", "export-parallel KEY OUT [--lang en|ru] [--settings FILE]",
     "a page, Paper or Part (page12, doc12, part2) as a parallel text,\n"
     "HTML or PDF by OUT's ending (.htm, .html, .pdf)"},
    {"search", "search QUERY [--lang en|ru|both] [--scope 0-5] [--in-found PREVIOUS_LIST] [--forms] [--suggest]",
     "the pages that match, \"page|count\" per page"},
    {"results", "results QUERY [same options as search] [--sort rating|page] [--group] [--counterparts]",
     "the results page"},
    {"snippets", "snippets PAGE QUERY [--lang en|ru]", "the snippets of one page"},
    {"export-prepared", "export-prepared DIR [--lang en|ru]", "the text the search matches, one file per page (DIR/N.txt)"},
    {"glossary", "glossary WORD [--lang ru|en]", "the other language's words of its aligned paragraphs"},
    {"favorites",
     "favorites show FILE | add FILE FOLDER_KEY NAME --text-file F | add-folder FILE KEY NAME\n"
     "          | move FILE SRC DST [--answer yes|no|cancel] | delete FILE KEY [--answer yes|no]",
     "shows or changes a favourites file"},
    {"dict", "dict WORD [--index FILE --data FILE]",
     "the word's definitions in the English-Russian dictionary\n"
     "(dict-freedict-eng-rus) or in the dictd files given"},
}};

// Each line of `text` after a newline starts with `indent`.
std::string Indented(const std::string& text, const std::string& indent) {
  std::string out = indent;
  for (const char c : text) {
    out += c;
    if (c == '\n') out += indent;
  }
  return out + "\n";
}

}  // namespace

std::string FullUsage() {
  std::string text = std::string(kUsageHead) + "COMMAND ...\n       orvelis-tool COMMAND --help | --help | --version\n";
  for (const CommandText& command : kCommands) {
    text += Indented(command.synopsis, "  ");
    text += Indented(command.about, "      ");
  }
  return text;
}

std::optional<std::string> CommandUsage(const std::string& name) {
  for (const CommandText& command : kCommands) {
    if (name == command.name) return kUsageHead + Indented(command.synopsis, "") + Indented(command.about, "  ");
  }
  return std::nullopt;
}

std::string ToolVersion() {
  return "orvelis-tool " + std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) + "\n";
}

}  // namespace orvelis::tool
