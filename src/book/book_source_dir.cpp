#include "book/book_source_dir.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace orvelis {
namespace fs = std::filesystem;
namespace {

constexpr const char* kLanguageDir[kLanguageCount] = {"en", "ru"};

const char* TableName(BookTable t) {
  switch (t) {
    case BookTable::Parts: return "parts";
    case BookTable::Papers: return "papers";
    case BookTable::RussianPages: return "ru-pages";
    case BookTable::EnglishPages: return "en-pages";
  }
  return "";
}

std::string Padded(int n, int width) {
  std::string s = std::to_string(n);
  return std::string(static_cast<std::size_t>(std::max(0, width - static_cast<int>(s.size()))), '0') + s;
}

fs::path PartFile(const fs::path& dir, int part, Language lang, const char* field) {
  return dir / "parts" / (std::to_string(part) + "." + kLanguageDir[lang] + "." + field + ".txt");
}
fs::path PaperFile(const fs::path& dir, int paper, Language lang, const char* field) {
  return dir / "papers" / (Padded(paper, 3) + "." + kLanguageDir[lang] + "." + field + ".txt");
}
fs::path PageFile(const fs::path& dir, int page, Language lang) {
  return dir / "pages" / kLanguageDir[lang] / (Padded(page, 4) + ".html");
}
fs::path GapFile(const fs::path& dir, int i) { return dir / ("gap" + std::to_string(i) + ".bin"); }

class Files {
 public:
  bool ok() const { return error_.empty(); }
  const std::string& error() const { return error_; }

  void Write(const fs::path& path, const std::string& bytes) {
    if (!ok()) return;
    std::error_code ec;
    fs::create_directories(path.parent_path(), ec);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) error_ = "cannot write " + path.string();
  }

  std::string Read(const fs::path& path, bool optional = false) {
    if (!ok()) return {};
    std::ifstream in(path, std::ios::binary);
    if (!in) {
      if (!optional) error_ = "cannot read " + path.string();
      return {};
    }
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
  }

  void Fail(std::string why) {
    if (ok()) error_ = std::move(why);
  }

 private:
  std::string error_;
};

}  // namespace

SourceDirResult ExportBookSource(const BookContent& c, const fs::path& dir) {
  Files files;
  std::string manifest = "text-version " + std::to_string(c.textVersionMajor) + " " +
                         std::to_string(c.textVersionMinor) + "\ntable-order";
  for (BookTable t : c.layout.order) manifest += std::string(" ") + TableName(t);
  manifest += "\n";
  files.Write(dir / "book.txt", manifest);
  for (int i = 0; i < 5; ++i) {
    if (!c.layout.gaps[i].empty()) files.Write(GapFile(dir, i), c.layout.gaps[i]);
  }
  for (int i = 0; i < kPartCount; ++i) {
    for (Language lang = 0; lang < kLanguageCount; ++lang) {
      files.Write(PartFile(dir, i, lang, "name"), c.parts[i].name[lang]);
      files.Write(PartFile(dir, i, lang, "note"), c.parts[i].note[lang]);
    }
  }
  for (int i = 0; i < kPaperCount; ++i) {
    for (Language lang = 0; lang < kLanguageCount; ++lang) {
      files.Write(PaperFile(dir, i, lang, "title"), c.papers[i].title[lang]);
      files.Write(PaperFile(dir, i, lang, "author"), c.papers[i].author[lang]);
      files.Write(PaperFile(dir, i, lang, "sections"), c.papers[i].sections[lang]);
    }
  }
  for (Language lang = 0; lang < kLanguageCount; ++lang) {
    for (int k = 1; k <= kPageCount; ++k) files.Write(PageFile(dir, k, lang), c.pages[lang][k - 1]);
  }
  return {files.ok(), files.error()};
}

SourceDirResult ImportBookSource(const fs::path& dir, BookContent& c) {
  Files files;
  std::istringstream manifest(files.Read(dir / "book.txt"));
  if (!files.ok()) return {false, files.error()};
  std::string word;
  int major = 0, minor = 0;
  if (!(manifest >> word >> major >> minor) || word != "text-version") {
    return {false, "book.txt: the first line must be: text-version MAJOR MINOR"};
  }
  c.textVersionMajor = static_cast<std::int16_t>(major);
  c.textVersionMinor = static_cast<std::int16_t>(minor);
  if (!(manifest >> word) || word != "table-order") return {false, "book.txt: the second line must list table-order"};
  std::array<bool, 4> seen{};
  for (auto& slot : c.layout.order) {
    if (!(manifest >> word)) return {false, "book.txt: table-order needs four tables"};
    bool known = false;
    for (BookTable t : {BookTable::Parts, BookTable::Papers, BookTable::RussianPages, BookTable::EnglishPages}) {
      if (word == TableName(t) && !seen[static_cast<int>(t)]) {
        slot = t;
        seen[static_cast<int>(t)] = known = true;
      }
    }
    if (!known) return {false, "book.txt: unknown or repeated table '" + word + "'"};
  }
  for (int i = 0; i < 5; ++i) c.layout.gaps[i] = files.Read(GapFile(dir, i), /*optional=*/true);
  for (int i = 0; i < kPartCount; ++i) {
    for (Language lang = 0; lang < kLanguageCount; ++lang) {
      c.parts[i].name[lang] = files.Read(PartFile(dir, i, lang, "name"));
      c.parts[i].note[lang] = files.Read(PartFile(dir, i, lang, "note"));
    }
  }
  for (int i = 0; i < kPaperCount; ++i) {
    for (Language lang = 0; lang < kLanguageCount; ++lang) {
      c.papers[i].title[lang] = files.Read(PaperFile(dir, i, lang, "title"));
      c.papers[i].author[lang] = files.Read(PaperFile(dir, i, lang, "author"));
      c.papers[i].sections[lang] = files.Read(PaperFile(dir, i, lang, "sections"));
    }
  }
  for (Language lang = 0; lang < kLanguageCount; ++lang) {
    for (int k = 1; k <= kPageCount; ++k) c.pages[lang][k - 1] = files.Read(PageFile(dir, k, lang));
  }
  return {files.ok(), files.error()};
}

}  // namespace orvelis
