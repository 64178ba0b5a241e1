#include "shell/browser/find_page_dialog.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "navigation/go_to_rules.h"
#include "ports/message_sink.h"
#include "ports/setting_names.h"
#include "ports/settings_store.h"
#include "shell/platform/qt_text.h"

namespace orvelis {

FindPageDialog::FindPageDialog(SettingsStore& settings, MessageSink& messages, QWidget* parent)
    : QDialog(parent), settings_(settings), messages_(messages) {
  setObjectName(QStringLiteral("frFindPage"));
  setWindowTitle(QCoreApplication::translate("FindPageDialog", "Перейти"));
  auto* layout = new QVBoxLayout(this);
  auto* frame = new QGroupBox(QCoreApplication::translate("FindPageDialog", "Объект перехода"), this);
  frame->setObjectName(QStringLiteral("frObject"));
  auto* options = new QHBoxLayout(frame);
  optPage_ = new QRadioButton(QCoreApplication::translate("FindPageDialog", "Страница"), frame);
  optPage_->setObjectName(QStringLiteral("OptObject0"));
  optPaper_ = new QRadioButton(QCoreApplication::translate("FindPageDialog", "Документ"), frame);
  optPaper_->setObjectName(QStringLiteral("OptObject1"));
  options->addWidget(optPage_);
  options->addWidget(optPaper_);
  layout->addWidget(frame);
  lblInputNumber_ = new QLabel(this);
  lblInputNumber_->setObjectName(QStringLiteral("lblInputNumber"));
  layout->addWidget(lblInputNumber_);
  txtInputNumber_ = new QLineEdit(this);
  txtInputNumber_->setObjectName(QStringLiteral("txtInputNumber"));
  layout->addWidget(txtInputNumber_);
  auto* buttons = new QHBoxLayout;
  cmdFind_ = new QPushButton(QCoreApplication::translate("FindPageDialog", "Перейти"), this);
  cmdFind_->setObjectName(QStringLiteral("cmdFind"));
  cmdFind_->setEnabled(false);
  cmdFind_->setAutoDefault(false);
  auto* cancel = new QPushButton(QCoreApplication::translate("FindPageDialog", "Отмена"), this);
  cancel->setObjectName(QStringLiteral("cmdCancel"));
  cancel->setAutoDefault(false);
  buttons->addStretch();
  buttons->addWidget(cmdFind_);
  buttons->addWidget(cancel);
  layout->addLayout(buttons);

  connect(optPage_, &QRadioButton::clicked, this, [this] { OptObject_Click(0); });
  connect(optPaper_, &QRadioButton::clicked, this, [this] { OptObject_Click(1); });
  connect(txtInputNumber_, &QLineEdit::textChanged, this, [this](const QString& t) { cmdFind_->setEnabled(!t.isEmpty()); });
  connect(txtInputNumber_, &QLineEdit::returnPressed, this, [this] {
    if (!txtInputNumber_->text().isEmpty()) cmdFind_Click();
  });
  connect(cmdFind_, &QPushButton::clicked, this, &FindPageDialog::cmdFind_Click);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  const int kind = ReadGoToKind(settings_);
  (kind == 1 ? optPaper_ : optPage_)->setChecked(true);
  OptObject_Click(kind);
  txtInputNumber_->setFocus();
}

void FindPageDialog::OptObject_Click(int index) {
  lblInputNumber_->setText(Q(Tr(index == 0 ? kPagePrompt : kPaperPrompt)));
}

void FindPageDialog::cmdFind_Click() {
  const GoToResult result = GoToTarget(S(txtInputNumber_->text()), optPaper_->isChecked());
  if (!result.error.empty()) {
    messages_.Show({result.error, kGoToErrorCaption, MessageIcon::Critical, MessageButtons::Ok});
    txtInputNumber_->selectAll();
    txtInputNumber_->setFocus();
    return;
  }
  target_ = result.key;
  accept();
}

void FindPageDialog::done(int result) {
  settings_.Write(setting::kGoToKind, optPage_->isChecked() ? "0" : "1");
  QDialog::done(result);
}

}  // namespace orvelis
