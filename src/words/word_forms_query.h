#pragma once
// Every form of a word in a query. A plain query word (a run of letters standing between blanks
// or the query's operators + | ! ( ), outside quotes, in a blank-separated piece of the query with
// no pattern characters) is replaced by the alternation of the book's words with its stem,
// "(иисус|иисуса|иисусом)"; the query then runs as any query does, so its ratings, results page,
// snippets and highlighting are those of the replaced query.

#include <string>
#include <string_view>
#include <vector>

namespace orvelis {

class BookVocabulary;

std::string WithWordForms(std::string_view query, const BookVocabulary& vocabulary);

struct QueryWord {
  std::size_t at = 0;  // byte offset in the query
  std::string text;    // as typed
};
// The plain words of a query, in order.
std::vector<QueryWord> PlainQueryWords(std::string_view query);

}  // namespace orvelis
