#pragma once
// The application's own texts: written in German, shown through the translation component
// (so `--lang en` shows the English catalog's text), and the library's texts for Qt.

#include <QString>

#include "armakon/components/Translation.h"
#include "qt/QtText.h"

namespace armakon::gui {

using qt::fromQt;
using qt::toQt;

// The text the user reads for a German text of the application.
inline QString uiText(const char* german) { return toQt(Translate(german)); }

}  // namespace armakon::gui
