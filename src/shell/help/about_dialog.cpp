#include "shell/help/about_dialog.h"

#include <QCoreApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

#include "ground/app_info.h"
#include "ports/message_sink.h"
#include "shell/platform/qt_text.h"

namespace orvelis {

AboutDialog::AboutDialog(int textMajor, int textMinor, MessageSink& messages, QWidget* parent)
    : QDialog(parent), messages_(messages) {
  setObjectName(QStringLiteral("frmAbout"));
  setWindowTitle(QCoreApplication::translate("AboutDialog", "  О программе"));
  auto* layout = new QVBoxLayout(this);
  auto* title = new QLabel(Q(ApplicationTitle()), this);
  title->setObjectName(QStringLiteral("lblTitle"));
  QFont big = title->font();
  big.setPointSizeF(big.pointSizeF() * 1.4);
  big.setBold(true);
  title->setFont(big);
  auto* version = new QLabel(
      QCoreApplication::translate("AboutDialog", "электронная версия текста: %1.%2").arg(textMajor).arg(textMinor),
      this);
  version->setObjectName(QStringLiteral("lblVersion"));
  auto* description = new QLabel(
      QCoreApplication::translate("AboutDialog",
                                  "Книга на русском и английском языках для чтения, поиска и собирания избранных "
                                  "фрагментов. Текст Книги принадлежит его правообладателям и предоставляется для "
                                  "личного чтения; программа лишь показывает его."),
      this);
  description->setObjectName(QStringLiteral("lblDescription"));
  description->setWordWrap(true);
  auto* line = new QFrame(this);
  line->setFrameShape(QFrame::HLine);
  auto* buttons = new QHBoxLayout;
  auto* sysInfo = new QPushButton(QCoreApplication::translate("AboutDialog", "О системе..."), this);
  sysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("cmdOK"));
  buttons->addStretch();
  buttons->addWidget(sysInfo);
  buttons->addWidget(ok);
  for (QWidget* w : std::initializer_list<QWidget*>{title, version, description, line}) layout->addWidget(w);
  layout->addLayout(buttons);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(sysInfo, &QPushButton::clicked, this, &AboutDialog::cmdSysInfo_Click);
}

// There is no system information tool of the old kind here; a desktop's own, where one is
// installed, stands in for it.
void AboutDialog::cmdSysInfo_Click() {
  for (const char* tool : {"msinfo32", "hardinfo", "kinfocenter", "gnome-system-monitor"}) {
    const QString path = QStandardPaths::findExecutable(QString::fromLatin1(tool));
    if (!path.isEmpty() && QProcess::startDetached(path, {})) return;
  }
  messages_.Show({"System Information Is Unavailable At This Time", S(windowTitle()), MessageIcon::None,
                  MessageButtons::Ok});
}

}  // namespace orvelis
