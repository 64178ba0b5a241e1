#pragma once
// Serialises a BookContent into the exact byte layout book.dat uses; the inverse of the reader.

#include <filesystem>
#include <string>

#include "book/book_content.h"

namespace orvelis {

struct WriteBookResult {
  bool ok = false;
  std::string bytes;  // the file, when ok
  std::string error;  // why nothing was produced, otherwise
};

// Refuses (and produces nothing) when a text's Windows-1251 form needs 65535 bytes or more.
WriteBookResult WriteBook(const BookContent& content);

// Writes to a temporary file beside `path` and renames it over, so a failure leaves no torn file.
bool WriteFileAtomically(const std::filesystem::path& path, const std::string& bytes, std::string& error);

}  // namespace orvelis
