#pragma once
// The program's version and title.

#include <string>

namespace orvelis {

inline constexpr int kVersionMajor = 3;
inline constexpr int kVersionMinor = 4;

// "Книга Орвелис v 3.4": the application title and the main window's caption.
inline std::string ApplicationTitle() {
  return "Книга Орвелис v " + std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor);
}

}  // namespace orvelis
