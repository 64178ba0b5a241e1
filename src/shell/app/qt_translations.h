#pragma once
// The interface's language, chosen once at start-up: the program's own texts (its English
// catalogue, or the Russian originals), the core's texts, and Qt's own texts (the buttons of
// message boxes, the file, colour and print dialogs, print preview).

namespace orvelis {

// Reads the reader's choice (or the system's language), then loads the catalogues for it into the
// running application and gives the core its translator. A missing Qt catalogue leaves Qt's
// English texts. Returns false when the Russian interface is chosen and Qt's Russian base catalogue
// is not installed; true otherwise.
bool InstallQtTranslations();

// Whether InstallQtTranslations chose the Russian interface.
bool RussianInterface();

}  // namespace orvelis
