#include "book/book_format.h"

namespace orvelis {
namespace {

std::uint32_t ReadLe(const unsigned char* p, int size) {
  std::uint32_t v = 0;
  for (int i = size - 1; i >= 0; --i) v = (v << 8) | p[i];
  return v;
}

void WriteLe(unsigned char* p, std::uint32_t v, int size) {
  for (int i = 0; i < size; ++i) p[i] = static_cast<unsigned char>(v >> (8 * i));
}

}  // namespace

BookHeader ParseBookHeader(const unsigned char (&bytes)[kHeaderSize]) {
  BookHeader h;
  h.TextVersionMajor = static_cast<std::int16_t>(ReadLe(bytes + 0, 2));
  h.TextVersionMinor = static_cast<std::int16_t>(ReadLe(bytes + 2, 2));
  h.PartsPos = static_cast<std::int32_t>(ReadLe(bytes + 4, 4));
  h.PapersPos = static_cast<std::int32_t>(ReadLe(bytes + 8, 4));
  h.RussianTextPos = static_cast<std::int32_t>(ReadLe(bytes + 12, 4));
  h.EnglishTextPos = static_cast<std::int32_t>(ReadLe(bytes + 16, 4));
  h.FileLength = static_cast<std::int32_t>(ReadLe(bytes + 20, 4));
  return h;
}

void SerializeBookHeader(const BookHeader& h, unsigned char (&bytes)[kHeaderSize]) {
  WriteLe(bytes + 0, static_cast<std::uint16_t>(h.TextVersionMajor), 2);
  WriteLe(bytes + 2, static_cast<std::uint16_t>(h.TextVersionMinor), 2);
  WriteLe(bytes + 4, static_cast<std::uint32_t>(h.PartsPos), 4);
  WriteLe(bytes + 8, static_cast<std::uint32_t>(h.PapersPos), 4);
  WriteLe(bytes + 12, static_cast<std::uint32_t>(h.RussianTextPos), 4);
  WriteLe(bytes + 16, static_cast<std::uint32_t>(h.EnglishTextPos), 4);
  WriteLe(bytes + 20, static_cast<std::uint32_t>(h.FileLength), 4);
}

}  // namespace orvelis
