#pragma once
// A top-level window's placement as the settings keep it (twips, and the state), for the main
// window and the help windows alike.

#include "window_rules/reading_settings.h"

class QWidget;

namespace orvelis {

// Sizes and moves the window where it was; maximises it when it was maximised, and minimises it
// when it was minimised and `minimised` allows.
void ApplyPlacement(QWidget& window, const WindowPlacement& placement, bool minimised);
// Where the window is now; `normal` says whether its geometry counts (not maximised, minimised or
// full screen), and only then is the geometry filled in.
WindowPlacement CurrentPlacement(const QWidget& window, bool& normal);

}  // namespace orvelis
