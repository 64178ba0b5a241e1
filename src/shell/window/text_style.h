#pragma once
// The text's font, size and colour: the family and size menus (in the main menu and again in the
// context menu), the colour dialog, and the stylesheet they change.

#include <QObject>
#include <QString>
#include <array>

#include "render/stylesheet.h"

class QAction;
class QMenu;
class QWidget;

namespace orvelis {

class SettingsStore;

class TextStyle final : public QObject {
  Q_OBJECT

 public:
  TextStyle(Stylesheet& stylesheet, SettingsStore& settings, QWidget* dialogParent);

  // Fills a "Настройка текста" menu: the family submenu, the colour item and the size submenu;
  // `names` are the object names of those three and the prefix of the size items.
  struct MenuNames {
    const char* family;
    const char* colour;
    const char* size;
    const char* sizeItem;
  };
  void FillMenu(QMenu* menu, const MenuNames& names);
  // Reads the font settings into the stylesheet (start-up) and ticks the menus.
  void Load();
  // Lists the installed families again, ticking the one in use.
  void BuildFontMenus();

  void ChooseFamily(int index);
  void ChooseSize(int index);
  void ChooseColour();
  // A script that gives a document already shown the current style rules.
  QString RestyleScript() const;

 signals:
  // The stylesheet changed: each panel restyles its own panes (pages are composed again, other
  // documents take `restyleScript`).
  void changed(const QString& restyleScript);

 private:
  void Apply(FontSettings font);
  void CheckSizeItem(int index);

  Stylesheet& stylesheet_;
  SettingsStore& settings_;
  QWidget* dialogParent_;
  QList<QMenu*> familyMenus_;
  QList<QList<QAction*>> familyActions_;
  QList<QList<QAction*>> sizeActions_;
};

}  // namespace orvelis
