// Looking a word up in a dictd-format dictionary, as the glossary will for the word under the
// reader's cursor: opening the dictionary and the first lookup (the whole index read and its
// order checked, the definition's chunk inflated), and a lookup in an open dictionary. On a sample dictionary of
// 60,000 headwords written as a dictzip with the chunk length real files use, and on the
// installed English-Russian package when this machine has it.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "tool/sample/sample_dictionary.h"
#include "words/dictd_dictionary.h"
#include "words/installed_dictionary.h"

namespace {

namespace fs = std::filesystem;

// The sample dictionary on disk, written once per run and removed at its end.
class SampleDictionaryFiles {
 public:
  SampleDictionaryFiles() {
    std::string pattern = (fs::temp_directory_path() / "orvelis-bench-dict-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) return;
    folder_ = pattern;
    entries_ = orvelis::sample::MakeSampleDictionaryEntries(60000);
    const orvelis::sample::DictdFiles files = orvelis::sample::MakeDictdFiles(entries_);
    std::ofstream(index(), std::ios::binary) << files.index;
    std::ofstream(data(), std::ios::binary) << orvelis::sample::DictzipBytes(files.data, 58315);
  }
  ~SampleDictionaryFiles() {
    std::error_code ec;
    if (!folder_.empty()) fs::remove_all(folder_, ec);
  }
  fs::path index() const { return folder_ / "sample.index"; }
  fs::path data() const { return folder_ / "sample.dict.dz"; }
  // Headwords two thirds and one sixth of the way through, in chunks far apart.
  const std::string& Word() const { return entries_[entries_.size() * 2 / 3].headword; }
  const std::string& OtherWord() const { return entries_[entries_.size() / 6].headword; }
  std::size_t Headwords() const { return entries_.size(); }
  // One headword in each eighth of the dictionary: more chunks than the reader keeps.
  std::vector<std::string> SpreadWords() const {
    std::vector<std::string> words;
    for (std::size_t i = 0; i < 8; ++i) words.push_back(entries_[entries_.size() * i / 8].headword);
    return words;
  }

 private:
  fs::path folder_;
  std::vector<orvelis::sample::DictionaryEntry> entries_;
};

const SampleDictionaryFiles& Sample() {
  static const SampleDictionaryFiles files;
  return files;
}

void OpenAndLookUp(benchmark::State& state, const fs::path& index, const fs::path& data, const std::string& word) {
  for (auto _ : state) {
    orvelis::DictdDictionary dictionary;
    if (!dictionary.Open(index, data)) {
      state.SkipWithError("the dictionary did not open");
      return;
    }
    const orvelis::DictionaryLookup lookup = dictionary.Lookup(word);
    if (lookup.definitions.empty()) {
      state.SkipWithError("the word was not found");
      return;
    }
    benchmark::DoNotOptimize(lookup.definitions.front().data());
  }
}

// Alternates two words in different chunks, so that a lookup is answered from the small cache of
// recent chunks only as the reader's moving cursor would be: both chunks stay cached.
void LookUpInOpenDictionary(benchmark::State& state, const fs::path& index, const fs::path& data,
                            const std::string& word, const std::string& other) {
  orvelis::DictdDictionary dictionary;
  if (!dictionary.Open(index, data)) {
    state.SkipWithError("the dictionary did not open");
    return;
  }
  bool flip = false;
  for (auto _ : state) {
    const orvelis::DictionaryLookup lookup = dictionary.Lookup(flip ? word : other);
    flip = !flip;
    if (lookup.definitions.empty()) {
      state.SkipWithError("the word was not found");
      return;
    }
    benchmark::DoNotOptimize(lookup.definitions.front().data());
  }
}

void BM_DictionaryOpenAndLookUp(benchmark::State& state) {
  OpenAndLookUp(state, Sample().index(), Sample().data(), Sample().Word());
  state.counters["headwords"] = static_cast<double>(Sample().Headwords());
  state.counters["index_KiB"] = static_cast<double>(fs::file_size(Sample().index())) / 1024;
  state.counters["dictzip_KiB"] = static_cast<double>(fs::file_size(Sample().data())) / 1024;
}
BENCHMARK(BM_DictionaryOpenAndLookUp)->Unit(benchmark::kMillisecond);

void BM_DictionaryLookUpWarm(benchmark::State& state) {
  LookUpInOpenDictionary(state, Sample().index(), Sample().data(), Sample().Word(), Sample().OtherWord());
}
BENCHMARK(BM_DictionaryLookUpWarm)->Unit(benchmark::kMicrosecond);

// Every lookup inflates its chunk again: words taken in turn from eight chunks, more than are kept.
void BM_DictionaryLookUpUncachedChunk(benchmark::State& state) {
  orvelis::DictdDictionary dictionary;
  if (!dictionary.Open(Sample().index(), Sample().data())) {
    state.SkipWithError("the dictionary did not open");
    return;
  }
  const std::vector<std::string> words = Sample().SpreadWords();
  std::size_t next = 0;
  for (auto _ : state) {
    const orvelis::DictionaryLookup lookup = dictionary.Lookup(words[next++ % words.size()]);
    if (lookup.definitions.empty()) {
      state.SkipWithError("the word was not found");
      return;
    }
    benchmark::DoNotOptimize(lookup.definitions.front().data());
  }
}
BENCHMARK(BM_DictionaryLookUpUncachedChunk)->Unit(benchmark::kMicrosecond);

void BM_DictionaryLookUpAbsentWord(benchmark::State& state) {
  orvelis::DictdDictionary dictionary;
  if (!dictionary.Open(Sample().index(), Sample().data())) {
    state.SkipWithError("the dictionary did not open");
    return;
  }
  for (auto _ : state) benchmark::DoNotOptimize(dictionary.Lookup("nosuchword").definitions.size());
}
BENCHMARK(BM_DictionaryLookUpAbsentWord)->Unit(benchmark::kMicrosecond);

// The installed package's files, registered only when they are there (the smoke run counts a
// skipped benchmark as an error).
[[maybe_unused]] const bool kInstalledRegistered = [] {
  const orvelis::InstalledDictionary installed = orvelis::FindEnglishRussianDictionary();
  if (!installed.present) return false;
  benchmark::RegisterBenchmark("BM_InstalledEngRusOpenAndLookUp", [installed](benchmark::State& state) {
    OpenAndLookUp(state, installed.index, installed.data, "zoo");
  })->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("BM_InstalledEngRusLookUpWarm", [installed](benchmark::State& state) {
    LookUpInOpenDictionary(state, installed.index, installed.data, "zoo", "about");
  })->Unit(benchmark::kMicrosecond);
  return true;
}();

}  // namespace
