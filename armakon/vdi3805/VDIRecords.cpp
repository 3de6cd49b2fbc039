#include "armakon/vdi3805/VDIRecords.h"

#include <initializer_list>

namespace armakon {

namespace {

using Kinds = std::initializer_list<const CRuntimeClassRecord*>;

bool isAnyOf(const CVDIBase& record, Kinds kinds) {
  for (const CRuntimeClassRecord* kind : kinds) {
    if (record.IsKindOf(*kind)) return true;
  }
  return false;
}

const CRuntimeClassRecord* err() { return &VDIStruct_Err::GetThisClass(); }

}  // namespace

// ---- Tree rules ---------------------------------------------------------------------------

bool VDIStruct_010::AcceptsChild(const CVDIBase& r) const {
  return isAnyOf(r, {&VDIStruct_100::GetThisClass(), &VDIStruct_900::GetThisClass(),
                     &VDIStruct_960::GetThisClass(), &VDIStruct_970::GetThisClass(), err()});
}
bool VDIStruct_100::AcceptsChild(const CVDIBase& r) const {
  return isAnyOf(r, {&VDIStruct_110::GetThisClass(), err()});
}
bool VDIStruct_110::AcceptsChild(const CVDIBase& r) const {
  return isAnyOf(r, {&VDIStruct_VZ_00::GetThisClass(), &VDIStruct_160::GetThisClass(),
                     &VDIStruct_600::GetThisClass(), &VDIStruct_700::GetThisClass(),
                     &VDIStruct_800::GetThisClass(), &VDIStruct_850::GetThisClass(), err()});
}
bool VDIStruct_160::AcceptsChild(const CVDIBase& r) const {
  return isAnyOf(r, {&VDIStruct_VZ_01::GetThisClass()});
}
bool VDIStruct_VZ_00::AcceptsChild(const CVDIBase& r) const {
  return isAnyOf(r, {&VDIStruct_VZ_01::GetThisClass(), &VDIStruct_VZ_50::GetThisClass(),
                     &VDIStruct_VZ_60::GetThisClass()});
}
bool VDIStruct_VZ_50::AcceptsChild(const CVDIBase& r) const {
  return isAnyOf(r, {&VDIStruct_VZ_01::GetThisClass()});
}
bool VDIStruct_VZ_60::AcceptsChild(const CVDIBase& r) const {
  return isAnyOf(r, {&VDIStruct_VZ_01::GetThisClass()});
}
bool VDIStruct_VZ_01::AcceptsChild(const CVDIBase&) const { return false; }
bool VDIStruct_600::AcceptsChild(const CVDIBase& r) const {
  return isAnyOf(r, {&VDIStruct_610::GetThisClass(), err()});
}
bool VDIStruct_610::AcceptsChild(const CVDIBase& r) const { return isAnyOf(r, {err()}); }
bool VDIStruct_700::AcceptsChild(const CVDIBase& r) const {
  return isAnyOf(r, {&VDIStruct_710_01::GetThisClass(), &VDIStruct_710_02::GetThisClass(),
                     &VDIStruct_710_03::GetThisClass(), &VDIStruct_710_04::GetThisClass(),
                     &VDIStruct_710_05::GetThisClass(), &VDIStruct_710_06::GetThisClass(),
                     &VDIStruct_710_07::GetThisClass(), &VDIStruct_720::GetThisClass(),
                     &VDIStruct_720_01::GetThisClass(), &VDIStruct_730::GetThisClass(),
                     &VDIStruct_VZ_60::GetThisClass(), err()});
}
bool VDIStruct_710_01::AcceptsChild(const CVDIBase& r) const { return isAnyOf(r, {err()}); }
bool VDIStruct_710_02::AcceptsChild(const CVDIBase& r) const { return isAnyOf(r, {err()}); }
bool VDIStruct_710_03::AcceptsChild(const CVDIBase& r) const { return isAnyOf(r, {err()}); }
bool VDIStruct_710_04::AcceptsChild(const CVDIBase& r) const { return isAnyOf(r, {err()}); }
bool VDIStruct_710_05::AcceptsChild(const CVDIBase& r) const {
  return isAnyOf(r, {&VDIStruct_710_51::GetThisClass(), &VDIStruct_VZ_01::GetThisClass(), err()});
}
bool VDIStruct_710_06::AcceptsChild(const CVDIBase& r) const { return isAnyOf(r, {err()}); }
bool VDIStruct_710_07::AcceptsChild(const CVDIBase& r) const {
  return isAnyOf(r, {&VDIStruct_710_71::GetThisClass(), &VDIStruct_VZ_01::GetThisClass(), err()});
}
bool VDIStruct_710_51::AcceptsChild(const CVDIBase& r) const { return isAnyOf(r, {err()}); }
bool VDIStruct_710_71::AcceptsChild(const CVDIBase& r) const { return isAnyOf(r, {err()}); }
bool VDIStruct_720::AcceptsChild(const CVDIBase&) const { return false; }
bool VDIStruct_720_01::AcceptsChild(const CVDIBase& r) const {
  return isAnyOf(r, {&VDIStruct_720_02::GetThisClass(), &VDIStruct_720_03::GetThisClass(),
                     &VDIStruct_720_04::GetThisClass(), err()});
}
bool VDIStruct_720_02::AcceptsChild(const CVDIBase& r) const { return isAnyOf(r, {err()}); }
bool VDIStruct_720_03::AcceptsChild(const CVDIBase& r) const { return isAnyOf(r, {err()}); }
bool VDIStruct_720_04::AcceptsChild(const CVDIBase& r) const { return isAnyOf(r, {err()}); }
bool VDIStruct_730::AcceptsChild(const CVDIBase& r) const { return isAnyOf(r, {err()}); }
bool VDIStruct_810::AcceptsChild(const CVDIBase&) const { return false; }
bool VDIStruct_850::AcceptsChild(const CVDIBase& r) const {
  return isAnyOf(r, {&VDIStruct_860::GetThisClass(), err()});
}
bool VDIStruct_860::AcceptsChild(const CVDIBase&) const { return false; }
bool VDIStruct_900::AcceptsChild(const CVDIBase& r) const {
  return isAnyOf(r, {&VDIStruct_920::GetThisClass(), err()});
}
bool VDIStruct_920::AcceptsChild(const CVDIBase&) const { return false; }
bool VDIStruct_960::AcceptsChild(const CVDIBase& r) const { return isAnyOf(r, {err()}); }
bool VDIStruct_970::AcceptsChild(const CVDIBase& r) const {
  return isAnyOf(r, {&VDIStruct_970_01::GetThisClass(), &VDIStruct_970_02::GetThisClass(),
                     &VDIStruct_970_03::GetThisClass(), &VDIStruct_970_04::GetThisClass(), err()});
}
bool VDIStruct_970_01::AcceptsChild(const CVDIBase&) const { return false; }
bool VDIStruct_970_02::AcceptsChild(const CVDIBase&) const { return false; }
bool VDIStruct_970_03::AcceptsChild(const CVDIBase&) const { return false; }
bool VDIStruct_970_04::AcceptsChild(const CVDIBase&) const { return false; }
bool VDIStruct_Err::AcceptsChild(const CVDIBase&) const { return false; }

// ---- Field numbers of the 1996 layout (-1: the old layout has no such field) --------------

int VDIStruct_010::MapFieldNumber(int n) const {
  switch (n) {
    case 2: return -1;
    case 3: return 2;
    case 4: return 3;
    case 5: return 4;
    case 6: return -1;
    case 7: return 5;
    default: return n;
  }
}

int VDIStruct_100::MapFieldNumber(int n) const {
  if (n == 3) return -1;
  if (n >= 4 && n <= 8) return n - 1;
  return n;
}

int VDIStruct_700::MapFieldNumber(int n) const {
  if (n == 3 || n == 18 || n == 19) return -1;
  if (n >= 4 && n <= 13) return n - 1;
  return n;
}

int VDIStruct_810::MapFieldNumber(int n) const {
  if ((n >= 2 && n <= 4) || (n >= 6 && n <= 8)) return -1;
  if (n == 5) return 2;
  return n;
}

int VDIStruct_900::MapFieldNumber(int n) const {
  if (n == 3 || n == 5 || n == 10 || (n >= 12 && n <= 15)) return -1;
  if (n >= 6 && n <= 9) return n - 1;
  if (n == 11) return 9;
  return n;
}

int VDIStruct_920::MapFieldNumber(int n) const { return n >= 3 ? -1 : n; }

}  // namespace armakon
