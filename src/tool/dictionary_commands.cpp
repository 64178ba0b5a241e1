#include "tool/dictionary_commands.h"

#include <iostream>

#include "tool/book_commands.h"
#include "words/dictd_dictionary.h"
#include "words/installed_dictionary.h"

namespace orvelis::tool {
namespace {

const char* kDictUsage = "dict WORD [--index FILE --data FILE]";

void PrintDefinitions(const std::vector<std::string>& definitions) {
  for (std::size_t i = 0; i < definitions.size(); ++i) {
    if (i > 0) std::cout << "\n";
    std::cout << definitions[i];
    if (definitions[i].empty() || definitions[i].back() != '\n') std::cout << "\n";
  }
}

}  // namespace

int RunDict(const ToolArgs& args) {
  const auto index = args.Option("index");
  const auto data = args.Option("data");
  if (args.positional().size() != 2 || index.has_value() != data.has_value()) return Usage(kDictUsage);
  InstalledDictionary files{index.value_or(""), data.value_or(""), true, ""};
  if (!index) files = FindEnglishRussianDictionary();
  if (!files.present) {
    std::cerr << files.missingMessage << "\n";
    return kExitFailure;
  }
  DictdDictionary dictionary;
  if (DictionaryResult r = dictionary.Open(files.index, files.data); !r) {
    std::cerr << r.message << "\n";
    return kExitFailure;
  }
  const std::string& word = args.positional()[1];
  const DictionaryLookup lookup = dictionary.Lookup(word);
  PrintDefinitions(lookup.definitions);
  if (!lookup.ok()) {
    std::cerr << lookup.error << "\n";
    return kExitFailure;
  }
  if (lookup.definitions.empty()) std::cerr << "В словаре нет слова «" << word << "»\n";
  return kExitOk;
}

}  // namespace orvelis::tool
