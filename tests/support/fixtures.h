#pragma once
// Expected documents and tables kept as files under tests/fixtures/, written by hand, never by the
// code they check. A file may hold several cases: each starts with a line "### name"; lines before
// the first case describe the file and are ignored.

#include <map>
#include <string>

namespace orvelis::test {

// The whole file, as it is on disk.
std::string FixtureText(const std::string& fileName);

// The cases of a file by name; each case is its lines, every one ending in "\n".
std::map<std::string, std::string> FixtureCases(const std::string& fileName);

// A case written across several lines for reading: its lines joined without separators. Fails the
// test (and returns "") when the file has no such case.
std::string FixtureDocument(const std::map<std::string, std::string>& cases, const std::string& name);

// A case whose line feeds belong to it: its lines joined by "\n", without the blank lines that
// separate it from the next case and without a final line feed.
std::string FixtureLines(const std::map<std::string, std::string>& cases, const std::string& name);

}  // namespace orvelis::test
