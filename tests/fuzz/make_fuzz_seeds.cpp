// Writes the seed inputs of one fuzz target into a folder. The seeds are the shapes that broke
// the reader or come close to it: real layouts, deep nesting, huge counts, maximal fields and
// queries with every operator in both languages.

#include <cstdint>
#include <filesystem>
#include <iostream>
#include <string>

#include "book/book_writer.h"
#include "support/temp_dir.h"
#include "support/test_books.h"

namespace {

namespace fs = std::filesystem;
using orvelis::test::WriteFileBytes;

// One favourites record: flags, counted name, counted text.
std::string Record(int flags, const std::string& name, const std::string& text) {
  std::string r;
  for (std::size_t v : {static_cast<std::size_t>(flags), name.size()}) {
    r.push_back(static_cast<char>(v & 0xFF));
    r.push_back(static_cast<char>((v >> 8) & 0xFF));
  }
  r += name;
  r.push_back(static_cast<char>(text.size() & 0xFF));
  r.push_back(static_cast<char>((text.size() >> 8) & 0xFF));
  return r + text;
}

// `levels` folders each holding the next (flags 193), a fragment at the bottom.
std::string NestedFolders(int levels) {
  std::string bytes;
  for (int i = 0; i < levels; ++i) bytes += Record(193, "A", "");
  return bytes + Record(130, "x", "t");
}

void FavoritesSeeds(const fs::path& dir) {
  WriteFileBytes(dir / "mixed", Record(65, "A", "") + Record(130, "x", "t") + Record(130, "y", ""));
  WriteFileBytes(dir / "nested", Record(193, "A", "") + Record(193, "S", "") + Record(130, "z", ""));
  WriteFileBytes(dir / "after-last", Record(129, "A", "") + Record(2, "more", "") + Record(0, "none", ""));
  WriteFileBytes(dir / "deep-300", NestedFolders(300));
  WriteFileBytes(dir / "deep-2000", NestedFolders(2000));
  WriteFileBytes(dir / "deep-20000", NestedFolders(20000));
  // 40,000 fragments in one folder, more than a list may hold.
  std::string wide = Record(65, "full", "");
  for (int i = 1; i < 40000; ++i) wide += Record(2, "", "");
  wide += Record(130, "", "");
  WriteFileBytes(dir / "wide-40000", wide);
  WriteFileBytes(dir / "field-65535", Record(130, std::string(65535, 'n'), std::string(65535, '\xE6')));
  WriteFileBytes(dir / "count-past-end", Record(2, "a", "") + std::string("\x02\x00\xFF\xFF", 4) + "cut");
}

// The sample book with every text cut short: the real layout and markup, small enough to mutate.
std::string ShortSampleBook() {
  orvelis::BookContent c = orvelis::test::SampleBookContent();
  const auto cut = [](std::string& s, std::size_t n) {
    if (s.size() <= n) return;
    const auto blank = s.rfind(' ', n);
    s.resize(blank == std::string::npos ? 0 : blank);
  };
  for (auto& part : c.parts)
    for (auto& s : part.note) cut(s, 40);
  for (auto& paper : c.papers) {
    for (auto& s : paper.sections) cut(s, 120);
    for (auto& s : paper.author) cut(s, 20);
  }
  for (auto& pages : c.pages)
    for (auto& page : pages) cut(page, 40);
  return orvelis::WriteBook(c).bytes;
}

void BookSeeds(const fs::path& dir) {
  WriteFileBytes(dir / "tiny.dat", orvelis::test::TinyBookBytes());
  WriteFileBytes(dir / "short-sample.dat", ShortSampleBook());
  WriteFileBytes(dir / "empty-texts.dat", orvelis::WriteBook(orvelis::BookContent{}).bytes);
}

void HeaderSeeds(const fs::path& dir) {
  // Four tables at the first byte after the header, one byte long in all.
  std::string smallest(25, '\0');
  for (std::size_t field : {4u, 8u, 12u, 16u}) orvelis::test::PutInt32(smallest, field, 25);
  orvelis::test::PutInt32(smallest, 20, 25);
  WriteFileBytes(dir / "smallest", smallest);
  std::string head = orvelis::test::TinyBookBytes().substr(0, 64);
  WriteFileBytes(dir / "tiny-head", head);
  orvelis::test::PutInt32(head, 20, 64);
  WriteFileBytes(dir / "tiny-head-length", head);
}

void QuerySeeds(const fs::path& dir) {
  const char* queries[] = {
      // Russian
      "иисус христос", "иисус + христос", "иисус+христос", "(христос | иисус) пришел", "христос | иисус пришел",
      "'иисус христос'", "\"сын человеческий\"", "иисус ! назарянин", "иисус +!назарянин", "иисус |! назарянин",
      "!назарянин", "бого*", "вид?ний", "((а|б))", "(мир|свет)(а|у)", "Иисус из Назарета",
      // English
      "Jesus Christ", "God + father", "(God | Christ) son", "'Jesus of Nazareth'", "\"the Father\"", "!the",
      "Michael |! Nazareth", "univ*", "wom?n", "God's (God)", "(a|b) ", "James+Peter",
      // malformed and hostile
      "[", " word", "!", "''", "     a", "a|", "(", ")(", "a{2,}b", "(?i)x", "\\", "x(?=y)", "*a*b*c*",
      "a a a a a a a a a a a a a a a a a a a a a a a a a a a a a a", "****************",
      "(((((((((((((((((((((((((((((((((a)))))))))))))))))))))))))))))))))"};
  int n = 0;
  for (const char* q : queries) WriteFileBytes(dir / ("q" + std::to_string(n++)), q);
  // Queries that once held the window for seconds: a word of stars, thousands of stars, thousands
  // of words.
  WriteFileBytes(dir / "slow-stars-word", "*i***bcd");
  WriteFileBytes(dir / "slow-6000-stars", std::string(6000, '*'));
  std::string words;
  for (int i = 0; i < 5000; ++i) words += "a ";
  WriteFileBytes(dir / "slow-5000-words", words);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: make_fuzz_seeds TARGET DIR\n";
    return 1;
  }
  const std::string target = argv[1];
  const fs::path dir = argv[2];
  fs::create_directories(dir);
  if (target == "fuzz_book_reader") BookSeeds(dir);
  else if (target == "fuzz_book_header") HeaderSeeds(dir);
  else if (target == "fuzz_favorites") FavoritesSeeds(dir);
  else if (target == "fuzz_query") QuerySeeds(dir);
  else {
    std::cerr << "make_fuzz_seeds: no seeds for " << target << "\n";
    return 1;
  }
  return 0;
}
