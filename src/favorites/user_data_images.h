#pragma once
// The navigation images the pages refer to, kept as files in the user data folder. The program
// carries their bytes; at every start each file is checked against them and written again when it
// is missing or differs (a write cut short by a full disk or a kill leaves it empty or torn).

#include <filesystem>
#include <string>
#include <vector>

namespace orvelis {

struct StoredImage {
  std::string name;   // the file name in the user data folder
  std::string bytes;  // exactly what the file must hold
};

// The names of the images whose file is missing, cannot be read, or holds other bytes, in the
// order given.
std::vector<std::string> ImagesToWrite(const std::filesystem::path& folder, const std::vector<StoredImage>& images);

// Writes each image ImagesToWrite names, each file replaced whole, and removes what an interrupted
// write left beside them. Returns the one message for the user when some could not be written
// (empty when every file is in place).
std::string WriteUserDataImages(const std::filesystem::path& folder, const std::vector<StoredImage>& images);

}  // namespace orvelis
