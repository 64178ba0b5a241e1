#pragma once
// The reading core with windowless views that record what they are given: what the command-line
// tool, the benchmarks, the fuzzers and the tests read and search with.

#include <string>

#include "ports/recording_reading_view.h"
#include "ports/recording_search_view.h"
#include "ports/settings_store.h"
#include "reader/reader_core.h"

namespace orvelis {

class BookStore;

struct HeadlessReader {
  // `userDataFolder` (with its separator) only appears in the image paths of the documents written.
  explicit HeadlessReader(BookStore& store, const std::string& userDataFolder = "/")
      : book(store), core(store, settings, reading, view, messages, userDataFolder) {}
  HeadlessReader(const HeadlessReader&) = delete;
  HeadlessReader& operator=(const HeadlessReader&) = delete;

  BookStore& book;
  MemorySettingsStore settings;  // after changing the font settings: core.ApplyFontSettings()
  RecordingReadingView reading;
  RecordingSearchView view;
  RecordingMessageSink messages;
  ReaderCore core;
  RegexEngine& regex = core.Regex();
  SearchEngine& engine = core.Search();
  ResultsOptions& options = core.SearchOptions();
};

}  // namespace orvelis
