#pragma once
// The core speaks UTF-8 std::string; Qt speaks QString. Conversions in one place.

#include <QString>
#include <string>

namespace orvelis {

inline QString Q(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }
inline std::string S(const QString& text) { return text.toStdString(); }

// A text as a JavaScript string literal, for a script handed to a page.
inline QString JsString(const QString& text) {
  QString out = QStringLiteral("'");
  for (const QChar c : text) {
    if (c == QLatin1Char('\\') || c == QLatin1Char('\'')) out += QLatin1Char('\\');
    if (c == QLatin1Char('\n')) {
      out += QStringLiteral("\\n");
    } else if (c == QLatin1Char('\r')) {
      out += QStringLiteral("\\r");
    } else if (c == QChar(0x2028) || c == QChar(0x2029)) {
      out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16);  // line ends inside a literal
    } else {
      out += c;
    }
  }
  return out + QLatin1Char('\'');
}

}  // namespace orvelis
