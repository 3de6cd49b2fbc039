#pragma once
// What every type-specific converter of the valve conversion works with: the variant being
// filled, the records it comes from, and the helpers the converters share (field reading,
// filing findings about the variant, the presettable-flag check, the duplicate checks, the
// interpolation instructions between settings and the falling-kv order check).
//
// A converter has the form `bool convertXxx(ConversionContext& ctx)`: it reads the
// type-specific records below ctx.technicalData, fills ctx.variant and files its findings;
// false means the variant is unusable (the conversion then removes and destroys it).
//
// Findings are filed in the program-wide report list with the variant's headline as title
// (hydArmatur::getHinweisText / getFehlerText) and the record concerned, so the list can add
// the record's position and the manufacturer's contact. Message texts are written in German
// in the code, each piece passed through the translation component, then filled by
// FormatText (numbered placeholders such as "1!%d").

#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "armakon/components/FormatText.h"
#include "armakon/model/CKurve.h"
#include "armakon/model/hydArmatur.h"

namespace armakon {

class CVDIBase;
class CVDIDoc;
class CMiniReportUtil;

// An empty numeric field read with ConversionContext::number (the setting number of a 710.01
// without a numeric setting, for example).
inline constexpr double kEmptyNumber = -9999.0;

// The guideline date from which sheet-17 files carry zeta, closing pressure and the pressure
// loss mode in their 700 records.
inline constexpr std::string_view kGuidelineDate201601 = "201601";

// The classification of one product: where it stands (sheet, valve kind) and which valve
// type its technical data declare.
struct ValveTypeInfo {
  int sheet = 0;       // 2 heating, 17 drinking water
  int kindIndex = 0;   // field 2 of the 100 record above the product (the valve kind)
  int typeNumber = 0;  // field 4 of the 700 record
  int kindCode = 0;    // sheet x 100 + kindIndex
  int typeCode = 0;    // en700ArmaturTyp: sheet x 100 + typeNumber for 1..13, else 0;
                       // sheet 2, kind 1, type 1 gives 203
  // The thermostatic radiator valve of kind 1 (code 203 coming from type 1), which is
  // converted with XP curves rather than as a one-pipe connection.
  bool thermostaticOfKind1() const { return sheet == 2 && kindIndex == 1 && typeNumber == 1; }
};

// The type code of a type number on a sheet under a valve kind (rules above).
int ValveTypeCode(int sheet, int kindIndex, int typeNumber);
// The classification of a product by its technical data (700) on the given sheet.
ValveTypeInfo ClassifyValve(const CVDIBase* product, const CVDIBase* technicalData, int sheet);

// Joins the pieces (each translated on its own, pieces of blanks and line breaks as they
// are) and fills the numbered placeholders from args.
std::string ComposeMessage(std::initializer_list<std::string_view> pieces,
                           std::initializer_list<FormatArg> args = {});

// One setting as the setting converters collect it from their records.
struct SettingNode {
  double setting = kEmptyNumber;  // the numeric setting; kEmptyNumber when not numeric
  std::string text;               // the setting as the manufacturer prints it
  double value = 0.0;             // kv, flow, pressure ... at this setting
  double instruction = 0.0;       // interpolation instruction towards the next setting
  double extra = 0.0;             // a further value kept beside the node (x2 of the curve)
  const CVDIBase* record = nullptr;  // the record it was read from (null when interpolated)

  bool isNumeric() const { return setting != kEmptyNumber; }
};

// Which form a duplicate finding takes.
enum class FindingKind { Error, Hint };

// How a node's interpolation instruction is read.
enum class InterpolationMode {
  StepWidth,  // sheet-2 setting converters: the distance between intermediate settings
  StepCount,  // sheet-17 throttle: the number of steps up to the next setting
};

class ConversionContext {
 public:
  ConversionContext(hydVDIArmaturen::hydArmatur& variant, const CVDIDoc& document, const CVDIBase* technicalData,
                    const ValveTypeInfo& type, double wantedXp);

  hydVDIArmaturen::hydArmatur& variant;
  const CVDIDoc& document;
  const CVDIBase* technicalData;  // the 700 record (not null)
  ValveTypeInfo type;
  double wantedXp;                // the design proportional band (K) wanted for this product
  int sheet;                      // document's sheet
  std::string date;               // document's guideline date ("201601", "1098")
  bool oldLayout;                 // 1996 layout (*.TGA)
  CMiniReportUtil& reports;

  int typeCode() const { return type.typeCode; }
  bool isDate201601() const { return date == kGuidelineDate201601; }
  // Field 2 of the 700 record: the index the messages name ("Satzart 700 mit Index ...").
  int technicalIndex() const;

  // ---- fields (in the document's layout) ----
  std::string_view field(const CVDIBase* record, int n) const;
  bool isEmpty(const CVDIBase* record, int n) const { return field(record, n).empty(); }
  // The field as a number; ifEmpty for an empty field; 0 for text that is no number.
  double number(const CVDIBase* record, int n, double ifEmpty = kEmptyNumber) const;
  // The field as a number, or nothing when it is empty.
  std::optional<double> optionalNumber(const CVDIBase* record, int n) const;
  int integer(const CVDIBase* record, int n, int ifEmpty = 0) const;
  // The records of the given code (71001 for 710.01) directly below the 700, in file order.
  std::vector<const CVDIBase*> typeRecords(int code) const;

  // ---- findings about the variant (title: its hint or error headline) ----
  void hint(int code, std::string_view detail, const CVDIBase* record) const;
  void error(int code, std::string_view detail, const CVDIBase* record) const;
};

// ---- Checks shared by the converters --------------------------------------------------------

// The presettable flag (700 field 13) against the number of 710.01 records: a valve declared
// presettable with fewer than two records, or declared not presettable with two or more,
// gets a hint (code 45). Returns whether the valve is to be treated as adjustable (the data
// win over the flag).
bool CheckPresettable(ConversionContext& ctx, std::size_t settingRecords);

// Settings that occur more than once (same number, or same text when not numeric): one
// finding per repeated setting. recordName (e.g. "710.01") names the records in the
// "Siehe ..." line; empty gives the short form. False when an error was filed.
bool CheckDuplicateSettings(ConversionContext& ctx, const std::vector<SettingNode>& nodes, FindingKind kind,
                            std::string_view recordName);

// Values (node.value) that are identical at two settings: one finding per repeated value,
// naming the first two settings. valueName e.g. "kv-Wert", unit as printed right after the
// value (e.g. " m³/h"). False when an error was filed.
bool CheckDuplicateValues(ConversionContext& ctx, const std::vector<SettingNode>& nodes, FindingKind kind,
                          std::string_view valueName, std::string_view unit, std::string_view recordName);

// Carries out the interpolation instructions: between a node with an instruction and the
// next one, intermediate settings are inserted with values interpolated between the two.
// Non-numeric settings get a hint (code 50) and no intermediate nodes. An instruction that
// would create more than kMaxIntermediateSettings nodes between two settings is refused
// with a hint as well.
inline constexpr int kMaxIntermediateSettings = 1000;
void InsertIntermediateSettings(ConversionContext& ctx, std::vector<SettingNode>& nodes, InterpolationMode mode);

// Whether the values fall from node to node (a rise of more than 1e-6 counts); at the first
// rise the node order is reversed once and checked again. False when the values still rise
// somewhere (the nodes are left reversed then).
bool OrderFallingWithOneReversal(std::vector<SettingNode>& nodes);

// A number as a curve stores it: clamped into the float range (NaN becomes 0).
float ToCurveValue(double value);

// A curve of the nodes: x setting (0 when not numeric), text, y value, x2 extra.
hydVDIArmaturen::CKurve MakeSettingCurve(const std::vector<SettingNode>& nodes);

}  // namespace armakon
