#include "shell/platform/window_placement.h"

#include <QWidget>

#include "window_rules/layout_rules.h"

namespace orvelis {

void ApplyPlacement(QWidget& window, const WindowPlacement& p, bool minimised) {
  if (p.width && p.height && *p.width > 0 && *p.height > 0) {
    window.resize(TwipsToPixels(*p.width), TwipsToPixels(*p.height));
  }
  if (p.left && p.top) window.move(TwipsToPixels(*p.left), TwipsToPixels(*p.top));
  if (p.state == 2) window.setWindowState(window.windowState() | Qt::WindowMaximized);
  if (p.state == 1 && minimised) window.setWindowState(window.windowState() | Qt::WindowMinimized);
}

WindowPlacement CurrentPlacement(const QWidget& window, bool& normal) {
  const Qt::WindowStates state = window.windowState();
  normal = !(state & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen));
  WindowPlacement p;
  p.state = state & Qt::WindowMaximized ? 2 : state & Qt::WindowMinimized ? 1 : 0;
  if (normal) {
    p.top = PixelsToTwips(window.y());
    p.left = PixelsToTwips(window.x());
    p.width = PixelsToTwips(window.width());
    p.height = PixelsToTwips(window.height());
  }
  return p;
}

}  // namespace orvelis
