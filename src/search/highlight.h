#pragma once
// Found words in pages and in the snippets of the results page.

#include <string>
#include <string_view>

#include "book/book_format.h"

namespace orvelis {

class BookStore;
class RegexEngine;

// Wraps every occurrence of every query word in <font class="bld">. `vowelLanguage` decides
// whether stress marks may sit on a Russian vowel inside a word; `convert` first turns the query
// into its highlighting words.
std::string HighlightWords(RegexEngine& regex, const std::string& text, const std::string& query,
                           Language vowelLanguage, bool convert);

// The sentences of `page` (current language) in which the query's words occur, linked to their
// paragraphs and highlighted, joined by "<br>".
std::string BuildSnippets(const BookStore& book, RegexEngine& regex, int page, const std::string& query);
// The same in `lang`'s text; with counterparts, each snippet is followed by the opening words of
// its paragraph in the other language (that language's pages must be loaded).
std::string BuildSnippets(const BookStore& book, RegexEngine& regex, int page, const std::string& query,
                          Language lang, bool withCounterparts);
// The first `words` words of paragraph `ref` ("n:s:p", as ParagraphRefAt gives it) of a stored
// page, without markup, "..." after them when the paragraph goes on; empty when the page has no
// such paragraph.
std::string OpeningWords(const std::string& pageText, const std::string& ref, std::size_t words = 12);

// pos is 1-based, as the results of match positions are counted here.
std::string SentenceAt(std::string_view t, std::size_t pos);
std::string ParagraphRefAt(std::string_view t, std::size_t pos, std::string_view lit);
std::string SearchResultParagraph(int page, const std::string& ref, Language language, const std::string& s);
std::string RemoveParagraphMarkers(RegexEngine& regex, const std::string& text);

}  // namespace orvelis

#include "render/page_composer.h"

namespace orvelis {
// The page composer's highlighter: the query's words in a page, with the stress-mark handling of
// the current language (the first pane's), as both panes show it.
Highlighter MakePageHighlighter(RegexEngine& regex, const BookStore& book);
}  // namespace orvelis
