#include "shell/platform/qt_message_sink.h"

#include <QFile>
#include <QMessageBox>
#include <QTextStream>
#include <optional>

#include "ground/ui_text.h"
#include "shell/platform/qt_text.h"

namespace orvelis {
namespace {

// The next scripted answer, taken off the front of ORVELIS_MESSAGE_ANSWERS.
std::optional<MessageAnswer> ScriptedAnswer() {
  QStringList answers = qEnvironmentVariable("ORVELIS_MESSAGE_ANSWERS").split(QLatin1Char(','), Qt::SkipEmptyParts);
  if (answers.isEmpty()) return std::nullopt;
  const QString next = answers.takeFirst().trimmed();
  qputenv("ORVELIS_MESSAGE_ANSWERS", answers.join(QLatin1Char(',')).toUtf8());
  if (next == QLatin1String("no")) return MessageAnswer::No;
  if (next == QLatin1String("cancel")) return MessageAnswer::Cancel;
  if (next == QLatin1String("ok")) return MessageAnswer::Ok;
  return MessageAnswer::Yes;
}

// A message's text in the interface's language: the core's marked constants reach the sink as
// their Russian originals; a text the core composed has been translated already and stays.
QString Shown(const std::string& text) { return Q(Tr(text.c_str())); }

MessageAnswer DefaultAnswer(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::YesNo:
    case MessageButtons::YesNoCancel: return MessageAnswer::Yes;
    default: return MessageAnswer::Ok;
  }
}

}  // namespace

MessageAnswer QtMessageSink::Show(const Message& m) {
  if (const QString log = qEnvironmentVariable("ORVELIS_MESSAGE_LOG"); !log.isEmpty()) {
    QFile file(log);
    if (file.open(QIODevice::Append | QIODevice::Text)) {
      QTextStream(&file) << Shown(m.caption) << '|' << Shown(m.text) << '\n';
    }
    if (m.buttons == MessageButtons::Ok) return MessageAnswer::Ok;
    return ScriptedAnswer().value_or(DefaultAnswer(m.buttons));
  }
  QMessageBox box(parent_);
  box.setWindowTitle(Shown(m.caption));
  box.setTextFormat(Qt::PlainText);  // messages quote names and queries the user typed
  box.setText(Shown(m.text));
  switch (m.icon) {
    case MessageIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MessageIcon::Question: box.setIcon(QMessageBox::Question); break;
    case MessageIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case MessageIcon::Critical: box.setIcon(QMessageBox::Critical); break;
    case MessageIcon::None: break;
  }
  switch (m.buttons) {
    case MessageButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case MessageButtons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case MessageButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case MessageButtons::YesNoCancel:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      break;
  }
  switch (box.exec()) {
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    case QMessageBox::Cancel: return MessageAnswer::Cancel;
    default: return m.buttons == MessageButtons::YesNoCancel ? MessageAnswer::Cancel : MessageAnswer::Ok;
  }
}

}  // namespace orvelis
