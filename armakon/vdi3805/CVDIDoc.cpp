#include "armakon/vdi3805/CVDIDoc.h"

#include <mutex>
#include <new>
#include <optional>
#include <stdexcept>
#include <utility>
#include <vector>

#include "armakon/components/FormatText.h"
#include "armakon/components/NumberText.h"
#include "armakon/components/Translation.h"
#include "armakon/platform/CurrentPlatform.h"
#include "armakon/vdi3805/RecordTreeBuilder.h"
#include "armakon/vdi3805/VDIRecords.h"
#include "armakon/vdi3805/VdiFileRead.h"
#include "armakon/vdi3805/VdiLineReader.h"

namespace armakon {

namespace {

constexpr int kCheckErrorCode = 20;
constexpr int kHeaderRecord = 10;      // record 010 read as an integer
constexpr int kOldGuidelineDate = 1098;
constexpr int kFirstSupportedYear = 2001;

bool isProductDataFile(const std::string& path) {
  const std::string extension = VdiFileExtension(path);
  return extension == "vdi" || extension == "vdix" || extension == "tga";
}

std::string_view headerField(std::string_view line, int n) {
  return hydStrUtil::TrimView(hydStrUtil::GetSubStrView(line, n));
}

bool currentDateFits(std::string_view sheet, std::string_view date) {
  return hydStrUtil::CharCount(date) == 6 && hydStrUtil::CharCount(sheet) < 3 &&
         toInt(hydStrUtil::LeftChars(date, 4)) >= kFirstSupportedYear;
}

bool oldDateFits(std::string_view date) {
  return hydStrUtil::CharCount(date) < 5 && toInt(date) == kOldGuidelineDate;
}

// The one copy of descriptions equal to the given ones that documents hold now.
std::shared_ptr<const CVDITemplate> sharedDescriptions(CVDITemplate descriptions) {
  static std::mutex lock;
  static std::vector<std::weak_ptr<const CVDITemplate>> held;
  const std::lock_guard<std::mutex> guard(lock);
  std::erase_if(held, [](const std::weak_ptr<const CVDITemplate>& copy) { return copy.expired(); });
  for (const std::weak_ptr<const CVDITemplate>& copy : held) {
    std::shared_ptr<const CVDITemplate> same = copy.lock();
    if (same != nullptr && same->GetDescriptions() == descriptions.GetDescriptions()) return same;
  }
  auto made = std::make_shared<const CVDITemplate>(std::move(descriptions));
  held.push_back(made);
  return made;
}

}  // namespace

CVDIDoc::CVDIDoc() : m_template(sharedDescriptions({})) { SetLine("CVDIDoc"); }

CVDIDoc::CVDIDoc(std::string path, std::string catalogId, std::string catalogText, std::string note, int sheet)
    : m_path(std::move(path)),
      m_catalogId(std::move(catalogId)),
      m_catalogText(std::move(catalogText)),
      m_note(std::move(note)),
      m_sheet(sheet),
      m_template(sharedDescriptions({})) {
  SetLine("CVDIDoc");
}

CVDIDoc::~CVDIDoc() {
  // The records below lie in m_records, which dies before the base class takes them down.
  RemoveAllChildren();
}

std::string CVDIDoc::GetFileName() const { return std::string(VdiFileName(m_path)); }

void CVDIDoc::SetCatalogInfo(std::string catalogId, std::string catalogText, std::string note) {
  m_catalogId = std::move(catalogId);
  m_catalogText = std::move(catalogText);
  m_note = std::move(note);
}

bool CVDIDoc::AcceptsChild(const CVDIBase& record) const {
  return record.IsKindOf(VDIStruct_010::GetThisClass()) || record.IsKindOf(VDIStruct_Err::GetThisClass());
}

void CVDIDoc::AppendAllLines(StringList& list) const {
  for (const auto& child : GetChildren()) child->AppendLines(list);
}

bool CVDIDoc::finish(bool parsed, bool result) {
  m_parsed.store(parsed, std::memory_order_release);
  m_loaded.store(true, std::memory_order_release);
  return result;
}

bool CVDIDoc::Load(const std::string& path, bool skipDetail, int expectedSheet) {
  try {
    begin(path);
    if (isProductDataFile(m_path)) {
      // A first line that is no header record refuses the file before the rest is read.
      const std::optional<std::string> type = PeekVdiRecordType(path);
      if (type && toInt(hydStrUtil::TrimView(*type)) != kHeaderRecord) {
        m_oldFormat = VdiFileExtension(m_path) == "tga";
        checkCurrentFile(*type, {}, {});  // files the error of a first line that is no header
        return finish(false, false);
      }
    }
    if (const std::optional<bool> result = loadLineByLine(skipDetail, expectedSheet)) return *result;
    StringList lines;
    if (!ReadVdiFile(lines, path, true)) return finish(false, false);
    return build(lines, skipDetail, expectedSheet);
  } catch (...) {
    // Out of memory on a huge file, or a file that could no longer be read while its lines
    // were taken one by one: the document stays empty, the others load on.
    RemoveAllChildren();
    m_records.Clear();
    m_lines.clear();
    try {
      FileLoadError(10, Translate("Datei konnte nicht gelesen werden."),
                    "\n" + FormatText(Translate("Bitte prüfen ob die VDI-Datei das richtige Format hat.\nDateipfad:\n%s"),
                                      path),
                    true);
    } catch (...) {
    }
    return finish(false, false);
  }
}

bool CVDIDoc::LoadLines(StringList lines, const std::string& path, bool skipDetail, int expectedSheet) {
  begin(path);
  return build(lines, skipDetail, expectedSheet);
}

void CVDIDoc::begin(const std::string& path) {
  m_loaded.store(false, std::memory_order_release);
  m_parsed.store(false, std::memory_order_release);
  m_path = path;
  m_lines.clear();
  m_template = sharedDescriptions({});
  m_oldFormat = false;
  RemoveAllChildren();
  m_records.Clear();
}

bool CVDIDoc::build(StringList& lines, bool skipDetail, int expectedSheet) {
  if (lines.empty()) return finish(false, false);

  // The lines are kept before the file is checked, so a document of another sheet or with an
  // unsupported guideline date still holds them.
  m_lines = std::move(lines);
  const std::string_view first = hydStrUtil::TrimView(m_lines.front());
  const std::string_view type = headerField(first, 1);
  const std::string_view field2 = headerField(first, 2);
  const std::string_view field3 = headerField(first, 3);

  const std::string extension = VdiFileExtension(m_path);
  if (extension == "vdi" || extension == "vdix") {
    if (!checkCurrentFile(type, field2, field3)) return finish(false, false);
    m_sheet = toInt(field2);
    m_date = std::string(field3);
    if (expectedSheet >= 1 && m_sheet != expectedSheet) return finish(false, true);
  } else if (extension == "tga") {
    m_oldFormat = true;
    if (!checkOldFile(type, field2)) return finish(false, false);
    m_date = std::string(field2);
    if (toInt(m_date) != kOldGuidelineDate) return finish(false, false);
    m_sheet = 2;
  }

  loadDescriptions();
  const bool parsed = ParseLines(m_lines, skipDetail, m_oldFormat);
  return finish(parsed, parsed);
}

std::optional<bool> CVDIDoc::loadLineByLine(bool skipDetail, int expectedSheet) {
  // Only a file that reads without a problem and whose first line passes every check is
  // loaded this way; any other goes the way of the whole list of lines, which files what
  // is wrong and keeps the lines of a refused file. What turns up only later in the file
  // (a read error, too many lines, UTF-8 text) drops the records built so far: the store
  // holds nothing else while a load runs.
  const auto dropped = [this]() -> std::optional<bool> {
    RemoveAllChildren();
    m_records.Clear();
    m_lines.clear();
    m_oldFormat = false;
    return std::nullopt;
  };
  VdiFileLines lines(m_path, m_records);
  std::string_view line;
  if (!lines.Next(line)) return dropped();
  const std::string_view first = hydStrUtil::TrimView(line);
  const std::string_view type = headerField(first, 1);
  const std::string_view field2 = headerField(first, 2);
  const std::string_view field3 = headerField(first, 3);
  const std::string extension = VdiFileExtension(m_path);
  const bool oldFormat = extension == "tga";
  int sheet = m_sheet;
  std::string date = m_date;
  if (extension == "vdi" || extension == "vdix") {
    if (toInt(type) != kHeaderRecord || !currentDateFits(field2, field3)) return dropped();
    if (expectedSheet >= 1 && toInt(field2) != expectedSheet) return dropped();
    sheet = toInt(field2);
    date = std::string(field3);
  } else if (oldFormat) {
    if (toInt(type) != kHeaderRecord || !oldDateFits(field2)) return dropped();
    sheet = 2;
    date = std::string(field2);
  }

  m_oldFormat = oldFormat;
  {
    RecordTreeBuilder builder(*this, skipDetail, oldFormat);
    do {
      bool added = false;
      try {
        added = builder.Add(line, lines.InStore());
      } catch (const std::bad_alloc&) {
      }
      if (!added) {
        // The parse stops here, as ParseLines does: this line (trimmed) and the rest stay.
        m_lines.emplace_back(hydStrUtil::TrimView(line));
        while (lines.Next(line)) m_lines.emplace_back(line);
        break;
      }
    } while (lines.Next(line));
  }
  if (lines.Failed()) return dropped();
  m_sheet = sheet;
  m_date = date;
  loadDescriptions();
  const bool parsed = m_lines.empty();
  return finish(parsed, parsed);
}

bool CVDIDoc::checkCurrentFile(std::string_view type, std::string_view sheet, std::string_view date) const {
  if (toInt(type) != kHeaderRecord) {
    FileLoadError(kCheckErrorCode, Translate("Erste Zeile der VDI-Datei entspricht nicht der Satzart 010."),
                  Translate("Achtung! Erste Zeile der Datei entspricht nicht der Satzart 010. Laden dieser Datei wird "
                            "abgebrochen.") + "\n" + m_path,
                  true);
    return false;
  }
  if (!currentDateFits(sheet, date)) {
    FileLoadError(kCheckErrorCode, Translate("Die gewählte VDI-Datei hat ein inkompatibles Richtlinien-Datum."),
                  FormatText(Translate("Die angegebene VDI-Datei ist mit dem Richtlinien-Ausgabedatum 1!%s versehen.\n"
                                       "Diese Richtlinie wird nicht unterstützt oder die Dateistruktur dieser VDI-Datei "
                                       "entspricht\neinem alten, nicht unterstützten Richtlinien-Datum. Das Laden wurde "
                                       "abgebrochen.\nBitte aktuelleren/kompatiblen Datensatz verwenden.\nBetroffene "
                                       "Datei: 2!%s"),
                             date, m_path),
                  true);
    return false;
  }
  return true;
}

bool CVDIDoc::checkOldFile(std::string_view type, std::string_view date) const {
  if (toInt(type) != kHeaderRecord) {
    FileLoadError(kCheckErrorCode, Translate("Erste Zeile der VDI-Datei entspricht nicht der Satzart 010."),
                  Translate("Achtung! Erste Zeile der Datei entspricht nicht der Satzart 010. Laden dieser Datei wird "
                            "abgebrochen.") + "\n" + m_path,
                  true);
    return false;
  }
  if (!oldDateFits(date)) {
    FileLoadError(kCheckErrorCode, Translate("Die gewählte TGA-Datei hat ein inkompatibles Richtlinien-Datum."),
                  FormatText(Translate("Die angegebene TGA-Datei ist mit einem Richtlinien-Ausgabedatum 1!%s versehen. "
                                       "Diese Richtlinie wird nicht unterstützt oder die Dateistruktur dieser VDI-Datei "
                                       "entspricht einem nicht unterstützten Richtlinien-Datum. Das Laden wurde "
                                       "abgebrochen.\nBitte aktuelleren/kompatiblen Datensatz verwenden.\nBetroffene "
                                       "Datei: 2!%s"),
                             date, m_path),
                  true);
    return false;
  }
  return true;
}

void CVDIDoc::loadDescriptions() {
  // A missing descriptions file is no problem of the catalog: the host may not install one.
  CVDITemplate descriptions;
  const CVDITemplate::LoadResult result = descriptions.Load(m_sheet, m_date);
  m_template = sharedDescriptions(std::move(descriptions));
  if (result == CVDITemplate::LoadResult::NoBlock) {
    platform().showWarning(Translate("Achtung! Ein Katalog mit solch aktueller Richtlinie wird noch nicht unterstützt!"));
  }
}

}  // namespace armakon
