#include "armakon/pumps/PumpDialogModal.h"

#include <mutex>
#include <utility>

#include "armakon/pumps/CPumpEditDlg.h"
#include "armakon/pumps/CPumpenDlg.h"

namespace armakon {

namespace {

std::mutex driverLock;

PumpDialogDriver& installedDriver() {
  static PumpDialogDriver driver;
  return driver;
}

// Runs the dialog through the driver's function for it; a dialog left open is cancelled.
template <class Dialog>
int run(Dialog& dialog, std::function<void(Dialog&)> PumpDialogDriver::*slot) {
  std::function<void(Dialog&)> drive;
  {
    std::lock_guard<std::mutex> guard(driverLock);
    drive = installedDriver().*slot;
  }
  if (drive) drive(dialog);
  if (dialog.isOpen()) dialog.onAbbrechen();
  return dialog.getResult();
}

}  // namespace

int showModal(CPumpenDlg& dialog) { return run(dialog, &PumpDialogDriver::auswahl); }

int showModal(CPumpEditDlg& dialog) { return run(dialog, &PumpDialogDriver::editor); }

PumpDialogDriver setPumpDialogDriver(PumpDialogDriver driver) {
  std::lock_guard<std::mutex> guard(driverLock);
  return std::exchange(installedDriver(), std::move(driver));
}

}  // namespace armakon
