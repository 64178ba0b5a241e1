#include "tool/search_commands.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <vector>

#include "book/book_store.h"
#include "favorites/user_data_folder.h"
#include "reader/headless_reader.h"
#include "search/highlight.h"
#include "search/page_preparation.h"
#include "search/query_language.h"
#include "search/search_engine.h"
#include "tool/book_commands.h"
#include "tool/tool_paths.h"
#include "ports/settings_store.h"

namespace orvelis::tool {
namespace {

const char* kSearchUsage =
    "search QUERY [--lang en|ru|both] [--scope 0-5] [--in-found PREVIOUS_LIST] [--forms] [--suggest]";
const char* kResultsUsage =
    "results QUERY [--lang en|ru|both] [--scope 0-5] [--in-found PREVIOUS_LIST] [--forms] [--sort rating|page] "
    "[--group] [--counterparts]";

// Everything a search needs, opened on the book of --book in the language of --lang.
struct SearchSession {
  BookStore book;
  HeadlessReader reader{book, FolderWithSeparator(DefaultUserDataFolder())};
  RegexEngine& regex = reader.regex;
  RecordingSearchView& view = reader.view;
  RecordingMessageSink& messages = reader.messages;
  ResultsOptions& options = reader.options;
  SearchEngine& engine = reader.engine;
  SearchRequest request;  // the scope and "in found" of the options; the query comes per command

  // What a command needs of the pages: their text, or only what matching needs.
  enum class Pages { Text, MatchingOnly };

  // Returns an exit status, or -1 when the session is ready. "--lang both" searches the Russian
  // and the English text, the Russian shown first.
  int Open(const ToolArgs& args, bool bothAllowed, Pages pages = Pages::Text) {
    const std::string lang = args.Option("lang").value_or("ru");
    const auto scope = ParseInteger(args.Option("scope").value_or("0"), 0, 5);
    if ((lang != "en" && lang != "ru" && (lang != "both" || !bothAllowed)) || !scope) return kExitUsage;
    request.bothLanguages = lang == "both";
    request.wordForms = args.Flag("forms");
    const std::filesystem::path path = args.Option("book").value_or(DefaultBookPath().string());
    book.SetCurrentLanguage(lang == "en" ? kEnglish : kRussian);
    if (BookResult r = book.OpenBook(path); !r) return Failed(r);
    // A result list needs the pages only; the tables are for the titles of a results page.
    if (pages == Pages::Text) {
      for (BookResult r : {book.LoadPartRecords(), book.LoadPaperRecords(), book.LoadPageTexts(book.CurrentLanguage())}) {
        if (!r) return Failed(r);
      }
    }
    request.scopeIndex = static_cast<int>(*scope);
    request.scopeText = PartsEntry(request.scopeIndex, book.CurrentLanguage());
    if (const auto previous = args.Option("in-found")) {
      engine.SetLastResultList(*previous);
      request.inFound = true;
    }
    messages.onShow = [](const Message& m) { std::cerr << m.caption << ": " << m.text << "\n"; };
    return -1;
  }

  // The languages the search reads.
  std::vector<Language> Languages() const {
    if (request.bothLanguages) return {book.CurrentLanguage(), book.OtherLanguage()};
    return {book.CurrentLanguage()};
  }

  static int Failed(const BookResult& r) {
    std::cerr << r.Text() << "\n" << r.detail << "\n";
    return kExitFailure;
  }

  static std::string PartsEntry(int index, Language lang) {
    if (index == 0) return "-- Вся книга --";
    if (index == 1) return lang == kEnglish ? "Foreword" : "Предисловие";
    const char* roman[] = {"I", "II", "III", "IV"};
    return std::string(lang == kEnglish ? "Part " : "Часть ") + roman[index - 2];
  }
};

}  // namespace

int RunSearchCommand(const ToolArgs& args) {
  if (args.positional().size() != 2) return Usage(kSearchUsage);
  SearchSession session;
  if (const int status = session.Open(args, true, SearchSession::Pages::MatchingOnly); status >= 0) {
    return status == kExitUsage ? Usage(kSearchUsage) : status;
  }
  session.request.query = args.positional()[1];
  // Counting matches needs the pages prepared, never decoded: each page is prepared from its
  // stored bytes as it is matched, in memory used over and over (the whole language's prepared
  // text only where word forms or suggestions need every word of the book).
  std::array<StoredPageTexts, kLanguageCount> stored;
  for (const Language l : session.Languages()) {
    if (BookResult r = session.book.ReadStoredPageTexts(l, stored[l]); !r) return SearchSession::Failed(r);
    session.engine.StreamStoredPages(stored[l], l);
  }
  const std::string list = session.engine.EvaluateWholeQuery(session.request);
  std::cout << list << "\n";
  // A query that finds nothing: each word the book lacks, a tab, the close words it has.
  if (args.Flag("suggest") && list == kEmptyResultList) {
    const auto suggestions = session.engine.SuggestionsFor(session.request.query, session.book.CurrentLanguage(),
                                                           session.request.bothLanguages);
    for (const auto& [word, close] : suggestions) {
      std::cout << word << "\t";
      for (std::size_t i = 0; i < close.size(); ++i) std::cout << (i > 0 ? " " : "") << close[i];
      std::cout << "\n";
    }
  }
  return kExitOk;
}

int RunResults(const ToolArgs& args) {
  if (args.positional().size() != 2) return Usage(kResultsUsage);
  SearchSession session;
  if (const int status = session.Open(args, true); status >= 0) {
    return status == kExitUsage ? Usage(kResultsUsage) : status;
  }
  const std::string sort = args.Option("sort").value_or("rating");
  if (sort != "rating" && sort != "page") return Usage(kResultsUsage);
  session.options.sortByRating = sort == "rating" ? 1 : 0;
  session.options.groupResults = args.Flag("group");
  session.options.showCounterparts = args.Flag("counterparts");
  session.request.query = args.positional()[1];
  session.engine.RunSearch(session.request);
  std::cout << session.view.documents.back();
  return kExitOk;
}

int RunSnippets(const ToolArgs& args) {
  const char* usage = "snippets PAGE QUERY [--lang en|ru]";
  if (args.positional().size() != 3) return Usage(usage);
  const auto page = ParseInteger(args.positional()[1], 1, kPageCount);
  if (!page) return Usage(usage);
  SearchSession session;
  if (const int status = session.Open(args, false); status >= 0) return status == kExitUsage ? Usage(usage) : status;
  std::cout << BuildSnippets(session.book, session.regex, static_cast<int>(*page), args.positional()[2]) << "\n";
  return kExitOk;
}

int RunExportPrepared(const ToolArgs& args) {
  const char* usage = "export-prepared DIR [--lang en|ru]";
  const std::string lang = args.Option("lang").value_or("ru");
  if (args.positional().size() != 2 || (lang != "en" && lang != "ru")) return Usage(usage);
  const Language language = lang == "en" ? kEnglish : kRussian;
  BookStore book;
  const std::filesystem::path path = args.Option("book").value_or(DefaultBookPath().string());
  for (BookResult r : {book.OpenBook(path), book.LoadPageTexts(language)}) {
    if (!r) {
      std::cerr << r.Text() << "\n" << r.detail << "\n";
      return kExitFailure;
    }
  }
  const std::filesystem::path dir = args.positional()[1];
  std::error_code error;
  std::filesystem::create_directories(dir, error);
  PreparedPages prepared;
  const PreparedPages::Pages& pages = prepared.Of(book, language);
  for (int page = 1; page <= kPageCount; ++page) {
    const std::filesystem::path file = dir / (std::to_string(page) + ".txt");
    std::ofstream out(file, std::ios::binary);
    if (!(out << pages[page]) || !out.flush()) {
      std::cerr << "orvelis-tool: cannot write " << file.string() << "\n";
      return kExitFailure;
    }
  }
  return kExitOk;
}

}  // namespace orvelis::tool
