#pragma once
// The documentation's screenshots: each scene puts one dialog on screen, on the bundled
// sample data, in the state the picture should show.

#include <QString>
#include <QWidget>
#include <filesystem>
#include <functional>

namespace armakon::screenshots {

// Saves the next modal window as PNG once it is on screen, after `prepare` has put it into
// the state the picture shows, then closes it (the dialog's cancel).
void grabNextWindow(const QString& png, std::function<void(QWidget*)> prepare = {});

// Whether the last grab saved its picture.
bool lastGrabSaved();

// A scene: opens its dialog with grabNextWindow armed. `samples` is the folder data/samples.
using Scene = std::function<void(const std::filesystem::path& samples, const QString& png)>;

void reportViewerScene(const std::filesystem::path& samples, const QString& png);
void valveCatalogScene(const std::filesystem::path& samples, const QString& png);
void accessoryChoiceScene(const std::filesystem::path& samples, const QString& png);
void catalogFoldersScene(const std::filesystem::path& samples, const QString& png);
void containerScene(const std::filesystem::path& samples, const QString& png);
void splitterScene(const std::filesystem::path& samples, const QString& png);
void modelInfoScene(const std::filesystem::path& samples, const QString& png);
void pumpChoiceScene(const std::filesystem::path& samples, const QString& png);
void pumpEditorScene(const std::filesystem::path& samples, const QString& png);

}  // namespace armakon::screenshots
