#pragma once
// The program's icon on every window, and the desktop entry the desktop matches its windows to.

namespace orvelis {

inline constexpr const char* kApplicationId = "org.orvelis.Reader";

// Call once the application object exists.
void SetApplicationIcon();

}  // namespace orvelis
