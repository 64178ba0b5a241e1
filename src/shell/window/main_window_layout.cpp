// The main window's left panel and the geometry of the reading area.

#include <QAction>
#include <QEvent>
#include <QTimer>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "book/book_store.h"
#include "window_rules/book_tree_model.h"
#include "window_rules/layout_rules.h"
#include "shell/book_tree/book_tree_panel.h"
#include "shell/browser/browser_pane.h"
#include "shell/favorites/favorites_panel.h"
#include "shell/window/main_window.h"
#include "shell/search/search_panel.h"
#include "shell/platform/qt_text.h"
#include "shell/window/splitter_bar.h"
#include "shell/window/toolbar_icons.h"

namespace orvelis {
namespace {

constexpr int kHeaderHeight = 26;    // picLeftMenuHead, pixels
constexpr int kSplitterPixels = 4;   // the three splitter bars

int Pixels(int twips) { return twips / kTwipsPerPixel; }
QRect Pixels(const TwipRect& r) { return {Pixels(r.left), Pixels(r.top), Pixels(r.width), Pixels(r.height)}; }

}  // namespace

void MainWindow::CreateLeftPanel() {
  picLeftMenuHead_ = new QWidget(central_);
  picLeftMenuHead_->setObjectName(QStringLiteral("picLeftMenuHead"));
  auto* head = new QHBoxLayout(picLeftMenuHead_);
  head->setContentsMargins(6, 0, 0, 0);
  lblLeftMenuCapt_ = new QLabel(QStringLiteral("Книга"), picLeftMenuHead_);
  lblLeftMenuCapt_->setObjectName(QStringLiteral("lblLeftMenuCapt"));
  tbClose_ = new QToolButton(picLeftMenuHead_);
  tbClose_->setObjectName(QStringLiteral("tbClose"));
  tbClose_->setIcon(NamedIcon(QStringLiteral("close")));
  tbClose_->setToolTip(QStringLiteral("Закрыть"));
  tbClose_->setAutoRaise(true);
  connect(tbClose_, &QToolButton::clicked, this, [this] { ShowLeftPanel(0); });
  head->addWidget(lblLeftMenuCapt_, 1);
  head->addWidget(tbClose_);

  fraBook_ = new QWidget(central_);
  fraBook_->setObjectName(QStringLiteral("fraBook"));
  auto* bookLayout = new QVBoxLayout(fraBook_);
  bookLayout->setContentsMargins(2, 2, 2, 2);
  treBook_ = new BookTreePanel(book_, settings_, fraBook_);
  bookLayout->addWidget(treBook_);
  connect(treBook_, &BookTreePanel::showRequested, this,
          [this](const std::string& key) { locator_.ShowTarget(key, false, "", -1); });
  connect(treBook_, &BookTreePanel::expansionChanged, this, &MainWindow::SettingsChanged);

  CreateSearchPanel();

  CreateFavoritesPanel();

  picSplitter_ = new SplitterBar(Qt::Vertical, QStringLiteral("picSplitter"), central_);
  connect(picSplitter_, &SplitterBar::dragged, this, &MainWindow::DragLeftSplitter);
}

void MainWindow::ShowLeftPanel(int k) {
  leftPanel_ = k;
  if (k >= 1 && k <= 3) splitterLeftTwips_ = static_cast<int>(readingSettings_.panelWidth[k]);
  picLeftMenuHead_->setVisible(k != 0);
  picSplitter_->setVisible(k != 0);
  fraBook_->setVisible(k == 1);
  searchPanel_->setVisible(k == 2);
  favoritesPanel_->setVisible(k == 3);
  Action(Cmd::Book)->setChecked(k == 1);
  Action(Cmd::Search)->setChecked(k == 2);
  Action(Cmd::Favorites)->setChecked(k == 3);
  const Language lang = book_.CurrentLanguage();
  lblLeftMenuCapt_->setText(Q(LeftPanelCaption(k, lang)));
  SettingsChanged();
  if (k == 2) searchPanel_->ShowPartNames(lang);
  LayoutLeftPanel();
}

void MainWindow::LayoutLeftPanel() {
  if (leftPanel_ != 0) readingSettings_.panelWidth[leftPanel_] = splitterLeftTwips_;
  LayoutForm();
}

void MainWindow::LayoutForm() {
  const int width = Pixels(splitterLeftTwips_);
  const int height = central_->height();
  picLeftMenuHead_->setGeometry(0, 0, width + kSplitterPixels, kHeaderHeight);
  for (QWidget* frame : {fraBook_, static_cast<QWidget*>(searchPanel_), static_cast<QWidget*>(favoritesPanel_)}) {
    frame->setGeometry(0, kHeaderHeight, width, std::max(0, height - kHeaderHeight));
  }
  picSplitter_->setGeometry(width, 0, kSplitterPixels, height);
  LayoutPanes();
}

void MainWindow::LayoutPanes() {
  PanesInput in;
  // The window's own chrome allowances of the rules (120 and 1240 twips) are added back, so the
  // panes fill the central area exactly.
  in.formWidth = central_->width() * kTwipsPerPixel + 120;
  in.formHeight = central_->height() * kTwipsPerPixel + 1240;
  in.leftPanelShown = leftPanel_ != 0;
  in.splitterLeft = splitterLeftTwips_;
  in.splitterWidth = kSplitterPixels * kTwipsPerPixel;
  in.layoutMode = locator_.LayoutMode();
  in.splitRatioHor = readingSettings_.splitRatioHor;
  in.splitRatioVert = readingSettings_.splitRatioVert;
  in.horSplitterHeight = in.vertSplitterWidth = kSplitterPixels * kTwipsPerPixel;
  const PanesLayout out = orvelis::LayoutPanes(in);
  picWeb_[0]->setGeometry(Pixels(out.web1));
  picWeb_[1]->setGeometry(Pixels(out.web2));
  picWeb_[1]->setVisible(out.web2Visible);
  picSplitWebHor_->setGeometry(Pixels(out.splitHor));
  picSplitWebHor_->setVisible(out.splitHorVisible);
  picSplitWebVert_->setGeometry(Pixels(out.splitVert));
  picSplitWebVert_->setVisible(out.splitVertVisible);
  // The favourites view covers the whole reading area, whatever the layout: no live pane beside it.
  QRect reading = Pixels(out.web1);
  if (out.web2Visible) reading = reading.united(Pixels(out.web2));
  favoritesPanel_->View()->setGeometry(reading);
  FitHeaderStrip(0);
  if (out.web2Visible) FitHeaderStrip(1);
}

void MainWindow::FitHeaderStrip(int pane) {
  const std::size_t i = pane == 0 ? 0 : 1;
  if (!composerSettings_.fixedHeaders || !wbTop_[i]->IsLoaded()) {
    ApplyStripFit(pane, 0);
    return;
  }
  wbTop_[i]->RunScript(QStringLiteral("(function(){var t=document.getElementById('toptab');"
                                      "return t ? t.offsetHeight : 0;})()"),
                       [this, pane](const QVariant& height) { ApplyStripFit(pane, height.toInt()); });
}

void MainWindow::ApplyStripFit(int pane, int toptabPixels) {
  const std::size_t i = pane == 0 ? 0 : 1;
  QWidget* container = picWeb_[i];
  const StripFit fit = orvelis::FitHeaderStrip(composerSettings_.fixedHeaders, toptabPixels,
                                               container->height() * kTwipsPerPixel);
  picWebTop_[i]->setVisible(fit.stripVisible);
  wbTop_[i]->setVisible(fit.stripVisible);
  const int width = container->width();
  if (fit.stripVisible) {
    picWebTop_[i]->setGeometry(0, 0, width, Pixels(fit.stripContainerHeight));
    wbTop_[i]->setGeometry(0, 0, width, Pixels(fit.stripBrowserHeight));
  }
  const int top = Pixels(fit.paneBrowserTop);
  const int height = fit.paneBrowserHeight ? Pixels(*fit.paneBrowserHeight) : wbWeb_[i]->height();
  wbWeb_[i]->setGeometry(0, top, width, height);
  wbTop_[i]->raise();
}

void MainWindow::DragLeftSplitter(QPoint offset) {
  const int formWidth = central_->width() * kTwipsPerPixel;
  if (const auto left = LeftSplitterPosition(splitterLeftTwips_ + offset.x() * kTwipsPerPixel, formWidth)) {
    splitterLeftTwips_ = *left;
  }
  LayoutLeftPanel();
  SettingsChanged();
}

void MainWindow::DragPaneSplitter(QPoint offset) {
  if (locator_.LayoutMode() == kLayoutStacked) {
    const double point = picSplitWebHor_->y() + offset.y();
    const double total = picSplitWebHor_->height() + picWeb_[0]->height() + picWeb_[1]->height();
    if (const auto r = PaneSplitRatio(point, picWeb_[0]->y(), total)) readingSettings_.splitRatioHor = *r, LayoutPanes();
  } else if (locator_.LayoutMode() == kLayoutSideBySide) {
    const double point = picSplitWebVert_->x() + offset.x();
    const double total = picSplitWebVert_->width() + picWeb_[0]->width() + picWeb_[1]->width();
    if (const auto r = PaneSplitRatio(point, picWeb_[0]->x(), total)) readingSettings_.splitRatioVert = *r, LayoutPanes();
  }
  SettingsChanged();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == central_ && event->type() == QEvent::Resize) LayoutForm();
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace orvelis
