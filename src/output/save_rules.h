#pragma once
// Saving the shown document as HTML, text or PDF: which browser is saved (its source number),
// which extension a name gets, the small HTML file built around the body, and the clean-up that
// takes the program's own navigation out of it.

#include <string>

#include "ground/ui_text.h"

namespace orvelis {

class RegexEngine;

// 1 wbWeb1, 2 wbWeb2, 3 the query-rules window, 4 the search pane, 5 the favourites view.
enum class SaveSource { Web1 = 1, Web2 = 2, Rules = 3, Search = 4, Favorites = 5 };

// The save dialog's file types, in order: 1 HTML, 2 text, 3 PDF.
inline constexpr const char* kSaveDialogTitle = ORVELIS_TR_NOOP("Core", "Сохранение Документа");
// Each pattern on its own, as file dialogs read them: "(*.htm,*.html)" would be one pattern.
inline constexpr const char* kHtmlFileType = ORVELIS_TR_NOOP("Core", "Веб-страница, HTML (*.htm *.html)");
inline constexpr const char* kTextFileType = ORVELIS_TR_NOOP("Core", "Текстовый файл (*.txt)");
inline constexpr const char* kPdfFileType = ORVELIS_TR_NOOP("Core", "Документ PDF (*.pdf)");
inline constexpr const char* kOverwriteQuestion =
    ORVELIS_TR_NOOP("Core", "Файл с таким именем уже существует. Перезаписать?");
inline constexpr const char* kOverwriteCaption = ORVELIS_TR_NOOP("Core", "Сохранение файла");
inline constexpr const char* kSaveErrorCaption = ORVELIS_TR_NOOP("Core", "Ошибка сохранения файла");
// The parallel text is made of a page's paragraphs; contents pages have none.
inline constexpr const char* kParallelNeedsPage =
    ORVELIS_TR_NOOP("Core", "Параллельный текст составляется для страниц книги. Откройте страницу.");
inline constexpr const char* kParallelCaption = ORVELIS_TR_NOOP("Core", "Параллельный текст");

struct SaveName {
  std::string base;       // the path without the extension
  std::string extension;  // "txt", "htm", "html" or "pdf"
  std::string Full() const { return base + "." + extension; }
};

// A typed extension (any letter case) wins over the chosen type; without one, type 2 gives
// "txt", type 3 "pdf", anything else "htm".
SaveName ChooseSaveName(const std::string& path, int typeIndex);

// The name the save dialog proposes: the document's title without the program's name and version
// ("Страница 12", "Поиск по книге - [бог]"), with no character a file name cannot hold and no dot
// (a dialog would take what follows one for an extension). Never empty.
std::string ProposedSaveName(const std::string& title);

// The HTML file: its lines joined with CR LF, padding on BODY for the search pane only, then
// cleaned up for the source.
std::string SavedHtml(RegexEngine& regex, const std::string& title, const std::string& bodyHtml, SaveSource source);

// The clean-up expressions of each source, in their order.
void CleanSavedHtml(RegexEngine& regex, std::string& html, SaveSource source);

}  // namespace orvelis
