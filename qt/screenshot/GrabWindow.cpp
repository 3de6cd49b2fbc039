#include "qt/screenshot/GrabWindow.h"

#include <QApplication>
#include <QTimer>

namespace armakon::screenshots {

namespace {

bool saved = false;

// Polls every 50 ms for at most ten seconds; a window is then given half a second to lay
// itself out and paint.
void grabWhenOpen(const QString& png, const std::function<void(QWidget*)>& prepare, int polls) {
  QTimer::singleShot(50, [png, prepare, polls] {
    QWidget* window = QApplication::activeModalWidget();
    if (window == nullptr) {
      if (polls > 0) grabWhenOpen(png, prepare, polls - 1);
      return;
    }
    if (prepare) prepare(window);
    QTimer::singleShot(500, [png, window] {
      saved = window->grab().save(png);
      window->close();
    });
  });
}

}  // namespace

void grabNextWindow(const QString& png, std::function<void(QWidget*)> prepare) {
  saved = false;
  grabWhenOpen(png, prepare, 200);
}

bool lastGrabSaved() { return saved; }

}  // namespace armakon::screenshots
