#include "words/dictzip.h"

#include <zlib.h>

#include <limits>

#include "ground/ui_text.h"

namespace orvelis {
namespace {

constexpr unsigned char kHeaderCrc = 0x02;
constexpr unsigned char kExtra = 0x04;
constexpr unsigned char kName = 0x08;
constexpr unsigned char kComment = 0x10;
constexpr unsigned char kReservedFlags = 0xE0;

const char* kCutShort = ORVELIS_TR_NOOP("Core", "сжатые данные обрываются");
const char* kCorrupt = ORVELIS_TR_NOOP("Core", "сжатые данные испорчены");

unsigned Byte(std::string_view bytes, std::size_t at) { return static_cast<unsigned char>(bytes[at]); }
unsigned Le16(std::string_view bytes, std::size_t at) { return Byte(bytes, at) | (Byte(bytes, at + 1) << 8); }

// Reads the RA subfield's body; false when it is not version 1 or its sizes do not add up.
bool ReadChunkTable(std::string_view body, GzipLayout& layout, std::string& reason) {
  if (body.size() < 6 || Le16(body, 0) != 1) {
    reason = ORVELIS_TR_NOOP("Core", "неизвестная версия таблицы блоков");
    return false;
  }
  const unsigned length = Le16(body, 2);
  const unsigned count = Le16(body, 4);
  if (length == 0 || count == 0 || body.size() != 6 + 2 * std::size_t{count}) {
    reason = ORVELIS_TR_NOOP("Core", "таблица блоков не сходится");
    return false;
  }
  layout.chunkLength = length;
  layout.chunkStarts.assign(1, 0);
  for (unsigned i = 0; i < count; ++i) {
    layout.chunkStarts.push_back(layout.chunkStarts.back() + Le16(body, 6 + 2 * std::size_t{i}));
  }
  return true;
}

bool ReadExtraField(std::string_view extra, GzipLayout& layout, std::string& reason) {
  for (std::size_t at = 0; at < extra.size();) {
    if (extra.size() - at < 4) {
      reason = ORVELIS_TR_NOOP("Core", "дополнительное поле заголовка испорчено");
      return false;
    }
    const std::size_t length = Le16(extra, at + 2);
    if (extra.size() - at - 4 < length) {
      reason = ORVELIS_TR_NOOP("Core", "дополнительное поле заголовка испорчено");
      return false;
    }
    if (extra[at] == 'R' && extra[at + 1] == 'A' && !ReadChunkTable(extra.substr(at + 4, length), layout, reason)) {
      return false;
    }
    at += 4 + length;
  }
  return true;
}

// Moves `at` past a zero-terminated field; false when the head ends first.
bool SkipZeroTerminated(std::string_view head, std::size_t& at) {
  const std::size_t end = head.find('\0', at);
  if (end == std::string_view::npos) return false;
  at = end + 1;
  return true;
}

bool ReadHeaderFields(std::string_view head, GzipLayout& layout, std::string& reason) {
  const unsigned flags = Byte(head, 3);
  if (flags & kReservedFlags) {
    reason = ORVELIS_TR_NOOP("Core", "неизвестные флаги в заголовке");
    return false;
  }
  std::size_t at = 10;
  if (flags & kExtra) {
    if (head.size() < at + 2 || head.size() - at - 2 < Le16(head, at)) {
      reason = kCutShort;
      return false;
    }
    const std::size_t length = Le16(head, at);
    if (!ReadExtraField(head.substr(at + 2, length), layout, reason)) return false;
    at += 2 + length;
  }
  if (((flags & kName) && !SkipZeroTerminated(head, at)) || ((flags & kComment) && !SkipZeroTerminated(head, at))) {
    reason = kCutShort;
    return false;
  }
  if (flags & kHeaderCrc) at += 2;
  if (at > head.size()) {
    reason = kCutShort;
    return false;
  }
  layout.dataStart = at;
  return true;
}

}  // namespace

bool ReadGzipLayout(std::string_view head, std::uint64_t fileSize, GzipLayout& layout, std::string& reason) {
  layout = GzipLayout{};
  if (head.size() < 10 || Byte(head, 0) != 0x1F || Byte(head, 1) != 0x8B || Byte(head, 2) != 8) {
    reason = ORVELIS_TR_NOOP("Core", "это не файл gzip");
    return false;
  }
  if (!ReadHeaderFields(head, layout, reason)) return false;
  for (std::uint64_t& start : layout.chunkStarts) start += layout.dataStart;
  if (layout.RandomAccess() && layout.chunkStarts.back() > fileSize) {
    reason = kCutShort;
    return false;
  }
  return true;
}

bool InflateChunk(std::string_view compressed, std::size_t maxOutput, std::string& out, std::string& reason) {
  // One byte more than a chunk may hold, so that a chunk inflating to too much is seen as such.
  out.assign(maxOutput + 1, '\0');
  z_stream stream{};
  if (inflateInit2(&stream, -MAX_WBITS) != Z_OK) {
    reason = ORVELIS_TR_NOOP("Core", "не хватило памяти для распаковки");
    return false;
  }
  // A chunk is at most 64 KiB compressed and uncompressed, so one call sees all of it.
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(compressed.data()));
  stream.avail_in = static_cast<uInt>(compressed.size());
  stream.next_out = reinterpret_cast<Bytef*>(out.data());
  stream.avail_out = static_cast<uInt>(out.size());
  const int status = inflate(&stream, Z_SYNC_FLUSH);
  out.resize(out.size() - stream.avail_out);
  const bool overflow = out.size() > maxOutput;
  inflateEnd(&stream);
  if (status == Z_DATA_ERROR || status == Z_NEED_DICT || status == Z_STREAM_ERROR || overflow) {
    reason = kCorrupt;
    return false;
  }
  if (status == Z_MEM_ERROR) {
    reason = ORVELIS_TR_NOOP("Core", "не хватило памяти для распаковки");
    return false;
  }
  return true;
}

bool InflateGzip(std::string_view file, std::size_t maxOutput, std::string& out, std::string& reason) {
  out.clear();
  z_stream stream{};
  if (inflateInit2(&stream, MAX_WBITS + 16) != Z_OK) {
    reason = ORVELIS_TR_NOOP("Core", "не хватило памяти для распаковки");
    return false;
  }
  int status = Z_OK;
  std::string_view rest = file;
  char buffer[1 << 16];
  while (status == Z_OK) {
    if (stream.avail_in == 0 && !rest.empty()) {
      const std::size_t piece = std::min<std::size_t>(rest.size(), std::numeric_limits<uInt>::max());
      stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(rest.data()));
      stream.avail_in = static_cast<uInt>(piece);
      rest.remove_prefix(piece);
    }
    stream.next_out = reinterpret_cast<Bytef*>(buffer);
    stream.avail_out = sizeof buffer;
    status = inflate(&stream, Z_NO_FLUSH);
    out.append(buffer, sizeof buffer - stream.avail_out);
    if (out.size() > maxOutput) {
      inflateEnd(&stream);
      reason = ORVELIS_TR_NOOP("Core", "распакованные данные слишком велики");
      return false;
    }
  }
  inflateEnd(&stream);
  if (status == Z_STREAM_END) return true;
  // Z_BUF_ERROR: no progress was possible, which with all input given means the stream is cut off.
  reason = status == Z_BUF_ERROR ? kCutShort
           : status == Z_MEM_ERROR ? ORVELIS_TR_NOOP("Core", "не хватило памяти для распаковки")
                                   : kCorrupt;
  return false;
}

}  // namespace orvelis
