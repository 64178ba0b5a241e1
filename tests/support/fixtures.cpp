#include "support/fixtures.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "support/temp_dir.h"

namespace orvelis::test {

std::string FixtureText(const std::string& fileName) {
  const std::filesystem::path path = std::filesystem::path(ORVELIS_FIXTURES_DIR) / fileName;
  EXPECT_TRUE(std::filesystem::is_regular_file(path)) << "missing fixture " << path;
  return ReadFileBytes(path);
}

std::map<std::string, std::string> FixtureCases(const std::string& fileName) {
  std::map<std::string, std::string> cases;
  std::istringstream lines(FixtureText(fileName));
  std::string line;
  std::string* current = nullptr;
  while (std::getline(lines, line)) {
    if (line.rfind("### ", 0) == 0) {
      const auto [it, fresh] = cases.emplace(line.substr(4), std::string());
      EXPECT_TRUE(fresh) << "case named twice in " << fileName << ": " << line;
      current = &it->second;
    } else if (current) {
      *current += line + "\n";
    }
  }
  return cases;
}

namespace {

const std::string* FindCase(const std::map<std::string, std::string>& cases, const std::string& name) {
  const auto it = cases.find(name);
  if (it == cases.end()) {
    ADD_FAILURE() << "no fixture case named \"" << name << "\"";
    return nullptr;
  }
  return &it->second;
}

}  // namespace

std::string FixtureDocument(const std::map<std::string, std::string>& cases, const std::string& name) {
  const std::string* text = FindCase(cases, name);
  if (!text) return {};
  std::string joined;
  for (const char c : *text) {
    if (c != '\n') joined += c;
  }
  return joined;
}

std::string FixtureLines(const std::map<std::string, std::string>& cases, const std::string& name) {
  const std::string* text = FindCase(cases, name);
  if (!text) return {};
  std::string lines = *text;
  while (!lines.empty() && lines.back() == '\n') lines.pop_back();
  return lines;
}

}  // namespace orvelis::test
