#pragma once
// Port: modal message boxes. The shell shows a real box; tests record and answer.

#include <string>

namespace orvelis {

enum class MessageIcon { None, Information, Question, Exclamation, Critical };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Cancel, Yes, No };

struct Message {
  std::string text;
  std::string caption;
  MessageIcon icon = MessageIcon::None;
  MessageButtons buttons = MessageButtons::Ok;
};

class MessageSink {
 public:
  virtual ~MessageSink() = default;
  virtual MessageAnswer Show(const Message& message) = 0;
};

}  // namespace orvelis
