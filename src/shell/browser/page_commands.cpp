#include "shell/browser/page_commands.h"

#include <QShortcut>
#include <QVariantList>

#include "ground/ui_text.h"
#include "shell/browser/browser_pane.h"
#include "render/page_composer.h"
#include "shell/browser/find_bar.h"
#include "shell/browser/word_translation.h"
#include "shell/favorites/favorites_panel.h"
#include "shell/platform/qt_text.h"
#include "shell/reading/reading_area.h"
#include "shell/window/pane_focus.h"
#include "ports/message_sink.h"

namespace orvelis {
namespace {

constexpr const char* kWordCaption = ORVELIS_TR_NOOP("Core", "Перевод слова");
constexpr const char* kNoWord =
    ORVELIS_TR_NOOP("Core", "Здесь нет слова: выделите одно слово на странице книги или вызовите меню на нём.");
constexpr const char* kParagraphCaption = ORVELIS_TR_NOOP("Core", "Перевод абзаца");
constexpr const char* kNoParagraph = ORVELIS_TR_NOOP(
    "Core", "Здесь нет абзаца книги: выделите текст в абзаце на странице книги или вызовите меню на нём.");

}  // namespace

void PageCommands::TellWhy(const char* caption, const char* text) const {
  if (messages_) messages_->Show({text, caption, MessageIcon::Information, MessageButtons::Ok});
}

PageCommands::PageCommands(PaneFocus& focus, ReadingArea& reading, FavoritesPanel& favorites, PageComposer& composer,
                           WordTranslation& words, QWidget* window)
    : QObject(window),
      focus_(focus),
      reading_(reading),
      favorites_(favorites),
      window_(window),
      composer_(composer),
      words_(words) {
  connect(new QShortcut(QKeySequence::Find, window), &QShortcut::activated, this, &PageCommands::FindOnPage);
  connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_T), window), &QShortcut::activated, this, [this] {
    menuPoint_.reset();  // from the keyboard: the selection or the view's first paragraph
    ToggleCounterpart();
  });
}

void PageCommands::SetMenuPoint(BrowserPane* pane, QPoint at) {
  menuPane_ = pane;
  menuPoint_ = at;
}

void PageCommands::TranslateWord() {
  BrowserPane* pane = focus_.Browser();
  if (pane != reading_.Pane(ReadingPane::Web1) && pane != reading_.Pane(ReadingPane::Web2)) {
    TellWhy(kWordCaption, kNoWord);
    return;
  }
  const QPoint at = menuPane_ == pane && menuPoint_ ? *menuPoint_ : QPoint(-1, -1);
  // The selection when it is one word, else the word under the point the menu was asked at.
  const QString find = QStringLiteral(R"js((function(x, y){
    var letter = /[A-Za-z\u0410-\u044F\u0401\u0451]/;
    var s = window.getSelection(), t = s ? s.toString().trim() : '';
    if (t && /^[A-Za-z\u0410-\u044F\u0401\u0451]+$/.test(t)) return t;
    if (x < 0 || !document.caretRangeFromPoint) return '';
    var r = document.caretRangeFromPoint(x, y);
    if (!r || r.startContainer.nodeType != 3) return '';
    var text = r.startContainer.data, a = r.startOffset, b = r.startOffset;
    while (a > 0 && letter.test(text[a - 1])) a--;
    while (b < text.length && letter.test(text[b])) b++;
    return text.substring(a, b);
  })(%1, %2))js").arg(at.x()).arg(at.y());
  const int paneIndex = pane == reading_.Pane(ReadingPane::Web2) ? 1 : 0;
  const bool parallel = reading_.Locator().LayoutMode() == kLayoutParallel;
  pane->RunScript(find, [this, paneIndex, parallel](const QVariant& answer) {
    const QString word = answer.toString();
    if (word.isEmpty()) {
      TellWhy(kWordCaption, kNoWord);
      return;
    }
    words_.ShowWordOfPane(S(word), paneIndex, parallel);
  });
}

void PageCommands::ToggleCounterpart() {
  BrowserPane* pane = focus_.Browser();
  if (pane != reading_.Pane(ReadingPane::Web1) && pane != reading_.Pane(ReadingPane::Web2)) {
    TellWhy(kParagraphCaption, kNoParagraph);
    return;
  }
  const QPoint at = menuPane_ == pane && menuPoint_ ? *menuPoint_ : QPoint(-1, -1);
  menuPoint_.reset();
  // Marks the paragraph and answers its tooltip; a block already under it is taken away instead.
  const QString find = QStringLiteral(R"js((function(x, y){
    var el = x >= 0 ? document.elementFromPoint(x, y) : null;
    if (!el) { var s = window.getSelection(); if (s && s.rangeCount) { el = s.getRangeAt(0).startContainer; } }
    if (el && el.nodeType == 3) el = el.parentNode;
    if (!el) { var ps = document.querySelectorAll('p[title]');
      for (var i = 0; i < ps.length; i++) if (ps[i].getBoundingClientRect().bottom > 0) { el = ps[i]; break; } }
    if (!el || !el.closest) return null;
    var shown = el.closest('div.orvelis-counterpart');
    if (shown) { shown.remove(); return ''; }
    var p = el.closest('p[title]');
    if (!p) return null;
    var next = p.nextElementSibling;
    if (next && next.className == 'orvelis-counterpart') { next.remove(); return ''; }
    document.querySelectorAll('p[data-counterpart]').forEach(function(q){ q.removeAttribute('data-counterpart'); });
    p.setAttribute('data-counterpart', '1');
    // In the parallel text the right-hand column is the other language already.
    var cell = p.closest('table.parallel td');
    return [p.title, cell ? cell.cellIndex : 0];
  })(%1, %2))js").arg(at.x()).arg(at.y());
  pane->RunScript(find, [this, pane = QPointer<BrowserPane>(pane)](const QVariant& answer) {
    if (!pane) return;
    // null: no paragraph there; an empty text: a shown translation was taken away.
    if (answer.isNull() || !answer.isValid()) {
      TellWhy(kParagraphCaption, kNoParagraph);
      return;
    }
    const QVariantList found = answer.toList();
    if (found.size() != 2) return;
    // The language the paragraph is in: the second pane's, or the right-hand column's, is the other.
    const int paneIndex = (pane == reading_.Pane(ReadingPane::Web2) ? 1 : 0) ^ (found[1].toInt() == 1 ? 1 : 0);
    std::string html = composer_.Counterpart(S(found[0].toString()), paneIndex);
    if (html.empty()) html = "<i>&mdash;</i>";  // the other language has no such paragraph
    pane->RunScript(QStringLiteral(R"js((function(html){
      var p = document.querySelector('p[data-counterpart]'); if (!p) return;
      p.removeAttribute('data-counterpart');
      var d = document.createElement('div');
      d.className = 'orvelis-counterpart';
      d.style.cssText = 'margin:4px 0 10px 0; padding:4px 10px; border-left:3px solid #6F6FFB; background:#F2F2FF';
      d.innerHTML = html;
      p.parentNode.insertBefore(d, p.nextSibling);
      if (!window.orvelisCounterpartKeys) {
        window.orvelisCounterpartKeys = true;
        document.addEventListener('keydown', function(e){
          if (e.key == 'Escape') document.querySelectorAll('div.orvelis-counterpart').forEach(function(b){ b.remove(); });
        });
      }
    })(%1))js").arg(JsString(Q(html))));
  });
}

FindBar* PageCommands::Bar() const { return findBar_; }

void PageCommands::SelectAll() { focus_.Browser()->triggerPageAction(QWebEnginePage::SelectAll); }

void PageCommands::Copy() {
  BrowserPane* pane = focus_.Browser();
  pane->setFocus();
  pane->triggerPageAction(QWebEnginePage::Copy);
}

void PageCommands::FindOnPage() {
  BrowserPane* pane = focus_.Browser();
  if (!findBar_) findBar_ = new FindBar(pane->parentWidget());
  findBar_->OpenFor(pane);
}

void PageCommands::AddFavorite() {
  BrowserPane* source = focus_.Browser();
  const QString location = focus_.InSearch() ? QString() : favorites_.LocationText(reading_.WebFocus() == 2 ? 1 : 0);
  const std::string html = source->SelectedHtml();
  // A selection in one language can be kept with the same paragraphs in the other; the parallel
  // text's selection already holds both.
  std::string withTranslation;
  if (!focus_.InSearch() && !focus_.InFavorites() && !focus_.InRules() &&
      reading_.Locator().LayoutMode() != kLayoutParallel) {
    const int pane = reading_.WebFocus() == 2 ? 1 : 0;
    withTranslation = composer_.FragmentWithCounterparts(html, source->SelectedParagraphTitles(), pane);
    if (withTranslation == html) withTranslation.clear();
  }
  favorites_.AddFragment(S(location), html, window_, withTranslation);
  source->setFocus();
}

}  // namespace orvelis
