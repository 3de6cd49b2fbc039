#pragma once
// Conversion of VDI 3805 product records into a valve model.
//
// A valve model of a VDI 3805 file is a 110 record with product records (800) below it; each
// product references its technical data (700) through its TGA number, and the 700 carries
// the type-specific records (710.01 ... 710.07). BuildModel turns the chosen products of one
// model into one hydArmaturenModell with one typed variant per usable product, checking the
// data on the way and filing errors and hints in the program-wide report list. A product
// whose data are unusable yields no variant (its variant is removed again); repairable data
// yield a variant and a hint.
//
// Steps per product (CreateVariant): find the technical data, classify the type, create the
// variant of its class (hydArmaturenModell::Add), take the fields every variant has
// (FillCommonData), then the type-specific data (ConvertTypeSpecific, which dispatches to the
// converter of the type code).

#include <vector>

#include "armakon/model/hydArmatur.h"
#include "armakon/model/hydArmaturenModell.h"
#include "armakon/vdi3805/ConversionContext.h"

namespace armakon {

class CVDIBase;
class CVDIDoc;

// Builds the variants of the products into the model (appended to what it holds; the
// header data are set from the records). wantedXp: the design proportional band (K) per
// product for thermostatic valves; accessorySources: per product a variant whose
// accessories the new variant takes over (null entries allowed). Returns the number of
// variants created, -1 when the three arrays differ in length. With at least one variant
// the model's type is that of its first variant and the variants are sorted: type 213 by
// kvs x 10000 + DN, all others by DN (stable).
int BuildModel(hydVDIArmaturen::hydArmaturenModell& model, const std::vector<const CVDIBase*>& products,
               const std::vector<double>& wantedXp,
               const std::vector<const hydVDIArmaturen::hydArmatur*>& accessorySources);

// Creates and fills the variant of one product; false (and no variant left in the model)
// when the product's data are unusable.
bool CreateVariant(hydVDIArmaturen::hydArmaturenModell& model, const CVDIBase* product,
                   const hydVDIArmaturen::hydArmatur* accessorySource, double wantedXp);

// The fields every variant takes from the product, its order data and its technical data,
// with the checks of nominal size and (guideline 201601) of the pressure-loss data. False
// when the variant must be skipped.
bool FillCommonData(int sheet, hydVDIArmaturen::hydArmatur& variant, const CVDIBase* product,
                    const hydVDIArmaturen::hydArmatur* accessorySource);

// The type-specific data of the variant, by its type code. False when they are unusable or
// the type has no converter (error "Ein gewählter ArmaturTyp wird (noch) nicht unterstützt.").
bool ConvertTypeSpecific(hydVDIArmaturen::hydArmatur& variant, const CVDIDoc& document, const CVDIBase* technicalData,
                         const ValveTypeInfo& typeInfo, double wantedXp);

}  // namespace armakon
