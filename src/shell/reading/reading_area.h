#pragma once
// The reading area: the two reading panes and their header strips, the splitter between them, the
// synchronised scrolling, which pane has the focus, the links inside the pages, and the place on
// the page kept over restarts. It is what the page locator writes to (it implements ReadingView).

#include <QObject>
#include <QPoint>
#include <QRect>
#include <QString>
#include <array>
#include <optional>
#include <string>

#include "navigation/page_locator.h"
#include "ports/reading_view.h"
#include "window_rules/reading_position.h"
#include "window_rules/reading_settings.h"

class QTimer;
class QWidget;

namespace orvelis {

class BookTreePanel;
class BrowserPane;
class SettingsStore;
class DocumentScheme;
class SplitterBar;

class ReadingArea final : public QObject, public ReadingView {
  Q_OBJECT

 public:
  // The panes are children of `form` (the window's central widget), laid out in its coordinates.
  ReadingArea(QWidget* form, DocumentScheme& documents, BookTreePanel& tree);

  // The locator that writes to this area and the composition settings it shows pages with (the
  // reading core's).
  void Attach(PageLocator& locator, const ComposerSettings& composerSettings);
  PageLocator& Locator() const { return *locator_; }
  BrowserPane* Pane(ReadingPane pane) const;
  BrowserPane* FocusedPane() const { return webFocus_ == 2 ? wbWeb_[1] : wbWeb_[0]; }
  int WebFocus() const { return webFocus_; }
  void SetWebFocus(int pane) { webFocus_ = pane; }
  bool StripFocused() const { return topStripFocused_; }
  bool FixedHeaders() const;
  bool SyncScroll() const { return syncScroll_; }
  void SetSyncScroll(bool on) { syncScroll_ = on; }
  bool SyncByParagraph() const { return syncByParagraph_; }
  void SetSyncByParagraph(bool on) { syncByParagraph_ = on; }
  // Lines the second pane up with the first (synchronisation just turned on).
  void LineUpPanes();
  std::string SelectedTreeKey() const;
  const ReadingPosition& Position() const { return position_; }
  // Their part of the reading settings: the panes' split and synchronisation, and the place on
  // the page ("c_pos", kept in the store beside them).
  void Restore(const ReadingSettings& settings, const SettingsStore& store);
  void Store(ReadingSettings& settings, SettingsStore& store) const;
  // A search result: its page with the query marked in the languages it was found in, scrolled to
  // the paragraph of a snippet.
  void ShowResult(const std::string& key, const std::string& highlight, LanguageMask foundIn, int paragraph,
                  bool scrollToParagraph);

  // The panes' share of the area the left panel leaves (ratios of the stacked and the side-by-side
  // layout); `leftPanelShown` and `splitterLeftTwips` say where that area starts.
  void Layout(bool leftPanelShown, int splitterLeftTwips);
  // The rectangle both panes cover, for the favourites view laid over them.
  QRect CoveredRect() const { return covered_; }
  void DragPaneSplitter(QPoint offset);

  // Shows the page being read again (layout, language, fonts, headers) at the reader's place.
  void ReshowCurrentTarget();
  // Runs `change` (which shows the same page again) keeping the reader's place on the page.
  template <typename Change>
  void KeepingPlace(Change change) {
    keepPosition_ = true;
    change();
    keepPosition_ = false;
  }
  // Scrolls the first pane to a paragraph once its page is there; no element, nothing happens.
  void ScrollParagraphIntoView(int paragraph);
  // Follows focus changes: which reading pane the commands act on.
  void FocusChanged(QWidget* now);

  // ReadingView.
  void WriteDocument(ReadingPane pane, const std::string& html) override;
  std::string SelectTreeKey(const std::string& key) override;
  void SetCaption(const std::string& caption) override;
  void FitHeaderStrip(int pane) override;
  void SetLocationText(int pane, const std::string& text) override;
  void SetCommandEnabled(NavCommand command, bool enabled) override;

 signals:
  void captionChanged(const QString& caption);
  void locationTextChanged(int pane, const QString& text);
  void commandEnabledChanged(NavCommand command, bool enabled);
  // Something the settings keep changed (the place on the page, a splitter, the first page).
  void settingsChanged();

 private:
  void CreatePanes();
  void ApplyStripFit(int pane, int toptabPixels);
  bool OnReadingNavigation(int pane, const std::string& url);
  bool OnStripNavigation(const std::string& url);
  void ShowLater(const std::string& key);
  void SyncScrollFrom(int source);
  // Scrolls pane `to` to `top` and keeps where it went as the echo to ignore.
  void ScrollSynchronised(std::size_t to, const QString& top);
  // The place on the page (reading_place.cpp).
  void CreatePlaceKeeping();
  void PaneScrolled(int pane);
  void ReadPosition();
  void FirstPaneWritten();
  void ApplyPendingPosition();

  QWidget* form_;
  DocumentScheme& documents_;
  BookTreePanel& tree_;
  PageLocator* locator_ = nullptr;
  const ComposerSettings* composerSettings_ = nullptr;

  std::array<QWidget*, 2> picWeb_{};
  std::array<QWidget*, 2> picWebTop_{};
  std::array<BrowserPane*, 2> wbWeb_{};
  std::array<BrowserPane*, 2> wbTop_{};
  SplitterBar* picSplitWebHor_ = nullptr;
  SplitterBar* picSplitWebVert_ = nullptr;
  QRect covered_;
  double splitRatioHor_ = 0.5;
  double splitRatioVert_ = 0.5;
  bool leftPanelShown_ = false;
  int splitterLeftTwips_ = 0;

  bool syncScroll_ = false;
  bool syncByParagraph_ = false;
  int webFocus_ = 0;
  bool topStripFocused_ = false;
  // Where synchronisation last put each reading pane: its echo is not the reader's scroll.
  std::array<std::optional<int>, 2> syncEchoTop_;

  QTimer* positionTimer_ = nullptr;
  ReadingPosition position_;
  std::optional<ReadingPosition> pendingPosition_;
  bool keepPosition_ = false;
};

}  // namespace orvelis
