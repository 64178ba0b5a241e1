#pragma once
// The program's version and title.

#include <string>

#include "ground/ui_text.h"

namespace orvelis {

inline constexpr int kVersionMajor = 3;
inline constexpr int kVersionMinor = 4;

// "Книга Орвелис v 3.4": the application title and the main window's caption.
inline std::string ApplicationTitle() {
  return Tr(ORVELIS_TR_NOOP("Core", "Книга Орвелис v %1.%2"),
            {std::to_string(kVersionMajor), std::to_string(kVersionMinor)});
}

}  // namespace orvelis
