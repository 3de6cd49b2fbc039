#include "armakon/entry/DialogSlots.h"

namespace armakon {

DialogSlot<ValveCatalogRequest>& valveCatalogDialog() {
  static DialogSlot<ValveCatalogRequest> slot;
  return slot;
}

DialogSlot<CatalogFolderRequest>& catalogFolderDialog() {
  static DialogSlot<CatalogFolderRequest> slot;
  return slot;
}

}  // namespace armakon
