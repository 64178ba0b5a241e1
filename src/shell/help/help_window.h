#pragma once
// frHelp and frSearchRule: a fixed page in a window of its own that remembers its place and
// closes on the page's "закрыть окно" link.

#include <QDialog>
#include <functional>
#include <string>

#include "ports/setting_names.h"

namespace orvelis {

class BrowserPane;
class DocumentScheme;
class SettingsStore;

class HelpWindow final : public QDialog {
  Q_OBJECT

 public:
  enum class Kind { Help, Rules };

  // `page` composes the window's document (with the current stylesheet).
  HelpWindow(Kind kind, DocumentScheme& documents, SettingsStore& settings, std::function<std::string()> page,
             QWidget* parent);
  ~HelpWindow() override;

  BrowserPane* Browser() const { return wbWeb_; }
  void WritePage();
  Kind WindowKind() const { return kind_; }

 signals:
  void closed();

 protected:
  void done(int result) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void RestorePlacement();
  void SavePlacement();
  const setting::PlacementNames& PlacementNames() const;

  Kind kind_;
  SettingsStore& settings_;
  std::function<std::string()> page_;
  BrowserPane* wbWeb_ = nullptr;
  bool saved_ = false;
};

}  // namespace orvelis
