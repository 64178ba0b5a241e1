#pragma once
// The window's commands in one table: the toolbar's positions (the numbers the settings and the
// toolbar have always used) with the object name, menu text, tooltip, shortcut and check state of
// each. The toolbar and the menus are built from it; nothing else spells these out.

#include <array>
#include <span>

namespace orvelis {

// Toolbar positions; 4, 8, 14, 16, 19 and 24 are separators.
enum class Cmd : int {
  Back = 1,
  Forward = 2,
  Print = 3,
  Book = 5,
  Search = 6,
  Favorites = 7,
  PrevPaper = 9,
  PrevPage = 10,
  Contents = 11,
  NextPage = 12,
  NextPaper = 13,
  GoTo = 15,
  Russian = 17,
  English = 18,
  OnePane = 20,
  Stacked = 21,
  SideBySide = 22,
  SyncScroll = 23,
  Site = 25,
};

inline constexpr int kToolbarPositions = 25;

struct CommandSpec {
  Cmd cmd;
  const char* objectName;  // the menu item's name; a toolbar-only button is "tbToolbar_<position>"
  const char* menuText;
  const char* tooltip;
  const char* shortcut;  // portable key text ("Ctrl+PgDown"), empty for none
  bool checkable;
};

// Every toolbar command, in toolbar order.
std::span<const CommandSpec> ToolbarCommands();
bool IsToolbarSeparator(int position);
// The separators that go with the reading commands (hidden with them by the favourites view).
inline constexpr std::array<int, 5> kReadingSeparators{4, 14, 16, 19, 24};

// The commands the favourites view hides while it covers the reading area.
inline constexpr std::array<Cmd, 15> kReadingCommands{
    Cmd::Back,     Cmd::Forward,  Cmd::Print,   Cmd::PrevPaper, Cmd::PrevPage,
    Cmd::Contents, Cmd::NextPage, Cmd::NextPaper, Cmd::GoTo,    Cmd::Russian,
    Cmd::English,  Cmd::OnePane,  Cmd::Stacked, Cmd::SideBySide, Cmd::SyncScroll};

// The menus' contents, in order (the separators between them are the menu builder's).
inline constexpr std::array<Cmd, 2> kFileMenuHistory{Cmd::Back, Cmd::Forward};
inline constexpr std::array<Cmd, 3> kToolsMenu{Cmd::Book, Cmd::Search, Cmd::Favorites};
inline constexpr std::array<Cmd, 6> kNavigationMenu{Cmd::PrevPaper, Cmd::PrevPage,  Cmd::Contents,
                                                    Cmd::NextPage,  Cmd::NextPaper, Cmd::GoTo};
inline constexpr std::array<Cmd, 2> kLanguageMenu{Cmd::Russian, Cmd::English};
inline constexpr std::array<Cmd, 4> kLayoutMenu{Cmd::OnePane, Cmd::Stacked, Cmd::SideBySide, Cmd::SyncScroll};

}  // namespace orvelis
