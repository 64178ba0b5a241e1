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
  if (target == "fuzz_query") {
    const char* queries[] = {"иисус христос", "(христос | иисус) пришел", "'иисус христос'", "!назарянин",
                             "бого*", "вид?ний", "[", " word", "иисус |! назарянин", "(a|b) ", "God's (God)"};
    int n = 0;
    for (const char* q : queries) WriteFileBytes(dir / ("q" + std::to_string(n++)), q);
  }
  return 0;
}
