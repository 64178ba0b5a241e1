#include "shell/reading/reading_area.h"

#include <QRect>
#include <QVariant>
#include <QWidget>

#include "ports/setting_names.h"
#include "ports/settings_store.h"
#include "window_rules/layout_rules.h"
#include "shell/book_tree/book_tree_panel.h"
#include "shell/browser/browser_pane.h"
#include "shell/platform/qt_text.h"
#include "shell/window/splitter_bar.h"

namespace orvelis {
namespace {

constexpr int kSplitterPixels = 4;  // the bar between the panes

int Pixels(int twips) { return twips / kTwipsPerPixel; }
QRect Pixels(const TwipRect& r) { return {Pixels(r.left), Pixels(r.top), Pixels(r.width), Pixels(r.height)}; }

}  // namespace

ReadingArea::ReadingArea(QWidget* form, DocumentScheme& documents, BookTreePanel& tree)
    : QObject(form), form_(form), documents_(documents), tree_(tree) {
  CreatePanes();
  CreatePlaceKeeping();
}

void ReadingArea::Attach(PageLocator& locator, const ComposerSettings& composerSettings) {
  locator_ = &locator;
  composerSettings_ = &composerSettings;
}

void ReadingArea::CreatePanes() {
  const char* webNames[] = {"wbWeb1", "wbWeb2"};
  const char* topNames[] = {"wbTop1", "wbTop2"};
  for (int i = 0; i < 2; ++i) {
    picWeb_[i] = new QWidget(form_);
    picWeb_[i]->setObjectName(QStringLiteral("picWeb%1").arg(i + 1));
    picWebTop_[i] = new QWidget(picWeb_[i]);
    picWebTop_[i]->setObjectName(QStringLiteral("picWebTop%1").arg(i + 1));
    wbTop_[i] = new BrowserPane(QString::fromLatin1(topNames[i]), documents_, picWeb_[i]);
    wbWeb_[i] = new BrowserPane(QString::fromLatin1(webNames[i]), documents_, picWeb_[i]);
    wbTop_[i]->raise();
    const int pane = i;
    wbWeb_[i]->SetNavigationHandler([this, pane](const std::string& url) { return OnReadingNavigation(pane + 1, url); });
    wbTop_[i]->SetNavigationHandler([this](const std::string& url) { return OnStripNavigation(url); });
    connect(wbTop_[i], &BrowserPane::loaded, this, [this, pane] { FitHeaderStrip(pane); });
  }
  picSplitWebHor_ = new SplitterBar(Qt::Horizontal, QStringLiteral("picSplitWebHor"), form_);
  picSplitWebVert_ = new SplitterBar(Qt::Vertical, QStringLiteral("picSplitWebVert"), form_);
  connect(picSplitWebHor_, &SplitterBar::dragged, this, &ReadingArea::DragPaneSplitter);
  connect(picSplitWebVert_, &SplitterBar::dragged, this, &ReadingArea::DragPaneSplitter);
}

BrowserPane* ReadingArea::Pane(ReadingPane pane) const {
  switch (pane) {
    case ReadingPane::Web1: return wbWeb_[0];
    case ReadingPane::Web2: return wbWeb_[1];
    case ReadingPane::Top1: return wbTop_[0];
    case ReadingPane::Top2: return wbTop_[1];
  }
  return wbWeb_[0];
}

bool ReadingArea::FixedHeaders() const { return composerSettings_ && composerSettings_->fixedHeaders; }

void ReadingArea::Restore(const ReadingSettings& settings, const SettingsStore& store) {
  splitRatioHor_ = settings.splitRatioHor;
  splitRatioVert_ = settings.splitRatioVert;
  // The first page of the run opens where the reader left it.
  position_ = ParseReadingPosition(store.Read(setting::kReadingPosition)).value_or(ReadingPosition{});
}

void ReadingArea::Store(ReadingSettings& settings, SettingsStore& store) const {
  settings.splitRatioHor = splitRatioHor_;
  settings.splitRatioVert = splitRatioVert_;
  settings.syncScroll = syncScroll_;
  settings.syncByParagraph = syncByParagraph_;
  store.Write(setting::kReadingPosition, FormatReadingPosition(position_));
}

void ReadingArea::ShowResult(const std::string& key, const std::string& highlight, LanguageMask foundIn,
                             int paragraph, bool scrollToParagraph) {
  locator_->ShowTarget(key, false, HighlightRequest(highlight, foundIn), paragraph);
  if (scrollToParagraph) ScrollParagraphIntoView(paragraph);
}

void ReadingArea::WriteDocument(ReadingPane pane, const std::string& html) {
  if (pane == ReadingPane::Web1) FirstPaneWritten();
  // A new page starts at its top: where synchronisation left the old one means nothing there.
  if (pane == ReadingPane::Web1) syncEchoTop_[0].reset();
  if (pane == ReadingPane::Web2) syncEchoTop_[1].reset();
  Pane(pane)->WriteDocument(html);
  if (pane == ReadingPane::Web1) emit settingsChanged();
}

std::string ReadingArea::SelectTreeKey(const std::string& key) {
  tree_.Select(key);
  return tree_.SelectedKey();
}

std::string ReadingArea::SelectedTreeKey() const { return tree_.SelectedKey(); }

void ReadingArea::SetCaption(const std::string& caption) { emit captionChanged(Q(caption)); }

void ReadingArea::SetLocationText(int pane, const std::string& text) { emit locationTextChanged(pane, Q(text)); }

void ReadingArea::SetCommandEnabled(NavCommand command, bool enabled) { emit commandEnabledChanged(command, enabled); }

void ReadingArea::Layout(bool leftPanelShown, int splitterLeftTwips) {
  leftPanelShown_ = leftPanelShown;
  splitterLeftTwips_ = splitterLeftTwips;
  PanesInput in;
  // The window's own chrome allowances of the rules (120 and 1240 twips) are added back, so the
  // panes fill the central area exactly.
  in.formWidth = form_->width() * kTwipsPerPixel + 120;
  in.formHeight = form_->height() * kTwipsPerPixel + 1240;
  in.leftPanelShown = leftPanelShown;
  in.splitterLeft = splitterLeftTwips;
  in.splitterWidth = kSplitterPixels * kTwipsPerPixel;
  in.layoutMode = locator_->LayoutMode();
  in.splitRatioHor = splitRatioHor_;
  in.splitRatioVert = splitRatioVert_;
  in.horSplitterHeight = in.vertSplitterWidth = kSplitterPixels * kTwipsPerPixel;
  const PanesLayout out = LayoutPanes(in);
  picWeb_[0]->setGeometry(Pixels(out.web1));
  picWeb_[1]->setGeometry(Pixels(out.web2));
  picWeb_[1]->setVisible(out.web2Visible);
  picSplitWebHor_->setGeometry(Pixels(out.splitHor));
  picSplitWebHor_->setVisible(out.splitHorVisible);
  picSplitWebVert_->setGeometry(Pixels(out.splitVert));
  picSplitWebVert_->setVisible(out.splitVertVisible);
  covered_ = Pixels(out.web1);
  if (out.web2Visible) covered_ = covered_.united(Pixels(out.web2));
  FitHeaderStrip(0);
  if (out.web2Visible) FitHeaderStrip(1);
}

void ReadingArea::DragPaneSplitter(QPoint offset) {
  if (locator_->LayoutMode() == kLayoutStacked) {
    const double point = picSplitWebHor_->y() + offset.y();
    const double total = picSplitWebHor_->height() + picWeb_[0]->height() + picWeb_[1]->height();
    if (const auto r = PaneSplitRatio(point, picWeb_[0]->y(), total)) {
      splitRatioHor_ = *r;
      Layout(leftPanelShown_, splitterLeftTwips_);
    }
  } else if (locator_->LayoutMode() == kLayoutSideBySide) {
    const double point = picSplitWebVert_->x() + offset.x();
    const double total = picSplitWebVert_->width() + picWeb_[0]->width() + picWeb_[1]->width();
    if (const auto r = PaneSplitRatio(point, picWeb_[0]->x(), total)) {
      splitRatioVert_ = *r;
      Layout(leftPanelShown_, splitterLeftTwips_);
    }
  }
  emit settingsChanged();
}

void ReadingArea::FitHeaderStrip(int pane) {
  const std::size_t i = pane == 0 ? 0 : 1;
  if (!FixedHeaders() || !wbTop_[i]->IsLoaded()) {
    ApplyStripFit(pane, 0);
    return;
  }
  wbTop_[i]->RunScript(QStringLiteral("(function(){var t=document.getElementById('toptab');"
                                      "return t ? t.offsetHeight : 0;})()"),
                       [this, pane](const QVariant& height) { ApplyStripFit(pane, height.toInt()); });
}

void ReadingArea::ApplyStripFit(int pane, int toptabPixels) {
  const std::size_t i = pane == 0 ? 0 : 1;
  QWidget* container = picWeb_[i];
  const StripFit fit = orvelis::FitHeaderStrip(FixedHeaders(), toptabPixels, container->height() * kTwipsPerPixel);
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

}  // namespace orvelis
