#pragma once
// CToolbarCtl: gives a toolbar the flat look (buttons raise only under the pointer).

#include <QObject>

class QWidget;

namespace orvelis {

class CToolbarCtl final {
 public:
  // Attaches a toolbar (a QToolBar or any widget holding tool buttons) and makes it flat.
  void Attach(QWidget* toolbar);
  bool Coolbar() const { return coolbar_; }
  void SetCoolbar(bool flat);

 private:
  QWidget* toolbar_ = nullptr;
  bool coolbar_ = false;
};

}  // namespace orvelis
