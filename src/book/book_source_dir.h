#pragma once
// A plain-file form of the book that a person can edit: one UTF-8 file per text. See
// docs/book-source-format.md. ExportBookSource then ImportBookSource gives the same content.

#include <filesystem>
#include <string>

#include "book/book_content.h"

namespace orvelis {

struct SourceDirResult {
  bool ok = false;
  std::string error;
};

SourceDirResult ExportBookSource(const BookContent& content, const std::filesystem::path& dir);
SourceDirResult ImportBookSource(const std::filesystem::path& dir, BookContent& content);

}  // namespace orvelis
