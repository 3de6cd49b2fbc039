#include "qt/QtPlatform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QThread>
#include <QTimer>
#include <QUrl>
#include <atomic>

#include "armakon/components/FormatText.h"
#include "armakon/components/Translation.h"
#include "qt/QtFileFilter.h"
#include "qt/QtText.h"

namespace armakon::qt {

void onUserInterfaceThread(const std::function<void()>& function) {
  if (QThread::currentThread() == QCoreApplication::instance()->thread()) {
    function();
  } else {
    QMetaObject::invokeMethod(QCoreApplication::instance(), function, Qt::BlockingQueuedConnection);
  }
}

namespace {

QMessageBox::Icon iconFor(MessageKind kind) {
  switch (kind) {
    case MessageKind::Information: return QMessageBox::Information;
    case MessageKind::Warning: return QMessageBox::Warning;
    case MessageKind::Error: return QMessageBox::Critical;
    case MessageKind::Question: return QMessageBox::Question;
  }
  return QMessageBox::NoIcon;
}

// Escape answers like the last button (No, or Cancel where there is one).
QMessageBox::StandardButton ask(const std::string& text, const std::string& caption,
                                QMessageBox::StandardButtons buttons, QMessageBox::StandardButton escape) {
  QMessageBox::StandardButton answer = escape;
  onUserInterfaceThread([&] {
    QMessageBox box(QMessageBox::Question, toQt(caption), toQt(text), buttons, QApplication::activeWindow());
    box.setEscapeButton(escape);
    answer = static_cast<QMessageBox::StandardButton>(box.exec());
  });
  return answer;
}

Answer answerOf(QMessageBox::StandardButton button) {
  if (button == QMessageBox::Yes) return Answer::Yes;
  if (button == QMessageBox::No) return Answer::No;
  return Answer::Cancel;
}

void prepare(QFileDialog& chooser, const FileDialogRequest& request) {
  if (!request.title.empty()) chooser.setWindowTitle(toQt(request.title));
  chooser.setNameFilters(qtNameFilters(request.filter));
  chooser.setDefaultSuffix(toQt(request.defaultExtension));
  if (!request.initialFolder.empty()) chooser.setDirectory(toQt(request.initialFolder));
  if (!request.initialName.empty()) chooser.selectFile(toQt(request.initialName));
}

std::vector<std::string> chosenFiles(QFileDialog& chooser) {
  std::vector<std::string> files;
  if (chooser.exec() == QDialog::Accepted) {
    for (const QString& file : chooser.selectedFiles()) files.push_back(fromQt(file));
  }
  return files;
}

// Lives on the user-interface thread; ticks there.
class QtTimer : public PeriodicTimer {
 public:
  QtTimer(std::chrono::milliseconds interval, std::function<void()> tick) {
    onUserInterfaceThread([&] {
      timer_ = new QTimer;
      QObject::connect(timer_, &QTimer::timeout, std::move(tick));
      timer_->start(interval);
    });
  }
  ~QtTimer() override {
    onUserInterfaceThread([this] { delete timer_; });
  }

  void stop() noexcept override {
    if (!running_.exchange(false)) return;
    onUserInterfaceThread([this] { timer_->stop(); });
  }
  bool isRunning() const noexcept override { return running_; }

 private:
  QTimer* timer_ = nullptr;
  std::atomic<bool> running_{true};
};

}  // namespace

QtPlatform::QtPlatform() { addLibraryDialogs(dialogs_); }

void QtPlatform::showMessage(MessageKind kind, const std::string& text, const std::string& caption) {
  onUserInterfaceThread([&] {
    QMessageBox box(iconFor(kind), toQt(caption), toQt(text), QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
  });
}

Answer QtPlatform::askYesNo(const std::string& text, const std::string& caption) {
  return answerOf(ask(text, caption, QMessageBox::Yes | QMessageBox::No, QMessageBox::No));
}

Answer QtPlatform::askYesNoCancel(const std::string& text, const std::string& caption) {
  return answerOf(ask(text, caption, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Cancel));
}

std::vector<std::string> QtPlatform::chooseFilesToOpen(const FileDialogRequest& request) {
  std::vector<std::string> files;
  onUserInterfaceThread([&] {
    QFileDialog chooser(QApplication::activeWindow());
    prepare(chooser, request);
    chooser.setAcceptMode(QFileDialog::AcceptOpen);
    chooser.setFileMode(request.multiSelect ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    files = chosenFiles(chooser);
  });
  return files;
}

std::optional<std::string> QtPlatform::chooseFileToSave(const FileDialogRequest& request) {
  std::vector<std::string> files;
  onUserInterfaceThread([&] {
    QFileDialog chooser(QApplication::activeWindow());
    prepare(chooser, request);
    chooser.setAcceptMode(QFileDialog::AcceptSave);
    // The callers ask before replacing a file themselves.
    chooser.setOption(QFileDialog::DontConfirmOverwrite);
    files = chosenFiles(chooser);
  });
  if (files.empty()) return std::nullopt;
  return files.front();
}

bool QtPlatform::openWithSystem(const std::string& path) {
  bool opened = false;
  onUserInterfaceThread([&] { opened = QDesktopServices::openUrl(QUrl::fromLocalFile(toQt(path))); });
  return opened;
}

std::unique_ptr<PeriodicTimer> QtPlatform::startTimer(std::chrono::milliseconds interval,
                                                      std::function<void()> tick) {
  return std::make_unique<QtTimer>(interval, std::move(tick));
}

int QtPlatform::runModal(ModalDialog& dialog) {
  std::unique_ptr<DialogWindow> window = dialogs_.build(dialog, QApplication::activeWindow());
  if (!window) {
    showError(FormatText(Translate("Der Dialog \"%s\" kann nicht angezeigt werden."), dialog.title()));
    return kDialogCancel;
  }
  dialog.onOpen();
  // A dialog that ends while opening (a file it cannot read) never shows its window.
  if (dialog.hasEnded()) return dialog.result();
  window->refresh();
  window->exec();
  return dialog.result();
}

}  // namespace armakon::qt
