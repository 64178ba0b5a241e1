#pragma once
// frSplash: the small shaped window shown while the reader starts.

#include <QRegion>
#include <QWidget>

namespace orvelis {

// The disc with nested rings: six ellipses combined in order (union, xor, union, xor, union, xor).
QRegion SplashRegion();

class SplashWindow final : public QWidget {
  Q_OBJECT

 public:
  SplashWindow();
  ~SplashWindow() override;
};

}  // namespace orvelis
