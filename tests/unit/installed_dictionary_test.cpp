// Where the English-Russian dictionary's package puts its files, and the package's real files
// when this machine has them.

#include <gtest/gtest.h>

#include <fstream>

#include "support/temp_dir.h"
#include "words/dictd_dictionary.h"
#include "words/installed_dictionary.h"

namespace orvelis {
namespace {

using Definitions = std::vector<std::string>;

TEST(InstalledDictionary, IsPresentWhenTheIndexAndTheCompressedDefinitionsAreThere) {
  test::TempDir dir;
  test::WriteFileBytes(dir / "freedict-eng-rus.index", "");
  test::WriteFileBytes(dir / "freedict-eng-rus.dict.dz", "");
  test::WriteFileBytes(dir / "freedict-eng-rus.dict", "");
  const InstalledDictionary found = FindEnglishRussianDictionary(dir.path());
  EXPECT_TRUE(found.present);
  EXPECT_EQ(found.index, dir / "freedict-eng-rus.index");
  EXPECT_EQ(found.data, dir / "freedict-eng-rus.dict.dz");
  EXPECT_EQ(found.missingMessage, "");
}

TEST(InstalledDictionary, TakesUnpackedDefinitionsWhenTheCompressedOnesAreMissing) {
  test::TempDir dir;
  test::WriteFileBytes(dir / "freedict-eng-rus.index", "");
  test::WriteFileBytes(dir / "freedict-eng-rus.dict", "");
  const InstalledDictionary found = FindEnglishRussianDictionary(dir.path());
  EXPECT_TRUE(found.present);
  EXPECT_EQ(found.data, dir / "freedict-eng-rus.dict");
}

TEST(InstalledDictionary, WhenMissingSaysWhichFileAndHowToInstallThePackage) {
  test::TempDir dir;
  InstalledDictionary found = FindEnglishRussianDictionary(dir.path());
  EXPECT_FALSE(found.present);
  EXPECT_EQ(found.missingMessage, "Англо-русский словарь не установлен: нет файла " +
                                      (dir / "freedict-eng-rus.index").string() +
                                      ".\nЧтобы установить его, выполните команду\n"
                                      "sudo apt install dict-freedict-eng-rus");
  test::WriteFileBytes(dir / "freedict-eng-rus.index", "");
  std::filesystem::create_directory(dir / "freedict-eng-rus.dict.dz");  // a folder is no file
  found = FindEnglishRussianDictionary(dir.path());
  EXPECT_FALSE(found.present);
  EXPECT_EQ(found.missingMessage, "Англо-русский словарь не установлен: нет файла " +
                                      (dir / "freedict-eng-rus.dict.dz").string() +
                                      ".\nЧтобы установить его, выполните команду\n"
                                      "sudo apt install dict-freedict-eng-rus");
}

TEST(InstalledDictionary, DefaultsToTheSystemsDictionaryFolder) {
  const InstalledDictionary found = FindEnglishRussianDictionary();
  EXPECT_EQ(found.index, std::filesystem::path("/usr/share/dictd/freedict-eng-rus.index"));
}

// The package's own files (Debian 12: dict-freedict-eng-rus 2022.04.21-1, a dictzip of two chunks).
TEST(InstalledDictionary, ThePackagesFilesGiveTheirDefinitions) {
  const InstalledDictionary installed = FindEnglishRussianDictionary();
  if (!installed.present) GTEST_SKIP() << installed.missingMessage;
  DictdDictionary dictionary;
  const DictionaryResult opened = dictionary.Open(installed.index, installed.data);
  ASSERT_TRUE(opened) << opened.message;
  EXPECT_EQ(dictionary.Lookup("Zoo").definitions, Definitions{"zoo /zˈuː/\nзоопарк\n"});
  EXPECT_EQ(dictionary.Lookup("about").definitions, Definitions{"about /əbaut/\n1. о\n2. приблизительно, примерно\n"});
  EXPECT_EQ(dictionary.Lookup("battle").definitions,
            (Definitions{"battle‐ /bˈatəl/\nбоевой\n", "battle /bætl/\n1. боевой\n2. битва, бой, борьба\n"}));
  EXPECT_TRUE(dictionary.Lookup("zoology").definitions.empty());

  // Every headword of the index, read here line by line, finds a definition: both chunks and the
  // boundary between them are read.
  std::ifstream index(installed.index);
  std::size_t headwords = 0;
  for (std::string line; std::getline(index, line); ++headwords) {
    const std::string headword = line.substr(0, line.find('\t'));
    const DictionaryLookup lookup = dictionary.Lookup(headword);
    EXPECT_TRUE(lookup.ok()) << headword << ": " << lookup.error;
    EXPECT_FALSE(lookup.definitions.empty()) << headword;
  }
  EXPECT_EQ(dictionary.HeadwordCount(), headwords);
}

}  // namespace
}  // namespace orvelis
