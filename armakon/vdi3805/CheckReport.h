#pragma once
// The check report of a VDI 3805 file, and the name tables of valve types and valve kinds.
//
// The report runs the whole conversion over a loaded document, one valve type after the
// other, and writes what the report list collected for each type as lines of text, with
// counts per type and for the file:
//
//   header    the types that are checked, what a hint and an error mean for the user, the
//             number of products in the file;
//   per type  (sheet 2: types 1 to 13 without 6, which has no valve class; sheet 17: 1 to 9)
//             the separator twice, "Armaturtyp t : name", then per report-list entry an empty
//             line, "/// Hinweis ///" or "/// Fehler ///" and the entry's stored detail (one
//             line of the list holding the entry's "\r\n" line breaks), then the counts of
//             hints, errors, products and variants created. A type without products still
//             gets its block, with zero counts;
//   footer    the counts of the whole file.
//
// Count lines use printf widths so that the numbers line up in the text file. "%2.d" and
// "%4.d" have precision 0, so a count of 0 prints as blanks only (as printf defines it).
//
// The report switches the report list to record context on and document info off (the
// entries then start with the record's position, and the manufacturer's contact, the same
// for every entry, is left out); the flags stay so until the caller sets them back.
//
// Choices made for the report's own conversion:
//  - Wanted XP for type 1 (thermostatic valves): the usual design proportional band of 2 K,
//    moved into the XP range the product's 710.01 records give, so no product asks the user
//    which XP to take; 0 when the records carry no XP (the converter files its hint then).
//  - Accessory source: a plain variant per product filled with the accessories its TGA number
//    references (AccessoryResolver), exactly as the valve catalog dialog hands them over.
//    Problems found while gathering them are filed before the product's conversion.
//  - TGA numbers are resolved for every product before the first type block. Resolution is
//    done once per product; what it files is cleared with the report list at the start of
//    the first type block, as every type block starts with an empty list.

#include <string>
#include <string_view>

#include "armakon/components/hydStrUtil.h"

namespace armakon {

class CVDIDoc;

// The separator line of the report: 74 slashes.
inline constexpr std::string_view kCheckReportSeparator =
    "//////////////////////////////////////////////////////////////////////////";

// The German name of a valve type code (translated). A code below 100 is a type number of the
// sheet and is first turned into sheet x 100 + number. "Nicht unterstützter Ventiltyp"
// for codes without a name.
std::string TypeName(int code, int sheet);

// The German name of a valve kind (translated). A code below 1000 is a kind number of the
// sheet (1 to 5 on sheet 2, 1 to 7 on sheet 17) and is first turned into sheet x 100 +
// number; so a full code such as 203 is passed with sheet 0. "unbekannte Armaturart" for
// codes without a name.
std::string KindName(int code, int sheet);

// What one report counted.
struct CheckReportCounts {
  int products = 0;    // product records (800) in the file
  int typeBlocks = 0;  // type blocks written
  int hints = 0;
  int errors = 0;
  int checked = 0;     // products that fell into a checked type (the report's total)
  int valid = 0;       // variants created

  bool operator==(const CheckReportCounts&) const = default;
};

// Appends the check report of the loaded document to lines (see the file comment). A
// document without product records, or of a sheet other than 2 and 17, appends nothing.
// Uses and clears the program-wide report list; may be called on the user-interface thread
// only, with no catalog load running.
CheckReportCounts BuildCheckReport(StringList& lines, const CVDIDoc& document);

}  // namespace armakon
