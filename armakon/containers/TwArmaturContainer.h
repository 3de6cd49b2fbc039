#pragma once
// TwArmaturContainer: the library's one drinking-water valve container (VDI 3805 sheet 17).
//
// Besides everything of RnArmaturContainer it chooses the drinking-water valves of a pipe
// network, resolves draw-off fittings and fills the host's choice lists:
//
//   kind        valve                                   variant class            search family
//   5558        thermostatic circulation balancing      hydArmaturThermoDross    ...ThermoDrossel
//   5564        water meter                             hydArmaturZaehler        ...Zaehler
//   5559        backflow preventer                      hydArmaturSicherung      ...RFV
//   5562        pipe separator                          hydArmaturSicherung      ...Trenner
//   5563        pressure reducer                        hydArmaturDruckminderer  ...DM
//   5560, 5561  draw-off fitting (with / without RFV)   hydArmaturEA             ...Entnahme
//
// Every search comes in three forms:
//   find...Ex (static)  searches the given entries; succeeds only when the record ends with
//                       model id >= 1 and dimension > 0. When candidates are found but none
//                       is chosen the record keeps its values and that same test decides.
//   findGlobal...       resets the record (what each resets is said below) and searches the
//                       global list
//   findLocal...        searches only the entry the record names (global list first, then the
//                       local list), without resetting the record; false when that entry has
//                       no variants
// keepDim restricts a search to variants of the record's dimension while that is at least 1.
//
// Units are those of the imported data: kv and meter flows in m³/h, flows of safety fittings
// as their curves give them, water and regulator temperatures in °C, outlet pressures in bar.

#include <cstdint>
#include <memory>
#include <string>

#include "armakon/containers/RnArmaturContainer.h"
#include "armakon/containers/TwArmaturContainerChoiceList.h"
#include "armakon/model/hydArmaturZaehler.h"

namespace armakon::hydVDIArmaturen {
class hydArmaturDruckminderer;
}  // namespace armakon::hydVDIArmaturen

namespace armakon {

class TwArmaturContainer : public RnArmaturContainer {
 public:
  // Created on the first call, destroyed when the library is unloaded. The first call must
  // not race with another.
  static TwArmaturContainer& instance();

  // ===== Thermostatic circulation balancing valves (kind 5558) =====

  // The valve whose kv at water temperature T comes closest to kv from above, and the
  // regulator temperature tOut that gives it. The record gets both neighbouring setting
  // curves as setting indices (reset to -1 first); tOut is written only for a chosen valve.
  static bool findThermoDrosselEx(ArmaturenModellSpan list, double kv, double T, double& tOut, ARMATUR& record,
                                  bool keepDim);
  // Resets model id, setting index and second setting index. `unused` is never written.
  bool findGlobalThermoDrossel(double kv, double T, double& tOut, double& unused, ARMATUR& record,
                               bool keepDim) const;
  bool findLocalThermoDrossel(double kv, double T, double& tOut, ARMATUR& record, bool keepDim) const;

  // ===== Water meters (kind 5564) =====

  // The meter whose usable range holds flow Q and whose nominal flow Qn lies closest to Q; of
  // equal Qn the size closest to the record's. Data after guidelines older than 201601 must
  // also serve the requested area of use. The setting indices are not touched.
  static bool findZaehlerEx(ArmaturenModellSpan list, hydVDIArmaturen::hydArmaturZaehler::Einsatzbereich area,
                            double Q, ARMATUR& record, bool keepDim);
  // Resets model id and setting index.
  bool findGlobalZaehler(hydVDIArmaturen::hydArmaturZaehler::Einsatzbereich area, double Q, ARMATUR& record,
                         bool keepDim) const;
  bool findLocalZaehler(hydVDIArmaturen::hydArmaturZaehler::Einsatzbereich area, double Q, ARMATUR& record,
                        bool keepDim) const;

  // ===== Backflow preventers (5559) and pipe separators (5562) =====

  // The fitting of the kind whose curve covers Q (3 decimals) with the smallest pressure loss
  // at Q. For pipe separators only, those whose separator pressure exceeds limit are left out.
  // The setting indices are not touched.
  static bool findSicherungEx(ArmaturenModellSpan list, double Q, ARMATUR& record, const enArmaturenTyp& kind,
                              bool keepDim, double limit);
  // Backflow preventer; resets the model id only.
  bool findGlobalRFV(double Q, ARMATUR& record, bool keepDim) const;
  bool findLocalRFV(double Q, ARMATUR& record, bool keepDim) const;
  // Pipe separator whose separator pressure is at most limit; resets the model id only.
  bool findGlobalTrenner(double Q, double limit, ARMATUR& record, bool keepDim) const;
  bool findLocalTrenner(double Q, double limit, ARMATUR& record, bool keepDim) const;

  // ===== Pressure reducers (kind 5563) =====

  // The setting for outlet pressure p (bar): walking from the last node, the first whose
  // pressure reaches p; 0 when none does; -1 for a null variant or a curve without nodes.
  static int findEinstellungDM(const hydVDIArmaturen::hydArmaturDruckminderer* variant, double p);
  // A reducer whose outlet range holds p, else one whose range starts at most 0.5 bar above
  // p; its setting must not exceed p by more than 0.5 bar; of those the size closest to the
  // record's. The second double has no effect.
  static bool findDMEx(ArmaturenModellSpan list, double p, double unused, ARMATUR& record, bool keepDim);
  // Resets model id and setting index.
  bool findGlobalDM(double p, double unused, ARMATUR& record, bool keepDim) const;
  bool findLocalDM(double p, double unused, ARMATUR& record, bool keepDim) const;

  // ===== Draw-off fittings (kinds 5560, 5561) =====

  // The entry's first variant, in stored order, of at least the dimension; null when there
  // is none (no fall-back to the largest).
  static const hydVDIArmaturen::hydArmatur* findEntnahmeEx(const ArmaturenModell& entry, int dimension);
  // The same for the local entry the record names; null when it has no variants or is no
  // draw-off fitting.
  const hydVDIArmaturen::hydArmatur* findLocalEntnahme(const ARMATUR& record) const;

  // ===== Choice lists =====

  // Empties the list; for an entry with variants one item per variant showing its kvs, with
  // the kvs truncated to a whole number as datum; the first item whose kvs reaches kv is
  // selected (none when all are smaller).
  void fillKvWertCombo(HostList& combo, const ARMATUR& record, double kv) const;
  // Empties the list, then lists the settings of the record's variant, each with its value as
  // an owned datum:
  //  - manual throttle (1702): one item per node of its setting curve (at least two), from
  //    the last node to node 0, "2.0 (kv=0.450m³/h)", datum the kv; the first item whose
  //    setting reaches that of the record's setting node is selected. A setting index outside
  //    the curve leaves the list empty.
  //  - automatic throttle (1703): the regulator temperatures from the last setting curve's to
  //    the first's in steps of 0.5 K, "55.5 °C", datum the temperature (at most
  //    kMaxTemperaturItems items); the first reaching `temperature` is selected.
  //  - any other valve type: nothing.
  void fillEinstellungsCombo(HostDoubleList& combo, const ARMATUR& record, double temperature) const;

  // Regulator temperatures are listed in 0.5 K steps; a span wider than this many steps is
  // cut off (real regulators span a few tens of kelvin).
  static constexpr int kMaxTemperaturItems = 1000;

 protected:
  TwArmaturContainer();

 private:
  // The entry the record names (global list first, then local) as a list of one; empty when
  // it does not resolve or has no variants.
  ArmaturenModellSpan localSearchList(const ARMATUR& record) const;
};

}  // namespace armakon
