#include "armakon/vdi3805/ThrottleConverter.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "armakon/components/NumberText.h"
#include "armakon/components/Translation.h"
#include "armakon/model/CEinstellungKurve.h"
#include "armakon/model/hydArmaturThermoDross.h"
#include "armakon/vdi3805/VdiFieldLayout.h"

namespace armakon {

using hydVDIArmaturen::CEinstellungKurve;
using hydVDIArmaturen::hydArmaturThermoDross;

namespace {

namespace f700 = vdifield::r700;
namespace f710 = vdifield::r710_01;
namespace fthk = vdifield::thermostatic;

constexpr double kKvTolerance = 1e-6;
// A setting in °C this close to its temperature limit corresponds to it.
constexpr double kTemperatureTolerance = 0.05;

// One setting: the records of its control curve, which follow each other in the file.
struct Setting {
  double value = 0.0;
  std::string label;
  std::vector<const CVDIBase*> records;
  double temperature = 0.0;
  std::vector<std::pair<double, double>> points;  // (XP, kv), distinct XP
};

// The records' settings; false when a record has no numeric setting.
bool readSettings(const ConversionContext& ctx, const std::vector<const CVDIBase*>& records,
                  std::vector<Setting>& settings) {
  bool numeric = true;
  for (const CVDIBase* record : records) {
    double value = 0.0;
    if (!parseDouble(ctx.field(record, f710::kSettingNumber), value) || !std::isfinite(value)) {
      numeric = false;
      continue;
    }
    if (settings.empty() || settings.back().value != value) {
      Setting setting;
      setting.value = value;
      setting.label = std::string(ctx.field(record, f710::kSettingText));
      if (setting.label.empty()) setting.label = std::string(ctx.field(record, f710::kSettingNumber));
      settings.push_back(std::move(setting));
    }
    settings.back().records.push_back(record);
  }
  return numeric;
}

// The first and the last setting are the extremes of all settings.
bool endsAreLimits(const std::vector<Setting>& settings) {
  const auto [low, high] = std::minmax_element(settings.begin(), settings.end(),
                                               [](const Setting& a, const Setting& b) { return a.value < b.value; });
  const double first = settings.front().value;
  const double last = settings.back().value;
  return (first == low->value && last == high->value) || (first == high->value && last == low->value);
}

bool steady(const std::vector<Setting>& settings) {
  if (settings.size() < 2) return true;
  const bool rising = settings[1].value > settings[0].value;
  for (std::size_t i = 1; i < settings.size(); ++i) {
    if ((settings[i].value > settings[i - 1].value) != rising) return false;
  }
  return true;
}

bool isCelsius(std::string_view unit) { return unit.find("°C") != std::string_view::npos || unit == "C"; }

// Gives every setting its set temperature, with the hints on the temperature limits.
void mapTemperatures(const ConversionContext& ctx, std::vector<Setting>& settings) {
  const double tMax = ctx.number(ctx.technicalData, f700::kSetTemperatureMaxSheet17, 0.0);
  const double tMin = ctx.number(ctx.technicalData, f700::kSetTemperatureMinSheet17, 0.0);
  const bool adjustable = settings.size() >= 2;
  if (adjustable && tMin == tMax) {
    ctx.hint(40,
             ComposeMessage({"Die Soll-Temperatur der Einstellungen ist nicht ermittelbar.\nBei einem einstellbaren "
                             "Ventil werden unterschiedliche Werte in den Feldern für die Temperaturen erwartet  "
                             "(Hinterlegte Werte: T(min) = 2!%.1f,  T(max) = 3!%.1f).\nSiehe Satzart 700 mit Index "
                             "1!%d (Lfd.Nr.9 und 10)."},
                            {ctx.technicalIndex(), tMin, tMax}),
             ctx.technicalData);
  } else if (!adjustable && tMin != tMax) {
    ctx.hint(40,
             ComposeMessage({"Die Soll-Temperatur ist nicht eindeutig.\nBei einem nicht einstellbaren Ventil mit nur "
                             "einer Einstellung wird eine eindeutige Temperatureinstellung erwartet und T(min) sollte "
                             "dem Wert von T(max) entsprechen (Hinterlegte Werte: T(min) = 2!%.1f,  T(max) = 3!%.1f).\n"
                             "Siehe Satzart 700 mit Index 1!%d (Lfd.Nr.9 und 10)."},
                            {ctx.technicalIndex(), tMin, tMax}),
             ctx.technicalData);
  }
  const std::string_view unit = ctx.field(ctx.technicalData, f700::kSettingUnitSheet17);
  const Setting& first = settings.front();
  const Setting& last = settings.back();
  if (adjustable && isCelsius(unit) &&
      (std::fabs(first.value - tMax) > kTemperatureTolerance || std::fabs(last.value - tMin) > kTemperatureTolerance)) {
    const std::string shown = " " + std::string(unit);
    ctx.hint(40,
             ComposeMessage({"Die hinterlegten Einstellungen der VDI-Daten korrelieren nicht mit den "
                             "Temperaturgrenzen.\nDaraus resultiert: die erste Einstellung (1!%s) entspricht Tmax "
                             "(2!%.1f3!%s), die letzte Einstellung (4!%s) entspricht Tmin (5!%.1f6!%s).\nPrüfen sie "
                             "bitte die resultierenden Kurvendaten dieser Armaturausführung."},
                            {first.label, tMax, shown, last.label, tMin, shown}),
             ctx.technicalData);
  }
  for (Setting& setting : settings) {
    if (!adjustable || first.value == last.value) {
      setting.temperature = tMax;
    } else {
      setting.temperature = tMax + (setting.value - first.value) / (last.value - first.value) * (tMin - tMax);
    }
  }
}

// The points of a setting's control curve; a missing XP or kv is taken as 0 with a hint.
void readPoints(const ConversionContext& ctx, Setting& setting) {
  std::set<double> seen;
  for (const CVDIBase* record : setting.records) {
    const int index = ctx.integer(record, f710::kIndex);
    const auto value = [&](int field, const char* text) {
      if (const std::optional<double> read = ctx.optionalNumber(record, field)) return *read;
      ctx.hint(50, ComposeMessage({"Fehlende VDI-Daten:\n", text}, {setting.label, index}), record);
      return 0.0;
    };
    const double xp =
        value(fthk::kXp,
              "Es ist kein XP-Wert hinterlegt. Der Eintrag wird als Null interpretiert.\nPrüfen sie "
              "bitte die resultierenden Daten der Einstellung 1!%s.\nSiehe Satzart 710.01 mit Index 2!%d.");
    const double kv =
        value(fthk::kKv,
              "Es ist kein kv-Wert hinterlegt. Der Eintrag wird als Null interpretiert.\nPrüfen sie "
              "bitte die resultierenden Daten der Einstellung 1!%s.\nSiehe Satzart 710.01 mit Index 2!%d.");
    // A second point at the same XP would make the curve ambiguous; the first one counts.
    if (seen.insert(xp).second) setting.points.emplace_back(xp, kv);
  }
}

double smallestKv(const Setting& setting) {
  double kv = setting.points.front().second;
  for (const auto& point : setting.points) kv = std::min(kv, point.second);
  return kv;
}

double largestKv(const Setting& setting) {
  double kv = setting.points.front().second;
  for (const auto& point : setting.points) kv = std::max(kv, point.second);
  return kv;
}

CEinstellungKurve makeCurve(const Setting& setting) {
  std::vector<std::pair<double, double>> points = setting.points;
  // Ascending water temperature is descending XP.
  std::sort(points.begin(), points.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
  CEinstellungKurve curve;
  for (const auto& [xp, kv] : points) {
    curve.addCurveNode(ToCurveValue(setting.temperature - xp), "", ToCurveValue(kv), ToCurveValue(xp));
  }
  curve.setEinheitx("°C");
  curve.setEinheitx2("K");
  curve.setEinheity("m³/h");
  curve.setEinstellung(setting.value);
  curve.setTemperatur(setting.temperature);
  curve.setText(setting.label);
  return curve;
}

void skipError(const ConversionContext& ctx, const char* text) {
  ctx.error(10, ComposeMessage({text}, {ctx.technicalIndex()}), ctx.technicalData);
}

}  // namespace

bool convertThrottle(ConversionContext& ctx) {
  auto* dross = dynamic_cast<hydArmaturThermoDross*>(&ctx.variant);
  if (dross == nullptr) return false;

  const std::vector<const CVDIBase*> records = ctx.typeRecords(71001);
  std::vector<Setting> settings;
  const bool numeric = readSettings(ctx, records, settings);
  // The declaration is checked against the records, although one setting spans several.
  CheckPresettable(ctx, records.size());
  if (records.empty()) {
    skipError(ctx,
              "Es konnten keine Einstellungs-Kurven ermittelt werden.\nFolge: Diese Armaturausführung wird "
              "übersprungen.\nSiehe Satzart 700 mit Index 1!%d.");
    return false;
  }
  if (!numeric) {
    skipError(ctx,
              "Dieses Armatur hat Datensätze hinterlegt, welche keine numerische Einstellung beinhalten.\nWir "
              "erwarten durchgehend numerische Einstellungen um die Datensätze korrekt nutzen zu können.\nSiehe "
              "Satzart 700 mit Index 1!%d.");
    return false;
  }
  if (!endsAreLimits(settings)) {
    ctx.error(
        10,
        Translate("Fehler in der Sortierung der VDI-Datensätze.\nDie erste bzw. die letzte Einstellung entspricht "
                  "nicht den Einstellungsgrenzen."),
        ctx.technicalData);
    return false;
  }
  if (!steady(settings)) {
    skipError(ctx,
              "Abfolge der hinterlegten Einstellungen ist nicht stetig.\nEs werden stetig auf- oder absteigende "
              "Einstellungen erwartet um die Datensätze korrekt nutzen zu können.\nSiehe Satzart 700 mit Index "
              "1!%d.");
    return false;
  }
  mapTemperatures(ctx, settings);

  std::vector<Setting> curves;
  for (Setting& setting : settings) {
    readPoints(ctx, setting);
    if (setting.points.size() < 2) {
      ctx.hint(50,
               ComposeMessage({"Zu der Einstellung 1!%s wurden nicht genügend XP-Werte und somit zu wenige Stützpunkte "
                               "gefunden um eine Kurve zu bilden.\nDiese Einstellung wird übersprungen.\nSiehe Satzart "
                               "700 mit Index 2!%d."},
                              {setting.label, ctx.technicalIndex()}),
               setting.records.front());
      continue;
    }
    curves.push_back(std::move(setting));
  }
  if (curves.empty()) {
    skipError(ctx,
              "Es konnten zu keiner Einstellung ausreichend Stützpunkte ermittelt werden um eine Kurve zu "
              "bilden.\nFolge: Diese Armaturausführung wird übersprungen.\nSiehe Satzart 700 mit Index 1!%d.");
    return false;
  }

  double kvMin = smallestKv(curves.front());
  double kvMax = largestKv(curves.front());
  for (const Setting& curve : curves) {
    kvMin = std::min(kvMin, smallestKv(curve));
    kvMax = std::max(kvMax, largestKv(curve));
  }
  bool reachMin = true;
  for (const Setting& curve : curves) {
    if (smallestKv(curve) <= kvMin + kKvTolerance) continue;
    ctx.error(10,
              ComposeMessage({"Diese Armaturausführung enthält unvollständige Regelkurven.\nDie hinterlegte Regelkurve "
                              "zu Einstellung 1!%.1f liegt nicht bis kv(min) vor.\nEs werden durchgehend vollständige "
                              "Kurven zwischen kv(min) und kv(max) erwartet.\n",
                              "Folge: Diese Ausführung wird übersprungen."},
                             {curve.value}),
              curve.records.front());
    reachMin = false;
  }
  if (!reachMin) return false;
  std::vector<Setting> complete;
  for (Setting& curve : curves) {
    if (largestKv(curve) >= kvMax - kKvTolerance) {
      complete.push_back(std::move(curve));
      continue;
    }
    ctx.hint(50,
             ComposeMessage({"Diese Armaturausführung enthält unvollständige Regelkurven.\nDie hinterlegte Regelkurve "
                             "zu Einstellung 1!%.1f liegt nicht bis kv(max) vor.\n",
                             "Folge: Die Daten zu dieser Einstellung werden nicht übernommen."},
                            {curve.value}),
             curve.records.front());
  }
  if (std::fabs(ctx.variant.getKvs() - kvMax) > kKvTolerance) {
    ctx.hint(50, Translate("Der hinterlegte kvs stimmt nicht mit dem kv(max) der ermittelten Kurven überein.\n"),
             ctx.technicalData);
  }

  for (const Setting& curve : complete) dross->addKurve(makeCurve(curve));
  dross->setEinheitEinst(std::string(ctx.field(ctx.technicalData, f700::kSettingUnitSheet17)));
  return true;
}

}  // namespace armakon
