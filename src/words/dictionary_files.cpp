#include "words/dictionary_files.h"

#include "ground/ui_text.h"

namespace orvelis {

DictionaryResult OpenDictionaryFile(const std::filesystem::path& path, std::ifstream& file, std::uint64_t& size) {
  std::error_code ec;
  const auto status = std::filesystem::status(path, ec);
  if (status.type() == std::filesystem::file_type::not_found) return MissingDictionaryFile(path);
  if (ec || !std::filesystem::is_regular_file(status)) return UnreadableDictionaryFile(path);
  size = std::filesystem::file_size(path, ec);
  if (ec) return UnreadableDictionaryFile(path);
  file.close();
  file.clear();
  file.open(path, std::ios::binary);
  if (!file) return UnreadableDictionaryFile(path);
  return {};
}

DictionaryResult ReadWholeDictionaryFile(const std::filesystem::path& path, std::uint64_t limit, std::string& out) {
  std::ifstream file;
  std::uint64_t size = 0;
  if (DictionaryResult r = OpenDictionaryFile(path, file, size); !r) return r;
  if (size > limit) return DamagedDictionaryFile(path, ORVELIS_TR_NOOP("Core", "файл слишком велик"));
  if (!ReadFileRange(file, 0, size, out)) return UnreadableDictionaryFile(path);
  return {};
}

bool ReadFileRange(std::ifstream& file, std::uint64_t offset, std::uint64_t length, std::string& out) {
  file.clear();
  file.seekg(static_cast<std::streamoff>(offset));
  out.resize(static_cast<std::size_t>(length));
  file.read(out.data(), static_cast<std::streamsize>(length));
  return static_cast<std::uint64_t>(file.gcount()) == length;
}

}  // namespace orvelis
