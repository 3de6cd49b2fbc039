// armakon-gui: a desktop application on the armakon library for trying valve catalogs, valve
// sizing and pump choice without a host design program.
//
//   armakon-gui [PROJECT] [--catalogs FOLDER] [--lang en] [--kind KIND --flow V ...]
//               [--screenshot FILE]
//
// --catalogs uses that catalog root folder for this run (the settings keep the user's own);
// --kind and the sizing inputs (--kv, --flow, --dp, ... as in `armakon size`) fill the
// sizing panel and run the search; --screenshot saves the window as PNG and ends.

#include <QApplication>
#include <QSettings>
#include <cstdio>
#include <map>
#include <optional>

#include "armakon/platform/CurrentPlatform.h"
#include "armakon/pumps/hydPumpenManager.h"
#include "qt/QtPlatform.h"
#include "qt/AppLanguage.h"
#include "tools/armakon-gui/MainWindow.h"
#include "tools/armakon-gui/SizingPanel.h"

namespace {

int usage(const char* problem) {
  std::fprintf(stderr,
               "armakon-gui: %s\nusage: armakon-gui [PROJECT] [--catalogs FOLDER] [--lang CODE] "
               "[--kind KIND [--kv KV] [--flow V] ...] [--screenshot FILE]\n",
               problem);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QCoreApplication::setOrganizationName("Armakon");
  QCoreApplication::setApplicationName("armakon-gui");

  QString project;
  std::map<QString, QString> options;  // option -> value ("" for a flag)
  const QStringList arguments = QCoreApplication::arguments();
  for (int i = 1; i < arguments.size(); ++i) {
    const QString& argument = arguments[i];
    if (!argument.startsWith("--")) {
      if (!project.isEmpty()) return usage("only one project file");
      project = argument;
    } else if (argument == "--from-open" || argument == "--keep-dim") {
      options[argument] = "";
    } else if (i + 1 < arguments.size()) {
      options[argument] = arguments[++i];
    } else {
      return usage(qPrintable(argument + " needs a value"));
    }
  }
  const auto take = [&options](const QString& option) {
    const QString value = options.count(option) != 0 ? options[option] : QString();
    options.erase(option);
    return value;
  };
  const QString language = take("--lang");
  const QString catalogs = take("--catalogs");
  const QString screenshot = take("--screenshot");
  const QString kind = take("--kind");
  if (!language.isEmpty() && !armakon::qt::loadLanguage(language)) {
    return usage(qPrintable("no translation catalog for " + language));
  }

  // The host releases the pump catalog (after the window, which may point into it).
  struct PumpCatalogRelease {
    ~PumpCatalogRelease() { armakon::hydPumpenManager::removeInstance(); }
  } release;
  // A screenshot is taken unattended: messages then go to the headless default instead of
  // waiting for a click.
  armakon::qt::QtPlatform platform;
  std::optional<armakon::ScopedPlatform> installed;
  if (screenshot.isEmpty()) installed.emplace(platform);
  QSettings settings;
  armakon::gui::MainWindow window(settings);
  armakon::gui::SizingPanel& panel = *window.sizingPanel();
  if (!catalogs.isEmpty()) window.setCatalogRoots({catalogs}, false);
  if (!project.isEmpty() && !window.openProject(project) && !screenshot.isEmpty()) return 1;
  for (const auto& [option, value] : options) {
    if (!panel.setInput(option, value)) return usage(qPrintable("unknown option " + option));
  }
  if (!kind.isEmpty()) {
    if (!panel.selectKind(static_cast<armakon::enArmaturenTyp>(kind.toInt()))) {
      return usage(qPrintable("no sizing search for kind " + kind));
    }
    panel.size();
  }
  window.show();
  if (screenshot.isEmpty()) return QApplication::exec();
  QApplication::processEvents();
  if (!window.grab().save(screenshot)) return usage(qPrintable("cannot write " + screenshot));
  std::printf("%s\n", qPrintable(screenshot));
  return 0;
}
