#include "shell/window/toolbar_ctl.h"

#include <QToolButton>
#include <QWidget>

namespace orvelis {

void CToolbarCtl::Attach(QWidget* toolbar) {
  toolbar_ = toolbar;
  SetCoolbar(true);
}

void CToolbarCtl::SetCoolbar(bool flat) {
  coolbar_ = flat;
  if (!toolbar_) return;
  if (auto* single = qobject_cast<QToolButton*>(toolbar_)) single->setAutoRaise(flat);
  for (QToolButton* button : toolbar_->findChildren<QToolButton*>()) button->setAutoRaise(flat);
  toolbar_->update();
}

}  // namespace orvelis
