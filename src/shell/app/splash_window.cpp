#include "shell/app/splash_window.h"

#include <QApplication>
#include <QPalette>

namespace orvelis {

QRegion SplashRegion() {
  // (left, top, right, bottom) of each ellipse in window pixels.
  const auto ellipse = [](int l, int t, int r, int b) { return QRegion(l, t, r - l, b - t, QRegion::Ellipse); };
  QRegion region;
  region = region.united(ellipse(0, 0, 290, 290));
  region = region.xored(ellipse(7, 30, 237, 260));
  region = region.united(ellipse(94, 73, 238, 217));
  region = region.xored(ellipse(156, 108, 230, 182));
  region = region.united(ellipse(155, 122, 201, 168));
  region = region.xored(ellipse(159, 131, 187, 159));
  return region;
}

SplashWindow::SplashWindow() : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint) {
  setObjectName(QStringLiteral("frSplash"));
  setFixedSize(290, 290);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, QColor(89, 60, 216));
  setPalette(palette);
  setAutoFillBackground(true);
  setMask(SplashRegion());
  QApplication::setOverrideCursor(Qt::WaitCursor);
}

SplashWindow::~SplashWindow() { QApplication::restoreOverrideCursor(); }

}  // namespace orvelis
