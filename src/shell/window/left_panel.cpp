#include "shell/window/left_panel.h"

#include <QAction>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "book/book_store.h"
#include "shell/favorites/favorites_panel.h"
#include "shell/platform/qt_text.h"
#include "shell/search/search_panel.h"
#include "shell/window/splitter_bar.h"
#include "shell/window/toolbar_ctl.h"
#include "shell/window/toolbar_icons.h"
#include "shell/window/window_commands.h"
#include "window_rules/book_tree_model.h"
#include "window_rules/layout_rules.h"

namespace orvelis {
namespace {

constexpr int kHeaderHeight = 26;   // picLeftMenuHead, pixels
constexpr int kSplitterPixels = 4;  // the splitter bar

}  // namespace

LeftPanel::LeftPanel(QWidget* form, QWidget* bookTree, SearchPanel& search, FavoritesPanel& favorites,
                     WindowCommands& commands, const BookStore& book)
    : QObject(form),
      form_(form),
      panels_{new QWidget(form), &search, &favorites},
      search_(search),
      favorites_(favorites),
      commands_(commands),
      book_(book),
      picLeftMenuHead_(new QWidget(form)),
      lblLeftMenuCapt_(new QLabel(QCoreApplication::translate("LeftPanel", "Книга"), picLeftMenuHead_)),
      tbClose_(new QToolButton(picLeftMenuHead_)),
      picSplitter_(new SplitterBar(Qt::Vertical, QStringLiteral("picSplitter"), form)) {
  panels_[0]->setObjectName(QStringLiteral("fraBook"));
  auto* bookLayout = new QVBoxLayout(panels_[0]);
  bookLayout->setContentsMargins(2, 2, 2, 2);
  bookLayout->addWidget(bookTree);
  picLeftMenuHead_->setObjectName(QStringLiteral("picLeftMenuHead"));
  auto* head = new QHBoxLayout(picLeftMenuHead_);
  head->setContentsMargins(6, 0, 0, 0);
  lblLeftMenuCapt_->setObjectName(QStringLiteral("lblLeftMenuCapt"));
  tbClose_->setObjectName(QStringLiteral("tbClose"));
  tbClose_->setIcon(NamedIcon(QStringLiteral("close")));
  tbClose_->setToolTip(QCoreApplication::translate("LeftPanel", "Закрыть"));
  tbClose_->setAutoRaise(true);
  connect(tbClose_, &QToolButton::clicked, this, [this] { Show(0); });
  head->addWidget(lblLeftMenuCapt_, 1);
  head->addWidget(tbClose_);
  CToolbarCtl flat;
  flat.Attach(tbClose_);
  connect(picSplitter_, &SplitterBar::dragged, this, &LeftPanel::DragSplitter);
  connect(commands.Action(Cmd::Book), &QAction::triggered, this, [this] { Toggle(kBookPanel); });
  connect(commands.Action(Cmd::Search), &QAction::triggered, this, [this] { Toggle(kSearchPanel); });
  connect(commands.Action(Cmd::Favorites), &QAction::triggered, this, [this] { Toggle(kFavoritesPanel); });
}

void LeftPanel::Show(int panel) {
  const Language language = book_.CurrentLanguage();
  shown_ = panel;
  if (panel >= kBookPanel && panel <= kFavoritesPanel) {
    splitterLeftTwips_ = static_cast<int>(widths_[static_cast<std::size_t>(panel)]);
  }
  picLeftMenuHead_->setVisible(panel != kNoLeftPanel);
  picSplitter_->setVisible(panel != kNoLeftPanel);
  for (int i = 0; i < 3; ++i) panels_[static_cast<std::size_t>(i)]->setVisible(panel == i + 1);
  lblLeftMenuCapt_->setText(Q(LeftPanelCaption(panel, language)));
  commands_.Action(Cmd::Book)->setChecked(panel == kBookPanel);
  commands_.Action(Cmd::Search)->setChecked(panel == kSearchPanel);
  commands_.Action(Cmd::Favorites)->setChecked(panel == kFavoritesPanel);
  if (panel == kSearchPanel) search_.ShowPartNames(language);
  emit resized();
}

void LeftPanel::Toggle(int panel) {
  Show(shown_ == panel ? kNoLeftPanel : panel);
  if (panel == kFavoritesPanel) return;
  favorites_.SetViewShown(false);
  if (panel == kSearchPanel && shown_ == kSearchPanel) search_.SelectAndFocusSearchBox();
}

void LeftPanel::Restore(const ReadingSettings& settings) {
  widths_ = settings.panelWidth;
  Show(settings.leftPanel);
}

void LeftPanel::Store(ReadingSettings& settings) const {
  settings.panelWidth = widths_;
  settings.splitterLeft = splitterLeftTwips_;
  settings.leftPanel = shown_;
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
