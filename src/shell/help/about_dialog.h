#pragma once
// frmAbout: the program's title and the version of the book text.

#include <QDialog>

namespace orvelis {

class MessageSink;

class AboutDialog final : public QDialog {
  Q_OBJECT

 public:
  AboutDialog(int textMajor, int textMinor, MessageSink& messages, QWidget* parent);
  // Starts the platform's system information tool, or says it is unavailable.
  void cmdSysInfo_Click();

 private:
  MessageSink& messages_;
};

}  // namespace orvelis
