// Damaged and missing dictionary files: each ends in a message naming the file and what is wrong,
// the rest of the dictionary stays usable where it can, and nothing crashes or hangs.

#include <gtest/gtest.h>

#include "support/temp_dir.h"
#include "support/test_dictionaries.h"
#include "words/dictd_dictionary.h"

namespace orvelis {
namespace {

using Definitions = std::vector<std::string>;
using sample::EncodeDictdNumber;

std::string Damaged(const std::filesystem::path& path, const std::string& reason) {
  return "Файл словаря " + path.string() + " поврежден: " + reason;
}

class DamagedDictionary : public ::testing::Test {
 protected:
  test::DictionaryFiles Write(test::DataForm form) {
    return test::WriteDictionary(dir.path(), "small", test::SmallDictionaryEntries(), form);
  }
  // The dictzip's bytes; its chunk table starts at byte 22 (after the gzip header's ten bytes,
  // the extra field's length, the RA subfield's id and length, version, chunk length and count).
  std::string DictzipBytes() {
    return test::ReadFileBytes(Write(test::DataForm::Dictzip).data);
  }
  static unsigned ChunkCount(const std::string& dz) {
    return static_cast<unsigned char>(dz[20]) | (static_cast<unsigned char>(dz[21]) << 8);
  }
  DictionaryResult OpenWithData(const std::string& dataBytes) {
    test::WriteFileBytes(dir / "small.dict.dz", dataBytes);
    return dictionary.Open(dir / "small.index", dir / "small.dict.dz");
  }
  test::TempDir dir;
  DictdDictionary dictionary;
};

TEST_F(DamagedDictionary, AMissingFileIsNamed) {
  const test::DictionaryFiles files = Write(test::DataForm::Plain);
  const DictionaryResult noIndex = dictionary.Open(dir / "none.index", files.data);
  EXPECT_EQ(noIndex.message, "Не удалось открыть словарь: нет файла " + (dir / "none.index").string());
  const DictionaryResult noData = dictionary.Open(files.index, dir / "none.dict.dz");
  EXPECT_EQ(noData.message, "Не удалось открыть словарь: нет файла " + (dir / "none.dict.dz").string());
  EXPECT_FALSE(dictionary.IsOpen());
}

TEST_F(DamagedDictionary, AFolderInPlaceOfAFileCannotBeRead) {
  const test::DictionaryFiles files = Write(test::DataForm::Plain);
  std::filesystem::create_directory(dir / "folder.dict");
  EXPECT_EQ(dictionary.Open(files.index, dir / "folder.dict").message,
            "Не удалось прочитать файл словаря " + (dir / "folder.dict").string());
}

TEST_F(DamagedDictionary, AnIndexLineThatIsNotAHeadwordAndTwoNumbersNamesItsLine) {
  const test::DictionaryFiles files = Write(test::DataForm::Plain);
  const std::pair<std::string, std::string> cases[] = {
      {"apple\tA\tB\nbattle\tB\tC\nzoo\tA!\tB\n", "неверное число в строке 3 указателя"},
      {"apple\tA\tB\nbattle\tB\tC=\n", "неверное число в строке 2 указателя"},
      {"apple\t\tB\n", "неверное число в строке 1 указателя"},
      {"apple\tBAAAAAAAAAA\tB\n", "неверное число в строке 1 указателя"},
      {"apple\tA\tB\n\nbattle B C\n", "строка 3 указателя не состоит из слова, смещения и длины"},
      {"apple\tA\n", "строка 1 указателя не состоит из слова, смещения и длины"},
      {"\tA\tB\n", "строка 1 указателя не состоит из слова, смещения и длины"},
  };
  for (const auto& [index, reason] : cases) {
    test::WriteFileBytes(files.index, index);
    EXPECT_EQ(dictionary.Open(files.index, files.data).message, Damaged(files.index, reason)) << index;
    EXPECT_TRUE(dictionary.Lookup("apple").definitions.empty());
  }
}

class EntryBeyondTheData : public DamagedDictionary, public ::testing::WithParamInterface<test::DataForm> {};

INSTANTIATE_TEST_SUITE_P(Forms, EntryBeyondTheData,
                         ::testing::Values(test::DataForm::Plain, test::DataForm::Dictzip, test::DataForm::Gzip),
                         test::DataFormName);

TEST_P(EntryBeyondTheData, IsReportedAndTheOtherEntriesStillRead) {
  const test::DictionaryFiles files = Write(GetParam());
  const std::size_t dataSize = sample::MakeDictdFiles(test::SmallDictionaryEntries()).data.size();
  // "apple" gets a second entry that runs past the end; two more start past it, one far past
  // every chunk and one just past the data (inside the last chunk's length of a dictzip).
  std::string index = test::ReadFileBytes(files.index);
  index += "apple\t" + EncodeDictdNumber(dataSize - 3) + "\tF\n";
  index += "far\t" + EncodeDictdNumber(std::uint64_t{1} << 40) + "\tB\n";
  index += "near\t" + EncodeDictdNumber(dataSize + 1) + "\tB\n";
  test::WriteFileBytes(files.index, index);
  ASSERT_TRUE(dictionary.Open(files.index, files.data));

  const DictionaryLookup apple = dictionary.Lookup("apple");
  EXPECT_EQ(apple.definitions, Definitions{"apple /ˈæpl/\nяблоко\n"});
  EXPECT_EQ(apple.error, Damaged(files.data, "статья выходит за конец данных"));
  for (const char* word : {"far", "near"}) {
    const DictionaryLookup lookup = dictionary.Lookup(word);
    EXPECT_TRUE(lookup.definitions.empty()) << word;
    EXPECT_EQ(lookup.error, Damaged(files.data, "статья выходит за конец данных")) << word;
  }
  EXPECT_EQ(dictionary.Lookup("мир").definitions, Definitions{"мир\n1. world\n2. peace\n"});
}

TEST_P(EntryBeyondTheData, OfMegabytesIsRefusedBeforeAnythingIsRead) {
  const test::DictionaryFiles files = Write(GetParam());
  test::WriteFileBytes(files.index, "huge\tA\tBAAAB\n");  // 16 MiB and one byte
  ASSERT_TRUE(dictionary.Open(files.index, files.data));
  EXPECT_EQ(dictionary.Lookup("huge").error, Damaged(files.data, "статья длиннее 16 МиБ"));
}

TEST_F(DamagedDictionary, ACutDictzipIsRefusedUnlessOnlyItsChecksumIsCut) {
  const std::string dz = DictzipBytes();
  EXPECT_EQ(OpenWithData(dz.substr(0, dz.size() / 2)).message,
            Damaged(dir / "small.dict.dz", "сжатые данные обрываются"));
  EXPECT_EQ(OpenWithData(dz.substr(0, 15)).message, Damaged(dir / "small.dict.dz", "сжатые данные обрываются"));
  // The checksum and length at the end are not needed to read chunk by chunk: nothing is lost.
  ASSERT_TRUE(OpenWithData(dz.substr(0, dz.size() - 8)));
  EXPECT_EQ(dictionary.Lookup("long").definitions, Definitions{test::LongDefinition()});
  EXPECT_EQ(dictionary.Lookup("мир").definitions, Definitions{"мир\n1. world\n2. peace\n"});
}

TEST_F(DamagedDictionary, ABrokenChunkSpoilsOnlyTheEntriesInIt) {
  std::string dz = DictzipBytes();
  const std::size_t firstChunk = 22 + 2 * ChunkCount(dz);
  // A deflate block of the reserved type 3 (the first byte's low bits 1, 11): never valid.
  dz[firstChunk] = '\xFF';
  ASSERT_TRUE(OpenWithData(dz));
  EXPECT_EQ(dictionary.Lookup("apple").error, Damaged(dir / "small.dict.dz", "сжатые данные испорчены"));
  EXPECT_EQ(dictionary.Lookup("мир").definitions, Definitions{"мир\n1. world\n2. peace\n"});
}

TEST_F(DamagedDictionary, AChunkLongerThanTheTableSaysIsDamage) {
  std::string dz = DictzipBytes();
  dz[18] = 32;  // chunks hold 64 bytes; the table now claims 32
  ASSERT_TRUE(OpenWithData(dz));
  EXPECT_EQ(dictionary.Lookup("apple").error, Damaged(dir / "small.dict.dz", "сжатые данные испорчены"));
}

TEST_F(DamagedDictionary, AChunkTableThatDoesNotAddUpIsRefused) {
  const std::string dz = DictzipBytes();
  std::string version2 = dz;
  version2[16] = 2;
  EXPECT_EQ(OpenWithData(version2).message, Damaged(dir / "small.dict.dz", "неизвестная версия таблицы блоков"));
  std::string noChunks = dz;
  noChunks[20] = noChunks[21] = 0;
  EXPECT_EQ(OpenWithData(noChunks).message, Damaged(dir / "small.dict.dz", "таблица блоков не сходится"));
  std::string moreChunks = dz;
  moreChunks[20] = static_cast<char>(moreChunks[20] + 1);  // one size more than the field holds
  EXPECT_EQ(OpenWithData(moreChunks).message, Damaged(dir / "small.dict.dz", "таблица блоков не сходится"));
  std::string longField = dz;
  longField[14] = static_cast<char>(longField[14] + 4);  // the RA subfield runs past the extra field
  EXPECT_EQ(OpenWithData(longField).message,
            Damaged(dir / "small.dict.dz", "дополнительное поле заголовка испорчено"));
}

TEST_F(DamagedDictionary, ACutOrCorruptGzipIsRefusedAtOpen) {
  const std::string gz = test::ReadFileBytes(Write(test::DataForm::Gzip).data);
  EXPECT_EQ(OpenWithData(gz.substr(0, gz.size() / 2)).message,
            Damaged(dir / "small.dict.dz", "сжатые данные обрываются"));
  std::string badChecksum = gz;
  badChecksum[gz.size() - 8] = static_cast<char>(badChecksum[gz.size() - 8] ^ 0x55);
  EXPECT_EQ(OpenWithData(badChecksum).message, Damaged(dir / "small.dict.dz", "сжатые данные испорчены"));
  std::string notDeflate = gz;
  notDeflate[2] = 7;
  EXPECT_EQ(OpenWithData(notDeflate).message, Damaged(dir / "small.dict.dz", "это не файл gzip"));
}

// Every cut and every changed byte of a dictzip: the reader opens it or says why not, and each
// lookup gives definitions or a message; sanitizer builds catch any read out of bounds here.
TEST_F(DamagedDictionary, NoCutOrChangedByteOfADictzipCrashesTheReader) {
  const std::string dz = DictzipBytes();
  const auto entries = test::SmallDictionaryEntries();
  const auto tryAll = [&](const std::string& bytes, const std::string& what) {
    const DictionaryResult opened = OpenWithData(bytes);
    if (!opened) {
      EXPECT_FALSE(opened.message.empty()) << what;
      return;
    }
    for (const auto& entry : entries) {
      EXPECT_LE(dictionary.Lookup(entry.headword).definitions.size(), 2u) << what;
    }
  };
  for (std::size_t length = 0; length < dz.size(); ++length) tryAll(dz.substr(0, length), "cut at " + std::to_string(length));
  for (std::size_t at = 0; at < dz.size(); ++at) {
    std::string changed = dz;
    changed[at] = static_cast<char>(changed[at] ^ 0xA5);
    tryAll(changed, "byte " + std::to_string(at));
  }
}

}  // namespace
}  // namespace orvelis
