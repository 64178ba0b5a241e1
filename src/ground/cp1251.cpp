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

struct EncodeTable {
  // Every code point Windows-1251 has lies below U+2123 (the trade mark sign); a direct table of
  // that range answers each in one step.
  static constexpr char32_t kEnd = 0x2123;
  std::array<short, kEnd> bytes{};
  EncodeTable() {
    bytes.fill(-1);
    for (int b = 0; b < 256; ++b) {
      const char32_t cp = b < 0x80 ? static_cast<char32_t>(b) : kHighHalf[b - 0x80];
      bytes[cp] = static_cast<short>(b);
    }
  }
  int Lookup(char32_t cp) const { return cp < kEnd ? bytes[cp] : -1; }
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
  // Documents run to megabytes (a results page for a common word, 15): runs of ASCII are copied
  // eight bytes at a time and other characters looked up in one step, straight into the result.
  // A mapped character never takes more bytes than its UTF-8 form, so the room left always covers
  // the text left; only a numeric reference can need more, and then the room is made.
  const EncodeTable& table = Encoder();
  const char* const text = utf8Text.data();
  const std::size_t size = utf8Text.size();
  std::string out(size + 8, '\0');
  std::size_t written = 0;
  std::size_t pos = 0;
  while (pos < size) {
    while (size - pos >= 8) {
      std::uint64_t word;
      std::memcpy(&word, text + pos, 8);
      if (word & 0x8080808080808080ULL) break;
      std::memcpy(out.data() + written, &word, 8);
      pos += 8;
      written += 8;
    }
    if (pos == size) break;
    const char32_t cp = utf8::Next(utf8Text, pos);
    if (const int byte = table.Lookup(cp); byte >= 0) {
      out[written++] = static_cast<char>(byte);
      continue;
    }
    const std::string standIn =
        policy == Unmappable::NumericReference ? "&#" + std::to_string(static_cast<unsigned long>(cp)) + ";" : "?";
    if (out.size() - written < standIn.size() + (size - pos) + 8) {
      out.resize(written + standIn.size() + 2 * (size - pos) + 8);
    }
    std::memcpy(out.data() + written, standIn.data(), standIn.size());
    written += standIn.size();
  }
  out.resize(written);
  return out;
}

std::size_t EncodedCp1251Length(std::string_view utf8Text, Unmappable policy) {
  std::size_t n = 0;
  EncodeInto(utf8Text, policy, [&](char) { ++n; });
  return n;
}

}  // namespace orvelis
