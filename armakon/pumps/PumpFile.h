#pragma once
// The pump file (*.PMP): one manufacturer's series, pumps and static curves as a tree file.
//
//   PUMPEN {                       VERSION, COMMENT, HERSTELLER, MMD
//     SERIE {                      BEZ, EB
//       PUMPE {                    BEZ, ART, BMP, PDF, REG, DN, DPZUL, TZUL, DAT
//         LINIE {                  DAT (number:0:0:speed), VOL (l/h), DPP (mbar)
//
// Leaf values are separated by ':'. The curve leaves VOL and DPP hold one "%g" field per value
// pair, each followed by ';'. The reading rules (merging manufacturers and series by name,
// skipping incomplete series, pumps and curves) live in PumpFileRead.cpp; the layout the
// writer produces in PumpFileWrite.cpp. The classes' own entry points are
// hydPumpenManager::read/readAllPumpData/write/writeToFile and
// hydPumpenKennlinie::writeToString/readFromString/getWertePaarEx.

#include <memory>
#include <string>

namespace armakon {

class CNode;
class hydPumpenHersteller;
class hydPumpenManager;

namespace pumpfile {

inline constexpr char kSeparator = ':';
inline constexpr char kFieldSeparator = ';';

inline constexpr const char* kRootName = "PUMPEN";
inline constexpr const char* kSeriesNode = "SERIE";
inline constexpr const char* kPumpNode = "PUMPE";
inline constexpr const char* kCurveNode = "LINIE";

inline constexpr const char* kVersionText = "1";
inline constexpr const char* kCommentText = "Hersteller-Pumpendaten mit Kennlinien, technischen Daten";

// Flow: m³/s to l/h on writing; the read factor is the one the files have always been read
// with, which is not exactly 1/3.6e6 (a written flow comes back changed in the eleventh digit).
inline constexpr double kFlowWriteFactor = 3.6e6;
inline constexpr double kFlowReadFactor = 2.7777777777e-7;
// Head: Pa to mbar and back.
inline constexpr double kHeadWriteFactor = 0.01;
inline constexpr double kHeadReadFactor = 100.0;

inline constexpr const char* kSaveExtension = "PMP";
inline constexpr const char* kSaveFilter = "PMP Dateien (*.PMP)|*.PMP|";

// The tree of one manufacturer, as written to a pump file or its text form.
std::unique_ptr<CNode> buildTree(const hydPumpenHersteller& hersteller);

// Adds the content of a parsed pump-file tree to the catalog; path becomes the file path of a
// manufacturer created here. False (catalog unchanged) when the tree is not a pump file.
bool mergeTree(hydPumpenManager& catalog, const CNode& root, const std::string& path);

}  // namespace pumpfile
}  // namespace armakon
