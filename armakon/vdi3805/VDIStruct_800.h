#pragma once
// VDIStruct_800: the product record ("Ausführung"), one orderable variant of a valve model.
//
// Field 3 is the TGA number: fixed-width groups of digits that reference the records the
// variant is made of. Group 0 repeats the index of the 100 above, group 1 that of the 110
// above; the further groups name, in this order, a 160, the property and accessory vectors
// 200/250/260, 300/350/360, 400/450/460, 500/550/560, the technical data 700 (a wider group)
// and a 760 below that 700. Groups are 3 characters wide in the current layout (700: 5) and
// 2 in the 1996 layout (700: 4). A group of "?" stands for every record of its type, a group
// of zeros for none; a group that reads as no number reads as 0, and FindRecord takes index
// 0 as "any index", so it references the first record of its type, as the data's producer
// programs have always read it.
//
// The searches run below the product's parent, the 110 of its model (only a 110 accepts a
// product); a product that a damaged file placed outside any model (it then hangs below
// whatever record came before it) has no search root, and each of its non-zero groups is
// reported as a reference to a missing record.
//
// The references are resolved once, on first use, and kept (not owned). Problems (a number
// too short, group 0 or 1 contradicting the records above, a reference to a missing
// record) are filed in the report list with the product as the record concerned. A number
// that is too short leaves the product unresolved, so the next use tries (and reports)
// again. Resolution changes only the product's own cache; it is meant for one thread at a
// time (the user-interface thread once loading has ended).

#include <memory>
#include <string>
#include <vector>

#include "armakon/vdi3805/CVDIBase.h"

namespace armakon {

class VDIStruct_800 : public CVDIBase {
  ARMAKON_RUNTIME_CLASS(VDIStruct_800, CVDIBase)

 public:
  bool AcceptsChild(const CVDIBase& record) const override;
  int MapFieldNumber(int n) const override;

  // Field 3, taken on first use.
  const std::string& GetTgaNumber() const;

  // Resolves the TGA number unless done; true when the references are resolved.
  bool ResolveReferences() const;
  bool IsResolved() const noexcept { return m_taken != nullptr && m_taken->resolved; }
  // The referenced records in the order of resolution (resolves first).
  const std::vector<const CVDIBase*>& GetReferences() const;

 private:
  // What the product took from its TGA number. A catalog holds thousands of products of which
  // a session asks few, so this exists only from the first question on and a product
  // otherwise costs hardly more than any other record.
  struct Taken {
    std::string tgaNumber;
    std::vector<const CVDIBase*> references;
    bool resolved = false;
  };
  Taken& taken() const;
  mutable std::unique_ptr<Taken> m_taken;
};

}  // namespace armakon
