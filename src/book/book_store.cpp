#include "book/book_store.h"

#include <algorithm>

#include "book/record_reader.h"
#include "ground/cp1251.h"
#include "ground/two_halves.h"
#include "ground/utf8.h"

namespace orvelis {
namespace {

const std::string kEmpty;

std::string PositionDetail(const char* table, std::int64_t position) {
  return std::string(table) + " position " + std::to_string(position) + " lies outside the file";
}

}  // namespace

BookResult BookStore::OpenBook(const std::filesystem::path& bookPath) {
  auto file = FileByteSource::Open(bookPath);
  if (!file) {
    CloseBook();
    return BookResult::Damaged("cannot open " + bookPath.string());
  }
  return OpenBook(std::move(file));
}

BookResult BookStore::OpenBook(std::unique_ptr<ByteSource> source) {
  CloseBook();
  unsigned char bytes[kHeaderSize] = {};
  if (!source || source->Size() < kHeaderSize ||
      source->ReadAt(0, reinterpret_cast<char*>(bytes), kHeaderSize) != kHeaderSize) {
    return BookResult::Damaged("the file is shorter than its 24-byte header");
  }
  const BookHeader header = ParseBookHeader(bytes);
  if (header.FileLength != source->Size()) {
    return BookResult::Damaged("header says " + std::to_string(header.FileLength) + " bytes, the file has " +
                               std::to_string(source->Size()));
  }
  source_ = std::move(source);
  header_ = header;
  for (auto [pos, name] : {std::pair{header.PartsPos, "Parts table"}, {header.PapersPos, "Papers table"},
                           {header.RussianTextPos, "Russian pages"}, {header.EnglishTextPos, "English pages"}}) {
    if (BookResult r = CheckTablePosition(pos, name); !r) {
      CloseBook();
      return r;
    }
  }
  return {};
}

// A table starts at a 1-based position after the header; even an empty table needs its counts.
BookResult BookStore::CheckTablePosition(std::int32_t position, const char* table) const {
  if (position <= kHeaderSize || position > source_->Size()) return BookResult::Damaged(PositionDetail(table, position));
  return {};
}

BookResult BookStore::LoadPartRecords() {
  if (!source_) return BookResult::Damaged("the book is not open");
  RecordReader reader(*source_, header_.PartsPos - 1, 1 << 14);
  std::array<PartRecord, kPartCount> parts;
  for (auto& part : parts) {
    for (Language lang = 0; lang < kLanguageCount; ++lang) {
      if (!reader.ReadString(part.name[lang]) || !reader.ReadString(part.note[lang])) {
        return BookResult::Damaged("a Part record runs past the end of the file");
      }
    }
  }
  parts_ = std::move(parts);
  extents_.partsEnd = reader.Position();
  return {};
}

BookResult BookStore::LoadPaperRecords() {
  if (!source_) return BookResult::Damaged("the book is not open");
  RecordReader reader(*source_, header_.PapersPos - 1, 1 << 16);
  auto papers = std::make_unique<std::array<PaperRecord, kPaperCount>>();
  for (auto& paper : *papers) {
    for (Language lang = 0; lang < kLanguageCount; ++lang) {
      if (!reader.ReadString(paper.title[lang]) || !reader.ReadString(paper.author[lang]) ||
          !reader.ReadString(paper.sections[lang])) {
        return BookResult::Damaged("a Paper record runs past the end of the file");
      }
    }
  }
  papers_ = std::move(*papers);
  extents_.papersEnd = reader.Position();
  return {};
}

namespace {

// Each page is a 16-bit length and that many bytes; the pages are found in place in the bytes
// from `position` to `end`. On failure the last of `stored.starts` is the page that failed.
bool FindStoredPages(ByteSource& source, std::int64_t position, std::int64_t end, StoredPageTexts& stored) {
  stored.file = source.ViewAt(position, static_cast<std::size_t>(end - position));
  const std::string_view bytes = stored.file.bytes;
  stored.starts.assign(1, 0);
  stored.ends.assign(1, 0);
  std::size_t at = 0;
  for (int page = 1; page <= kPageCount; ++page) {
    const std::size_t left = bytes.size() - at;
    std::size_t length = 0;
    if (left >= 2) length = static_cast<unsigned char>(bytes[at]) | std::size_t{static_cast<unsigned char>(bytes[at + 1])} << 8;
    stored.starts.push_back(at + 2);
    if (left < 2 || left - 2 < length) return false;
    at += 2 + length;
    stored.ends.push_back(at);
  }
  return true;
}

}  // namespace

BookResult BookStore::ReadStoredPageTexts(Language language, StoredPageTexts& stored) {
  if (!source_) return BookResult::Damaged("the book is not open");
  const std::int64_t position = (language == kEnglish ? header_.EnglishTextPos : header_.RussianTextPos) - 1;
  // The pages are seen up to the next table, which is where they end in every book written so
  // far; pages that run on past it are seen again to the end of the file.
  const std::int64_t size = source_->Size();
  std::int64_t nextTable = size;
  for (const std::int32_t table : {header_.PartsPos, header_.PapersPos, header_.RussianTextPos, header_.EnglishTextPos}) {
    if (table - 1 > position) nextTable = std::min<std::int64_t>(nextTable, table - 1);
  }
  if (FindStoredPages(*source_, position, nextTable, stored) ||
      (nextTable < size && FindStoredPages(*source_, position, size, stored))) {
    extents_.pagesEnd[language] = position + static_cast<std::int64_t>(stored.ends.back());
    return {};
  }
  return BookResult::Damaged("page " + std::to_string(stored.starts.size() - 1) + " runs past the end of the file");
}

BookResult BookStore::LoadPageTexts(Language language) {
  if (pageTextLoaded_[language]) return {};
  // The stored bytes are gathered first and decoded after, in two halves at once.
  StoredPageTexts stored;
  if (BookResult r = ReadStoredPageTexts(language, stored); !r) return r;
  std::vector<std::string> pages(kPageCount + 2);
  InTwoHalves(1, kPageCount, [&](int first, int last) {
    for (int page = first; page <= last; ++page) AppendDecodedCp1251(stored.Page(page), pages[page]);
  });
  pageText_[language] = std::move(pages);
  pageTextLoaded_[language] = true;
  return {};
}

const std::string& BookStore::GetPageText(int page, Language language) const {
  const std::vector<std::string>& pages = pageText_[language];
  if (page < 0 || static_cast<std::size_t>(page) >= pages.size()) return kEmpty;
  return pages[page];
}

const std::string& BookStore::GetPartName(int part, Language language) const { return parts_[part].name[language]; }
const std::string& BookStore::GetPartNote(int part, Language language) const { return parts_[part].note[language]; }

std::string BookStore::GetPaperTitle(int paper, Language language) const {
  return utf8::ToUpper(papers_[paper].title[language]);
}

const std::string& BookStore::GetPaperAuthor(int paper, Language language) const {
  return papers_[paper].author[language];
}

std::string BookStore::GetPaperSections(int paper, Language language) const {
  const std::string& s = papers_[paper].sections[language];
  const auto first = s.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

std::string BookStore::ReadRawBytes(std::int64_t offset, std::int64_t count) {
  if (!source_ || count <= 0 || offset < 0 || offset + count > source_->Size()) return {};
  std::string bytes(static_cast<std::size_t>(count), '\0');
  bytes.resize(source_->ReadAt(offset, bytes.data(), bytes.size()));
  return bytes;
}

std::int64_t BookStore::FileSize() const { return source_ ? source_->Size() : 0; }

void BookStore::CloseBook() {
  source_.reset();
  header_ = {};
  parts_ = {};
  for (auto& paper : papers_) paper = {};
  for (auto& pages : pageText_) pages.clear();
  pageTextLoaded_ = {false, false};
  extents_ = {};
}

}  // namespace orvelis
