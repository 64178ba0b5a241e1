#pragma once
// The navigation images the pages refer to, written into the user data folder at start-up.

#include <QString>
#include <QStringList>
#include <filesystem>
#include <string>

namespace orvelis {

// The eleven file names, in the order they are written.
QStringList NavigationImageNames();

// Writes each image whose file is missing or differs from the program's copy; the one message for
// the user when some could not be written (empty when all are in place).
std::string ExtractImages(const std::filesystem::path& userDataFolder);

}  // namespace orvelis
