#include "shell/browser/find_bar.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QToolButton>
#include <QWebEngineFindTextResult>
#include <algorithm>

#include "shell/browser/browser_pane.h"
#include "shell/window/toolbar_icons.h"

namespace orvelis {

FindBar::FindBar(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("findBar"));
  setAutoFillBackground(true);
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(6, 3, 3, 3);
  auto* label = new QLabel(QCoreApplication::translate("FindBar", "Найти:"), this);
  text_ = new QLineEdit(this);
  text_->setObjectName(QStringLiteral("txtFind"));
  auto* previous = new QToolButton(this);
  previous->setObjectName(QStringLiteral("cmdFindPrevious"));
  previous->setIcon(ToolbarIcon(10));
  previous->setToolTip(QCoreApplication::translate("FindBar", "Предыдущее совпадение"));
  auto* next = new QToolButton(this);
  next->setObjectName(QStringLiteral("cmdFindNext"));
  next->setIcon(ToolbarIcon(12));
  next->setToolTip(QCoreApplication::translate("FindBar", "Следующее совпадение"));
  count_ = new QLabel(this);
  count_->setObjectName(QStringLiteral("lblFindCount"));
  auto* close = new QToolButton(this);
  close->setIcon(NamedIcon(QStringLiteral("close")));
  close->setToolTip(QCoreApplication::translate("FindBar", "Закрыть"));
  for (QWidget* w : std::initializer_list<QWidget*>{label, text_, previous, next, count_, close}) row->addWidget(w);
  connect(text_, &QLineEdit::textChanged, this, [this] { FindNext(false); });
  connect(text_, &QLineEdit::returnPressed, this, [this] { FindNext(false); });
  connect(previous, &QToolButton::clicked, this, [this] { FindNext(true); });
  connect(next, &QToolButton::clicked, this, [this] { FindNext(false); });
  connect(close, &QToolButton::clicked, this, &FindBar::Close);
  hide();
}

void FindBar::OpenFor(BrowserPane* pane) {
  if (pane_ && pane_ != pane) pane_->page()->findText(QString());  // the other pane's marks go
  pane_ = pane;
  if (parentWidget() != pane->parentWidget()) setParent(pane->parentWidget());
  adjustSize();
  const QRect area = pane->geometry();
  move(std::max(area.left(), area.right() - width() - 20), std::max(area.top(), area.bottom() - height() - 20));
  show();
  raise();
  text_->setFocus();
  text_->selectAll();
  if (!text_->text().isEmpty()) FindNext(false);
}

void FindBar::Close() {
  if (pane_) pane_->page()->findText(QString());  // clears the marks
  hide();
  if (pane_) pane_->setFocus();
}

void FindBar::FindNext(bool backward) {
  if (!pane_) return;
  const QWebEnginePage::FindFlags flags = backward ? QWebEnginePage::FindBackward : QWebEnginePage::FindFlags();
  pane_->page()->findText(text_->text(), flags, [bar = QPointer<FindBar>(this)](const QWebEngineFindTextResult& result) {
    if (!bar) return;
    bar->count_->setText(bar->text_->text().isEmpty() ? QString()
                                                      : QCoreApplication::translate("FindBar", "%1 из %2")
                                                            .arg(result.activeMatch())
                                                            .arg(result.numberOfMatches()));
  });
}

QString FindBar::MatchText() const { return count_->text(); }

void FindBar::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    Close();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace orvelis
