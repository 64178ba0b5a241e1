#include "reader/reader_core.h"

#include <utility>

#include "ports/settings_store.h"
#include "search/highlight.h"
#include "window_rules/reading_settings.h"

namespace orvelis {

ReaderCore::ReaderCore(BookStore& book, SettingsStore& settings, ReadingView& reading, SearchView& search,
                       MessageSink& messages, std::string userDataFolder)
    : book_(book),
      settings_(settings),
      stylesheet_(userDataFolder),
      composerSettings_{false, std::move(userDataFolder)},
      composer_(book, regex_, stylesheet_, composerSettings_),
      locator_(composer_, reading),
      engine_(book, regex_, stylesheet_, search, messages, options_) {
  ApplyFontSettings();
  composer_.SetHighlighter(MakePageHighlighter(regex_, book_));
}

void ReaderCore::ApplyFontSettings() { stylesheet_.Apply(ReadFontSettings(settings_)); }

void ReaderCore::ApplyReadingSettings(const ReadingSettings& settings) {
  composerSettings_.fixedHeaders = settings.fixedHeaders;
  options_.sortByRating = settings.sortByRating;
  options_.groupResults = settings.groupResults;
  options_.searchBothLanguages = settings.searchBothLanguages;
  options_.showCounterparts = settings.showCounterparts;
  options_.wordForms = settings.wordForms;
}

void ReaderCore::StoreReadingSettings(ReadingSettings& settings) const {
  settings.fixedHeaders = composerSettings_.fixedHeaders;
  settings.layoutMode = locator_.LayoutMode();
  settings.sortByRating = options_.sortByRating;
  settings.groupResults = options_.groupResults;
  settings.searchBothLanguages = options_.searchBothLanguages;
  settings.showCounterparts = options_.showCounterparts;
  settings.wordForms = options_.wordForms;
}

}  // namespace orvelis
