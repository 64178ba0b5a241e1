#pragma once
// The installed dictionary's part of the word-translation panel, above the glossary: the word's
// definitions; that the dictionary has no such word; how to install it; or what is wrong with it.

#include <string>

#include "words/dictd_dictionary.h"
#include "words/installed_dictionary.h"

namespace orvelis {

// Opens `dictionary` from `where` on first use (`opened` keeps how that went).
std::string DictionarySectionHtml(const InstalledDictionary& where, DictdDictionary& dictionary,
                                  DictionaryResult& opened, bool& tried, const std::string& word);

}  // namespace orvelis
