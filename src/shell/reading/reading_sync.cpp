// Synchronised scrolling of the two reading panes: by the same ratio of the page (the default), or
// with the same paragraph at both tops.
//
// The pane the reader scrolls (wheel, keys or scroll bar, focused or not) drives the other. The
// scrolls this makes in the other pane raise scroll notices of their own. A notice is read as the
// pane's position when it is handled, so several notices of a burst (a smooth wheel scroll driving
// the other pane step by step) may all read the last position synchronisation left there: that
// position is kept, not used up, and any notice that finds the pane still at it is dropped. The
// reader moving that pane moves it elsewhere, so the panes never chase each other.

#include <QVariantList>
#include <optional>

#include "shell/browser/browser_pane.h"
#include "shell/platform/qt_text.h"
#include "shell/reading/reading_area.h"
#include "window_rules/paragraph_alignment.h"

namespace orvelis {
namespace {

// The pane's scroll position and height, then each paragraph anchor with its top, in one answer.
const char* const kGeometryScript = R"js((function(){
  var b = document.body; if (!b) return null;
  var top = b.scrollTop || document.documentElement.scrollTop || 0;
  var r = [top, b.scrollHeight];
  var as = document.getElementsByTagName('a');
  for (var i = 0; i < as.length; i++) {
    if (/^p[0-9]+$/.test(as[i].name)) r.push(as[i].name, as[i].getBoundingClientRect().top + top);
  }
  return r;
})())js";

std::optional<PaneGeometry> GeometryOf(const QVariant& answer) {
  const QVariantList values = answer.toList();
  if (values.size() < 2 || values.size() % 2 != 0) return std::nullopt;
  PaneGeometry pane{{}, values[0].toDouble(), values[1].toDouble()};
  for (qsizetype i = 2; i + 1 < values.size(); i += 2) {
    pane.paragraphs.push_back({S(values[i].toString()), values[i + 1].toDouble()});
  }
  return pane;
}

}  // namespace

void ReadingArea::LineUpPanes() {
  webFocus_ = 1;
  SyncScrollFrom(1);
}

void ReadingArea::SyncScrollFrom(int source) {
  const int layout = locator_->LayoutMode();
  if ((layout != kLayoutStacked && layout != kLayoutSideBySide) || !syncScroll_) return;
  const std::size_t from = source == 1 ? 0 : 1;
  const std::size_t to = 1 - from;
  if (syncByParagraph_) {
    wbWeb_[from]->RunScript(QString::fromLatin1(kGeometryScript), [this, from, to](const QVariant& answer) {
      const std::optional<PaneGeometry> shown = GeometryOf(answer);
      if (!shown || syncEchoTop_[from] == qRound(shown->scrollTop)) return;
      wbWeb_[to]->RunScript(QString::fromLatin1(kGeometryScript), [this, to, shown](const QVariant& other) {
        const std::optional<PaneGeometry> target = GeometryOf(other);
        if (!target) return;
        const double top = AlignedScrollTop(*shown, *target).value_or(RatioScrollTop(*shown, *target));
        ScrollSynchronised(to, QString::number(top, 'g', 17));
      });
    });
    return;
  }
  wbWeb_[from]->RunScript(
      QStringLiteral("document.body ? [document.body.scrollTop, document.body.scrollTop / document.body.scrollHeight]"
                     " : [0, 0]"),
      [this, from, to](const QVariant& answer) {
        const QVariantList values = answer.toList();
        if (values.size() != 2) return;
        if (syncEchoTop_[from] == values[0].toInt()) return;  // still where synchronisation put it
        ScrollSynchronised(to, QStringLiteral("document.body.scrollHeight * %1").arg(values[1].toDouble(), 0, 'g', 17));
      });
}

void ReadingArea::ScrollSynchronised(std::size_t to, const QString& top) {
  wbWeb_[to]->RunScript(QStringLiteral("(function(){if (!document.body) return -1;"
                                       "var before = document.body.scrollTop;"
                                       "window.scrollTo(document.body.scrollLeft, %1);"
                                       "return document.body.scrollTop != before ? document.body.scrollTop : -1;})()")
                            .arg(top),
                        [this, to](const QVariant& reached) {
                          if (reached.toInt() >= 0) syncEchoTop_[to] = reached.toInt();
                        });
}

}  // namespace orvelis
