// Writes the seed inputs of one fuzz target into a corpus folder.

#include <filesystem>
#include <iostream>
#include <string>

#include "support/temp_dir.h"
#include "support/test_books.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: make_fuzz_seeds TARGET DIR\n";
    return 1;
  }
  const std::string target = argv[1];
  const std::filesystem::path dir = argv[2];
  using orvelis::test::WriteFileBytes;
  if (target == "fuzz_book_reader") {
    WriteFileBytes(dir / "tiny.dat", orvelis::test::TinyBookBytes());
    // The sample book's first 256 KiB: a real header and real records, then a cut.
    WriteFileBytes(dir / "sample-head.dat", orvelis::test::SampleBookBytes().substr(0, 262144));
  }
  if (target == "fuzz_favorites") {
    // Folder A with a fragment, then a root fragment; and a nested folder ending with 193.
    static constexpr char kMixed[] = "A\0\1\0A\0\0\x82\0\1\0x\1\0t\x82\0\1\0y\0\0";
    static constexpr char kNested[] = "\xC1\0\1\0A\0\0\xC1\0\1\0S\0\0\x82\0\1\0z\0\0";
    WriteFileBytes(dir / "mixed", std::string(kMixed, sizeof kMixed - 1));
    WriteFileBytes(dir / "nested", std::string(kNested, sizeof kNested - 1));
  }
  if (target == "fuzz_query") {
    const char* queries[] = {"иисус христос", "(христос | иисус) пришел", "'иисус христос'", "!назарянин",
                             "бого*", "вид?ний", "[", " word", "иисус |! назарянин", "(a|b) ", "God's (God)"};
    int n = 0;
    for (const char* q : queries) WriteFileBytes(dir / ("q" + std::to_string(n++)), q);
  }
  return 0;
}
