#pragma once
// Find on page: a small bar over the reading area that searches the focused pane with the
// browser's own find, showing the number of matches; Escape closes it.

#include <QPointer>
#include <QWidget>

class QLabel;
class QLineEdit;

namespace orvelis {

class BrowserPane;

class FindBar final : public QWidget {
  Q_OBJECT

 public:
  explicit FindBar(QWidget* parent);

  // Opens the bar for `pane` with the focus in its text box.
  void OpenFor(BrowserPane* pane);
  void Close();
  void FindNext(bool backward);
  QString MatchText() const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QPointer<BrowserPane> pane_;
  QLineEdit* text_ = nullptr;
  QLabel* count_ = nullptr;
};

}  // namespace orvelis
