#pragma once
// The fixed byte layout of book.dat: a 24-byte header and four tables of counted strings.

#include <array>
#include <cstdint>
#include <string>

namespace orvelis {

// Language index: every table and record of the book is indexed by it.
using Language = int;
inline constexpr Language kEnglish = 0;
inline constexpr Language kRussian = 1;
inline constexpr int kLanguageCount = 2;
inline constexpr Language OtherLanguageThan(Language lang) { return lang == kEnglish ? kRussian : kEnglish; }

// A set of languages, one bit per language.
using LanguageMask = unsigned;
inline constexpr LanguageMask MaskOf(Language lang) { return 1u << lang; }
inline constexpr LanguageMask kAllLanguages = MaskOf(kEnglish) | MaskOf(kRussian);

inline constexpr int kPartCount = 5;     // index 0 = the Foreword's group, 1..4 = Parts I..IV
inline constexpr int kPaperCount = 197;  // 0 = Foreword, 1..196
inline constexpr int kPageCount = 2097;  // pages 1..2097, same numbering in both languages
inline constexpr int kHeaderSize = 24;

// Counted strings carry an unsigned 16-bit length; 65535 and longer are refused when writing.
inline constexpr std::size_t kMaxCountedStringBytes = 65534;

// Positions are 1-based (file offset = position - 1); all integers little-endian and signed.
struct BookHeader {
  std::int16_t TextVersionMajor = 0;
  std::int16_t TextVersionMinor = 0;
  std::int32_t PartsPos = 0;
  std::int32_t PapersPos = 0;
  std::int32_t RussianTextPos = 0;
  std::int32_t EnglishTextPos = 0;
  std::int32_t FileLength = 0;
};

struct PartRecord {
  std::array<std::string, kLanguageCount> name;
  std::array<std::string, kLanguageCount> note;
};

struct PaperRecord {
  std::array<std::string, kLanguageCount> title;
  std::array<std::string, kLanguageCount> author;
  std::array<std::string, kLanguageCount> sections;
};

BookHeader ParseBookHeader(const unsigned char (&bytes)[kHeaderSize]);
void SerializeBookHeader(const BookHeader& header, unsigned char (&bytes)[kHeaderSize]);

}  // namespace orvelis
