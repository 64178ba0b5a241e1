#pragma once
// Reading a dictionary's files: a missing file, a folder in its place and a failed read each get
// their own message.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "words/dictionary_result.h"

namespace orvelis {

// Opens `path` for reading and gives its size.
DictionaryResult OpenDictionaryFile(const std::filesystem::path& path, std::ifstream& file, std::uint64_t& size);

// The whole file; one larger than `limit` bytes is reported as damaged.
DictionaryResult ReadWholeDictionaryFile(const std::filesystem::path& path, std::uint64_t limit, std::string& out);

// `length` bytes at `offset` of an open file; false when fewer could be read.
bool ReadFileRange(std::ifstream& file, std::uint64_t offset, std::uint64_t length, std::string& out);

}  // namespace orvelis
