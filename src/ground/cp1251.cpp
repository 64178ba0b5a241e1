#include "ground/cp1251.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <vector>

#include "ground/utf8.h"

namespace orvelis {
namespace {

// Code points of bytes 0x80..0xFF. 0x98 is unassigned in Windows-1251 and maps to U+0098.
constexpr std::array<char16_t, 128> kHighHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F,
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427,
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F,
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,
};

// The UTF-8 form of every byte packed into one word (bytes in the low three octets, length in
// the top one), so that decoding a whole language is a branch-free table walk.
static_assert(std::endian::native == std::endian::little, "the packed table is stored little-endian");

struct DecodeTable {
  std::array<std::uint32_t, 256> packed{};
  DecodeTable() {
    for (int b = 0; b < 256; ++b) {
      const char32_t cp = b < 0x80 ? static_cast<char32_t>(b) : kHighHalf[b - 0x80];
      std::string s;
      utf8::Append(s, cp);
      std::uint32_t word = static_cast<std::uint32_t>(s.size()) << 24;
      for (std::size_t i = 0; i < s.size(); ++i) word |= static_cast<std::uint32_t>(static_cast<unsigned char>(s[i])) << (8 * i);
      packed[b] = word;
    }
  }
};

const DecodeTable& Decoder() {
  static const DecodeTable table;
  return table;
}

// Returns the byte for a code point, or -1 when Windows-1251 has none.
int ByteOf(char32_t cp) {
  if (cp < 0x80) return static_cast<int>(cp);
  for (int i = 0; i < 128; ++i) {
    if (kHighHalf[i] == cp) return 0x80 + i;
  }
  return -1;
}

struct EncodeTable {
  // Cyrillic block U+0400..U+045F is by far the most common; other code points fall back to a scan.
  std::array<short, 0x60> cyrillic{};
  EncodeTable() {
    for (char32_t cp = 0x400; cp < 0x460; ++cp) cyrillic[cp - 0x400] = static_cast<short>(ByteOf(cp));
  }
  int Lookup(char32_t cp) const {
    if (cp < 0x80) return static_cast<int>(cp);
    if (cp >= 0x400 && cp < 0x460) return cyrillic[cp - 0x400];
    return ByteOf(cp);
  }
};

const EncodeTable& Encoder() {
  static const EncodeTable table;
  return table;
}

template <typename Sink>
void EncodeInto(std::string_view utf8Text, Unmappable policy, Sink&& sink) {
  const EncodeTable& table = Encoder();
  for (std::size_t pos = 0; pos < utf8Text.size();) {
    const char32_t cp = utf8::Next(utf8Text, pos);
    const int byte = table.Lookup(cp);
    if (byte >= 0) {
      sink(static_cast<char>(byte));
    } else if (policy == Unmappable::NumericReference) {
      for (char c : "&#" + std::to_string(static_cast<unsigned long>(cp)) + ";") sink(c);
    } else {
      sink('?');
    }
  }
}

}  // namespace

const std::array<std::uint32_t, 256>& Cp1251ToUtf8Packed() { return Decoder().packed; }

void AppendDecodedCp1251(std::string_view bytes, std::string& out) {
  // One pass into a scratch buffer sized for the worst case (3 UTF-8 bytes per byte, plus the
  // slack of the 4-byte stores), then one copy of the exact length.
  thread_local std::vector<char> scratch;
  if (scratch.size() < bytes.size() * 3 + 8) scratch.resize(bytes.size() * 3 + 8);
  const auto& packed = Decoder().packed;
  char* dst = scratch.data();
  const auto* src = reinterpret_cast<const unsigned char*>(bytes.data());
  const auto* end = src + bytes.size();
  while (end - src >= 8) {
    std::uint64_t word;
    std::memcpy(&word, src, 8);
    if ((word & 0x8080808080808080ULL) == 0) {  // eight ASCII bytes: English text and markup
      std::memcpy(dst, src, 8);
      src += 8;
      dst += 8;
      continue;
    }
    for (int i = 0; i < 8; ++i) {
      const std::uint32_t entry = packed[*src++];
      std::memcpy(dst, &entry, 4);
      dst += entry >> 24;
    }
  }
  while (src < end) {
    const std::uint32_t entry = packed[*src++];
    std::memcpy(dst, &entry, 4);
    dst += entry >> 24;
  }
  out.append(scratch.data(), static_cast<std::size_t>(dst - scratch.data()));
}

std::string DecodeCp1251(std::string_view bytes) {
  std::string out;
  AppendDecodedCp1251(bytes, out);
  return out;
}

std::string EncodeCp1251(std::string_view utf8Text, Unmappable policy) {
  // Documents are mostly markup: runs of ASCII are copied whole, eight bytes at a time, and only
  // the characters between them go through the table. A results page runs to megabytes.
  std::string out;
  out.reserve(utf8Text.size());
  const char* const begin = utf8Text.data();
  const std::size_t size = utf8Text.size();
  std::size_t pos = 0;
  while (pos < size) {
    std::size_t run = pos;
    while (size - run >= 8) {
      std::uint64_t word;
      std::memcpy(&word, begin + run, 8);
      if (word & 0x8080808080808080ULL) break;
      run += 8;
    }
    while (run < size && static_cast<unsigned char>(begin[run]) < 0x80) ++run;
    out.append(begin + pos, run - pos);
    if (run == size) break;
    std::size_t next = run;
    utf8::Next(utf8Text, next);
    EncodeInto(utf8Text.substr(run, next - run), policy, [&](char c) { out.push_back(c); });
    pos = next;
  }
  return out;
}

std::size_t EncodedCp1251Length(std::string_view utf8Text, Unmappable policy) {
  std::size_t n = 0;
  EncodeInto(utf8Text, policy, [&](char) { ++n; });
  return n;
}

}  // namespace orvelis
