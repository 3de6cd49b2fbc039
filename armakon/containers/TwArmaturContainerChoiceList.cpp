// The drinking-water container's choice lists: the kvs values of a model's variants and the
// settings (presettings or regulator temperatures) of the record's variant.

#include "armakon/containers/TwArmaturContainerChoiceList.h"

#include <cmath>
#include <cstdint>
#include <stdexcept>

#include "armakon/components/NumberText.h"
#include "armakon/components/Translation.h"
#include "armakon/containers/TwArmaturContainer.h"
#include "armakon/containers/TwArmaturContainerCandidates.h"
#include "armakon/model/IndexCheck.h"
#include "armakon/model/en700ArmaturTyp.h"
#include "armakon/model/hydArmaturDross.h"
#include "armakon/model/hydArmaturThermoDross.h"

namespace armakon {

using hydVDIArmaturen::CKurve;
using hydVDIArmaturen::curveNode;
using hydVDIArmaturen::hydArmatur;
using hydVDIArmaturen::hydArmaturDross;
using hydVDIArmaturen::hydArmaturThermoDross;
using twsizing::asTyped;

// ---------------------------------------------------------------------------------------
// SimpleHostDoubleList

void SimpleHostDoubleList::resetContent() {
  m_Items.clear();
  m_CurSel = -1;
}

int SimpleHostDoubleList::addItem(const std::string& text, std::unique_ptr<double> data) {
  m_Items.push_back(Item{text, std::move(data)});
  return getCount() - 1;
}

void SimpleHostDoubleList::setCurSel(int index) {
  if (index < -1 || index >= getCount()) throw std::invalid_argument("SimpleHostDoubleList::setCurSel: index out of range");
  m_CurSel = index;
}

int SimpleHostDoubleList::getCount() const { return hydVDIArmaturen::sizeAsInt(m_Items.size()); }

const SimpleHostDoubleList::Item& SimpleHostDoubleList::itemAt(int index) const {
  return m_Items[hydVDIArmaturen::checkedIndex(index, m_Items.size(), "SimpleHostDoubleList: index out of range")];
}

const std::string& SimpleHostDoubleList::getText(int index) const { return itemAt(index).text; }

const double* SimpleHostDoubleList::getItemData(int index) const { return itemAt(index).data.get(); }

// ---------------------------------------------------------------------------------------
// Filling the lists

namespace {

// The kvs as a whole number (truncated); a value beyond the datum's range is clamped, and a
// value that is no number gives 0.
std::int64_t truncatedKvs(double kvs) {
  if (std::isnan(kvs)) return 0;
  constexpr double kLimit = 9.2e18;  // below the int64 range, and exact as a double
  if (kvs >= kLimit) return static_cast<std::int64_t>(kLimit);
  if (kvs <= -kLimit) return -static_cast<std::int64_t>(kLimit);
  return static_cast<std::int64_t>(kvs);
}

// One node of a manual throttle: its setting and its kv, "2.0 (kv=0.450m³/h)".
std::string presettingText(const curveNode& node) {
  return formatC("%.1f (", static_cast<double>(node.x)) + Translate("@kv-Wert@kv") + "=" +
         formatC("%.3f", static_cast<double>(node.y)) + TranslateUnits("m³/h") + ")";
}

void fillPresettings(HostDoubleList& combo, const hydArmaturDross& throttle, int settingIndex) {
  const CKurve& curve = throttle.getKurve();
  const int count = curve.getCount();
  // A record whose setting lies outside the curve has nothing to compare with: no list.
  if (count < 2 || settingIndex < 0 || settingIndex >= count) return;
  const float reference = curve.getAt(settingIndex).x;
  int selection = -1;
  for (int i = count - 1; i >= 0; --i) {
    const curveNode& node = curve.getAt(i);
    const int item = combo.addItem(presettingText(node), std::make_unique<double>(node.y));
    if (selection < 0 && node.x >= reference) selection = item;
  }
  if (selection >= 0) combo.setCurSel(selection);
}

void fillRegulatorTemperatures(HostDoubleList& combo, const hydArmaturThermoDross& throttle, double temperature) {
  if (throttle.getCount() < 1) return;
  const double tMax = throttle.getKurveAt(0).getTemperatur();
  const double tMin = throttle.getKurveAt(throttle.getCount() - 1).getTemperatur();
  if (tMax < tMin) return;
  const std::string unit = TranslateUnits("°C");
  int selection = -1;
  // Each temperature is computed from the start, so no rounding error accumulates.
  for (int k = 0; k < TwArmaturContainer::kMaxTemperaturItems; ++k) {
    const double t = tMin + k * 0.5;
    if (!(t <= tMax)) break;
    const int item = combo.addItem(formatC("%.1f ", t) + unit, std::make_unique<double>(t));
    if (selection < 0 && t >= temperature) selection = item;
  }
  if (selection >= 0) combo.setCurSel(selection);
}

}  // namespace

void TwArmaturContainer::fillKvWertCombo(HostList& combo, const ARMATUR& record, double kv) const {
  combo.resetContent();
  const ArmaturenModell& entry = getArmaturenModell(record);
  const std::string unit = TranslateUnits("m³/h");
  int selection = -1;
  for (const auto& variant : entry.getModell().getArmaturen()) {
    const double kvs = variant->getKvs();
    const int item = combo.addItem(formatC("%g ", kvs) + unit, truncatedKvs(kvs));
    if (selection < 0 && kvs >= kv) selection = item;
  }
  if (selection >= 0) combo.setCurSel(selection);
}

void TwArmaturContainer::fillEinstellungsCombo(HostDoubleList& combo, const ARMATUR& record,
                                               double temperature) const {
  combo.resetContent();
  if (getArmaturenModell(record).bIsEmpty()) return;
  const hydArmatur* variant = getArmatur(record);
  if (variant == nullptr) return;
  // The valve type decides; the class test guards against a type code that does not match the
  // variant's class in hand-made data.
  switch (variant->getArmType()) {
    case hydVDIArmaturen::ARMTYP_DROSSEL_MANUELL:
      if (const auto* throttle = asTyped<hydArmaturDross>(*variant)) {
        fillPresettings(combo, *throttle, record.einstellung);
      }
      break;
    case hydVDIArmaturen::ARMTYP_DROSSEL_AUTOMATISCH:
      if (const auto* throttle = asTyped<hydArmaturThermoDross>(*variant)) {
        fillRegulatorTemperatures(combo, *throttle, temperature);
      }
      break;
    default:
      break;
  }
}

}  // namespace armakon
