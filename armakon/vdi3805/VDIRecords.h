#pragma once
// The record classes of VDI 3805 sheets 2 and 17 (all but the product record 800, which has
// a file of its own). Each record type has a class named VDIStruct_ plus its type; the
// class decides which records may hang below it and, for the records whose fields moved
// between the 1996 and the current layout, how field numbers map to the old layout.
//
// Kinds that share their tree rules share a class:
//   VDIStruct_VZ_00  200, 300, 400, 500            property / accessory vectors
//   VDIStruct_VZ_50  250, 350, 450, 550            second level below them
//   VDIStruct_VZ_60  260, 360, 460, 560, 760
//   VDIStruct_VZ_01  160.01, 200.01 ... 560.01, 760.01   vector entries
//   VDIStruct_Err    every type without a class of its own (kept in the tree)
// VDIStruct_110 is recorded as a kind of VDIStruct_100, VDIStruct_710_51 and
// VDIStruct_710_71 as kinds of VDIStruct_VZ_01; an acceptance of a kind takes its derived
// kinds along.

#include "armakon/vdi3805/CVDIBase.h"
#include "armakon/vdi3805/VDIStruct_800.h"

namespace armakon {

// A record class that only adds its runtime class and its tree rule.
#define ARMAKON_VDI_RECORD(ClassName, Base)            \
  class ClassName : public Base {                      \
    ARMAKON_RUNTIME_CLASS(ClassName, Base)             \
   public:                                             \
    bool AcceptsChild(const CVDIBase& record) const override; \
  };

// A record class that also maps field numbers to the old layout.
#define ARMAKON_VDI_RECORD_MAPPED(ClassName, Base)     \
  class ClassName : public Base {                      \
    ARMAKON_RUNTIME_CLASS(ClassName, Base)             \
   public:                                             \
    bool AcceptsChild(const CVDIBase& record) const override; \
    int MapFieldNumber(int n) const override;          \
  };

// Header of the file: 2 sheet, 3 guideline date (YYYYMM), 4 manufacturer, 6 web page,
// 7 manufacturer's comment.
ARMAKON_VDI_RECORD_MAPPED(VDIStruct_010, CVDIBase)
// Product main group I: its index is the valve kind.
ARMAKON_VDI_RECORD_MAPPED(VDIStruct_100, CVDIBase)
// Product main group II, one valve model: 2 index, 4 name. Maps fields as the 100 does.
ARMAKON_VDI_RECORD(VDIStruct_110, VDIStruct_100)
ARMAKON_VDI_RECORD(VDIStruct_160, CVDIBase)
ARMAKON_VDI_RECORD(VDIStruct_VZ_00, CVDIBase)
ARMAKON_VDI_RECORD(VDIStruct_VZ_50, CVDIBase)
ARMAKON_VDI_RECORD(VDIStruct_VZ_60, CVDIBase)
ARMAKON_VDI_RECORD(VDIStruct_VZ_01, CVDIBase)
ARMAKON_VDI_RECORD(VDIStruct_600, CVDIBase)
ARMAKON_VDI_RECORD(VDIStruct_610, CVDIBase)
// Technical data of a valve variant.
ARMAKON_VDI_RECORD_MAPPED(VDIStruct_700, CVDIBase)
// Type-specific data.
ARMAKON_VDI_RECORD(VDIStruct_710_01, CVDIBase)
ARMAKON_VDI_RECORD(VDIStruct_710_02, CVDIBase)
ARMAKON_VDI_RECORD(VDIStruct_710_03, CVDIBase)
ARMAKON_VDI_RECORD(VDIStruct_710_04, CVDIBase)
ARMAKON_VDI_RECORD(VDIStruct_710_05, CVDIBase)
ARMAKON_VDI_RECORD(VDIStruct_710_06, CVDIBase)
ARMAKON_VDI_RECORD(VDIStruct_710_07, CVDIBase)
ARMAKON_VDI_RECORD(VDIStruct_710_51, VDIStruct_VZ_01)
ARMAKON_VDI_RECORD(VDIStruct_710_71, VDIStruct_VZ_01)
ARMAKON_VDI_RECORD(VDIStruct_720, CVDIBase)
ARMAKON_VDI_RECORD(VDIStruct_720_01, CVDIBase)
ARMAKON_VDI_RECORD(VDIStruct_720_02, CVDIBase)
ARMAKON_VDI_RECORD(VDIStruct_720_03, CVDIBase)
ARMAKON_VDI_RECORD(VDIStruct_720_04, CVDIBase)
ARMAKON_VDI_RECORD(VDIStruct_730, CVDIBase)
// Order data of a variant: 3 article number, 4 DATANORM, 5 StLB, 6 EAN.
ARMAKON_VDI_RECORD_MAPPED(VDIStruct_810, CVDIBase)
ARMAKON_VDI_RECORD(VDIStruct_850, CVDIBase)
ARMAKON_VDI_RECORD(VDIStruct_860, CVDIBase)
ARMAKON_VDI_RECORD_MAPPED(VDIStruct_900, CVDIBase)
ARMAKON_VDI_RECORD_MAPPED(VDIStruct_920, CVDIBase)
ARMAKON_VDI_RECORD(VDIStruct_960, CVDIBase)
ARMAKON_VDI_RECORD(VDIStruct_970, CVDIBase)
ARMAKON_VDI_RECORD(VDIStruct_970_01, CVDIBase)
ARMAKON_VDI_RECORD(VDIStruct_970_02, CVDIBase)
ARMAKON_VDI_RECORD(VDIStruct_970_03, CVDIBase)
ARMAKON_VDI_RECORD(VDIStruct_970_04, CVDIBase)
// A line of a type without a class of its own.
ARMAKON_VDI_RECORD(VDIStruct_Err, CVDIBase)

#undef ARMAKON_VDI_RECORD
#undef ARMAKON_VDI_RECORD_MAPPED

}  // namespace armakon
