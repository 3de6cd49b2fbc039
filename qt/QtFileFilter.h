#pragma once
// The Windows-form filter of a file request (FileFilter.h) as Qt's name filters:
// "Text Dateien (*.txt)|*.txt|Alle Dateien|*.*|" -> {"Text Dateien (*.txt)", "Alle Dateien (*.*)"}.

#include <QStringList>
#include <string_view>

namespace armakon::qt {

QStringList qtNameFilters(std::string_view filter);

}  // namespace armakon::qt
