#pragma once
// Dictionaries in the dictd format written to disk for tests, in each form the reader takes.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tool/sample/sample_dictionary.h"

namespace orvelis::test {

enum class DataForm { Plain, Dictzip, Gzip };

// Names for parameterised tests: "PlainDict", "Dictzip", "GzipWithoutChunks".
std::string DataFormName(const ::testing::TestParamInfo<DataForm>& form);

struct DictionaryFiles {
  std::filesystem::path index;
  std::filesystem::path data;
};

// Chunks this small spread the small dictionary over a dozen of them, so definitions cross chunk
// boundaries and the reader's cache of recent chunks is both hit and overrun.
inline constexpr std::uint16_t kSmallChunk = 64;

// Writes "<name>.index" and the data ("<name>.dict", or ".dict.dz" for both compressed forms) in
// `folder`.
DictionaryFiles WriteDictionary(const std::filesystem::path& folder, const std::string& name,
                                const std::vector<sample::DictionaryEntry>& entries, DataForm form,
                                std::uint16_t chunkLength = kSmallChunk);

// English and Russian headwords, one with two entries and one definition longer than four chunks.
std::vector<sample::DictionaryEntry> SmallDictionaryEntries();

// The definition of "long" in SmallDictionaryEntries().
std::string LongDefinition();

}  // namespace orvelis::test
