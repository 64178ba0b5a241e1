#pragma once
// Paragraph markers ((n:s:p)) of a stored page turned into anchored paragraphs with tooltips.

#include <string>

#include "book/book_format.h"

namespace orvelis {

class RegexEngine;

// The Paper number in digits; the Foreword (Paper 0) is "F" in English and "П" in Russian.
std::string PaperLabel(int paper, Language language);

std::string MarkParagraphs(RegexEngine& regex, const std::string& text, int page, Language language);
std::string MarkTargetParagraph(RegexEngine& regex, const std::string& text, int paragraph);

}  // namespace orvelis
