#pragma once
#include <filesystem>

namespace orvelis::tool {

// The folder of the running executable (falls back to the current folder).
std::filesystem::path ExecutableDir();
// book.dat beside the tool, else the installed one; the one beside the tool when neither is there.
std::filesystem::path DefaultBookPath();
// orvelis-pdf beside the tool (the build tree), else in the installed helpers' folder; the first
// when neither is there, for the message.
std::filesystem::path PdfHelperPath();

}  // namespace orvelis::tool
