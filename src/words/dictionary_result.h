#pragma once
// Outcomes of reading an installed dictionary. A dictionary is an aid beside the book: whatever is
// wrong with its files ends in a message for the reader, never in a failure of the program.

#include <filesystem>
#include <string>
#include <vector>

#include "ground/ui_text.h"

namespace orvelis {

struct DictionaryResult {
  bool ok = true;
  std::string message;  // the whole text to show when !ok
  explicit operator bool() const { return ok; }
};

// The definitions of one headword, in the order of the index. When an entry cannot be read, the
// ones that could are kept and `error` says what went wrong; an absent word is no error.
struct DictionaryLookup {
  std::vector<std::string> definitions;
  std::string error;
  bool ok() const { return error.empty(); }
};

inline DictionaryResult MissingDictionaryFile(const std::filesystem::path& path) {
  return {false, Tr(ORVELIS_TR_NOOP("Core", "Не удалось открыть словарь: нет файла %1"), {path.string()})};
}

inline DictionaryResult UnreadableDictionaryFile(const std::filesystem::path& path) {
  return {false, Tr(ORVELIS_TR_NOOP("Core", "Не удалось прочитать файл словаря %1"), {path.string()})};
}

inline DictionaryResult DamagedDictionaryFile(const std::filesystem::path& path, const std::string& reason) {
  return {false, Tr(ORVELIS_TR_NOOP("Core", "Файл словаря %1 поврежден: %2"), {path.string(), Tr(reason.c_str())})};
}

}  // namespace orvelis
