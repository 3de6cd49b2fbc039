#include "armakon/vdi3805/MeterConverter.h"

#include <optional>
#include <string>
#include <vector>

#include "armakon/components/NumberText.h"
#include "armakon/model/hydArmaturZaehler.h"
#include "armakon/vdi3805/CVDIBase.h"
#include "armakon/vdi3805/VDIRecords.h"
#include "armakon/vdi3805/VdiFieldLayout.h"

namespace armakon {

using hydVDIArmaturen::hydArmaturZaehler;

namespace {

namespace f710_06 = vdifield::sheet17::r710_06;
namespace f350 = vdifield::sheet17::r350;

constexpr int kCode710_06 = 71006;
constexpr int kCode800 = 80000;

// The area of use as code (1, 2) or as its name; anything else keeps cold water.
int areaOfUse(std::string_view text) {
  int code = 0;
  if (parseInt(text, code) && (code == hydArmaturZaehler::Kaltwasser || code == hydArmaturZaehler::Warmwasser)) {
    return code;
  }
  if (text == "Warmwasser") return hydArmaturZaehler::Warmwasser;
  return hydArmaturZaehler::Kaltwasser;
}

// A property code of the 350; empty or no number keeps 1 (the meter's "not stated" value).
int propertyCode(const ConversionContext& ctx, const CVDIBase* record, int n) {
  int code = 1;
  return parseInt(ctx.field(record, n), code) ? code : 1;
}

void takeProperties(const ConversionContext& ctx, const CVDIBase* properties, hydArmaturZaehler& meter) {
  meter.setText(0, std::string(ctx.field(properties, f350::kDesignation)));
  meter.setText(1, std::string(ctx.field(properties, f350::kMeterType)));
  meter.setText(2, std::string(ctx.field(properties, f350::kHousing)));
  meter.setEinsatzbereich(areaOfUse(ctx.field(properties, f350::kAreaOfUse)));
  meter.setEinbaulage(propertyCode(ctx, properties, f350::kMountingCode));
  meter.setGerätetyp(propertyCode(ctx, properties, f350::kDeviceTypeCode));
  meter.setGehäuseart(propertyCode(ctx, properties, f350::kHousingCode));
}

}  // namespace

const CVDIBase* ProductOfVariant(const ConversionContext& ctx) {
  const CVDIBase* group = FindAncestorOfKind<VDIStruct_110>(ctx.technicalData);
  if (group == nullptr) return nullptr;
  for (const auto& child : group->GetChildren()) {
    if (child->GetCode() == kCode800 &&
        ctx.integer(child.get(), vdifield::r800::kIndex) == ctx.variant.getRecordIndex()) {
      return child.get();
    }
  }
  return nullptr;
}

bool convertMeter(ConversionContext& ctx) {
  auto* meter = dynamic_cast<hydArmaturZaehler*>(&ctx.variant);
  if (meter == nullptr) return false;

  bool usable = true;
  const std::vector<const CVDIBase*> records = ctx.typeRecords(kCode710_06);
  if (records.empty()) {
    ctx.error(10,
              ComposeMessage({"Es wurde ein Satz der Satzart 710.06 in dieser Armatur erwartet jedoch nicht gefunden.\n"
                              "Siehe technische Daten der Armaturausführung (Satzart 700 mit Index 1!%d)."},
                             {ctx.technicalIndex()}),
              ctx.technicalData);
    usable = false;
  }

  std::vector<const CVDIBase*> properties;
  GetReferencedRecords(ProductOfVariant(ctx), 350, properties);
  if (properties.empty()) {
    const CVDIBase* group = FindAncestorOfKind<VDIStruct_110>(ctx.technicalData);
    ctx.error(21,
              ComposeMessage({"Es wurde ein Satz der Satzart 350 für diesen Zähler erwartet jedoch nicht gefunden.\n"
                              "Siehe Satzarten zu Produkteigenschaften der Armaturausführung (Satzart 110 mit Index "
                              "1!%d)."},
                             {ctx.integer(group, vdifield::r110::kIndex)}),
              group != nullptr ? group : ctx.technicalData);
    usable = false;
  }

  if (!records.empty()) {
    const CVDIBase* data = records.front();
    const std::optional<double> qn = ctx.optionalNumber(data, f710_06::kNominalFlow);
    const double qmin = ctx.number(data, f710_06::kMinFlow, 0.0);
    const double qmax = ctx.number(data, f710_06::kMaxFlow, 0.0);
    if (!qn) {
      ctx.error(20,
                ComposeMessage({"Es ist kein Wert in das Datenfeld für die Nenngröße Qn eingetragen.\nSiehe technische "
                                "Daten der Armaturausführung (Satzart 700 mit Index 1!%d)."},
                               {ctx.technicalIndex()}),
                data);
      usable = false;
    } else {
      if (*qn < qmin) {
        ctx.error(21,
                  ComposeMessage({"Die eingetragene Nenngröße Qn (2!%.2f m³/h) ist kleiner als der min. Durchfluss "
                                  "Qmin (3!%.2f m³/h).\nSiehe technische Daten der Armaturausführung (Satzart 700 mit "
                                  "Index 1!%d)."},
                                 {ctx.technicalIndex(), *qn, qmin}),
                  data);
        usable = false;
      }
      // Qmax 0 means the data give no upper bound.
      if (qmax > 0.0 && *qn > qmax) {
        ctx.error(21,
                  ComposeMessage({"Die eingetragene Nenngröße Qn (2!%.2f m³/h) ist größer als der max. Durchfluss "
                                  "Qmax (3!%.2f m³/h).\nSiehe technische Daten der Armaturausführung (Satzart 700 mit "
                                  "Index 1!%d)."},
                                 {ctx.technicalIndex(), *qn, qmax}),
                  data);
        usable = false;
      }
    }
    if (usable) {
      meter->setWert(0, *qn);
      meter->setWert(1, ctx.number(data, f710_06::kPressureDropAtQn, 0.0));
      meter->setWert(2, qmin);
      meter->setWert(3, qmax);
      meter->setWert(4, ctx.number(data, f710_06::kTransitionalFlow, 0.0));
    }
  }
  if (!usable) return false;

  takeProperties(ctx, properties.front(), *meter);
  return true;
}

}  // namespace armakon
