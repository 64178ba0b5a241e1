#include "reader/book_location.h"

// The install layout's folders, relative to the folder of the installed programs; the build
// computes them from its install directories.
#ifndef ORVELIS_DATA_FROM_BIN
#define ORVELIS_DATA_FROM_BIN "../share/orvelis"
#endif
#ifndef ORVELIS_HELPERS_FROM_BIN
#define ORVELIS_HELPERS_FROM_BIN "../libexec/orvelis"
#endif

namespace orvelis {
namespace {

constexpr const char* kBookFileName = "book.dat";

}  // namespace

BookLocation FindBook(const std::optional<std::filesystem::path>& given, const std::filesystem::path& programDir,
                      const std::filesystem::path& dataFromProgram) {
  BookLocation location;
  if (given) {
    location.lookedAt = {*given};
  } else {
    location.lookedAt = {programDir / kBookFileName, (programDir / dataFromProgram / kBookFileName).lexically_normal()};
  }
  for (const auto& place : location.lookedAt) {
    std::error_code ec;
    if (std::filesystem::is_regular_file(place, ec)) {
      location.found = place;
      break;
    }
  }
  return location;
}

BookLocation FindBook(const std::optional<std::filesystem::path>& given, const std::filesystem::path& programDir) {
  return FindBook(given, programDir, ORVELIS_DATA_FROM_BIN);
}

std::filesystem::path HelpersFromProgram() { return ORVELIS_HELPERS_FROM_BIN; }

std::string MissingBookText(const BookLocation& location) {
  std::string text = Tr(ORVELIS_TR_NOOP("Core", "Файл книги не найден. Искали:"));
  for (const auto& place : location.lookedAt) text += "\n" + place.string();
  return text;
}

}  // namespace orvelis
