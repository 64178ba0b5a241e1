// The help page and the page of query rules for the English interface: the Russian pages' content
// in English, with examples that hold on the English text.

#include "help/help_page_parts.h"

namespace orvelis {

std::string EnglishHelpText() {
  return std::string(kOpening) +
         "<center><b>Dear users of “The ORVELIS Book”!</b></center>"
         "<br>This program holds the English text of the Book and its Russian translation."
         "<br><br>The Book can be read straight through, page after page, or by choosing Papers on the "
         "“Contents” page (the “Navigation” menu, the “Contents” command, or Ctrl+Home)."
         "<br><br>The “Language” menu chooses the language of the text (“Russian” or “English”) and the layout "
         "of the panes: “Text in One Language”, the panes one above the other (“Panes One Above the Other”) or "
         "beside each other (“Panes Side by Side”); the “Synchronize Scrolling of the Panes” command scrolls them "
         "together. Its “Interface Language” submenu chooses the language of the menus and dialogs."
         "<br><br>The “Navigation” menu moves a page forward and back (Ctrl+PgDn, Ctrl+PgUp), a whole Paper at "
         "once (Ctrl+Shift+PgDn, Ctrl+Shift+PgUp) or to any page and any Paper (the “Go To ...” command, Ctrl+G). "
         "The “Back” and “Forward” buttons (Alt+Left, Alt+Right) return to what you have already read."
         "<br><br>A page can be printed from the “File” menu; saving it, like printing a selected passage, is "
         "done from the context menu (the right mouse button over the text)."
         "<br><br><br><center><b>Now about the additional functions.</b></center>"
         "<br>The “Sections of the Book” command of the “Tools” menu opens the tree of sections: from it you can "
         "go to any Paper and any page with the mouse or the keys (arrows, Enter)."
         "<br><br>The “Search the Book” command finds words and phrases in the whole Book or in one of its Parts; "
         "the “?” sign beside the search box opens the rules for writing queries."
         "<br><br>The “Favorites” command collects passages of the text in folders by topic: select the text and "
         "choose “Add to Favorites” in the context menu."
         "<br><br>The “Text Settings” menu changes the font, its size and its colour."
         "<br><br>The “About” menu leads to the site and the forum of the Book's readers and checks for new "
         "versions."
         "<br><br>We wish you joy in reading!"
         "</div></td></tr></table>" +
         CloseBar(HelpLanguage::English);
}

std::string EnglishRulesText() {
  return std::string(kOpening) +
         "<center><b>Examples of simple queries</b></center>"
         "<br>A query of one or more words finds the text where all these words are, in any order:" +
         Example("jesus christ") +
         "<br>Words in single or double quotes are searched for as a phrase:" + Example("'jesus christ'") +
         "<br>The sign “?” stands for one letter that may be spelled in different ways:" + Example("m?ssiah") +
         "<br>Capital and small letters are not told apart: “SPIRIT” and “spirit” are the same." +
         "</div></td></tr></table>"
         "<br><center><big><b>Writing complex queries</b></big></center><br>"
         "<center><b class=\"add_not_txt\">Table of special characters</b></center>"
         "<table width=\"100%\" align=\"center\" cellpadding=\"3\" border=\"1\" bordercolor=\"#C4C4C4\">" +
         SymbolRow("?", "Any one character anywhere in a word, for example " + Colored("m?ssiah")) +
         SymbolRow("*", "Any number of letters anywhere in a word, for example " + Colored("god* man")) +
         SymbolRow("+", "Logical AND, which may be left out: " + Colored("Jesus + Christ") + " is the same as " +
                            Colored("Jesus Christ")) +
         SymbolRow("|", "Logical OR: one of the words or both, for example " + Colored("Jesus | Christ")) +
         SymbolRow("!", "Logical NOT: the next word must not be there, for example " + Colored("Jesus ! Nazareth")) +
         SymbolRow("\"\"", "Find the phrase in quotes") +
         SymbolRow("()", "The order of the logical operations, for example " + Colored("Christ | Jesus Nazareth") +
                             " and " + Colored("(Christ | Jesus) came")) +
         SymbolRow("|!", "OR NOT") + SymbolRow("+!", "AND NOT") +
         "</table><br>"
         "<table width=\"100%\" align=\"center\" cellpadding=\"3\" cellspacing=\"0\" border=\"0\"><tr><td "
         "class=\"add_not_txt\"><div align=\"justify\">Several phrases are searched for together with the special "
         "characters."
         "<center><b>An example of a complex query</b></center>" +
         Example("(Jesus|Christ|messiah|teacher) b?thlehem") +
         "Such a query finds the text where someone of the first group and the second word are both mentioned."
         "</div></td></tr></table>" +
         CloseBar(HelpLanguage::English);
}

}  // namespace orvelis
