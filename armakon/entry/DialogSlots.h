#pragma once
// The dialogs that the entry opens but other parts of the library provide: the valve
// catalog dialog and the catalog folder dialog (armakon/dialogs/). Each has a slot here
// holding the function that runs it for a request: it builds the dialog from the request,
// shows it with showModal (ModalDialog.h) and writes the dialog's outputs back into the
// request. A slot without a function answers kDialogCancel, as a dialog the user closed.
//
// The library's own dialogs are plugged in once at start-up of the entry (LibraryDialogs.h);
// the dialogs know nothing of the entry, so the request is unpacked there.

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "armakon/model/en700ArmaturTyp.h"
#include "armakon/platform/ModalDialog.h"

namespace armakon {

namespace hydVDIArmaturen {
class hydArmaturenModell;
}

// The host's callback handed through to the valve catalog dialog: two texts in, a truth
// value out; its meaning is the host's.
using HostCallback = std::function<bool(const std::string&, const std::string&)>;

template <class Request>
class DialogSlot {
 public:
  using Runner = std::function<int(Request&)>;

  // Null empties the slot.
  void setRunner(Runner runner) { runner_ = std::move(runner); }
  bool hasRunner() const { return static_cast<bool>(runner_); }
  // The dialog's result; kDialogCancel while the slot is empty.
  int run(Request& request) const { return runner_ ? runner_(request) : kDialogCancel; }

 private:
  Runner runner_;
};

// What the valve catalog dialog gets and gives back.
struct ValveCatalogRequest {
  WindowHandle parent = nullptr;
  std::vector<hydVDIArmaturen::en700ArmaturTyp> types;  // offered type codes; empty: all
  hydVDIArmaturen::hydArmaturenModell* model = nullptr;  // the model to fill; may be null
  bool mayAddFiles = false;
  int sheet = 0;                 // 0 any, 2 heating, 17 drinking water
  std::uint32_t features = 0;    // the host's feature bits (FeatureFlags.h)
  std::string lastDocument;      // in: preselected document; out: the one chosen
  HostCallback hostCallback;
};

// What the catalog folder dialog gets and gives back.
struct CatalogFolderRequest {
  WindowHandle parent = nullptr;
  std::string vdiPath;    // in: the chosen file; out after OK: the path of the copy
  int sheet = 0;          // 2, 17 or 0
  std::string catalogId;  // out
  std::string mmdText;    // out
  std::string logoPath;   // out
};

// The program-wide slots; set them on the user-interface thread before dialogs open.
DialogSlot<ValveCatalogRequest>& valveCatalogDialog();
DialogSlot<CatalogFolderRequest>& catalogFolderDialog();

}  // namespace armakon
