#pragma once
// The only reader of book.dat. Opens and validates the file, reads the Part and Paper records,
// reads each language's 2097 pages in one sequential pass on first need, and serves every text
// of the book from memory afterwards.

#include <array>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "book/book_format.h"
#include "book/byte_source.h"
#include "ground/ui_text.h"

namespace orvelis {

inline constexpr const char* kDamagedBookText = ORVELIS_TR_NOOP("Core", "Файл book.dat поврежден");
inline constexpr const char* kDamagedBookCaption = ORVELIS_TR_NOOP("Core", "Ошибка чтения файла");

// Outcome of an operation that reads the book; on failure it carries the damaged-file message
// for the shell to show, and a technical detail for logs and the command-line tool.
struct BookResult {
  bool ok = true;
  std::string detail;

  explicit operator bool() const { return ok; }
  static BookResult Damaged(std::string why) { return {false, std::move(why)}; }
  const char* Text() const { return kDamagedBookText; }
  const char* Caption() const { return kDamagedBookCaption; }
};

// Where each table ended, so that a writer can reproduce the file's layout exactly.
struct TableExtents {
  std::int64_t partsEnd = -1;
  std::int64_t papersEnd = -1;
  std::array<std::int64_t, kLanguageCount> pagesEnd{-1, -1};
};

// A language's pages as the file stores them (Windows-1251), for readers that decode as they go.
struct StoredPageTexts {
  ByteView file;                   // the file from the language's first page on
  std::vector<std::size_t> starts;  // starts[p], ends[p]: where page p lies in `file`
  std::vector<std::size_t> ends;
  std::string_view Page(int page) const { return file.bytes.substr(starts[page], ends[page] - starts[page]); }
};

class BookStore {
 public:
  BookStore() = default;
  BookStore(const BookStore&) = delete;
  BookStore& operator=(const BookStore&) = delete;

  // Opens and validates the book; on success runs the favourites opener (if set), which is
  // where the favourites collection is created and loaded.
  [[nodiscard]] BookResult OpenBook(const std::filesystem::path& bookPath);
  [[nodiscard]] BookResult OpenBook(std::unique_ptr<ByteSource> source);

  [[nodiscard]] BookResult LoadPartRecords();
  [[nodiscard]] BookResult LoadPaperRecords();
  // Reads all pages of a language once; later calls for that language read nothing.
  [[nodiscard]] BookResult LoadPageTexts(Language language);
  bool PageTextLoaded(Language language) const { return pageTextLoaded_[language]; }
  // Reads all pages of a language without decoding them, for a caller that needs no page as text.
  [[nodiscard]] BookResult ReadStoredPageTexts(Language language, StoredPageTexts& stored);

  const std::string& GetPageText(int page, Language language) const;
  const std::string& GetPartName(int part, Language language) const;
  const std::string& GetPartNote(int part, Language language) const;
  std::string GetPaperTitle(int paper, Language language) const;  // upper case
  const std::string& GetPaperAuthor(int paper, Language language) const;
  std::string GetPaperSections(int paper, Language language) const;  // blanks trimmed

  Language CurrentLanguage() const { return currentLanguage_; }
  void SetCurrentLanguage(Language language) { currentLanguage_ = language == kEnglish ? kEnglish : kRussian; }
  Language OtherLanguage() const { return currentLanguage_ == kEnglish ? kRussian : kEnglish; }
  // Pane 0 shows CurrentLanguage, any other pane OtherLanguage.
  Language LanguageOfPane(int pane) const { return pane == 0 ? currentLanguage_ : OtherLanguage(); }

  void CloseBook();
  bool IsOpen() const { return source_ != nullptr; }

  const BookHeader& Header() const { return header_; }
  std::int64_t FileSize() const;
  const std::array<PartRecord, kPartCount>& Parts() const { return parts_; }
  const std::array<PaperRecord, kPaperCount>& Papers() const { return papers_; }
  const TableExtents& Extents() const { return extents_; }
  const ByteSource* Source() const { return source_.get(); }
  // Raw bytes of the open file (empty when out of range); for layout-preserving copies.
  std::string ReadRawBytes(std::int64_t offset, std::int64_t count);

 private:
  BookResult CheckTablePosition(std::int32_t position, const char* table) const;

  std::unique_ptr<ByteSource> source_;
  BookHeader header_;
  std::array<PartRecord, kPartCount> parts_;
  std::array<PaperRecord, kPaperCount> papers_;
  // Empty until the language is loaded; then slots 0 and 2098 exist and stay empty.
  std::array<std::vector<std::string>, kLanguageCount> pageText_;
  std::array<bool, kLanguageCount> pageTextLoaded_{false, false};
  TableExtents extents_;
  Language currentLanguage_ = kRussian;
};

}  // namespace orvelis
