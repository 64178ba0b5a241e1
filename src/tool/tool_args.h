#pragma once
// Minimal command-line parsing for orvelis-tool: positional words and "--name value" options.

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace orvelis::tool {

class ToolArgs {
 public:
  // `flags` are options that take no value; every other "--name" takes the next word.
  ToolArgs(int argc, char** argv, const std::set<std::string>& flags);

  bool ok() const { return error_.empty(); }
  const std::string& error() const { return error_; }
  const std::vector<std::string>& positional() const { return positional_; }
  std::optional<std::string> Option(const std::string& name) const;
  bool Flag(const std::string& name) const { return flags_.count(name) > 0; }
  // Names of all options given, to reject the ones a command does not know.
  std::set<std::string> Given() const;

 private:
  std::vector<std::string> positional_;
  std::map<std::string, std::string> options_;
  std::set<std::string> flags_;
  std::string error_;
};

// Parses a whole decimal number within [lo, hi]; nullopt otherwise.
std::optional<long long> ParseInteger(const std::string& text, long long lo, long long hi);

}  // namespace orvelis::tool
