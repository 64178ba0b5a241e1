#pragma once
// The toolbar's and trees' icons, drawn with QPainter at every size asked for, so they stay sharp
// at 100 % and 200 % scale.

#include <QIcon>
#include <QString>

namespace orvelis {

// Toolbar button `index` (1..25, the toolbar's fixed numbering).
QIcon ToolbarIcon(int index);
// Tree images: "book", "book_open", "doc", "favor", "folder", "open_folder"; and "close".
QIcon NamedIcon(const QString& name);

}  // namespace orvelis
