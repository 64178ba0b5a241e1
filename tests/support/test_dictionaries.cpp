#include "support/test_dictionaries.h"

#include "support/temp_dir.h"

namespace orvelis::test {

DictionaryFiles WriteDictionary(const std::filesystem::path& folder, const std::string& name,
                                const std::vector<sample::DictionaryEntry>& entries, DataForm form,
                                std::uint16_t chunkLength) {
  const sample::DictdFiles files = sample::MakeDictdFiles(entries);
  DictionaryFiles paths{folder / (name + ".index"), folder / (name + (form == DataForm::Plain ? ".dict" : ".dict.dz"))};
  WriteFileBytes(paths.index, files.index);
  switch (form) {
    case DataForm::Plain:
      WriteFileBytes(paths.data, files.data);
      break;
    case DataForm::Dictzip:
      WriteFileBytes(paths.data, sample::DictzipBytes(files.data, chunkLength));
      break;
    case DataForm::Gzip:
      WriteFileBytes(paths.data, sample::GzipBytes(files.data));
      break;
  }
  return paths;
}

std::string DataFormName(const ::testing::TestParamInfo<DataForm>& form) {
  switch (form.param) {
    case DataForm::Plain:
      return "PlainDict";
    case DataForm::Dictzip:
      return "Dictzip";
    case DataForm::Gzip:
      return "GzipWithoutChunks";
  }
  return "";
}

std::string LongDefinition() {
  std::string text = "long /lɒŋ/\n";
  for (int i = 1; i <= 12; ++i) text += std::to_string(i) + ". длинный, долгий, продолжительный\n";
  return text;
}

std::vector<sample::DictionaryEntry> SmallDictionaryEntries() {
  // In the index's order: headwords compared in upper case, Cyrillic after Latin.
  return {
      {"apple", "apple /ˈæpl/\nяблоко\n"},
      {"battle", "battle‐ /bˈatəl/\nбоевой\n"},
      {"battle", "battle /bætl/\n1. боевой\n2. битва, бой, борьба\n"},
      {"long", LongDefinition()},
      {"New York", "New York\nНью-Йорк\n"},
      {"zoo", "zoo /zˈuː/\nзоопарк\n"},
      {"ёлка", "ёлка\nfir tree, Christmas tree\n"},
      {"мир", "мир\n1. world\n2. peace\n"},
  };
}

}  // namespace orvelis::test
