#pragma once
// A SearchView and MessageSink without windows, for the command-line tool and the tests.

#include <functional>
#include <string>
#include <vector>

#include "ports/search_view.h"
#include "ports/message_sink.h"

namespace orvelis {

class RecordingSearchView : public SearchView {
 public:
  void WriteSearchDocument(const std::string& html) override { documents.push_back(html); }
  void ProcessEvents() override { ++eventPasses; }
  void SetPrevSearch(const std::string& query) override { prevSearch = query; }
  bool SearchInFoundChecked() const override { return searchInFoundChecked; }
  void SetSearchInFoundEnabled(bool enabled) override {
    searchInFoundEnabled = enabled;
    if (!enabled) searchInFoundChecked = false;
  }
  void SetResultCountText(const std::string& text) override { resultCountText = text; }
  int PartsSelectorIndex() const override { return partsIndex; }
  std::string PartsSelectorText() const override { return partsText; }
  void SelectAndFocusSearchBox() override { ++searchBoxFocused; }

  std::vector<std::string> documents;
  int eventPasses = 0;
  std::string prevSearch;
  bool searchInFoundChecked = false;
  bool searchInFoundEnabled = false;
  std::string resultCountText;
  int partsIndex = 0;
  std::string partsText = "-- Вся книга --";
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
