#include "ground/caseless_text.h"

#include <algorithm>

#include "ground/utf8.h"

namespace orvelis {
namespace {

bool IsAscii(std::string_view text) {
  for (const char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

void AppendAsciiLowered(std::string& out, std::string_view text) {
  out.reserve(out.size() + text.size());
  for (const char c : text) out.push_back(c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c);
}

// UTF-8 of a code point at `d`, as utf8::Append writes it; returns the end.
char* Encode(char32_t cp, char* d) {
  if (cp < 0x80) {
    *d++ = static_cast<char>(cp);
  } else if (cp < 0x800) {
    *d++ = static_cast<char>(0xC0 | (cp >> 6));
    *d++ = static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    *d++ = static_cast<char>(0xE0 | (cp >> 12));
    *d++ = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    *d++ = static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    *d++ = static_cast<char>(0xF0 | (cp >> 18));
    *d++ = static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    *d++ = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    *d++ = static_cast<char>(0x80 | (cp & 0x3F));
  }
  return d;
}

// Each code point upper-cased and written again. A match of one folded text in another starts on
// a code point, UTF-8 being self-synchronising, so byte search is code point search here. ASCII is
// folded without decoding; upper-casing never makes a code point longer than three bytes of input.
// Written into a buffer of the thread's own, grown when needed and never cleared, so that folding
// costs no allocation and no zeroing; the view is valid until the thread's next call.
std::string_view UpperFolded(std::string_view text) {
  thread_local std::string scratch;
  if (scratch.size() < text.size() * 3) scratch.resize(text.size() * 3);
  char* const begin = scratch.data();
  char* d = begin;
  for (std::size_t pos = 0; pos < text.size();) {
    const char c = text[pos];
    if (static_cast<unsigned char>(c) < 0x80) {
      *d++ = c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
      ++pos;
      continue;
    }
    // Two-byte letters (Cyrillic, Latin-1) are most of what is not ASCII: decoded here, as
    // utf8::Next would, and upper-cased where the case pairs are a fixed distance apart.
    if ((static_cast<unsigned char>(c) & 0xE0) == 0xC0 && pos + 1 < text.size() &&
        (static_cast<unsigned char>(text[pos + 1]) & 0xC0) == 0x80) {
      char32_t cp = (static_cast<char32_t>(c & 0x1F) << 6) | (static_cast<unsigned char>(text[pos + 1]) & 0x3F);
      pos += 2;
      if (cp >= 0x0430 && cp <= 0x044F) {
        cp -= 0x20;
      } else if (cp < 0x0400 || cp > 0x042F) {
        cp = utf8::ToUpper(cp);
      }
      d = Encode(cp, d);
      continue;
    }
    d = Encode(utf8::ToUpper(utf8::Next(text, pos)), d);
  }
  return std::string_view(begin, static_cast<std::size_t>(d - begin));
}

}  // namespace

void CaselessText::Append(std::string_view piece) {
  text_.append(piece);
  AppendAsciiLowered(asciiLowered_, piece);
  upperFolded_.append(UpperFolded(piece));
}

bool CaselessText::Contains(std::string_view needle) const {
  if (needle.empty()) return true;
  if (IsAscii(needle)) {
    thread_local std::string lowered;
    lowered.clear();
    AppendAsciiLowered(lowered, needle);
    return asciiLowered_.find(lowered) != std::string::npos;
  }
  return upperFolded_.find(UpperFolded(needle)) != std::string::npos;
}

}  // namespace orvelis
