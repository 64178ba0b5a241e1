#include "tool/tool_args.h"

#include <charconv>

namespace orvelis::tool {

ToolArgs::ToolArgs(int argc, char** argv, const std::set<std::string>& flags) {
  for (int i = 1; i < argc; ++i) {
    const std::string word = argv[i];
    if (word.size() > 2 && word.rfind("--", 0) == 0) {
      const std::string name = word.substr(2);
      if (flags.count(name)) {
        flags_.insert(name);
      } else if (i + 1 < argc) {
        options_[name] = argv[++i];
      } else {
        error_ = "option --" + name + " needs a value";
      }
    } else {
      positional_.push_back(word);
    }
  }
}

std::optional<std::string> ToolArgs::Option(const std::string& name) const {
  const auto it = options_.find(name);
  if (it == options_.end()) return std::nullopt;
  return it->second;
}

std::set<std::string> ToolArgs::Given() const {
  std::set<std::string> names(flags_);
  for (const auto& [name, value] : options_) names.insert(name);
  return names;
}

std::optional<long long> ParseInteger(const std::string& text, long long lo, long long hi) {
  long long value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (text.empty() || ec != std::errc() || ptr != end || value < lo || value > hi) return std::nullopt;
  return value;
}

}  // namespace orvelis::tool
