#pragma once
// Every name the program keeps in the SettingsStore, with the form of its value and what a
// missing or unreadable value means. Values are text; numbers are read only when numeric (a comma
// is accepted as the decimal separator) and written in one locale-independent form. Window
// geometry is in twips, 15 to a pixel (PixelsToTwips/TwipsToPixels in window_rules/layout_rules.h).

#include <string>

namespace orvelis::setting {

// The fonts of every document (render/stylesheet).
inline constexpr const char* kFontSize = "fsize";     // size step -3..5, rounded and clamped; default 0 ("100%")
inline constexpr const char* kFontFamily = "ffam";    // family name; default "Verdana"
inline constexpr const char* kFontColor = "fcol";     // colour 0x00BBGGRR in decimal; default 0x666666

// The main window (window_rules/reading_settings).
inline constexpr const char* kWindowState = "ws";     // 0 normal, 1 minimised, 2 maximised; default 0
inline constexpr const char* kWindowTop = "wt";       // twips; written only in the normal state, no default
inline constexpr const char* kWindowLeft = "wl";      // twips
inline constexpr const char* kWindowWidth = "ww";     // twips; used only when it and the height are positive
inline constexpr const char* kWindowHeight = "wh";    // twips
inline constexpr const char* kLeftPanel = "tb_s";     // 0 none, 1 book tree, 2 search, 3 favourites; default 0
inline constexpr const char* kSplitterLeft = "spl";   // twips; written only
inline constexpr const char* kFixedHeaders = "fxtp";  // "1" fixed header strips; anything else off
inline constexpr const char* kSyncScroll = "snc";     // "1" synchronized scrolling; anything else off
inline constexpr const char* kSyncByParagraph = "sncp";  // "1" two panes kept at the same paragraph; else by ratio
inline constexpr const char* kLayoutMode = "mw_p";    // 20 one pane, 21 stacked, 22 side by side, 23 parallel text; else 20
inline constexpr const char* kSplitRatioHor = "swhp";   // 0.1..0.9 (clamped); default 0.5
inline constexpr const char* kSplitRatioVert = "swvp";  // 0.1..0.9 (clamped); default 0.5
inline constexpr const char* kLanguage = "lang";      // 0 English, anything else Russian; default 1
inline constexpr const char* kSortByRating = "sord";  // 1 by rating, 0 in page order; else 0
inline constexpr const char* kGroupResults = "sgrp";  // any non-zero number groups by Paper; default off
inline constexpr const char* kSearchBothLanguages = "sbl";  // "1" searches the Russian and the English text
inline constexpr const char* kWordForms = "swf";  // "1" a query's plain words find every form
inline constexpr const char* kShowCounterparts = "sctp";    // "1" snippets show their paragraph's translation
inline constexpr const char* kShowFavoritesFolders = "sff";  // "1"/"0", the add dialog's folder tree; written only
inline constexpr const char* kFavoritesViewShown = "sft";    // any non-zero number: the view is open; default off
inline constexpr const char* kFavoritesNode = "fsn";  // the favourites tree's selected key; default none
inline constexpr const char* kAutoUpdateCheck = "achu";  // 1 or missing: check at start; anything else off
// The left panel's width for panel 1..3: "1lwdh".."3lwdh", twips; default 3000.
inline std::string PanelWidthName(int panel) { return std::to_string(panel) + "lwdh"; }

// Where the reader was (window_rules/reading_settings, window_rules/reading_position).
inline constexpr const char* kTreeKey = "c_pg";          // the book key shown; empty: "book"
inline constexpr const char* kBookExpanded = "b_exp";    // "-1"/"0"; empty: expanded; other text: left alone
inline constexpr const char* kContentsExpanded = "c_exp";  // as "b_exp"
inline constexpr const char* kPartsExpanded = "p_exp";   // expanded Parts, numbers joined by ","
inline constexpr const char* kPapersExpanded = "d_exp";  // expanded Papers, numbers joined by ","
inline constexpr const char* kReadingPosition = "c_pos";  // "p12 0.35" or "top 240"; else the top of the page
inline constexpr const char* kFavoritesExpanded = "f_exp";  // expanded favourites folder keys joined by ","

// Dialogs and the help (navigation/go_to_rules, help/update_check).
inline constexpr const char* kGoToKind = "fp_t";  // 0 page, 1 Paper; anything else 0
inline constexpr const char* kWebSite = "site";   // the program's web site; empty: the built-in one

// The interface's language (window_rules/interface_language), independent of the book's ("lang").
inline constexpr const char* kInterfaceLanguage = "ui_lang";  // "ru", "en"; anything else: the system's

// A window's placement: state (0/1/2 as "ws") and top, left, width, height in twips.
struct PlacementNames {
  const char* state;
  const char* top;
  const char* left;
  const char* width;
  const char* height;
};
inline constexpr PlacementNames kMainWindowPlacement{kWindowState, kWindowTop, kWindowLeft, kWindowWidth,
                                                     kWindowHeight};
inline constexpr PlacementNames kHelpWindowPlacement{"hsws", "hswt", "hswl", "hsww", "hswh"};
inline constexpr PlacementNames kRulesWindowPlacement{"sws", "swt", "swl", "sww", "swh"};

}  // namespace orvelis::setting
