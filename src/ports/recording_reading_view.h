#pragma once
// A ReadingView without windows: remembers every document and state it is given. The command-line
// tool composes through it, and the tests use it as their fake.

#include <map>
#include <string>
#include <vector>

#include "ports/reading_view.h"

namespace orvelis {

class RecordingReadingView : public ReadingView {
 public:
  struct Write {
    ReadingPane pane;
    std::string html;
  };

  void WriteDocument(ReadingPane pane, const std::string& html) override {
    writes.push_back({pane, html});
    documents[pane] = html;
  }
  std::string SelectTreeKey(const std::string& key) override {
    selectedKey = key;
    return selectedKey;
  }
  void SetCaption(const std::string& text) override { caption = text; }
  void FitHeaderStrip(int pane) override { fittedStrips.push_back(pane); }
  void SetLocationText(int pane, const std::string& text) override { locationText[pane] = text; }
  void SetCommandEnabled(NavCommand command, bool enabled) override { commandEnabled[command] = enabled; }

  bool Enabled(NavCommand command) const {
    const auto it = commandEnabled.find(command);
    return it != commandEnabled.end() && it->second;
  }

  std::vector<Write> writes;
  std::map<ReadingPane, std::string> documents;
  std::string selectedKey;
  std::string caption;
  std::vector<int> fittedStrips;
  std::map<int, std::string> locationText;
  std::map<NavCommand, bool> commandEnabled;
};

}  // namespace orvelis
