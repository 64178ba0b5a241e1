#include "shell/window/left_panel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <algorithm>

#include "window_rules/book_tree_model.h"
#include "window_rules/layout_rules.h"
#include "shell/platform/qt_text.h"
#include "shell/window/splitter_bar.h"
#include "shell/window/toolbar_ctl.h"
#include "shell/window/toolbar_icons.h"

namespace orvelis {
namespace {

constexpr int kHeaderHeight = 26;   // picLeftMenuHead, pixels
constexpr int kSplitterPixels = 4;  // the splitter bar

}  // namespace

LeftPanel::LeftPanel(QWidget* form, std::array<QWidget*, 3> panels)
    : QObject(form),
      form_(form),
      panels_(panels),
      picLeftMenuHead_(new QWidget(form)),
      lblLeftMenuCapt_(new QLabel(QStringLiteral("Книга"), picLeftMenuHead_)),
      tbClose_(new QToolButton(picLeftMenuHead_)),
      picSplitter_(new SplitterBar(Qt::Vertical, QStringLiteral("picSplitter"), form)) {
  picLeftMenuHead_->setObjectName(QStringLiteral("picLeftMenuHead"));
  auto* head = new QHBoxLayout(picLeftMenuHead_);
  head->setContentsMargins(6, 0, 0, 0);
  lblLeftMenuCapt_->setObjectName(QStringLiteral("lblLeftMenuCapt"));
  tbClose_->setObjectName(QStringLiteral("tbClose"));
  tbClose_->setIcon(NamedIcon(QStringLiteral("close")));
  tbClose_->setToolTip(QStringLiteral("Закрыть"));
  tbClose_->setAutoRaise(true);
  connect(tbClose_, &QToolButton::clicked, this, &LeftPanel::closeRequested);
  head->addWidget(lblLeftMenuCapt_, 1);
  head->addWidget(tbClose_);
  CToolbarCtl flat;
  flat.Attach(tbClose_);
  connect(picSplitter_, &SplitterBar::dragged, this, &LeftPanel::DragSplitter);
}

void LeftPanel::Show(int panel, Language language) {
  shown_ = panel;
  if (panel >= 1 && panel <= 3) splitterLeftTwips_ = static_cast<int>(widths_[static_cast<std::size_t>(panel)]);
  picLeftMenuHead_->setVisible(panel != 0);
  picSplitter_->setVisible(panel != 0);
  for (int i = 0; i < 3; ++i) panels_[static_cast<std::size_t>(i)]->setVisible(panel == i + 1);
  lblLeftMenuCapt_->setText(Q(LeftPanelCaption(panel, language)));
}

void LeftPanel::Layout() {
  if (shown_ != 0) widths_[static_cast<std::size_t>(shown_)] = splitterLeftTwips_;
  const int width = splitterLeftTwips_ / kTwipsPerPixel;
  const int height = form_->height();
  picLeftMenuHead_->setGeometry(0, 0, width + kSplitterPixels, kHeaderHeight);
  for (QWidget* frame : panels_) frame->setGeometry(0, kHeaderHeight, width, std::max(0, height - kHeaderHeight));
  picSplitter_->setGeometry(width, 0, kSplitterPixels, height);
}

void LeftPanel::DragSplitter(QPoint offset) {
  const int formWidth = form_->width() * kTwipsPerPixel;
  if (const auto left = LeftSplitterPosition(splitterLeftTwips_ + offset.x() * kTwipsPerPixel, formWidth)) {
    splitterLeftTwips_ = *left;
  }
  emit resized();
}

}  // namespace orvelis
