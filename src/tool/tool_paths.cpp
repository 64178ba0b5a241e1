#include "tool/tool_paths.h"

#include <unistd.h>

#include "reader/book_location.h"

namespace orvelis::tool {

std::filesystem::path ExecutableDir() {
  std::error_code ec;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) return std::filesystem::current_path(ec);
  return exe.parent_path();
}

std::filesystem::path DefaultBookPath() {
  const std::filesystem::path dir = ExecutableDir();
  return FindBook(std::nullopt, dir).found.value_or(dir / "book.dat");
}

std::filesystem::path PdfHelperPath() {
  const std::filesystem::path dir = ExecutableDir();
  const std::filesystem::path beside = dir / "orvelis-pdf";
  const std::filesystem::path installed = (dir / HelpersFromProgram() / "orvelis-pdf").lexically_normal();
  for (const auto& place : {beside, installed}) {
    if (access(place.c_str(), X_OK) == 0) return place;
  }
  return beside;
}

}  // namespace orvelis::tool
