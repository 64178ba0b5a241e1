#pragma once
// The search core with windowless views: what the command-line tool, the benchmarks, the fuzzer
// and the tests search with.

#include "ground/regex_engine.h"
#include "render/stylesheet.h"
#include "ports/recording_search_view.h"
#include "search/search_engine.h"
#include "ports/settings_store.h"

namespace orvelis {

class BookStore;

struct HeadlessSearch {
  // `userDataFolder` only appears in the stylesheet's image paths of the pages written.
  explicit HeadlessSearch(BookStore& store, const std::string& userDataFolder = "/")
      : book(store), stylesheet(userDataFolder) {
    stylesheet.Apply(ReadFontSettings(settings));
  }

  BookStore& book;
  RegexEngine regex;
  MemorySettingsStore settings;
  Stylesheet stylesheet;
  RecordingSearchView view;
  RecordingMessageSink messages;
  ResultsOptions options;
  SearchEngine engine{book, regex, stylesheet, view, messages, options};
};

}  // namespace orvelis
