#pragma once
// CVDITemplate: the record-type descriptions of a VDI 3805 sheet for one guideline date.
//
// The descriptions of a sheet live in a text file "vdi3805-Blatt02-Beschreibungen.txt"
// (sheet number in two digits), Windows-1252, one block per guideline edition:
//
//   DATUMRICHTLINIE 200111        a block starts with a line whose first 15 characters are
//   010                           "DATUMRICHTLINIE"; its last six characters are the date
//   Dateikopf                     (year and month) of the edition it describes
//   710.01                        a line shorter than 7 characters is a record type,
//   Typspezifische Daten          the line after it that type's description
//   DATUMRICHTLINIE 201601
//   ...
//
// Lines are trimmed; empty lines do not count; longer lines that are no description are
// ignored. A document takes the first block (in file order) whose date is not older than
// its own guideline date; descriptions are keyed by record code (100 x type: 710.01 ->
// 71001).
//
// The files are looked up in one folder for the whole program (SetFolder; empty, the
// default, is the current folder, where a host installs them next to its program).

#include <map>
#include <string>
#include <string_view>

#include "armakon/components/hydStrUtil.h"

namespace armakon {

class CVDITemplate {
 public:
  enum class LoadResult {
    Loaded,   // a block for the date was found (it may hold no description)
    NoFile,   // the descriptions file cannot be read
    NoBlock,  // every block is older than the date
  };

  // "vdi3805-Blatt%.2d-Beschreibungen.txt" for the sheet.
  static std::string FileName(int sheet);

  // The folder the descriptions files are read from (empty: the current folder).
  static void SetFolder(std::string folder);
  static std::string GetFolder();

  // Reads the descriptions of the sheet for the guideline date from the folder's file.
  // The previous descriptions are dropped first.
  LoadResult Load(int sheet, std::string_view date);
  LoadResult LoadFile(const std::string& path, std::string_view date);
  LoadResult LoadFromLines(const StringList& lines, std::string_view date);

  // The description of a record code; empty when there is none.
  std::string GetDescription(int code) const;
  bool HasDescription(int code) const { return m_descriptions.count(code) != 0; }
  const std::map<int, std::string>& GetDescriptions() const noexcept { return m_descriptions; }
  std::size_t size() const noexcept { return m_descriptions.size(); }
  bool empty() const noexcept { return m_descriptions.empty(); }
  void Clear() noexcept { m_descriptions.clear(); }

 private:
  std::map<int, std::string> m_descriptions;
};

}  // namespace armakon
