#pragma once
// HzArmaturContainer: the library's one heating valve container (VDI 3805 sheet 2).
//
// Besides everything of RnArmaturContainer it sizes the regulating valves of a heating
// network and turns a chosen setting back into values the host shows:
//
//   kind  valve                                      variant class      search family
//   4450  differential-pressure regulator            hydArmaturDDR      ...Diffdruckregler
//   4454  differential-pressure and flow regulator   hydArmaturDDRDFR   ...DiffdruckreglerDFR
//   4452  flow regulator                             hydArmaturDFR      ...Durchflussregler
//   4446  thermostatic valve with flow limitation    hydArmaturTHKVDFR  ...THKVDurchflussregler
//   4457  one-pipe radiator connection fitting       hydArmaturEAV      ...EinrohrVerschraubung
//
// Every search comes in three forms:
//   find...Ex (static)  searches the given entries; succeeds only when the record ends with
//                       model id >= 1 and dimension > 0
//   findGlobal...       resets the record (model id 0, setting index -1, and the second
//                       setting index -1 for the combined regulator) and searches the global
//                       list
//   findLocal...        searches only the entry the record names (global list first, then the
//                       local list), without resetting the record; false when that entry has
//                       no variants
// keepDim restricts a search to variants of the record's dimension while that is at least 1.
//
// Units are those of the imported data: flows in m³/h, differential pressures (setpoints,
// Wirkdruck) in mbar, kv in m³/h. Values read from curves are floats; the searches round them
// in single precision (to 3 decimals, setpoints to 0) and compare the result, widened, with
// the wanted value rounded in double precision. A curve value that is not exact in binary
// (0.1 stored as a float is a little above 0.1) therefore stays a little off the wanted value
// of the same decimal: a flow of exactly 0.1 lies below a range that starts at 0.1.

#include <string>

#include "armakon/containers/RnArmaturContainer.h"

namespace armakon::hydVDIArmaturen {
struct curveNode14;
class hydArmaturDDR;
class hydArmaturDFR;
class hydArmaturTHKVDFR;
class hydArmaturEAV;
}  // namespace armakon::hydVDIArmaturen

namespace armakon {

class HzArmaturContainer : public RnArmaturContainer {
 public:
  // Created on the first call, destroyed when the library is unloaded. The first call must
  // not race with another.
  static HzArmaturContainer& instance();

  // ===== One-pipe fittings: the radiator's share of the flow =====

  // The share of the flow that passes the radiator at one setting of a one-pipe fitting: the
  // radiator branch (y2) in series with the radiator (kvHK) against the bypass (y1). 0 when
  // neither path lets anything through.
  static double getHKMassenstromAnteil(const hydVDIArmaturen::curveNode14& node, double kvHK);
  // The shares at the most closed (last node) and the most open setting (node 0); false with
  // both 0 for a null variant or one without settings.
  static bool getHKMassenstromAnteileEAV(const hydVDIArmaturen::hydArmaturEAV* variant, double kvHK,
                                         double& shareLast, double& shareFirst);

  // ===== Settings of one variant =====

  // The setpoint node for dp (mbar, compared to 0 decimals): walking from the last node, the
  // first whose setpoint reaches dp; 0 when none does; -1 for a null variant or empty curve.
  static int findEinstellungDDR(const hydVDIArmaturen::hydArmaturDDR* variant, const double& dp);
  // The flow node for flow (compared to 3 decimals): -1 above node 0's flow; otherwise, from
  // the last node, the first whose flow reaches it; -1 when none does.
  static int findEinstellungDFR(const hydVDIArmaturen::hydArmaturDFR* variant, const double& flow);
  // findEinstellungDFR on the limited flows (y4) of the four-value curve.
  static int findEinstellungTHKVDFR(const hydVDIArmaturen::hydArmaturTHKVDFR* variant, const double& flow);
  // The node whose radiator share is strictly closest to share (from the last node; ties keep
  // the higher index); -1 without nodes.
  static int findEinstellungEAV(const hydVDIArmaturen::hydArmaturEAV* variant, double share, double kvHK);

  // ===== What a chosen setting means (the record names the variant) =====

  // The proportional deviation of a differential-pressure regulator's setpoint at kv, in Pa
  // (100 x the curve's mbar); 0 without a regulator or without a deviation at kv.
  double getPAbweichungDDR(const ARMATUR& record, double kv) const;
  // The setting value of the regulator that yields its setpoint less the deviation at kv,
  // with the setpoint curve's setting unit; "" without a regulator or setting.
  std::string getEinstellungDDR(const ARMATUR& record, double kv) const;
  // "DDR text, DFR text" of a combined regulator ("-" for an empty DDR text; each part only
  // when its setting index lies within its curve). The second double has no effect.
  std::string getEinstellungDDR_DFR(const ARMATUR& record, double kv, double unused) const;
  // The kv that lets flow through at the regulator's minimum differential pressure (Wirkdruck
  // of the chosen setting), at density rho; false with kv 0 when the record names no flow
  // regulator, thermostatic valve with flow limitation or combined regulator with a setting.
  bool getKvMaxDFR(const ARMATUR& record, const double& flow, const double& rho, double& kv) const;
  // Bypass kv (y1) and radiator-branch kv (y2) of a one-pipe fitting's setting; false with
  // both 0 otherwise.
  bool getKvIstEAV(const ARMATUR& record, double& kvBypass, double& kvBranch) const;

  // ===== Searches =====

  // Differential-pressure regulator (kind 4450) for setpoint dp (mbar) at a kv: the regulators
  // whose setpoint range holds dp (else those whose range starts above it), narrowed to those
  // holding kv when any does, then to the record's size, and among them the one whose largest
  // kv is closest to kv, preferably not below it. The size is judged by the sizes noted before
  // the kv narrowing: a record without dimension keeps only the smallest of those, and when
  // the kv narrowing removed that size nothing is chosen.
  static bool findDiffdruckreglerEx(ArmaturenModellSpan list, double kv, double dp, ARMATUR& record,
                                    bool keepDim);
  bool findGlobalDiffdruckregler(double kv, double dp, ARMATUR& record, bool keepDim) const;
  bool findLocalDiffdruckregler(double kv, double dp, ARMATUR& record, bool keepDim) const;

  // Differential-pressure and flow regulator (kind 4454) for setpoint dp and flow; sets both
  // setting indices.
  static bool findDiffdruckreglerDFREx(ArmaturenModellSpan list, double kv, double dp, double flow,
                                       ARMATUR& record, bool keepDim);
  bool findGlobalDiffdruckreglerDFR(double kv, double dp, double flow, ARMATUR& record, bool keepDim) const;
  bool findLocalDiffdruckreglerDFR(double kv, double dp, double flow, ARMATUR& record, bool keepDim) const;

  // Flow regulator (kind 4452) for a flow: among those whose range covers it (below 0.05 m³/h,
  // failing that, the one whose smallest flow is nearest), narrowed to the record's size, the
  // smallest Wirkdruck; the preferred size decides only between equal values.
  static bool findDurchflussreglerEx(ArmaturenModellSpan list, double flow, ARMATUR& record, bool keepDim);
  bool findGlobalDurchflussregler(double flow, ARMATUR& record, bool keepDim) const;
  bool findLocalDurchflussregler(double flow, ARMATUR& record, bool keepDim) const;

  // Thermostatic valve with flow limitation (kind 4446, hydArmaturTHKVDFR variants only), as
  // the flow regulator, comparing the minimum pressure (y3) at each valve's own setting; a
  // setting without one (0) never replaces the choice.
  static bool findTHKVDurchflussreglerEx(ArmaturenModellSpan list, double flow, ARMATUR& record, bool keepDim);
  bool findGlobalTHKVDurchflussregler(double flow, ARMATUR& record, bool keepDim) const;
  bool findLocalTHKVDurchflussregler(double flow, ARMATUR& record, bool keepDim) const;

  // One-pipe fitting (kind 4457) for the wanted radiator share (0 .. 1, 2 decimals) with a
  // radiator of kv kvHK; among those reaching it the smallest y3 at its setting.
  static bool findEinrohrVerschraubungEx(ArmaturenModellSpan list, double share, double kvHK, ARMATUR& record);
  bool findGlobalEinrohrVerschraubung(double share, double kvHK, ARMATUR& record) const;
  bool findLocalEinrohrVerschraubung(double share, double kvHK, ARMATUR& record) const;

 protected:
  HzArmaturContainer();

 private:
  // The entry the record names (global list first, then local) as a list of one; empty when
  // it does not resolve or has no variants.
  ArmaturenModellSpan localSearchList(const ARMATUR& record) const;
};

}  // namespace armakon
