#pragma once
// The keys that name what the reading panes can show: "book", "cont", "cont0".."cont4",
// "part1".."part4", "doc0".."doc196", "page1".."page2097". They are the book tree's node keys, the
// targets of the pseudo-links, the entries of the history and the selection kept in the settings.
//
// One grammar reads them all; a KeySyntax says how strictly. Stored keys are read as loosely as
// they always were, because settings, favourites and history written by older versions hold
// them; link bodies come from documents the program composed and are read exactly.

#include <climits>
#include <optional>
#include <string>
#include <string_view>

#include "book/book_format.h"

namespace orvelis {

enum class BookKeyKind {
  Book,          // "book", the tree's root; shows the titles of the Papers
  Contents,      // "cont", the contents folder; shows the titles of the Papers
  PartContents,  // "cont" + n: 0 the titles of the Papers, 1..4 the contents of Part n
  Part,          // "part" + n
  Paper,         // "doc" + n, 0 the Foreword
  Page           // "page" + n
};

struct BookKey {
  BookKeyKind kind = BookKeyKind::Book;
  int number = 0;  // unused for Book and Contents

  friend bool operator==(const BookKey&, const BookKey&) = default;
};

// The numbers one word accepts in a syntax; a word the syntax does not read accepts none.
struct KeyNumbers {
  bool read = false;
  int min = 0;
  int max = 0;
};

struct KeySyntax {
  enum class Spelling {
    Stem,               // the word's first three letters; the fourth of "page"/"part" may be anything,
                        // and a contents key's Part is its last character wherever it stands
    Exact,              // the word as written, a contents key's Part right after it
    ExactIgnoringCase,  // the same, letters in either case
  } spelling = Spelling::Exact;
  bool numberMayTrail = false;  // text after a number is ignored rather than refused
  KeyNumbers book, cont, part, doc, page;  // book/cont: the digits that pick a Part's contents
};

// Keys the program stored (tree, history, settings, favourites, the tool's argument). Numbers end
// at the book's last page, Paper and Part but have no floor below a Paper or Part (the composer
// shows the first); "book5" or "cont12" picks the contents of Part 5 or 2 by its last character,
// any other "con…"/"boo…" the titles of the Papers.
inline constexpr KeySyntax kStoredKeySyntax{
    KeySyntax::Spelling::Stem, false,
    /*book*/ {true, 0, 9},
    /*cont*/ {true, 0, 9},
    /*part*/ {true, INT_MIN, kPartCount - 1},
    /*doc*/ {true, INT_MIN, kPaperCount - 1},
    /*page*/ {true, 1, kPageCount}};

// The body of a reading-pane link ("@page12"): 16-bit numbers, a Paper from 0 and a page from 1
// with no ceiling (the composer refuses what the book lacks), contents of Parts 0..4.
inline constexpr KeySyntax kReadingLinkSyntax{
    KeySyntax::Spelling::Exact, false,
    /*book*/ {},
    /*cont*/ {true, 0, kPartCount - 1},
    /*part*/ {},
    /*doc*/ {true, 0, SHRT_MAX},
    /*page*/ {true, 1, SHRT_MAX}};

// The body of a search-result link: Papers and pages only, any 16-bit number (the search pane
// takes a page below 1 for the Foreword).
inline constexpr KeySyntax kSearchLinkSyntax{
    KeySyntax::Spelling::Exact, false,
    /*book*/ {},
    /*cont*/ {},
    /*part*/ {},
    /*doc*/ {true, SHRT_MIN, SHRT_MAX},
    /*page*/ {true, SHRT_MIN, SHRT_MAX}};

// The page of the key now shown, for next/previous and the navigation commands: "page" in either
// case and a number, whatever follows it; any other key shows no page.
inline constexpr KeySyntax kShownPageSyntax{
    KeySyntax::Spelling::ExactIgnoringCase, true,
    /*book*/ {},
    /*cont*/ {},
    /*part*/ {},
    /*doc*/ {},
    /*page*/ {true, INT_MIN, INT_MAX}};

// The one reader of keys; nullopt for a text that names nothing in this syntax.
std::optional<BookKey> ParseBookKey(std::string_view text, const KeySyntax& syntax = kStoredKeySyntax);

// The tree's spelling: "book", "cont", "cont3", "part2", "doc7", "page12".
std::string FormatBookKey(const BookKey& key);

}  // namespace orvelis
