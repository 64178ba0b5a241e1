// The core's interface texts: the Russian originals unchanged without a translator, placeholders
// filled in one pass, a translator's text used whole; and which language the interface takes.

#include <gtest/gtest.h>

#include <cstring>

#include "favorites/favorites_file.h"
#include "ground/ui_text.h"
#include "search/query_limits.h"
#include "window_rules/interface_language.h"

namespace orvelis {
namespace {

// A catalogue of two texts, as the shell's would be.
std::string TestCatalogue(const char* original) {
  if (std::strcmp(original,
                  "Файл избранного %1 доступен только для чтения.\r\nИзменения избранного не будут "
                  "сохранены: они останутся только до закрытия программы.") == 0) {
    return "The favorites file %1 is read-only.";
  }
  if (std::strcmp(original, "Слишком много слов в строке поиска (не более %1)") == 0) return "%1 words at most";
  return original;
}

class WithTranslator : public ::testing::Test {
 protected:
  void SetUp() override { SetTextTranslator(&TestCatalogue); }
  void TearDown() override { SetTextTranslator(nullptr); }
};

TEST(InterfaceText, WithoutATranslatorTheOriginalIsKeptByteForByte) {
  EXPECT_EQ(Tr("Ошибка ввода"), "Ошибка ввода");
  EXPECT_EQ(QueryStatusMessage(QueryStatus::TooManyWords), "Слишком много слов в строке поиска (не более 300)");
  EXPECT_EQ(ReadOnlyFileText("/x/fav.dat"),
            "Файл избранного /x/fav.dat доступен только для чтения.\r\nИзменения избранного не будут сохранены: "
            "они останутся только до закрытия программы.");
}

TEST(InterfaceText, PlaceholdersAreFilledOnceAndInAnyOrder) {
  EXPECT_EQ(Tr("%2 из %1", {"7", "3"}), "3 из 7");
  EXPECT_EQ(Tr("%1 и %1", {"а"}), "а и а");
  // A part that itself looks like a placeholder (a file name, a query) stays as it is.
  EXPECT_EQ(Tr("файл %1: %2", {"%2.txt", "нет места"}), "файл %2.txt: нет места");
  // A number with no part, a lone "%" and "%0" are text.
  EXPECT_EQ(Tr("%1 %3 100% %0", {"x"}), "x %3 100% %0");
  EXPECT_EQ(Tr("конец %", {"x"}), "конец %");
}

TEST_F(WithTranslator, TheTranslatedTextIsTheOneFilled) {
  EXPECT_EQ(QueryStatusMessage(QueryStatus::TooManyWords), "300 words at most");
  EXPECT_EQ(ReadOnlyFileText("/x/%1.dat"), "The favorites file /x/%1.dat is read-only.");
  EXPECT_EQ(Tr("Ошибка ввода"), "Ошибка ввода");  // not in the catalogue: the original
}

TEST(InterfaceLanguage, TheStoredChoiceWinsOverTheSystem) {
  EXPECT_TRUE(InterfaceIsRussian(InterfaceChoice::Russian, "en-US"));
  EXPECT_FALSE(InterfaceIsRussian(InterfaceChoice::English, "ru-RU"));
  for (InterfaceChoice choice : {InterfaceChoice::System, InterfaceChoice::Russian, InterfaceChoice::English}) {
    EXPECT_EQ(ParseInterfaceChoice(InterfaceChoiceValue(choice)), choice);
  }
  EXPECT_EQ(ParseInterfaceChoice(""), InterfaceChoice::System);
  EXPECT_EQ(ParseInterfaceChoice("RU"), InterfaceChoice::System);  // as written by the program only
  EXPECT_EQ(ParseInterfaceChoice("de"), InterfaceChoice::System);
}

TEST(InterfaceLanguage, TheSystemsRussianInEveryFormOtherwiseEnglish) {
  for (const char* russian : {"ru", "ru-RU", "ru_RU.UTF-8", "RU-ua", "ru@latin", "ru-Cyrl-RU"}) {
    EXPECT_TRUE(InterfaceIsRussian(InterfaceChoice::System, russian)) << russian;
  }
  for (const char* other : {"", "C", "r", "en-US", "uk-UA", "rue", "rup-RO", "de_DE.UTF-8"}) {
    EXPECT_FALSE(InterfaceIsRussian(InterfaceChoice::System, other)) << other;
  }
}

}  // namespace
}  // namespace orvelis
