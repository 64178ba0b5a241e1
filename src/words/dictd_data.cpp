#include "words/dictd_data.h"

#include <algorithm>

#include "ground/ui_text.h"
#include "words/dictionary_files.h"

namespace orvelis {
namespace {

// Enough for any real gzip header: the extra field is at most 64 KiB, and the rest are a name
// and a comment.
constexpr std::uint64_t kHeaderReadLimit = 128 << 10;
constexpr std::size_t kCachedChunks = 4;

const char* kPastTheEnd = ORVELIS_TR_NOOP("Core", "статья выходит за конец данных");

bool FitsIn(std::uint64_t offset, std::uint64_t length, std::uint64_t size) {
  return offset <= size && length <= size - offset;
}

}  // namespace

DictionaryResult DictdData::Open(const std::filesystem::path& path) {
  path_ = path;
  form_ = Form::Plain;
  inflated_.clear();
  cache_.clear();
  if (DictionaryResult r = OpenDictionaryFile(path, file_, fileSize_); !r) return r;
  std::string head;
  if (!ReadFileRange(file_, 0, std::min(fileSize_, kHeaderReadLimit), head)) return UnreadableDictionaryFile(path);
  if (head.size() < 2 || head[0] != '\x1F' || head[1] != '\x8B') return {};
  std::string reason;
  if (!ReadGzipLayout(head, fileSize_, layout_, reason)) return Damaged(reason);
  if (layout_.RandomAccess()) {
    form_ = Form::Chunked;
    return {};
  }
  if (fileSize_ > kMaxInflatedDictionary)
    return Damaged(ORVELIS_TR_NOOP("Core", "распакованные данные слишком велики"));
  std::string whole;
  if (!ReadFileRange(file_, 0, fileSize_, whole)) return UnreadableDictionaryFile(path);
  if (!InflateGzip(whole, kMaxInflatedDictionary, inflated_, reason)) return Damaged(reason);
  form_ = Form::Inflated;
  file_.close();
  return {};
}

DictionaryResult DictdData::Read(std::uint64_t offset, std::uint64_t length, std::string& out) {
  out.clear();
  if (length > kMaxDefinitionLength) return Damaged(ORVELIS_TR_NOOP("Core", "статья длиннее 16 МиБ"));
  switch (form_) {
    case Form::Plain:
      return ReadPlain(offset, length, out);
    case Form::Inflated:
      if (!FitsIn(offset, length, inflated_.size())) return Damaged(kPastTheEnd);
      out.assign(inflated_, static_cast<std::size_t>(offset), static_cast<std::size_t>(length));
      return {};
    case Form::Chunked:
      return ReadChunked(offset, length, out);
  }
  return {};
}

DictionaryResult DictdData::ReadPlain(std::uint64_t offset, std::uint64_t length, std::string& out) {
  if (!FitsIn(offset, length, fileSize_)) return Damaged(kPastTheEnd);
  if (!ReadFileRange(file_, offset, length, out)) return UnreadableDictionaryFile(path_);
  return {};
}

DictionaryResult DictdData::ReadChunked(std::uint64_t offset, std::uint64_t length, std::string& out) {
  const std::uint64_t chunkLength = layout_.chunkLength;
  if (!FitsIn(offset, length, chunkLength * layout_.ChunkCount())) return Damaged(kPastTheEnd);
  if (length == 0) return {};
  const std::size_t first = static_cast<std::size_t>(offset / chunkLength);
  const std::size_t last = static_cast<std::size_t>((offset + length - 1) / chunkLength);
  for (std::size_t i = first; i <= last; ++i) {
    DictionaryResult result;
    const std::string* chunk = Chunk(i, result);
    if (!chunk) return result;
    const std::uint64_t chunkStart = i * chunkLength;
    const std::uint64_t from = std::max(offset, chunkStart) - chunkStart;
    const std::uint64_t to = std::min<std::uint64_t>(offset + length - chunkStart, chunk->size());
    if (from >= to) return Damaged(kPastTheEnd);  // only the last chunk may be short
    out.append(*chunk, static_cast<std::size_t>(from), static_cast<std::size_t>(to - from));
  }
  if (out.size() != length) return Damaged(kPastTheEnd);
  return {};
}

const std::string* DictdData::Chunk(std::size_t index, DictionaryResult& result) {
  const auto cached = std::find_if(cache_.begin(), cache_.end(), [&](const CachedChunk& c) { return c.index == index; });
  if (cached != cache_.end()) {
    std::rotate(cached, cached + 1, cache_.end());
    return &cache_.back().bytes;
  }
  const std::uint64_t start = layout_.chunkStarts[index];
  std::string compressed;
  if (!ReadFileRange(file_, start, layout_.chunkStarts[index + 1] - start, compressed)) {
    result = UnreadableDictionaryFile(path_);
    return nullptr;
  }
  CachedChunk chunk{index, {}};
  std::string reason;
  if (!InflateChunk(compressed, layout_.chunkLength, chunk.bytes, reason)) {
    result = Damaged(reason);
    return nullptr;
  }
  // Every chunk but the last holds exactly the chunk length; a shorter one means the offsets of
  // everything after it would be wrong.
  if (index + 1 < layout_.ChunkCount() && chunk.bytes.size() != layout_.chunkLength) {
    result = Damaged(ORVELIS_TR_NOOP("Core", "сжатые данные испорчены"));
    return nullptr;
  }
  if (cache_.size() == kCachedChunks) cache_.erase(cache_.begin());
  cache_.push_back(std::move(chunk));
  return &cache_.back().bytes;
}

}  // namespace orvelis
