#include "words/dictd_index.h"

#include <algorithm>

#include "ground/ui_text.h"
#include "ground/utf8.h"

namespace orvelis {
namespace {

int DigitValue(char c) {
  if (c >= 'A' && c <= 'Z') return c - 'A';
  if (c >= 'a' && c <= 'z') return c - 'a' + 26;
  if (c >= '0' && c <= '9') return c - '0' + 52;
  if (c == '+') return 62;
  if (c == '/') return 63;
  return -1;
}

void AppendFolded(std::string& out, std::string_view word) {
  for (std::size_t pos = 0; pos < word.size();) {
    const unsigned char byte = static_cast<unsigned char>(word[pos]);
    if (byte < 0x80) {
      out.push_back(byte >= 'a' && byte <= 'z' ? static_cast<char>(byte - 0x20) : static_cast<char>(byte));
      ++pos;
      continue;
    }
    const std::size_t start = pos;
    const char32_t cp = utf8::Next(word, pos);
    const char32_t upper = utf8::ToUpper(cp);
    if (upper == cp) {
      out.append(word.substr(start, pos - start));  // malformed bytes stay as they are
    } else {
      utf8::Append(out, upper);
    }
  }
}

std::string_view TrimBlanks(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

// Splits "headword TAB offset TAB length [TAB ...]"; false when the line has not those three.
bool SplitLine(std::string_view line, std::string_view& headword, std::string_view& offset,
               std::string_view& length) {
  const std::size_t first = line.find('\t');
  if (first == std::string_view::npos) return false;
  const std::size_t second = line.find('\t', first + 1);
  if (second == std::string_view::npos) return false;
  const std::size_t third = line.find('\t', second + 1);
  headword = line.substr(0, first);
  offset = line.substr(first + 1, second - first - 1);
  length = line.substr(second + 1, third == std::string_view::npos ? std::string_view::npos : third - second - 1);
  return !headword.empty();
}

}  // namespace

std::optional<std::uint64_t> DecodeDictdNumber(std::string_view digits) {
  // Ten digits are 60 bits; an eleventh could overflow, and no file is that large.
  if (digits.empty() || digits.size() > 10) return std::nullopt;
  std::uint64_t value = 0;
  for (char c : digits) {
    const int digit = DigitValue(c);
    if (digit < 0) return std::nullopt;
    value = value * 64 + static_cast<std::uint64_t>(digit);
  }
  return value;
}

std::string FoldHeadword(std::string_view word) {
  std::string out;
  out.reserve(word.size());
  AppendFolded(out, word);
  return out;
}

DictionaryResult DictdIndex::Parse(std::string_view bytes, const std::filesystem::path& path) {
  keys_.clear();
  rows_.clear();
  keys_.reserve(bytes.size() / 2);
  std::size_t lineNumber = 0;
  for (std::size_t start = 0; start < bytes.size();) {
    std::size_t end = bytes.find('\n', start);
    if (end == std::string_view::npos) end = bytes.size();
    std::string_view line = bytes.substr(start, end - start);
    start = end + 1;
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty()) continue;
    std::string_view headword, offset, length;
    if (!SplitLine(line, headword, offset, length)) {
      return DamagedDictionaryFile(
          path, Tr(ORVELIS_TR_NOOP("Core", "строка %1 указателя не состоит из слова, смещения и длины"),
                   {std::to_string(lineNumber)}));
    }
    const auto offsetValue = DecodeDictdNumber(offset);
    const auto lengthValue = DecodeDictdNumber(length);
    if (!offsetValue || !lengthValue) {
      return DamagedDictionaryFile(
          path, Tr(ORVELIS_TR_NOOP("Core", "неверное число в строке %1 указателя"), {std::to_string(lineNumber)}));
    }
    Row row;
    row.keyStart = keys_.size();
    AppendFolded(keys_, headword);
    row.keyLength = keys_.size() - row.keyStart;
    row.entry = {*offsetValue, *lengthValue};
    rows_.push_back(row);
  }
  const auto byKey = [this](const Row& a, const Row& b) { return Key(a) < Key(b); };
  if (!std::is_sorted(rows_.begin(), rows_.end(), byKey)) std::stable_sort(rows_.begin(), rows_.end(), byKey);
  return {};
}

std::vector<DictdEntry> DictdIndex::Find(std::string_view word) const {
  const std::string key = FoldHeadword(TrimBlanks(word));
  std::vector<DictdEntry> found;
  if (key.empty()) return found;
  const auto first = std::partition_point(rows_.begin(), rows_.end(), [&](const Row& r) { return Key(r) < key; });
  for (auto it = first; it != rows_.end() && Key(*it) == key; ++it) found.push_back(it->entry);
  return found;
}

}  // namespace orvelis
