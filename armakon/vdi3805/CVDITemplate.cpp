#include "armakon/vdi3805/CVDITemplate.h"

#include <cmath>
#include <filesystem>
#include <limits>
#include <mutex>

#include "armakon/components/NumberText.h"

namespace armakon {

namespace {

constexpr std::string_view kBlockHead = "DATUMRICHTLINIE";
// Lines shorter than this (in characters) name a record type.
constexpr std::size_t kTypeLineLimit = 7;

std::mutex& folderLock() {
  static std::mutex lock;
  return lock;
}

std::string& folderSetting() {
  static std::string folder;
  return folder;
}

bool isBlockHead(std::string_view line) { return line.substr(0, kBlockHead.size()) == kBlockHead; }

int blockDate(std::string_view line) { return toInt(hydStrUtil::RightChars(line, 6)); }

// The integer part of 100 x the type. Types are decimal texts with two places ("970.29"),
// which binary doubles hold only approximately (970.29 x 100 = 97028.99999...); a tolerance
// far below one hundredth keeps the integer part the one the text means.
int descriptionKey(std::string_view type) {
  const double scaled = std::floor(toDouble(type, 0.0) * 100.0 + 1e-6);
  if (std::isnan(scaled)) return 0;
  if (scaled <= static_cast<double>(std::numeric_limits<int>::min())) return std::numeric_limits<int>::min();
  if (scaled >= static_cast<double>(std::numeric_limits<int>::max())) return std::numeric_limits<int>::max();
  return static_cast<int>(scaled);
}

}  // namespace

std::string CVDITemplate::FileName(int sheet) {
  return formatC("vdi3805-Blatt%.2d-Beschreibungen.txt", sheet);
}

void CVDITemplate::SetFolder(std::string folder) {
  std::lock_guard<std::mutex> guard(folderLock());
  folderSetting() = std::move(folder);
}

std::string CVDITemplate::GetFolder() {
  std::lock_guard<std::mutex> guard(folderLock());
  return folderSetting();
}

CVDITemplate::LoadResult CVDITemplate::Load(int sheet, std::string_view date) {
  const std::string folder = GetFolder();
  const std::filesystem::path path =
      folder.empty() ? std::filesystem::path(FileName(sheet)) : std::filesystem::path(folder) / FileName(sheet);
  return LoadFile(path.string(), date);
}

CVDITemplate::LoadResult CVDITemplate::LoadFile(const std::string& path, std::string_view date) {
  m_descriptions.clear();
  StringList lines;
  if (!hydStrUtil::readStringlistFromFile(lines, std::filesystem::path(path), kCodePage1252)) {
    return LoadResult::NoFile;
  }
  return LoadFromLines(lines, date);
}

CVDITemplate::LoadResult CVDITemplate::LoadFromLines(const StringList& lines, std::string_view date) {
  m_descriptions.clear();
  const int wanted = toInt(date);

  std::size_t line = 0;
  bool found = false;
  for (; line < lines.size(); ++line) {
    const std::string_view text = hydStrUtil::TrimView(lines[line]);
    if (isBlockHead(text) && blockDate(text) >= wanted) {
      found = true;
      ++line;
      break;
    }
  }
  if (!found) return LoadResult::NoBlock;

  // Walk the block's non-empty lines: a short line names a type, the next line describes it.
  std::string_view pendingType;
  bool typePending = false;
  for (; line < lines.size(); ++line) {
    const std::string_view text = hydStrUtil::TrimView(lines[line]);
    if (text.empty()) continue;
    if (isBlockHead(text)) break;
    if (typePending) {
      m_descriptions[descriptionKey(pendingType)] = std::string(text);
      typePending = false;
    } else if (hydStrUtil::CharCount(text) < kTypeLineLimit) {
      pendingType = text;
      typePending = true;
    }
  }
  return LoadResult::Loaded;
}

std::string CVDITemplate::GetDescription(int code) const {
  const auto found = m_descriptions.find(code);
  return found == m_descriptions.end() ? std::string() : found->second;
}

}  // namespace armakon
