#pragma once
// The core speaks UTF-8 std::string; Qt speaks QString. Conversions in one place.

#include <QString>
#include <string>

namespace orvelis {

inline QString Q(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }
inline std::string S(const QString& text) { return text.toStdString(); }

}  // namespace orvelis
