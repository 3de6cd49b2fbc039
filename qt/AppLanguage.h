#pragma once
// The language of the texts shown: German as written, or a catalog data/translations/
// armakon.<code>.tsv loaded into the library's translation module, which the application's
// own texts go through as well. The desktop application and the screenshot program share it.

#include <QString>

namespace armakon::qt {

// Loads the catalog of the language code ("en"); "de" goes back to German. False when no
// catalog of that code can be read.
bool loadLanguage(const QString& code);

}  // namespace armakon::qt
