#include "qt/QtFileFilter.h"

#include "armakon/platform/FileFilter.h"
#include "qt/QtText.h"

namespace armakon::qt {

QStringList qtNameFilters(std::string_view filter) {
  QStringList result;
  for (const FileFilterEntry& entry : splitFileFilter(filter)) {
    // Qt reads the patterns from the description's last parentheses, so a description
    // that shows its patterns already ("Text Dateien (*.txt)") loses them for the real ones.
    QString description = toQt(entry.description).trimmed();
    if (description.endsWith(u')')) {
      const qsizetype open = description.lastIndexOf(u'(');
      if (open >= 0) description = description.left(open).trimmed();
    }
    QStringList patterns;
    for (const std::string& pattern : entry.patterns) patterns << toQt(pattern);
    result << description + QStringLiteral(" (") + patterns.join(u' ') + u')';
  }
  return result;
}

}  // namespace armakon::qt
