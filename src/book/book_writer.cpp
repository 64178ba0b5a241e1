#include "book/book_writer.h"

#include <cstdio>
#include <fstream>

#include "ground/cp1251.h"

namespace orvelis {
namespace {

class Serializer {
 public:
  bool ok() const { return error_.empty(); }
  const std::string& error() const { return error_; }
  std::string& bytes() { return bytes_; }

  void Counted(const std::string& utf8Text, Unmappable policy, const std::string& what) {
    if (!ok()) return;
    const std::string encoded = EncodeCp1251(utf8Text, policy);
    if (encoded.size() > kMaxCountedStringBytes) {
      error_ = what + " is " + std::to_string(encoded.size()) +
               " bytes long; a book text must be shorter than 65535 bytes";
      return;
    }
    bytes_.push_back(static_cast<char>(encoded.size() & 0xFF));
    bytes_.push_back(static_cast<char>(encoded.size() >> 8));
    bytes_ += encoded;
  }

 private:
  std::string bytes_;
  std::string error_;
};

const char* LanguageName(Language lang) { return lang == kEnglish ? "English" : "Russian"; }

void WriteTable(Serializer& out, const BookContent& c, BookTable table) {
  switch (table) {
    case BookTable::Parts:
      for (int i = 0; i < kPartCount; ++i) {
        for (Language lang = 0; lang < kLanguageCount; ++lang) {
          const std::string what = std::string(LanguageName(lang)) + " Part " + std::to_string(i);
          out.Counted(c.parts[i].name[lang], Unmappable::Question, what + " name");
          out.Counted(c.parts[i].note[lang], Unmappable::Question, what + " note");
        }
      }
      break;
    case BookTable::Papers:
      for (int i = 0; i < kPaperCount; ++i) {
        for (Language lang = 0; lang < kLanguageCount; ++lang) {
          const std::string what = std::string(LanguageName(lang)) + " Paper " + std::to_string(i);
          out.Counted(c.papers[i].title[lang], Unmappable::Question, what + " title");
          out.Counted(c.papers[i].author[lang], Unmappable::Question, what + " author");
          out.Counted(c.papers[i].sections[lang], Unmappable::NumericReference, what + " section list");
        }
      }
      break;
    case BookTable::RussianPages:
    case BookTable::EnglishPages: {
      const Language lang = table == BookTable::EnglishPages ? kEnglish : kRussian;
      for (int k = 0; k < kPageCount; ++k) {
        const std::string& text = k < static_cast<int>(c.pages[lang].size()) ? c.pages[lang][k] : std::string();
        out.Counted(text, Unmappable::NumericReference,
                    std::string(LanguageName(lang)) + " page " + std::to_string(k + 1));
      }
      break;
    }
  }
}

}  // namespace

WriteBookResult WriteBook(const BookContent& content) {
  Serializer out;
  out.bytes().assign(kHeaderSize, '\0');
  BookHeader header;
  header.TextVersionMajor = content.textVersionMajor;
  header.TextVersionMinor = content.textVersionMinor;
  for (int i = 0; i < 4 && out.ok(); ++i) {
    out.bytes() += content.layout.gaps[i];
    const auto position = static_cast<std::int32_t>(out.bytes().size() + 1);
    switch (content.layout.order[i]) {
      case BookTable::Parts: header.PartsPos = position; break;
      case BookTable::Papers: header.PapersPos = position; break;
      case BookTable::RussianPages: header.RussianTextPos = position; break;
      case BookTable::EnglishPages: header.EnglishTextPos = position; break;
    }
    WriteTable(out, content, content.layout.order[i]);
  }
  if (!out.ok()) return {false, {}, out.error()};
  out.bytes() += content.layout.gaps[4];
  header.FileLength = static_cast<std::int32_t>(out.bytes().size());
  unsigned char raw[kHeaderSize];
  SerializeBookHeader(header, raw);
  out.bytes().replace(0, kHeaderSize, reinterpret_cast<const char*>(raw), kHeaderSize);
  return {true, std::move(out.bytes()), {}};
}

bool WriteFileAtomically(const std::filesystem::path& path, const std::string& bytes, std::string& error) {
  std::filesystem::path temp = path;
  temp += ".tmp";
  {
    std::ofstream file(temp, std::ios::binary | std::ios::trunc);
    if (!file) {
      error = "cannot create " + temp.string();
      return false;
    }
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.flush();
    if (!file) {
      error = "cannot write " + temp.string();
      std::error_code ignored;
      std::filesystem::remove(temp, ignored);
      return false;
    }
  }
  std::error_code ec;
  std::filesystem::rename(temp, path, ec);
  if (ec) {
    error = "cannot replace " + path.string() + ": " + ec.message();
    std::filesystem::remove(temp, ec);
    return false;
  }
  return true;
}

}  // namespace orvelis
