#pragma once
// What the thermostatic-valve and one-pipe converters share: the 710.01 records read into
// their settings and values, the checks of a record's values with their hints, and the
// checks of how many settings were usable.
//
// Message codes where the guideline's texts leave them open: hints about single values of
// a setting 50, the "no setting found" hint 45; errors about the settings as a whole 10.

#include <cstddef>
#include <optional>
#include <vector>

#include "armakon/vdi3805/ConversionContext.h"

namespace armakon {

// One 710.01 record as these converters read it.
struct SettingRecord {
  const CVDIBase* record = nullptr;
  int index = 0;            // field 2, named by the messages
  SettingNode setting;      // number (kEmptyNumber when not numeric), label, record
  bool hasSetting = false;  // field 5 or 6 given; without, the label is "keine Einstellung"
  std::optional<double> xp;
  std::optional<double> kv;  // kv of a valve body, kvs of a one-pipe fitting
  std::optional<double> kvB;
  std::optional<double> kvH;
  std::optional<double> noise;
};

// The 710.01 records below the technical data, in file order.
std::vector<SettingRecord> ReadSettingRecords(const ConversionContext& ctx);

// A proportional band that can be used: finite and above 0 K.
bool IsUsableXp(const std::optional<double>& xp);

// The values of one setting of a one-pipe fitting (y1 to y4 of its four-value curve).
struct OnePipeValues {
  double kvB = 0.0;
  double kvH = 0.0;
  double kvs = 0.0;
  double noise = 0.0;  // mbar; 0 when not given
};

// One usable setting of a one-pipe fitting.
struct OnePipeSetting {
  SettingNode setting;
  OnePipeValues values;
};

// The checks that make a record's setting unusable: no kvB, no kvH (hints that skip the
// setting), a negative kvB, kvH or kvs (the hint on faulty values). False: skip the setting.
bool OnePipeRecordUsable(const ConversionContext& ctx, const SettingRecord& record);

// The values of a usable record, repaired where they can be: a missing kvs is kvB + kvH, a kvs
// that is not their sum is kept with a hint, a missing noise limit is 0 with a hint.
OnePipeValues OnePipeRecordValues(const ConversionContext& ctx, const SettingRecord& record);

// The hint that a setting carries faulty XP or kv values and is skipped.
void HintFaultyValues(const ConversionContext& ctx, const SettingRecord& record);

// The hint (records without any setting) or error (no record) that no setting was found.
void ReportNoSettingFound(const ConversionContext& ctx, bool asError);

// Whether enough settings were usable: fewer than 79 % of the settings read (error 30), or
// with needThree, two or more settings read but fewer than three usable (error 10). False
// when the variant is not to be created.
bool CheckUsableSettings(const ConversionContext& ctx, std::size_t settingsRead, std::size_t usable, bool needThree);

}  // namespace armakon
