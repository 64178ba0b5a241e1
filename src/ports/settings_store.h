#pragma once
// Port: the store of named string settings (the registry key of the program). The shell
// implements it with QSettings; tests and the tool use MemorySettingsStore.

#include <map>
#include <string>

namespace orvelis {

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  // A missing value reads as empty.
  virtual std::string Read(const std::string& name) const = 0;
  virtual void Write(const std::string& name, const std::string& value) = 0;
  // Puts what was written on disk now (a killed program keeps it); stores in memory need nothing.
  virtual void Flush() {}
};

class MemorySettingsStore final : public SettingsStore {
 public:
  std::string Read(const std::string& name) const override {
    const auto it = values_.find(name);
    return it == values_.end() ? std::string() : it->second;
  }
  void Write(const std::string& name, const std::string& value) override { values_[name] = value; }
  const std::map<std::string, std::string>& Values() const { return values_; }

 private:
  std::map<std::string, std::string> values_;
};

// Reads "name=value" lines (blank lines, "#" and ";" comments and "[section]" headers skipped).
MemorySettingsStore ParseSettingsText(const std::string& text);

}  // namespace orvelis
