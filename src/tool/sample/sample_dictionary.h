#pragma once
// Dictionaries in the dictd format made in memory, for the tests and the benchmarks: the index,
// the plain definitions and both compressed forms (dictzip with its chunk table, and plain gzip).
// Written with zlib independently of the reader in words/, so that one checks the other.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orvelis::sample {

struct DictionaryEntry {
  std::string headword;
  std::string definition;
};

struct DictdFiles {
  std::string index;  // "headword TAB offset TAB length" lines, in the order of the entries
  std::string data;   // the definitions back to back, uncompressed
};

// The files of `entries`, which the caller gives in the index's order.
DictdFiles MakeDictdFiles(const std::vector<DictionaryEntry>& entries);

// A number in the index's base64 digits (A-Z a-z 0-9 + /, most significant first).
std::string EncodeDictdNumber(std::uint64_t value);

// `data` as a dictzip file: each `chunkLength` bytes deflated on their own (ended by a full
// flush), their compressed sizes in the header's RA field. Needs at most 65535 chunks.
std::string DictzipBytes(std::string_view data, std::uint16_t chunkLength);

// `data` as an ordinary gzip file, without a chunk table.
std::string GzipBytes(std::string_view data);

// A deterministic English-Russian dictionary of about `count` headwords, sorted, for benchmarks.
std::vector<DictionaryEntry> MakeSampleDictionaryEntries(std::size_t count);

}  // namespace orvelis::sample
