#pragma once
// The commands that act on the pane the reader works in (PaneFocus): select all, copy, find on
// the page (Ctrl+F too), add the selection to the favourites, and a paragraph's translation shown
// under it (Ctrl+T too).

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <optional>

class QWidget;

namespace orvelis {

class BrowserPane;
class FavoritesPanel;
class FindBar;
class MessageSink;
class PageComposer;
class PaneFocus;
class ReadingArea;
class WordTranslation;

class PageCommands final : public QObject {
  Q_OBJECT

 public:
  PageCommands(PaneFocus& focus, ReadingArea& reading, FavoritesPanel& favorites, PageComposer& composer,
               WordTranslation& words, QWidget* window);

  void SelectAll();
  void Copy();
  // The bar belongs to the pane it searches, in that pane's own window (the query-rules window
  // too), at the pane's lower edge where it hides none of the page's header.
  void FindOnPage();
  // A reading pane's selection is named after the place it comes from; a result's after nothing.
  void AddFavorite();
  FindBar* Bar() const;
  // Shows the paragraph in the other language right under it, or hides it again (Esc in the page
  // hides it too). The paragraph is the one last right-clicked in a reading pane, else the one the
  // selection starts in, else the first one in view. The page's document itself stays as it was.
  void ToggleCounterpart();
  // What the aligned book says the selected word (or the word right-clicked) is in the other
  // language, in its own panel.
  void TranslateWord();
  // Where the context menu was asked for (pane coordinates); ToggleCounterpart takes it from there.
  void SetMenuPoint(BrowserPane* pane, QPoint at);
  // Where a command that finds nothing to act on says so.
  void SetMessageSink(MessageSink& messages) { messages_ = &messages; }

 private:
  PaneFocus& focus_;
  ReadingArea& reading_;
  FavoritesPanel& favorites_;
  QWidget* window_;
  QPointer<FindBar> findBar_;  // lives in the window of the pane it searches
  PageComposer& composer_;
  WordTranslation& words_;
  QPointer<BrowserPane> menuPane_;
  std::optional<QPoint> menuPoint_;
  MessageSink* messages_ = nullptr;

  void TellWhy(const char* caption, const char* text) const;
};

}  // namespace orvelis
