#pragma once
// Message boxes of the reader. When ORVELIS_MESSAGE_LOG names a file (automated runs), boxes are
// not shown: each is appended to that file as "caption|text" and answered with the next word of
// ORVELIS_MESSAGE_ANSWERS ("yes,no,cancel", consumed in order) or else with its default.

#include <QWidget>

#include "ports/message_sink.h"

namespace orvelis {

class QtMessageSink final : public MessageSink {
 public:
  explicit QtMessageSink(QWidget* parent = nullptr) : parent_(parent) {}
  MessageAnswer Show(const Message& message) override;
  void SetParent(QWidget* parent) { parent_ = parent; }

 private:
  QWidget* parent_;
};

}  // namespace orvelis
