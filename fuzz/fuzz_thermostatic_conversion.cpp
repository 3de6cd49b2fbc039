// Converts arbitrary setting records (710.01) of a thermostatic valve body (201), a thermostatic
// radiator valve of kind 1 (203 with XP), a one-pipe connection (203) or an automatic throttle
// (1703). The first input byte chooses the valve, the wanted XP and the answer to the XP
// question; the remaining lines are placed below one technical-data record (700) of a fixed
// file head. Checks what the sizing relies on in every variant that is created.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "armakon/components/hydStrUtil.h"
#include "armakon/model/hydArmaturEAV.h"
#include "armakon/model/hydArmaturTHKV.h"
#include "armakon/model/hydArmaturThermoDross.h"
#include "armakon/model/hydArmaturenModell.h"
#include "armakon/platform/CurrentPlatform.h"
#include "armakon/platform/ScriptedPlatform.h"
#include "armakon/vdi3805/CMiniReportUtil.h"
#include "armakon/vdi3805/CVDIDoc.h"
#include "armakon/vdi3805/ValveConversion.h"

namespace {

using namespace armakon;
using namespace armakon::hydVDIArmaturen;

void check(bool condition) {
  if (!condition) std::abort();
}

struct Head {
  int sheet;
  int kind;
  std::string technical;
};

const Head kHeads[] = {
    {2, 2, "700;1;;1;15;0.6;120;10;0.6;;;;1;Stufe"},
    {2, 1, "700;1;;1;15;0.9;120;10;0.6;;;;1;Stufe"},
    {2, 1, "700;1;;3;15;1.5;120;10;1.0;;;;1;Stufe"},
    {17, 2, "700;1;;3;15;1.2;90;10;60;50;1.0;;1;;;Stufe;;;;;;;;;;;;;;;;;;;;;;;1;;0"},
};

void checkVariant(const hydArmatur& variant) {
  if (const auto* body = dynamic_cast<const hydArmaturTHKV*>(&variant)) {
    const auto& nodes = body->getKvKurve().nodes();
    check(!nodes.empty());
    for (std::size_t i = 1; i < nodes.size(); ++i) check(nodes[i].y <= nodes[i - 1].y + 1e-5f);
  } else if (const auto* onePipe = dynamic_cast<const hydArmaturEAV*>(&variant)) {
    const auto& nodes = onePipe->getKurve14().nodes();
    check(nodes.size() >= 1);
    for (std::size_t i = 1; i < nodes.size(); ++i) {
      check(nodes[i].y1 >= nodes[i - 1].y1 - 1e-5f);
      check(nodes[i].y2 <= nodes[i - 1].y2 + 1e-5f);
    }
  } else if (const auto* throttle = dynamic_cast<const hydArmaturThermoDross*>(&variant)) {
    check(throttle->getCount() >= 1);
    for (int c = 0; c < throttle->getCount(); ++c) {
      const auto& nodes = throttle->getKurveAt(c).nodes();
      check(nodes.size() >= 2);
      for (std::size_t i = 1; i < nodes.size(); ++i) check(nodes[i].x >= nodes[i - 1].x || std::isnan(nodes[i].x));
    }
    throttle->getKvmin();
    throttle->getKvmax();
  } else {
    check(false);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::uint8_t options = data[0];
  const Head& head = kHeads[options & 3];
  const double wantedXp = static_cast<double>((options >> 2) & 7) * 0.5;
  const Answer answer = (options >> 5) % 3 == 0 ? Answer::Yes : (options >> 5) % 3 == 1 ? Answer::No : Answer::Cancel;

  StringList records;
  if (!hydStrUtil::readStringlistFromString(
          records, std::string_view(reinterpret_cast<const char*>(data + 1), size - 1), kCodePage1252, 0)) {
    return 0;
  }
  StringList lines = {head.sheet == 2 ? "010;2;201103;Fuzz;;;" : "010;17;201601;Fuzz;;;",
                      "100;" + std::to_string(head.kind) + ";;Art", "110;1;;Modell;", head.technical};
  for (std::string& line : records) lines.push_back(std::move(line));
  lines.push_back("800;1;" + std::string(head.kind == 1 ? "001" : "002") + "001" + std::string(39, '0') +
                  "00001000;Produkt;");
  lines.push_back("810;1;A-1;;;");

  CVDIDoc document;
  document.LoadLines(std::move(lines), "fuzz.VDI", false, 0);
  if (document.IsParsed()) {
    ScriptedPlatform script;
    ScopedPlatform installed(script);
    script.queueAnswer(answer);
    std::vector<const CVDIBase*> products;
    CollectRecords(&document, 80000, products);
    hydArmaturenModell model;
    const int created = BuildModel(model, products, std::vector<double>(products.size(), wantedXp),
                                   std::vector<const hydArmatur*>(products.size(), nullptr));
    check(created == model.getSize());
    for (int i = 0; i < model.getSize(); ++i) checkVariant(*model.getArmaturAt(i));
    check(script.calls().size() <= products.size());
  }
  CMiniReportUtil::instance().clear();
  return 0;
}
