#pragma once
// Windows-1251 <-> UTF-8, used only where text crosses a file boundary (book.dat, the favourites
// file, saved pages). Internal text is always UTF-8.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace orvelis {

// Byte 0x98 has no Windows-1251 character; it decodes to U+0098 so that every file round-trips.
std::string DecodeCp1251(std::string_view bytes);
void AppendDecodedCp1251(std::string_view bytes, std::string& out);
// The UTF-8 form of every byte: its bytes in the low three octets (first byte lowest), its length
// in the top one, for decoders that do more than decode in the same pass.
const std::array<std::uint32_t, 256>& Cp1251ToUtf8Packed();

// What to write for a character Windows-1251 cannot represent.
enum class Unmappable {
  Question,         // "?" — plain names and text files
  NumericReference  // "&#NNNN;" — HTML, lossless
};

std::string EncodeCp1251(std::string_view utf8, Unmappable policy);

// Length of the Windows-1251 form of a UTF-8 text under the given policy, without building it.
std::size_t EncodedCp1251Length(std::string_view utf8, Unmappable policy);

}  // namespace orvelis
