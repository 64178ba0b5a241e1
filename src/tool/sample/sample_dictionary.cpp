#include "tool/sample/sample_dictionary.h"

#include <zlib.h>

#include <algorithm>
#include <stdexcept>

#include "tool/sample/vocabulary.h"

namespace orvelis::sample {
namespace {

void PutLe16(std::string& out, unsigned value) {
  out.push_back(static_cast<char>(value & 0xFF));
  out.push_back(static_cast<char>((value >> 8) & 0xFF));
}

void PutLe32(std::string& out, unsigned long value) {
  PutLe16(out, static_cast<unsigned>(value & 0xFFFF));
  PutLe16(out, static_cast<unsigned>((value >> 16) & 0xFFFF));
}

// Deflates `input` with `flush` into the end of `out`, through an already initialised stream.
void DeflateInto(z_stream& stream, std::string_view input, int flush, std::string& out) {
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(input.data()));
  stream.avail_in = static_cast<uInt>(input.size());
  char buffer[1 << 16];
  do {
    stream.next_out = reinterpret_cast<Bytef*>(buffer);
    stream.avail_out = sizeof buffer;
    if (deflate(&stream, flush) == Z_STREAM_ERROR) throw std::runtime_error("deflate failed");
    out.append(buffer, sizeof buffer - stream.avail_out);
  } while (stream.avail_out == 0 || stream.avail_in > 0);
}

unsigned long Crc32(std::string_view data) {
  return crc32(crc32(0L, Z_NULL, 0), reinterpret_cast<const Bytef*>(data.data()), static_cast<uInt>(data.size()));
}

}  // namespace

std::string EncodeDictdNumber(std::uint64_t value) {
  static constexpr std::string_view kDigits = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string digits;
  do {
    digits.insert(digits.begin(), kDigits[value % 64]);
    value /= 64;
  } while (value > 0);
  return digits;
}

DictdFiles MakeDictdFiles(const std::vector<DictionaryEntry>& entries) {
  DictdFiles files;
  for (const DictionaryEntry& e : entries) {
    files.index += e.headword + "\t" + EncodeDictdNumber(files.data.size()) + "\t" +
                   EncodeDictdNumber(e.definition.size()) + "\n";
    files.data += e.definition;
  }
  return files;
}

std::string DictzipBytes(std::string_view data, std::uint16_t chunkLength) {
  z_stream stream{};
  if (deflateInit2(&stream, 9, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK) {
    throw std::runtime_error("deflateInit2 failed");
  }
  std::string body;
  std::vector<std::size_t> sizes;
  std::size_t at = 0;
  do {
    const std::string_view chunk = data.substr(at, chunkLength);
    at += chunk.size();
    const std::size_t before = body.size();
    DeflateInto(stream, chunk, at < data.size() ? Z_FULL_FLUSH : Z_FINISH, body);
    sizes.push_back(body.size() - before);
  } while (at < data.size());
  deflateEnd(&stream);
  if (sizes.size() > 0xFFFF) throw std::runtime_error("too many chunks for a dictzip file");

  std::string file = {'\x1F', '\x8B', 8, 4 /* FEXTRA */, 0, 0, 0, 0, 2 /* XFL: best compression */, 3 /* Unix */};
  const unsigned fieldLength = 6 + 2 * static_cast<unsigned>(sizes.size());
  PutLe16(file, 4 + fieldLength);
  file += "RA";
  PutLe16(file, fieldLength);
  PutLe16(file, 1);  // version
  PutLe16(file, chunkLength);
  PutLe16(file, static_cast<unsigned>(sizes.size()));
  for (std::size_t size : sizes) {
    if (size > 0xFFFF) throw std::runtime_error("a chunk compressed to more than 64 KiB");
    PutLe16(file, static_cast<unsigned>(size));
  }
  file += body;
  PutLe32(file, Crc32(data));
  PutLe32(file, static_cast<unsigned long>(data.size() & 0xFFFFFFFFu));
  return file;
}

std::string GzipBytes(std::string_view data) {
  z_stream stream{};
  if (deflateInit2(&stream, 6, Z_DEFLATED, MAX_WBITS + 16, 8, Z_DEFAULT_STRATEGY) != Z_OK) {
    throw std::runtime_error("deflateInit2 failed");
  }
  std::string file;
  DeflateInto(stream, data, Z_FINISH, file);
  deflateEnd(&stream);
  return file;
}

std::vector<DictionaryEntry> MakeSampleDictionaryEntries(std::size_t count) {
  static constexpr std::string_view kEndings[] = {"", "s", "ed", "ing", "er", "ly", "ness", "ful", "less", "ish"};
  const auto english = EnglishWords();
  const auto russian = RussianWords();
  std::vector<std::string> words;
  for (std::size_t i = 0; words.size() < count && i < english.size() * std::size(kEndings); ++i) {
    words.push_back(std::string(english[i % english.size()]) + std::string(kEndings[i / english.size()]));
  }
  for (std::size_t i = 0; words.size() < count; ++i) words.push_back("word" + std::to_string(i));
  std::sort(words.begin(), words.end());
  words.erase(std::unique(words.begin(), words.end()), words.end());

  std::vector<DictionaryEntry> entries;
  entries.reserve(words.size());
  std::uint64_t state = 0x9E3779B97F4A7C15ull;
  const auto next = [&](std::size_t bound) {
    state = state * 6364136223846793005ull + 1442695040888963407ull;
    return static_cast<std::size_t>((state >> 33) % bound);
  };
  for (const std::string& word : words) {
    std::string definition = word + " /" + word + "/\n";
    const std::size_t senses = 1 + next(3);
    for (std::size_t s = 1; s <= senses; ++s) {
      definition += std::to_string(s) + ". ";
      for (std::size_t w = 0, n = 1 + next(4); w < n; ++w) {
        definition += std::string(w ? ", " : "") + std::string(russian[next(russian.size())]);
      }
      definition += "\n";
    }
    entries.push_back({word, std::move(definition)});
  }
  return entries;
}

}  // namespace orvelis::sample
