#pragma once
// The navigation images the pages refer to, written into the user data folder at start-up.

#include <QString>
#include <QStringList>

namespace orvelis {

// The eleven file names, in the order they are written.
QStringList NavigationImageNames();

// Writes each image that does not exist yet; an existing file is never overwritten.
void ExtractImages(const QString& userDataFolder);

}  // namespace orvelis
