#pragma once
// The field numbers the valve conversion reads from the records of VDI 3805 sheets 2 and 17.
//
// This is the one place that names them: every converter takes its field numbers from the
// constants below, and the sample files in data/samples lay their records out the same way.
// Field numbers count from 1; field 1 is the record type, field 2 the record's index. The
// numbers are those of the current layout; for files in the 1996 layout (*.TGA) GetField
// maps them through the record's old-layout table (only 010, 100/110, 700, 800, 810, 900 and
// 920 moved; the 710.xx records kept their layout).
//
// Record layouts (sheet 2 heating valves, sheet 17 drinking-water fittings):
//
//   700  technical data of one variant ("Armaturen-Grunddaten")
//        2 index, 4 valve type number, 5 nominal size DN, 6 kvs (m³/h), 7 maximum
//        temperature (°C), 8 maximum operating pressure (bar), 13 presettable (0/1).
//        Sheet 2:  9 maximum differential pressure (bar), 14 setting unit, 17 setting unit of
//                  the flow setting (flow regulators).
//        Sheet 17: 9 and 10 set temperature Tmax and Tmin (automatic throttles), 11 maximum
//                  differential pressure (bar), 16 setting unit; from guideline 201601 on
//                  also 31 size text and 32 nominal size (used when field 5 is empty),
//                  36 closing pressure (hPa), 39 how the pressure loss is given (0 by zeta,
//                  otherwise by kvs; empty counts as kvs), 40 zeta, 41 pressure loss by a
//                  function the manufacturer supplies (not 0: not supported).
//
//   710.01  one setting of a valve with settings, one record per setting (and, for
//        thermostatic valves, per XP value of a setting)
//        3 XP (K), 5 setting as text, 6 setting as number (empty: not numeric), 7
//        interpolation instruction to the next setting (sheet 2: a step width, sheet 17: a
//        step count), 8 noise limit (mbar), 9 kv (m³/h), 10 a further value per setting
//        (kvB for one-pipe valves), 11 kvH (one-pipe valves), 12 lower and 13 upper limit.
//
//   710.02 to 710.07, 350: see the sections of the converters that read them below.
//
// Sections are kept per converter family; each family adds its own constants in its own
// section.

namespace armakon::vdifield {

// Record codes (100 x record type) of the records that the catalog dialog and the check
// report walk: valve kinds (100), models (110), technical data (700) and products (800).
namespace code {
inline constexpr int kKind = 10000;
inline constexpr int kModel = 11000;
inline constexpr int kTechnicalData = 70000;
inline constexpr int kProduct = 80000;
}  // namespace code

// ---- 010 file header --------------------------------------------------------------------
namespace r010 {
inline constexpr int kSheet = 2;
inline constexpr int kDate = 3;
inline constexpr int kManufacturer = 4;
}  // namespace r010

// ---- 100 / 110 product main groups ------------------------------------------------------
namespace r100 {
inline constexpr int kIndex = 2;  // of a 100: the valve kind number
}  // namespace r100
namespace r110 {
inline constexpr int kIndex = 2;
inline constexpr int kName = 4;
}  // namespace r110

// ---- 800 product record and its order data 810 ------------------------------------------
namespace r800 {
inline constexpr int kIndex = 2;
// 1996 layout: the order numbers stand in the product record itself (read raw, unmapped).
inline constexpr int kOldArticleNumber = 3;
inline constexpr int kOldDatanormNumber = 4;
inline constexpr int kOldStlbNumber = 5;
}  // namespace r800
namespace r810 {
inline constexpr int kArticleNumber = 3;
inline constexpr int kDatanormNumber = 4;
inline constexpr int kStlbNumber = 5;
inline constexpr int kEanNumber = 6;
}  // namespace r810

// ---- 700 technical data -----------------------------------------------------------------
namespace r700 {
inline constexpr int kIndex = 2;
inline constexpr int kTypeNumber = 4;
inline constexpr int kNominalSize = 5;
inline constexpr int kKvs = 6;
inline constexpr int kMaxTemperature = 7;
inline constexpr int kMaxOperatingPressure = 8;
inline constexpr int kMaxDiffPressureSheet2 = 9;
inline constexpr int kSetTemperatureMaxSheet17 = 9;
inline constexpr int kSetTemperatureMinSheet17 = 10;
inline constexpr int kMaxDiffPressureSheet17 = 11;
inline constexpr int kPresettable = 13;
inline constexpr int kSettingUnitSheet2 = 14;
inline constexpr int kSettingUnitSheet17 = 16;
inline constexpr int kFlowSettingUnitSheet2 = 17;
// Guideline 201601 (both sheets for 39 and 41, sheet 17 for the others).
inline constexpr int kSizeText = 31;
inline constexpr int kNominalSizeAlternative = 32;
inline constexpr int kClosingPressure = 36;
inline constexpr int kLossMode = 39;
inline constexpr int kZeta = 40;
inline constexpr int kLossByFunction = 41;
}  // namespace r700

// ---- 710.01 settings --------------------------------------------------------------------
namespace r710_01 {
inline constexpr int kIndex = 2;
inline constexpr int kXp = 3;
inline constexpr int kSettingText = 5;
inline constexpr int kSettingNumber = 6;
inline constexpr int kInstruction = 7;
inline constexpr int kNoiseLimit = 8;
inline constexpr int kKv = 9;
inline constexpr int kFurtherValue = 10;
inline constexpr int kKvB = 10;
inline constexpr int kKvH = 11;
inline constexpr int kLowerLimit = 12;
inline constexpr int kUpperLimit = 13;
}  // namespace r710_01

// ---- Accessory and property vectors (200 ... 560, 760) and their entries (xxx.01) --------
namespace vector {
inline constexpr int kIndex = 2;
inline constexpr int kName = 4;   // what the vector describes ("Bauform", "Zubehör")
inline constexpr int kValue = 5;  // its value ("Eckform")
}  // namespace vector
namespace vectorEntry {
inline constexpr int kIndex = 2;
// A record type the entry refers to (600 for an accessory element, or another vector);
// empty for an entry that only describes a property.
inline constexpr int kReferencedType = 3;
inline constexpr int kReferencedIndex = 4;  // the index of the referenced record
inline constexpr int kAmount = 5;           // how many of the accessory go with the valve
}  // namespace vectorEntry
namespace r600 {
inline constexpr int kIndex = 2;
inline constexpr int kName = 4;
inline constexpr int kArticleNumber = 5;
}  // namespace r600

// ---- Drinking-water fittings: 710.02 to 710.06 and 350 on sheet 17 -----------------------
// (constants of the draw-off, safety-fitting, pressure-reducer and meter converters)
//
//   710.02  draw-off fitting (types 4, 5), one record: 3 minimum flow pressure (bar), 4 and 5
//        flow of cold and of warm water (l/s), 6 and 7 minimum flow pressure of the cold and
//        of the warm water side (bar).
//   710.03  characteristic of a backflow preventer or pipe separator (types 6, 7; type 5 for
//        its backflow preventer), one record per curve point, highest flow first:
//        3 differential pressure (mbar), 4 mass flow (kg/h).
//   710.04  pipe separator (type 7), one record: 4 designation of the separating state,
//        5 separating pressure (bar).
//   710.05  pressure reducer (type 8), one record per setting: 3 setting as text, 4 setting as
//        number, 6 outlet pressure (bar). The 710.51 points below (3 flow m³/h, 4 pressure
//        drop bar) are not read: the valve model keeps no flow curve for a reducer.
//   710.06  meter (type 9), one record: 3 nominal flow Qn, 4 pressure drop at Qn (bar),
//        5 Qmin, 6 Qmax (0: no upper limit given), 7 transitional flow Qt (flows in m³/h).
//   350  properties of a meter, a property vector the product references: 4 designation,
//        5 area of use (1 or "Kaltwasser" cold, 2 or "Warmwasser" hot water), 6 meter type,
//        7 housing, 8 mounting position code, 9 device type code, 10 housing code (the codes
//        of hydArmaturZaehler; empty keeps 1).
namespace sheet17 {
namespace r710_02 {
inline constexpr int kIndex = 2;
inline constexpr int kMinFlowPressure = 3;
inline constexpr int kFlowCold = 4;
inline constexpr int kFlowWarm = 5;
inline constexpr int kMinFlowPressureCold = 6;
inline constexpr int kMinFlowPressureWarm = 7;
}  // namespace r710_02
namespace r710_03 {
inline constexpr int kIndex = 2;
inline constexpr int kDiffPressure = 3;
inline constexpr int kMassFlow = 4;
}  // namespace r710_03
namespace r710_04 {
inline constexpr int kIndex = 2;
inline constexpr int kDesignation = 4;
inline constexpr int kSeparatingPressure = 5;
}  // namespace r710_04
namespace r710_05 {
inline constexpr int kIndex = 2;
inline constexpr int kSettingText = 3;
inline constexpr int kSettingNumber = 4;
inline constexpr int kOutletPressure = 6;
}  // namespace r710_05
namespace r710_06 {
inline constexpr int kIndex = 2;
inline constexpr int kNominalFlow = 3;
inline constexpr int kPressureDropAtQn = 4;
inline constexpr int kMinFlow = 5;
inline constexpr int kMaxFlow = 6;
inline constexpr int kTransitionalFlow = 7;
}  // namespace r710_06
namespace r350 {
inline constexpr int kDesignation = 4;
inline constexpr int kAreaOfUse = 5;
inline constexpr int kMeterType = 6;
inline constexpr int kHousing = 7;
inline constexpr int kMountingCode = 8;
inline constexpr int kDeviceTypeCode = 9;
inline constexpr int kHousingCode = 10;
}  // namespace r350
}  // namespace sheet17

// ---- Thermostatic valve bodies, one-pipe connections, automatic throttles: 710.01 ----------
// (constants of the thermostatic, one-pipe and automatic-throttle converters)
//
//   Thermostatic valve body (sheet 2 type 1): one 710.01 per setting and XP value: 3 XP (K),
//        5/6 setting, 9 kv at that XP (m³/h); the kv at the design XP is interpolated between
//        the XP values of a setting.
//   One-pipe connection (sheet 2 type 3) and thermostatic valve of kind 1 (the same values,
//        one record per setting and XP value): 8 noise limit (mbar), 9 kvs of the fitting
//        (m³/h, kvB + kvH), 10 kvB bypass, 11 kvH radiator path.
//   Automatic throttle (sheet 17 type 3): one 710.01 per point of the control curve of a
//        setting: 3 XP (K, how far the water lies below the set temperature), 6 setting
//        (numeric), 9 kv (m³/h); 700 fields 9 and 10 give the set temperatures of the first
//        and the last setting.
namespace thermostatic {
inline constexpr int kXp = r710_01::kXp;
inline constexpr int kKv = r710_01::kKv;
inline constexpr int kKvs = r710_01::kKv;
inline constexpr int kKvB = r710_01::kKvB;
inline constexpr int kKvH = r710_01::kKvH;
inline constexpr int kNoiseLimit = r710_01::kNoiseLimit;
}  // namespace thermostatic

// ---- Controllers (205, 208-210), flow regulators (207), thermostatic valves with flow -----
// limitation (212): 710.02 to 710.04 on sheet 2
//
// The three records share their head with 710.01 moved forward by two fields: 3 setting as
// text, 4 setting as number (empty: not numeric), 5 interpolation instruction towards the next
// setting (a step width); the values follow from field 6 on.
//   710.02  one record per setting: 6 differential-pressure set point (mbar).
//           Type 12: 6 the flow limit of the setting (m³/h).
//   710.03  two kinds of record, told apart by their fields:
//           - a point of the p-deviation curve (no setting): 6 kv (m³/h), 7 p-deviation of
//             the set point at that kv (mbar);
//           - the flow limitation of a setting (types 9 and 10; setting in 3/4): 8 maximum
//             flow (m³/h).
//           Type 12, one record per setting: 6 the minimum differential pressure the
//           flow limitation needs to work (mbar).
//   710.04  flow regulator part (types 7, 8, 10), one record per setting: 6 set flow V-Soll
//           (m³/h), 7 effective pressure (Wirkdruck, mbar) the regulator needs.
// Type 12 takes from 710.01 (one record per setting, settings falling like those of 710.02 and
// 710.03): 3 XP (K), 8 noise limit as its maximum differential pressure (mbar), 9 kv (m³/h).
namespace controller {
inline constexpr int kIndex = 2;
inline constexpr int kSettingText = 3;
inline constexpr int kSettingNumber = 4;
inline constexpr int kInstruction = 5;
namespace r710_02 {
inline constexpr int kSetPoint = 6;
inline constexpr int kFlowLimitType12 = 6;
}  // namespace r710_02
namespace r710_03 {
inline constexpr int kKv = 6;
inline constexpr int kDeviation = 7;
inline constexpr int kMaxFlow = 8;
inline constexpr int kMinDiffPressureType12 = 6;
}  // namespace r710_03
namespace r710_04 {
inline constexpr int kSetFlow = 6;
inline constexpr int kEffectivePressure = 7;
}  // namespace r710_04
}  // namespace controller

}  // namespace armakon::vdifield
