#pragma once
// frFindPage: go to a page or a Paper by number.

#include <QDialog>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace orvelis {

class MessageSink;
class SettingsStore;

class FindPageDialog final : public QDialog {
  Q_OBJECT

 public:
  FindPageDialog(SettingsStore& settings, MessageSink& messages, QWidget* parent);

  // The key to show once the dialog was accepted.
  const std::string& Target() const { return target_; }

  void cmdFind_Click();

 protected:
  void done(int result) override;  // Form_Unload: remembers the kind

 private:
  void OptObject_Click(int index);

  SettingsStore& settings_;
  MessageSink& messages_;
  QRadioButton* optPage_ = nullptr;
  QRadioButton* optPaper_ = nullptr;
  QLabel* lblInputNumber_ = nullptr;
  QLineEdit* txtInputNumber_ = nullptr;
  QPushButton* cmdFind_ = nullptr;
  std::string target_;
};

}  // namespace orvelis
