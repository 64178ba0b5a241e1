// Looking words up in a dictd-format dictionary written to disk in each of its data forms.

#include <gtest/gtest.h>

#include "support/temp_dir.h"
#include "support/test_dictionaries.h"
#include "words/dictd_dictionary.h"

namespace orvelis {
namespace {

using Definitions = std::vector<std::string>;

class DictionaryInEachForm : public ::testing::TestWithParam<test::DataForm> {
 protected:
  void SetUp() override {
    files = test::WriteDictionary(dir.path(), "small", test::SmallDictionaryEntries(), GetParam());
    const DictionaryResult opened = dictionary.Open(files.index, files.data);
    ASSERT_TRUE(opened) << opened.message;
  }
  Definitions Found(std::string_view word) {
    const DictionaryLookup lookup = dictionary.Lookup(word);
    EXPECT_TRUE(lookup.ok()) << word << ": " << lookup.error;
    return lookup.definitions;
  }
  test::TempDir dir;
  test::DictionaryFiles files;
  DictdDictionary dictionary;
};

INSTANTIATE_TEST_SUITE_P(Forms, DictionaryInEachForm,
                         ::testing::Values(test::DataForm::Plain, test::DataForm::Dictzip, test::DataForm::Gzip),
                         test::DataFormName);

TEST_P(DictionaryInEachForm, GivesEveryEntryItsOwnDefinition) {
  EXPECT_EQ(Found("apple"), Definitions{"apple /ˈæpl/\nяблоко\n"});
  EXPECT_EQ(Found("zoo"), Definitions{"zoo /zˈuː/\nзоопарк\n"});
  EXPECT_EQ(Found("мир"), Definitions{"мир\n1. world\n2. peace\n"});
  EXPECT_EQ(Found("New York"), Definitions{"New York\nНью-Йорк\n"});
  EXPECT_EQ(dictionary.HeadwordCount(), 8u);
}

TEST_P(DictionaryInEachForm, GivesADefinitionThatSpansSeveralChunksWhole) {
  ASSERT_GT(test::LongDefinition().size(), 4u * test::kSmallChunk);
  EXPECT_EQ(Found("long"), Definitions{test::LongDefinition()});
}

TEST_P(DictionaryInEachForm, GivesEveryEntryOfAHeadwordInTheIndexOrder) {
  EXPECT_EQ(Found("battle"),
            (Definitions{"battle‐ /bˈatəl/\nбоевой\n", "battle /bætl/\n1. боевой\n2. битва, бой, борьба\n"}));
}

TEST_P(DictionaryInEachForm, IgnoresCaseInLatinAndCyrillic) {
  for (const char* word : {"APPLE", "Apple", "aPpLe"}) EXPECT_EQ(Found(word), Definitions{"apple /ˈæpl/\nяблоко\n"}) << word;
  for (const char* word : {"МИР", "Мир", "мИр"}) EXPECT_EQ(Found(word), Definitions{"мир\n1. world\n2. peace\n"}) << word;
  EXPECT_EQ(Found("ЁЛКА"), Definitions{"ёлка\nfir tree, Christmas tree\n"});
  EXPECT_EQ(Found("new york"), Definitions{"New York\nНью-Йорк\n"});
}

TEST_P(DictionaryInEachForm, IgnoresBlanksAroundTheWord) {
  EXPECT_EQ(Found("  zoo\n"), Definitions{"zoo /zˈuː/\nзоопарк\n"});
}

TEST_P(DictionaryInEachForm, FindsNothingForWordsItLacks) {
  // Neighbours of real headwords in the sorted index, both ends, and words that are not words.
  for (const char* word : {"appl", "apples", "aaa", "zzz", "zo", "battles", "елка", "ми", "", "   ", "New  York",
                           "\xFF\xFE"}) {
    EXPECT_EQ(Found(word), Definitions{}) << word;
  }
}

TEST_P(DictionaryInEachForm, GivesTheSameAnswerWhicheverOrderWordsAreAskedIn) {
  // Backwards and then forwards again, so that chunks are read, cached, evicted and read again.
  const auto entries = test::SmallDictionaryEntries();
  for (int round = 0; round < 2; ++round) {
    for (auto it = entries.rbegin(); it != entries.rend(); ++it) {
      const Definitions found = Found(it->headword);
      EXPECT_NE(std::find(found.begin(), found.end(), it->definition), found.end()) << it->headword;
    }
    EXPECT_EQ(Found("long"), Definitions{test::LongDefinition()});
  }
}

TEST(DictdDictionary, FindsNothingBeforeItIsOpenedOrAfterAFailedOpen) {
  test::TempDir dir;
  DictdDictionary dictionary;
  EXPECT_FALSE(dictionary.IsOpen());
  EXPECT_TRUE(dictionary.Lookup("apple").definitions.empty());
  const test::DictionaryFiles files =
      test::WriteDictionary(dir.path(), "small", test::SmallDictionaryEntries(), test::DataForm::Plain);
  ASSERT_TRUE(dictionary.Open(files.index, files.data));
  EXPECT_FALSE(dictionary.Open(files.index, dir / "missing.dict"));
  EXPECT_FALSE(dictionary.IsOpen());
  EXPECT_TRUE(dictionary.Lookup("apple").definitions.empty());
}

TEST(DictdDictionary, ReadsADictzipWithALargeChunkAsWellAsSmallOnes) {
  // The chunk length real files use (about 58 KiB): one chunk holds the whole small dictionary.
  test::TempDir dir;
  const test::DictionaryFiles files =
      test::WriteDictionary(dir.path(), "small", test::SmallDictionaryEntries(), test::DataForm::Dictzip, 58315);
  DictdDictionary dictionary;
  ASSERT_TRUE(dictionary.Open(files.index, files.data));
  EXPECT_EQ(dictionary.Lookup("long").definitions, Definitions{test::LongDefinition()});
  EXPECT_EQ(dictionary.Lookup("мир").definitions, Definitions{"мир\n1. world\n2. peace\n"});
}

}  // namespace
}  // namespace orvelis
