// The word-translation panel's documents: the installed dictionary above, the glossary below.

#include <gtest/gtest.h>

#include "support/temp_dir.h"
#include "support/test_dictionaries.h"
#include "words/dictionary_section.h"
#include "words/glossary_page.h"

namespace orvelis {
namespace {

std::string Section(const std::filesystem::path& folder, const std::string& word) {
  DictdDictionary dictionary;
  DictionaryResult opened;
  bool tried = false;
  return DictionarySectionHtml(FindEnglishRussianDictionary(folder), dictionary, opened, tried, word);
}

TEST(DictionarySection, DefinitionsAnAbsentWordAMissingAndADamagedDictionary) {
  test::TempDir dir;
  // Not installed: how to get it.
  EXPECT_NE(Section(dir.path(), "apple").find("apt install dict-freedict-eng-rus"), std::string::npos);
  test::WriteDictionary(dir.path(), "freedict-eng-rus",
                        {{"apple", "apple\n<яблоко> & co\n"}, {"zoo", "zoo\nзоопарк\n"}}, test::DataForm::Dictzip);
  // A definition is text: escaped, never markup.
  EXPECT_NE(Section(dir.path(), "Apple").find("<pre style=\"white-space:pre-wrap\">apple\n&lt;яблоко&gt; &amp; co\n</pre>"),
            std::string::npos);
  EXPECT_NE(Section(dir.path(), "pear").find("В словаре нет слова &laquo;pear&raquo;"), std::string::npos);
  // A damaged index: its message, and the panel goes on (the glossary follows the rule).
  test::WriteFileBytes(dir / "freedict-eng-rus.index", "apple\tnot base64!\tA\n");
  const std::string damaged = Section(dir.path(), "apple");
  EXPECT_NE(damaged.find("поврежден"), std::string::npos) << damaged;
  EXPECT_EQ(damaged.substr(damaged.size() - 4), "<hr>");
}

TEST(GlossaryPage, CandidatesWithTheirExampleLinksOrWhyThereAreNone) {
  const std::string html = GlossaryPageHtml(
      "свет", kRussian, {{"light", 0.8, 4, {{12, "((5:1:5))"}, {40, "((_0:2:0))"}}}, {"the", 0.5, 9, {}}});
  EXPECT_NE(html.find("&laquo;свет&raquo;</b> в английском тексте"), std::string::npos);
  EXPECT_NE(html.find("<b>light</b></td><td align=\"right\">0.80</td><td align=\"right\">4</td><td><a "
                      "href=\"@page12#5\">стр. 12</a>, <a href=\"@page40#0\">стр. 40</a></td>"),
            std::string::npos)
      << html;
  EXPECT_NE(GlossaryPageHtml("<b>", kEnglish, {}).find("&laquo;&lt;b&gt;&raquo;</b> в русском тексте"),
            std::string::npos);
}

}  // namespace
}  // namespace orvelis
