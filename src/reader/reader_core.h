#pragma once
// The reading core wired once: the regex engine, the stylesheet with the stored font settings, the
// composer with the search layer's highlighter, the page locator, the results options and the
// search engine. The window, the tool, the benchmarks, the fuzzers and the tests all read and search
// through one of these, each bringing its own views.

#include <string>

#include "ground/regex_engine.h"
#include "navigation/page_locator.h"
#include "render/page_composer.h"
#include "render/stylesheet.h"
#include "search/search_engine.h"
#include "search/search_results.h"

namespace orvelis {

class BookStore;
class MessageSink;
class ReadingView;
class SearchView;
class SettingsStore;
struct ReadingSettings;

class ReaderCore {
 public:
  // Every argument must outlive the core. The views are only remembered here, never called while
  // the core is built, so a window may pass views whose construction it finishes afterwards.
  // `userDataFolder` ends with its separator; the stylesheet's image paths and the composer use it.
  ReaderCore(BookStore& book, SettingsStore& settings, ReadingView& reading, SearchView& search,
             MessageSink& messages, std::string userDataFolder);
  ReaderCore(const ReaderCore&) = delete;
  ReaderCore& operator=(const ReaderCore&) = delete;

  // Reads "fsize", "ffam" and "fcol" again and rebuilds the style element (after a font menu wrote
  // them); the size menus then check Styles().SizeMenuIndex().
  void ApplyFontSettings();

  // The core's part of the stored reading settings: fixed headers and the results page's sort
  // and grouping at start; the same and the pane layout taken back at close.
  void ApplyReadingSettings(const ReadingSettings& settings);
  void StoreReadingSettings(ReadingSettings& settings) const;

  BookStore& Book() { return book_; }
  RegexEngine& Regex() { return regex_; }
  const Stylesheet& Styles() const { return stylesheet_; }
  Stylesheet& Styles() { return stylesheet_; }
  ComposerSettings& Composing() { return composerSettings_; }
  PageComposer& Composer() { return composer_; }
  PageLocator& Locator() { return locator_; }
  const PageLocator& Locator() const { return locator_; }
  ResultsOptions& SearchOptions() { return options_; }
  SearchEngine& Search() { return engine_; }
  const SearchEngine& Search() const { return engine_; }

 private:
  BookStore& book_;
  SettingsStore& settings_;
  RegexEngine regex_;
  Stylesheet stylesheet_;
  ComposerSettings composerSettings_;
  PageComposer composer_;
  PageLocator locator_;
  ResultsOptions options_;
  SearchEngine engine_;
};

}  // namespace orvelis
