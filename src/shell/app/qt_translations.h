#pragma once
// Qt's own texts (the buttons of message boxes, the file, colour and print dialogs, print
// preview) in the language of the interface.

namespace orvelis {

// Loads Qt's translations for the interface's language into the running application; a missing
// catalogue leaves Qt's English texts. Returns whether Qt's base catalogue was loaded.
bool InstallQtTranslations();

}  // namespace orvelis
