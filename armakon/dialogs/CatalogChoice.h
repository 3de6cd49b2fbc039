#pragma once
// What the valve catalog dialog offers to choose from a loaded VDI 3805 document: the
// manufacturer entry of the document, its valve kinds (100 records), the valve types of a
// kind and the models (110 records) that match the choice.
//
// Type filter: the host hands in the valve type codes it accepts (en700ArmaturTyp: 201 ...
// 213, 1701 ... 1714; empty: all). A technical-data record (700) passes when the type code
// of its type number under its valve kind (203 for type 1 of kind 1 on sheet 2) is in the
// filter; a model passes when one of its technical-data records does, a kind when one of its
// models does.

#include <string>
#include <vector>

namespace armakon {

class CVDIBase;
class CVDIDoc;

using TypeFilter = std::vector<int>;

// The file header (010) of the document, or null.
const CVDIBase* FileHeaderOf(const CVDIDoc& document);

// Whether the dialog lists the document as a manufacturer: loaded with its records, and of
// the sheet unless sheet is 0.
bool OffersDocument(const CVDIDoc& document, int sheet);

// "%s (RLD %s), %s" with manufacturer, guideline date and revision date in display form
// ("201103" -> "03.2011", "20240315" -> "15.03.2024"); for a document in the 1996 layout the
// manufacturer, ", " and the revision date as the file gives it.
std::string ManufacturerText(const CVDIDoc& document);

struct KindEntry {
  std::string text;
  int kind = 0;   // valve kind number; 0 for the leading entry
  int sheet = 0;  // the sheet the kind belongs to
};

// The kind list: "- keine Armaturenart gewählt -", then without a document the kinds of the
// sheet (1 to 5 for sheet 2, 1 to 7 for sheet 17, both for sheet 0), with one the kinds of
// the document that pass the filter, each as "%d: " and its name. When nothing follows the
// leading entry, the list is the single entry "- keine passenden Armaturen gefunden -".
std::vector<KindEntry> KindEntries(const CVDIDoc* document, int sheet, const TypeFilter& filter);

// Whether the kind list says that nothing matches (the type list is disabled then).
bool NoMatchingKinds(const std::vector<KindEntry>& kinds);

struct TypeEntry {
  std::string text;
  int type = 0;  // valve type number; 0 for "- beliebiger Typ -"
};

// "- beliebiger Typ -", then the valve type numbers of the kind's models in the document
// that pass the filter, ascending, each as "%d: " and the type's name.
std::vector<TypeEntry> TypeEntries(const CVDIDoc* document, int kind, const TypeFilter& filter);

// The models (110) of the document below the kind (0: any kind) with a technical-data
// record of the type (0: any type) that passes the filter, in file order.
std::vector<const CVDIBase*> MatchingModels(const CVDIDoc& document, int kind, int type, const TypeFilter& filter);

// The valve type number of a model: that of the technical data of its first product (of its
// first technical-data record when it has no product); 0 when none.
int ModelTypeNumber(const CVDIBase* model);

}  // namespace armakon
