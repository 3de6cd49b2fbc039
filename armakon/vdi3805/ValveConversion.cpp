#include "armakon/vdi3805/ValveConversion.h"

#include <cmath>

#include "armakon/components/FormatText.h"
#include "armakon/components/NumberText.h"
#include "armakon/components/Translation.h"
#include "armakon/vdi3805/CMiniReportUtil.h"
#include "armakon/vdi3805/CVDIBase.h"
#include "armakon/vdi3805/CVDIDoc.h"
#include "armakon/vdi3805/CombinedThkvConverter.h"
#include "armakon/vdi3805/ControllerConverter.h"
#include "armakon/vdi3805/DrawOffConverter.h"
#include "armakon/vdi3805/FlowRegulatorConverter.h"
#include "armakon/vdi3805/MeterConverter.h"
#include "armakon/vdi3805/OnePipeConverter.h"
#include "armakon/vdi3805/PressureReducerConverter.h"
#include "armakon/vdi3805/SafetyFittingConverter.h"
#include "armakon/vdi3805/SettingCurveConverter.h"
#include "armakon/vdi3805/ThermostaticConverter.h"
#include "armakon/vdi3805/ThrottleConverter.h"
#include "armakon/vdi3805/VDIRecords.h"
#include "armakon/vdi3805/VdiFieldLayout.h"
#include "armakon/vdi3805/VdiFileRead.h"

namespace armakon {

using hydVDIArmaturen::hydArmatur;
using hydVDIArmaturen::hydArmaturenModell;

namespace {

namespace f700 = vdifield::r700;

// Field 4 of the 110 record above the product: the model's name in titles.
std::string modelNameOf(const CVDIBase* product) {
  return GetField(FindAncestorOfKind<VDIStruct_110>(product), vdifield::r110::kName);
}

double numberOf(const CVDIBase* record, int n, bool oldLayout) {
  const double value = toDouble(GetFieldViewInLayout(record, n, oldLayout), 0.0);
  return std::isfinite(value) ? value : 0.0;
}

int integerOf(const CVDIBase* record, int n, bool oldLayout) {
  return toInt(GetFieldViewInLayout(record, n, oldLayout), 0);
}

// The execution details ("Ausführung") of a product: the values of the property records that
// tell executions of one model apart (form, connection, surface, and the execution records
// below the technical data), in the order the TGA number references them.
void addExecutionDetails(hydArmatur& variant, const CVDIBase* product, bool oldLayout) {
  std::vector<const CVDIBase*> properties;
  for (int type : {200, 250, 260, 760}) GetReferencedRecords(product, type, properties);
  for (const CVDIBase* property : properties) {
    std::string_view text = GetFieldViewInLayout(property, vdifield::vector::kValue, oldLayout);
    if (text.empty()) text = GetFieldViewInLayout(property, vdifield::vector::kName, oldLayout);
    if (!text.empty()) variant.addAusfDetail(std::string(text));
  }
}

// Files the error of a variant that must be skipped because of its technical data.
void skipVariant(const hydArmatur& variant, int code, std::string_view text, int technicalIndex,
                 const CVDIBase* technicalData) {
  CMiniReportUtil::instance().addError(
      code, variant.getFehlerText(),
      ComposeMessage({text, "\n", "Folge: Diese Ausführung wird übersprungen."}, {technicalIndex}), technicalData);
}

}  // namespace

int BuildModel(hydArmaturenModell& model, const std::vector<const CVDIBase*>& products,
               const std::vector<double>& wantedXp, const std::vector<const hydArmatur*>& accessorySources) {
  if (products.size() != wantedXp.size() || products.size() != accessorySources.size()) return -1;
  if (products.empty()) return 0;

  int created = 0;
  for (std::size_t i = 0; i < products.size(); ++i) {
    const CVDIBase* product = products[i];
    if (product == nullptr) continue;
    if (const CVDIDoc* document = GetDocument(product)) {
      model.setFilename(std::string(VdiFileName(document->GetPath())));
      model.setRLDatum(toInt(document->GetDate()));
      if (model.getHydCatID().empty()) model.setCatID(document->GetCatalogId());
    }
    const CVDIBase* group = FindAncestorOfKind<VDIStruct_110>(product);
    model.setModel(GetField(group, vdifield::r110::kName));
    model.setIdx(toInt(GetFieldView(group, vdifield::r110::kIndex)));
    model.setManufacturer(GetField(FindAncestorOfKind<VDIStruct_010>(product), vdifield::r010::kManufacturer));
    if (CreateVariant(model, product, accessorySources[i], wantedXp[i])) ++created;
  }

  if (created > 0) {
    model.setHydArmType(model.getArmaturAt(0)->getArmType());
    if (model.getHydArmType() == 213) {
      // Valves with actuator come in several kvs per nominal size: kvs first, then DN.
      model.sortArmaturen([](const hydArmatur& a, const hydArmatur& b) {
        return a.getKvs() * 10000.0 + a.getDimension() < b.getKvs() * 10000.0 + b.getDimension();
      });
    } else {
      model.sortArmaturen([](const hydArmatur& a, const hydArmatur& b) { return a.getDimension() < b.getDimension(); });
    }
  }
  return created;
}

bool CreateVariant(hydArmaturenModell& model, const CVDIBase* product, const hydArmatur* accessorySource,
                   double wantedXp) {
  if (product == nullptr) return false;
  CMiniReportUtil& reports = CMiniReportUtil::instance();

  std::vector<const CVDIBase*> technical;
  GetReferencedRecords(product, 700, technical);
  for (const CVDIBase* record : technical) {
    if (toInt(GetFieldView(record, f700::kTypeNumber)) != toInt(GetFieldView(technical.front(), f700::kTypeNumber))) {
      reports.addError(6, Translate("Fehler in VDI-Daten: Mehr als ein Armaturtyp in dieser Armatur hinterlegt."),
                       Translate("Die Definition mehrerer Armaturtypen in einer Armatur wird nicht unterstützt.\nAlle "
                                 "Armaturen-Grunddaten (Satzart 700) einer Armatur sollten denselben Typ (Lfd. Nr. 4) "
                                 "definiert haben."),
                       product);
      return false;
    }
  }
  if (technical.empty()) {
    reports.addError(
        10, FormatText(Translate("Fehler in den VDI-Daten der Armatur '1!%s'"), {modelNameOf(product)}),
        ComposeMessage({"Eine gewählte Ausführung (Satzart 800 mit Index 1!%i) dieses Modells hat keine technischen "
                        "Daten hinterlegt.",
                        "\n",
                        "Dieses Modell hat keine Technischen Daten der Satzart 700 hinterlegt (fehlen evtl. "
                        "komplett)\noder die TGA-Nummer hat an der entsprechenden Stelle einen falschen Index oder 0 "
                        "hinterlegt."},
                       {toInt(GetFieldView(product, vdifield::r800::kIndex))}),
        product);
    return false;
  }

  const CVDIBase* technicalData = technical.front();
  const CVDIDoc* document = GetDocument(product);
  // Records outside a loaded document (a tree built by other means) take the sheet from the
  // file header; such a variant cannot be converted, but the report says why.
  const int sheet = document != nullptr
                        ? document->GetSheet()
                        : toInt(GetFieldView(FindAncestorOfKind<VDIStruct_010>(product), vdifield::r010::kSheet));
  const ValveTypeInfo info = ClassifyValve(product, technicalData, sheet);
  hydArmatur* variant = model.Add(info.typeCode);
  if (variant == nullptr) {
    reports.addError(50, Translate("Fehler: Armaturtyp wird noch nicht unterstützt."),
                     Translate("Bitte wählen sie einen anderen Armaturtyp."), technicalData);
    return false;
  }

  bool converted = false;
  if (document != nullptr && FillCommonData(sheet, *variant, product, accessorySource)) {
    converted = ConvertTypeSpecific(*variant, *document, technicalData, info, wantedXp);
  }
  if (converted) return true;

  if (reports.empty()) {
    reports.addError(50, FormatText(Translate("Fehler in den VDI-Daten (Armatur '1!%s')"), {variant->getModelType()}),
                     Translate("Bitte prüfen sie die Technischen Daten (Satzart 700)."), technicalData);
  }
  model.removeArmatur(variant);
  return false;
}

bool FillCommonData(int sheet, hydArmatur& variant, const CVDIBase* product, const hydArmatur* accessorySource) {
  const CVDIBase* technicalData = GetTechnicalData(product);
  if (technicalData == nullptr) return false;
  const bool oldLayout = InOldLayout(product);
  const CVDIDoc* document = GetDocument(product);
  const bool date201601 = document != nullptr && document->GetDate() == kGuidelineDate201601;
  const ValveTypeInfo info = ClassifyValve(product, technicalData, sheet);
  const int technicalIndex = integerOf(technicalData, f700::kIndex, oldLayout);

  // The product's index identifies the variant in the file.
  variant.setRecordIndex(integerOf(product, vdifield::r800::kIndex, oldLayout));
  variant.setDimension(integerOf(technicalData, f700::kNominalSize, oldLayout));
  variant.setKvs(numberOf(technicalData, f700::kKvs, oldLayout));
  if (GetFieldViewInLayout(technicalData, f700::kMaxTemperature, oldLayout).empty()) {
    variant.setMaxTemperatur(hydArmatur::kKeineTemperatur);
  } else {
    variant.setMaxTemperatur(numberOf(technicalData, f700::kMaxTemperature, oldLayout));
  }
  variant.setMaxBetriebsdruck(numberOf(technicalData, f700::kMaxOperatingPressure, oldLayout));
  variant.setMaxDiffdruck(numberOf(
      technicalData, sheet == 17 ? f700::kMaxDiffPressureSheet17 : f700::kMaxDiffPressureSheet2, oldLayout));
  variant.setGroupType(info.kindCode);
  variant.setArmType(info.typeCode);

  if (oldLayout) {
    // The 1996 product record carries the order numbers itself; there is no EAN.
    variant.setArtikelNr(GetField(product, vdifield::r800::kOldArticleNumber, true));
    variant.setDATANORMNr(GetField(product, vdifield::r800::kOldDatanormNumber, true));
    variant.setStLBNr(GetField(product, vdifield::r800::kOldStlbNumber, true));
  } else if (product->GetChildCount() > 0) {
    const CVDIBase* order = product->GetChild(0);
    variant.setArtikelNr(GetField(order, vdifield::r810::kArticleNumber));
    variant.setDATANORMNr(GetField(order, vdifield::r810::kDatanormNumber));
    variant.setStLBNr(GetField(order, vdifield::r810::kStlbNumber));
    variant.setEANNr(GetField(order, vdifield::r810::kEanNumber));
  }

  if (sheet == 17 && date201601) {
    variant.setSchliessdruck_hPa(numberOf(technicalData, f700::kClosingPressure, oldLayout));
    variant.setZeta(numberOf(technicalData, f700::kZeta, oldLayout));
    if (GetFieldViewInLayout(technicalData, f700::kNominalSize, oldLayout).empty()) {
      variant.setDimension(integerOf(technicalData, f700::kNominalSizeAlternative, oldLayout));
      const std::string_view sizeText = GetFieldViewInLayout(technicalData, f700::kSizeText, oldLayout);
      if (!sizeText.empty()) variant.setDnText(std::string(sizeText));
    }
  }
  addExecutionDetails(variant, product, oldLayout);
  variant.appendZubehoer(accessorySource);

  if (variant.getDimension() < 1) {
    CMiniReportUtil::instance().addHint(
        45, variant.getHinweisText(),
        ComposeMessage({"Diese Armatur hat keine eigene Dimension hinterlegt. Bitte prüfen.\nSiehe Satzart 700 mit "
                        "Index 1!%d."},
                       {technicalIndex}),
        technicalData);
  }

  if (date201601) {
    if (integerOf(technicalData, f700::kLossByFunction, oldLayout) != 0) {
      skipVariant(variant, 1,
                  "Der Druckverlust dieser Armaturausführung soll über die mitgelieferte Funktion berechnet werden. "
                  "Dies wird bisher nicht unterstützt.\nSiehe Satzart 700 mit Index 1!%d.",
                  technicalIndex, technicalData);
      return false;
    }
    const bool drawOff = info.typeCode == 1704 || info.typeCode == 1705;
    if (!drawOff) {
      const bool byZeta = !GetFieldViewInLayout(technicalData, f700::kLossMode, oldLayout).empty() &&
                          integerOf(technicalData, f700::kLossMode, oldLayout) == 0;
      if (byZeta && numberOf(technicalData, f700::kZeta, oldLayout) <= 0.0) {
        skipVariant(variant, 5,
                    "Diese Armatur hat keinen Zeta-Wert hinterlegt. Bitte prüfen.\nSiehe Satzart 700 mit Index 1!%d.",
                    technicalIndex, technicalData);
        return false;
      }
      if (!byZeta && variant.getKvs() <= 0.0) {
        skipVariant(variant, 5,
                    "Diese Armatur hat keinen kvs-Wert hinterlegt. Bitte prüfen.\nSiehe Satzart 700 mit Index 1!%d.",
                    technicalIndex, technicalData);
        return false;
      }
    }
  }
  return true;
}

bool ConvertTypeSpecific(hydArmatur& variant, const CVDIDoc& document, const CVDIBase* technicalData,
                         const ValveTypeInfo& typeInfo, double wantedXp) {
  if (technicalData == nullptr) return false;
  ConversionContext ctx(variant, document, technicalData, typeInfo, wantedXp);
  switch (typeInfo.typeCode) {
    // Setting curve from 710.01.
    case 202:
    case 204:
    case 1702:
      return convertSettingCurve(ctx);
    // Thermostatic valve bodies, one-pipe connections (203 of kind 1: thermostatic radiator
    // valves with kvB/kvH and XP) and automatic throttles.
    case 201:
      return convertThermostatic(ctx);
    case 203:
      return ctx.type.thermostaticOfKind1() ? convertThermostatic(ctx) : convertOnePipe(ctx);
    case 1703:
      return convertThrottle(ctx);
    // Differential-pressure regulators (206, the overflow regulator, has no valve class and
    // is refused before it gets here), flow regulators, thermostatic valves with flow limitation.
    case 205:
    case 206:
    case 208:
    case 209:
    case 210:
      return convertController(ctx);
    case 207:
      return convertFlowRegulator(ctx);
    case 212:
      return convertCombinedThkv(ctx);
    // Fixed resistances and valves with actuator: the common data are all there is.
    case 211:
    case 213:
    case 1701:
      return convertFixedResistance(ctx);
    // Drinking-water fittings.
    case 1704:
    case 1705:
      return convertDrawOff(ctx);
    case 1706:
    case 1707:
      return convertSafetyFitting(ctx);
    case 1708:
      return convertPressureReducer(ctx);
    case 1709:
      return convertMeter(ctx);
    default:
      break;
  }
  ctx.reports.addError(
      100, Translate("Ein gewählter ArmaturTyp wird (noch) nicht unterstützt."),
      ComposeMessage({"Der Armaturtyp 1!%d (Blatt 2!%d, Typ-Nr. 3!%d der Satzart 700) wird von diesem Programm "
                      "(noch) nicht unterstützt.\nHandelt es sich um einen Standard-Armaturtyp nach VDI 3805, melden "
                      "sie dies bitte an die Support-Adresse des Programmherstellers."},
                     {typeInfo.typeCode, typeInfo.sheet, typeInfo.typeNumber}),
      technicalData);
  return false;
}

}  // namespace armakon
