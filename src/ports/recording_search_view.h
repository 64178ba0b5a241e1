#pragma once
// A SearchView and MessageSink without windows: for the command-line tool, the tests, and pages
// the core builds unseen.

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "ports/search_view.h"
#include "ports/message_sink.h"

namespace orvelis {

class RecordingSearchView : public SearchView {
 public:
  void WriteSearchDocument(std::string html) override { documents.push_back(std::move(html)); }
  void ProcessEvents() override { ++eventPasses; }
  void SetSearchInFoundEnabled(bool enabled) override {
    searchInFoundEnabled = enabled;
    if (!enabled) searchInFoundChecked = false;
  }
  void SetResultCountText(const std::string& text) override { resultCountText = text; }
  void SelectAndFocusSearchBox() override { ++searchBoxFocused; }

  std::vector<std::string> documents;
  int eventPasses = 0;
  bool searchInFoundChecked = false;
  bool searchInFoundEnabled = false;
  std::string resultCountText;
  int searchBoxFocused = 0;
};

class RecordingMessageSink : public MessageSink {
 public:
  MessageAnswer Show(const Message& message) override {
    shown.push_back(message);
    if (onShow) onShow(message);
    return answer;
  }
  std::vector<Message> shown;
  MessageAnswer answer = MessageAnswer::Ok;
  std::function<void(const Message&)> onShow;
};

}  // namespace orvelis
