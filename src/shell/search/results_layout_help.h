#pragma once
// How the results pane helps the browser with a long results page without changing its bytes.
//
// A page for a common word has some 1,200 entries, each a one-row table (the entry's title and its
// rating bar) and a block of snippets. Laying all of them out costs the browser seconds; most of
// that is the tables. The pane therefore adopts a stylesheet that lets the browser skip entries
// off screen (content-visibility: auto) until they come near the view:
// - content-visibility does not apply to a table box, so each top-level table becomes a block
//   whose body is the table, 100 % wide: cells, widths and spacing come out as before;
// - content-visibility clips painting to the box, and what reaches outside must still be drawn:
//   the rating bar's frame, a pixel or two above its row, and in a narrow pane the rows that cannot
//   wrap, up to a few hundred pixels to the right; hence the clip margin;
// - skipped entries take an estimated height (about that of an entry of each kind, so that the
//   scroll bar is near the truth); once drawn, an entry keeps its real height.

namespace orvelis {

inline constexpr char kResultsLayoutHelp[] =
    "body>table{display:block;content-visibility:auto;contain-intrinsic-size:auto 20px;"
    "overflow-clip-margin:300px}"
    "body>table>tbody{display:table;width:100%}"
    // A grouped page has one table per Paper, its pages nested inside.
    "body>a[href=\"!ungroup\"]~table{contain-intrinsic-size:auto 470px}"
    "body>div[align=justify]{content-visibility:auto;contain-intrinsic-size:auto 50px;overflow-clip-margin:300px}";

}  // namespace orvelis
