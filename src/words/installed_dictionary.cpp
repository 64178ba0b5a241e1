#include "words/installed_dictionary.h"

#include <system_error>

#include "ground/ui_text.h"

namespace orvelis {
namespace {

constexpr const char* kBaseName = "freedict-eng-rus";

bool IsFile(const std::filesystem::path& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(path, ec);
}

std::string MissingMessage(const std::filesystem::path& missing) {
  return Tr(ORVELIS_TR_NOOP("Core",
                            "Англо-русский словарь не установлен: нет файла %1.\nЧтобы установить его, выполните "
                            "команду\nsudo apt install %2"),
            {missing.string(), kEnglishRussianPackage});
}

}  // namespace

InstalledDictionary FindEnglishRussianDictionary(const std::filesystem::path& folder) {
  InstalledDictionary found;
  found.index = folder / (std::string(kBaseName) + ".index");
  found.data = folder / (std::string(kBaseName) + ".dict.dz");
  if (const auto plain = folder / (std::string(kBaseName) + ".dict"); !IsFile(found.data) && IsFile(plain)) {
    found.data = plain;
  }
  if (!IsFile(found.index)) {
    found.missingMessage = MissingMessage(found.index);
  } else if (!IsFile(found.data)) {
    found.missingMessage = MissingMessage(found.data);
  } else {
    found.present = true;
  }
  return found;
}

}  // namespace orvelis
