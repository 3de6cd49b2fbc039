#include "qt/AppLanguage.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "armakon/entry/CArmakonDllApp.h"
#include "qt/QtText.h"

namespace armakon::qt {

namespace {

// The installed catalogs lie in <prefix>/share/armakon/translations beside <prefix>/bin; a
// program run from the build tree reads them from the sources.
QString catalogPath(const QString& code) {
  const QString name = "armakon." + code + ".tsv";
  const QString installed = QCoreApplication::applicationDirPath() + "/../share/armakon/translations/" + name;
  if (QFileInfo::exists(installed)) return installed;
  return QString(ARMAKON_TRANSLATIONS_DIR) + "/" + name;
}

}  // namespace

bool loadLanguage(const QString& code) {
  CTranslationModule& module = CArmakonDllApp::instance().translationModule();
  module.Clear();
  if (code == "de") return true;
  return module.LoadCatalog(fromQt(catalogPath(code))).readable;
}

}  // namespace armakon::qt
