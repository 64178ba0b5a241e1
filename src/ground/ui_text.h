#pragma once
// The interface's texts in the core. The core writes every text a person reads in Russian, the
// program's original language; the shell may install a translator that gives the text in the
// interface's language. With no translator (the tools, the tests, a Russian interface) every text
// is byte for byte the Russian original.
//
// A text to translate is marked ORVELIS_TR_NOOP("Core", "..."), which the translation tools read
// as QT_TRANSLATE_NOOP (lupdate -tr-function-alias QT_TRANSLATE_NOOP+=ORVELIS_TR_NOOP); the context
// is always kCoreTextContext, so that the shell can translate a marked constant wherever it shows
// it. A text with changing parts (numbers, file names) is one whole text with %1..%9 in it, so that
// a translation may put the parts where its language wants them.

#include <initializer_list>
#include <string>
#include <string_view>

#define ORVELIS_TR_NOOP(context, text) text

namespace orvelis {

inline constexpr const char* kCoreTextContext = "Core";

// Gives the interface's text for a Russian original (the original itself when it has none).
using TextTranslator = std::string (*)(const char* original);

// Installed once at start-up, before any thread asks for a text.
void SetTextTranslator(TextTranslator translator);

// The interface's text for a marked original.
std::string Tr(const char* original);
// The same with %1..%9 replaced by `parts`, in one pass: a part that itself contains "%2" stays as
// it is. A number with no part stays as written.
std::string Tr(const char* original, std::initializer_list<std::string_view> parts);

}  // namespace orvelis
