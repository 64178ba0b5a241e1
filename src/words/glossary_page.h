#pragma once
// The word-translation panel's document: the glossary's candidates for a word, each with its
// score and count and two example paragraphs, each a link to its page ("@pageN#n", the results
// page's own link form).

#include <string>
#include <vector>

#include "book/book_format.h"
#include "ground/ui_text.h"
#include "words/glossary.h"

namespace orvelis {

inline constexpr const char* kGlossaryWorking = ORVELIS_TR_NOOP("Core", "Идет подсчет по всей книге...");

std::string GlossaryPageHtml(const std::string& word, Language from, const std::vector<GlossaryCandidate>& candidates);

}  // namespace orvelis
