#pragma once
// The library's texts are UTF-8 with "\r\n" line breaks where they come from the host's
// windowing system; Qt takes "\n".

#include <QString>
#include <string>

namespace armakon::qt {

inline QString toQt(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

inline std::string fromQt(const QString& text) { return text.toUtf8().toStdString(); }

}  // namespace armakon::qt
