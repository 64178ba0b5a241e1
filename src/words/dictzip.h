#pragma once
// The compressed form of a dictionary's definitions. A dictzip file is an ordinary gzip file whose
// header carries an extra field "RA" (random access): a version (1), the uncompressed length of
// every chunk, the number of chunks and each chunk's compressed size, two bytes each, little-endian.
// Every chunk ends with a full flush, so it inflates on its own and a definition costs one or two
// chunks instead of the whole file. A gzip file without that field can only be inflated whole.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orvelis {

struct GzipLayout {
  std::size_t dataStart = 0;  // the first byte of the deflate stream
  // With the RA field: the uncompressed length of each chunk (the last may be shorter) and the file
  // offsets where each chunk starts, followed by the offset just past the last chunk.
  std::uint32_t chunkLength = 0;
  std::vector<std::uint64_t> chunkStarts;
  bool RandomAccess() const { return chunkLength > 0; }
  std::size_t ChunkCount() const { return chunkStarts.empty() ? 0 : chunkStarts.size() - 1; }
};

// Reads the gzip header at the start of `head` (the file's first bytes; `fileSize` is the whole
// file's). False with a reason (Russian, for the reader) when it is not gzip, is cut short, or its
// chunk table does not fit the file.
bool ReadGzipLayout(std::string_view head, std::uint64_t fileSize, GzipLayout& layout, std::string& reason);

// Inflates one chunk (raw deflate) into `out`; more than `maxOutput` bytes is damage.
bool InflateChunk(std::string_view compressed, std::size_t maxOutput, std::string& out, std::string& reason);

// Inflates a whole gzip file, its checksum included; more than `maxOutput` bytes is refused.
bool InflateGzip(std::string_view file, std::size_t maxOutput, std::string& out, std::string& reason);

}  // namespace orvelis
