// armakon show: prints a readable summary of a valve-model file (*.vam).

#include <cstdio>
#include <memory>
#include <string>

#include "armakon/components/NumberText.h"
#include "armakon/model/hydArmaturDDR.h"
#include "armakon/model/hydArmaturDDRDFR.h"
#include "armakon/model/hydArmaturDFR.h"
#include "armakon/model/hydArmaturDross.h"
#include "armakon/model/hydArmaturDruckminderer.h"
#include "armakon/model/hydArmaturEA.h"
#include "armakon/model/hydArmaturEAV.h"
#include "armakon/model/hydArmaturSicherung.h"
#include "armakon/model/hydArmaturTHKV.h"
#include "armakon/model/hydArmaturTHKVDFR.h"
#include "armakon/model/hydArmaturThermoDross.h"
#include "armakon/model/hydArmaturZaehler.h"
#include "armakon/model/hydArmaturenModell.h"
#include "tools/armakon/Commands.h"
#include "tools/armakon/ToolMessages.h"

namespace armakon::tool {

namespace {

using namespace armakon::hydVDIArmaturen;

std::string num(double value) { return formatC("%g", value); }

// Loads the file; false after a one-line error on stderr.
bool loadModelFile(hydArmaturenModell& model, const std::string& path) {
  std::string reason = inputProblem(path);
  if (reason.empty() && !model.loadVAMFile(path)) reason = "not a readable valve-model file";
  if (reason.empty()) return true;
  fail(path + ": " + reason);
  return false;
}

std::string field(const std::string& label, const std::string& value, int indent) {
  std::string line(static_cast<std::size_t>(indent), ' ');
  line += label + ":";
  if (line.size() < 24) line.append(24 - line.size(), ' ');
  else line += ' ';
  return line + value + "\n";
}

std::string units(std::initializer_list<std::pair<const char*, std::string>> parts) {
  std::string out;
  for (const auto& [axis, unit] : parts) {
    if (!out.empty()) out += ", ";
    out += std::string(axis) + " [" + unit + "]";
  }
  return out;
}

// One curve: a title line with the units, then one line per node.
void appendCurve(std::string& out, const std::string& title, const CKurve& curve) {
  std::string axes = units({{"x", curve.getEinheitx()}, {"y", curve.getEinheity()}});
  if (!curve.getEinheitx2().empty()) axes += ", " + units({{"x2", curve.getEinheitx2()}});
  out += "  " + title + ": " + std::to_string(curve.getCount()) + " nodes; " + axes + "\n";
  for (const curveNode& node : curve.nodes()) {
    out += "    x " + num(node.x) + "  y " + num(node.y);
    if (node.x2 != 0.0f) out += "  x2 " + num(node.x2);
    if (!node.text.empty()) out += "  \"" + node.text + "\"";
    out += "\n";
  }
}

void appendCurve14(std::string& out, const std::string& title, const CKurve14& curve) {
  out += "  " + title + ": " + std::to_string(curve.getCount()) + " nodes; " +
         units({{"x", curve.getEinheitx()},
                {"y1", curve.getEinheity1()},
                {"y2", curve.getEinheity2()},
                {"y3", curve.getEinheity3()},
                {"y4", curve.getEinheity4()}}) +
         "\n";
  for (const curveNode14& node : curve.nodes()) {
    out += "    x " + num(node.x) + "  y1 " + num(node.y1) + "  y2 " + num(node.y2) + "  y3 " + num(node.y3) +
           "  y4 " + num(node.y4);
    if (!node.text.empty()) out += "  \"" + node.text + "\"";
    out += "\n";
  }
}

void appendSettingCurve(std::string& out, const std::string& title, const CEinstellungKurve& curve) {
  std::string setting = curve.hasEinstellung() ? num(curve.getEinstellung()) : std::string("none");
  out += field(title, "temperature " + num(curve.getTemperatur()) + " °C, setting " + setting +
                          ", kv at disinfection " + num(curve.getKvDesinfektion()) +
                          (curve.getText().empty() ? std::string() : ", \"" + curve.getText() + "\""),
               2);
  appendCurve(out, "  nodes", curve);
}

void appendDDR(std::string& out, const hydArmaturDDR& ddr) {
  out += field("set pressure range", num(ddr.getDpSollMin()) + " .. " + num(ddr.getDpSollMax()), 2);
  appendCurve(out, "differential-pressure curve", ddr.getKennlinieDp());
  appendCurve(out, "kv-to-deviation curve", ddr.getKennlinieKvzuPAbw());
  appendCurve(out, "maximum-flow curve", ddr.getKennlinieMaxVolStrom());
}

void appendDFR(std::string& out, const hydArmaturDFR& dfr) {
  out += field("Wirkdruck", num(dfr.getWirkdruck()), 2);
  appendCurve(out, "flow curve", dfr.getKurve());
}

void appendDross(std::string& out, const hydArmaturDross& dross) {
  out += field("setting unit", dross.getEinheitEinst(), 2);
  out += field("kv at disinfection", num(dross.getKvDesinfektion()), 2);
  out += field("Dpmin .. Dpmax", num(dross.getDpmin()) + " .. " + num(dross.getDpmax()), 2);
  appendCurve(out, "kv curve", dross.getKurve());
}

// The typed data of a variant, by its class.
void appendTypedPart(std::string& out, const hydArmatur& variant) {
  if (const auto* ddrdfr = dynamic_cast<const hydArmaturDDRDFR*>(&variant)) {
    appendDDR(out, *ddrdfr);
    appendDFR(out, ddrdfr->getDFRAnteil());
  } else if (const auto* ddr = dynamic_cast<const hydArmaturDDR*>(&variant)) {
    appendDDR(out, *ddr);
  } else if (const auto* dfr = dynamic_cast<const hydArmaturDFR*>(&variant)) {
    appendDFR(out, *dfr);
  } else if (const auto* thkv = dynamic_cast<const hydArmaturTHKV*>(&variant)) {
    out += field("Xp", num(thkv->getXp()), 2);
    appendSettingCurve(out, "kv curve", thkv->getKvKurve());
  } else if (const auto* thkvdfr = dynamic_cast<const hydArmaturTHKVDFR*>(&variant)) {
    out += field("Xp", num(thkvdfr->getXp()), 2);
    appendCurve14(out, "setting curve", thkvdfr->getKurve14());
  } else if (const auto* thermo = dynamic_cast<const hydArmaturThermoDross*>(&variant)) {
    appendDross(out, *thermo);
    out += field("regulator temperatures", num(thermo->getReglerTempMin()) + " .. " +
                                               num(thermo->getReglerTempMax()) + " °C",
                 2);
    for (int i = 0; i < thermo->getCount(); ++i) {
      appendSettingCurve(out, "setting curve " + std::to_string(i + 1), thermo->getKurveAt(i));
    }
  } else if (const auto* dross = dynamic_cast<const hydArmaturDross*>(&variant)) {
    appendDross(out, *dross);
  } else if (const auto* eav = dynamic_cast<const hydArmaturEAV*>(&variant)) {
    out += field("Xp", num(eav->getXp()) + (eav->hasTHKV() ? " (thermostatic)" : ""), 2);
    appendCurve14(out, "setting curve", eav->getKurve14());
  } else if (const auto* ea = dynamic_cast<const hydArmaturEA*>(&variant)) {
    std::string values;
    for (int i = 0; i < hydArmaturEA::kFloatCount; ++i) values += (i ? " " : "") + num(ea->getWert(i));
    std::string bytes;
    for (int i = 0; i < hydArmaturEA::kByteCount; ++i) bytes += (i ? " " : "") + std::to_string(ea->getByte(i));
    out += field("setting unit", ea->getEinheitEinst(), 2);
    out += field("values", values, 2);
    out += field("flags", bytes, 2);
    appendCurve(out, "flow curve", ea->getKurve());
  } else if (const auto* safety = dynamic_cast<const hydArmaturSicherung*>(&variant)) {
    std::string values;
    for (int i = 0; i < hydArmaturSicherung::kFloatCount; ++i) values += (i ? " " : "") + num(safety->getWert(i));
    out += field("setting unit", safety->getEinheitEinst(), 2);
    out += field("values", values + ", flag " + std::to_string(safety->getByteWert()), 2);
    out += field("opening pressure", num(safety->getOefnDp()), 2);
    appendCurve(out, "characteristic curve", safety->getKurve());
  } else if (const auto* reducer = dynamic_cast<const hydArmaturDruckminderer*>(&variant)) {
    out += field("setting unit", reducer->getEinheitEinst(), 2);
    out += field("outlet pressure range", num(reducer->getDpOutMin()) + " .. " + num(reducer->getDpOutMax()), 2);
    appendCurve(out, "outlet-pressure curve", reducer->getKurve());
  } else if (const auto* meter = dynamic_cast<const hydArmaturZaehler*>(&variant)) {
    out += field("Qn / Qmin / Qmax", num(meter->getQn()) + " / " + num(meter->getQmin()) + " / " + num(meter->getQmax()), 2);
    out += field("use", meter->getEinsatzbereichText(), 2);
    out += field("mounting", meter->getEinbaulageText(), 2);
    out += field("device", meter->getGerätetypText(), 2);
    out += field("housing", meter->getGehäuseartText(), 2);
    for (int i = 0; i < hydArmaturZaehler::kTextCount; ++i) {
      if (!meter->getText(i).empty()) out += field("text " + std::to_string(i + 1), meter->getText(i), 2);
    }
  } else if (!variant.getKurve().bIsEmpty()) {
    appendCurve(out, "curve", variant.getKurve());
  }
}

std::string describeVariant(const hydArmatur& variant, int number) {
  std::string out = "Variant " + std::to_string(number) + ": " + std::string(variant.GetRuntimeClass()->className()) +
                    " (type " + std::to_string(variant.getArmType()) + ")\n";
  out += field("DN", variant.getDnText() + " " + std::to_string(variant.getDimension()), 2);
  out += field("article number", variant.getArtikelNr(), 2);
  if (!variant.getEANNr().empty()) out += field("EAN", variant.getEANNr(), 2);
  out += field("kvs", num(variant.getKvs()) + " m³/h", 2);
  if (variant.getKvmin() >= 0.0) out += field("kv range", num(variant.getKvmin()) + " .. " + num(variant.getKvmax()), 2);
  std::string limits = "Tmax " + (variant.getMaxTemperatur() <= hydArmatur::kKeineTemperatur
                                      ? std::string("none")
                                      : num(variant.getMaxTemperatur()) + " °C");
  limits += ", pmax " + num(variant.getMaxBetriebsdruck()) + ", dpmax " + num(variant.getMaxDiffdruck());
  out += field("limits", limits, 2);
  out += field("execution", variant.getAusfuehrung(", "), 2);
  for (const hydArmAnschluss& connection : variant.getAnschlussKeys()) {
    out += field("connection", connection.key + " (side " + std::to_string(connection.side) + ") " + connection.text, 2);
  }
  for (const hydArmaturZubehoer& accessory : variant.getZubehoer()) {
    out += field("accessory", accessory.getText1() + " / " + accessory.getText2() + " x " + num(accessory.getMenge()), 2);
  }
  appendTypedPart(out, variant);
  return out;
}

std::string describeModel(const hydArmaturenModell& model) {
  std::string out;
  out += field("manufacturer", model.getManufacturer(), 0);
  out += field("model", model.getModelType(), 0);
  out += field("type", std::to_string(model.getHydArmType()) + " " + model.getHydArmTypeStr(), 0);
  out += field("catalog id", model.getHydCatID(), 0);
  out += field("guideline date", std::to_string(model.getRLDatum()), 0);
  out += field("variants", std::to_string(model.getSize()), 0);
  for (int i = 0; i < model.getSize(); ++i) out += "\n" + describeVariant(*model.getArmaturAt(i), i + 1);
  return out;
}

}  // namespace

void addShowCommand(CLI::App& app, Action& action) {
  auto path = std::make_shared<std::string>();
  CLI::App* command = app.add_subcommand(
      "show",
      "Print a valve-model file (*.vam): manufacturer, model, type, catalog id and guideline\n"
      "date, then every variant with its data, limits, execution and curves.");
  command->add_option("MODEL", *path, "The valve-model file")->required();
  command->footer("Exit status: 0 after printing, 2 when the file cannot be read or holds no valve model.\n"
                  "Example: armakon show data/samples/models/thermostatic.vam");
  command->callback([&action, path] {
    action = [path] {
      hydArmaturenModell model;
      if (!loadModelFile(model, *path)) return 2;
      std::fputs(describeModel(model).c_str(), stdout);
      return 0;
    };
  });
}

}  // namespace armakon::tool
