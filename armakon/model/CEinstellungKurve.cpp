#include "armakon/model/CEinstellungKurve.h"

#include <algorithm>
#include <cmath>

#include "armakon/components/CHydrixInterpolation.h"
#include "armakon/components/TreeNode.h"
#include "armakon/model/LeafValueReader.h"
#include "armakon/model/hydArmaturDross.h"

namespace armakon::hydVDIArmaturen {

namespace {
// The whole-degree section of a function starts at 0 °C and ends below the lowest temperature
// of the curve; temperatures beyond this are no water temperatures, and the section stays
// bounded whatever a file holds.
constexpr double kMaxWholeDegrees = 1000.0;
// Thermal disinfection runs up to this water temperature (°C).
constexpr double kDesinfektionEnde = 75.0;
constexpr double kDesinfektionStart = 65.0;
}  // namespace

CEinstellungKurve::CEinstellungKurve(const CEinstellungKurve& other)
    : CKurve(other),
      m_Einstellung(other.m_Einstellung),
      m_KvDesinfektion(other.m_KvDesinfektion),
      m_Temperatur(other.m_Temperatur),
      m_Wert4(other.m_Wert4),
      m_Text(other.m_Text) {}

CEinstellungKurve& CEinstellungKurve::operator=(const CEinstellungKurve& other) {
  if (this != &other) {
    CKurve::operator=(other);
    m_Einstellung = other.m_Einstellung;
    m_KvDesinfektion = other.m_KvDesinfektion;
    m_Temperatur = other.m_Temperatur;
    m_Wert4 = other.m_Wert4;
    m_Text = other.m_Text;
  }
  return *this;
}

void CEinstellungKurve::removeData() {
  CKurve::removeData();
  m_Einstellung = 0.0;
}

bool CEinstellungKurve::write(CNode* node, bool asChild, const std::string& xName, const std::string& textName,
                              const std::string& yName, const std::string& x2Name,
                              const std::string& settingName) const {
  if (node == nullptr) return false;
  CNode* target = asChild ? node->AddChild("CK") : node;
  if (hasEinstellung()) {
    CLeaf* leaf = target->AddLeaf(settingName, std::string(), false);
    leaf->SetFirstValue(m_Einstellung, "%f");
    leaf->SetNextValue(m_KvDesinfektion, "%f");
    leaf->SetNextValue(m_Temperatur, "%f");
    leaf->SetNextValue(m_Wert4, "%f");
    leaf->SetNextValue(m_Text);
  }
  return CKurve::write(target, xName, textName, yName, x2Name);
}

bool CEinstellungKurve::read(const CNode* node, bool asChild, std::string_view xName, std::string_view textName,
                             std::string_view yName, std::string_view x2Name, std::string_view settingName) {
  if (node == nullptr) return false;
  const CNode* source = asChild ? node->FindChild("CK") : node;
  if (source == nullptr) return false;
  if (const CLeaf* leaf = source->FindLeaf(settingName)) {
    LeafValueReader values(leaf);
    values.next(m_Einstellung);
    values.next(m_KvDesinfektion);
    values.next(m_Temperatur);
    values.next(m_Wert4);
    values.next(m_Text);
  }
  // A setting without a readable curve is still a setting.
  CKurve::read(source, xName, textName, yName, x2Name);
  return true;
}

bool CEinstellungKurve::getFunktion(CHydrixInterpolation& out, bool withoutDisinfection) const {
  out.reset();
  // The nodes run up in temperature; the temporary table runs down.
  CHydrixInterpolation falling;
  for (auto node = nodes().rbegin(); node != nodes().rend(); ++node) {
    falling.Add(static_cast<double>(node->x), static_cast<double>(node->y));
  }
  if (falling.isEmpty()) return false;

  // Below the curve's lowest temperature the function continues in whole degrees from 0 °C,
  // the kv never above the kv at disinfection of the owning throttle.
  const double lowest = falling.lastX();
  if (lowest > 1.0) {
    double cap = 0.0;
    if (const auto* dross = dynamic_cast<const hydArmaturDross*>(getParent())) {
      cap = static_cast<double>(dross->getKvDesinfektion());
    }
    const int wholeDegrees = static_cast<int>(std::min(lowest, kMaxWholeDegrees));
    for (int t = 0; t < wholeDegrees; ++t) {
      double kv = falling.GetY(static_cast<double>(t), true);
      if (cap > 0.0 && kv > cap) kv = cap;
      out.Add(static_cast<double>(t), kv);
    }
  }
  for (int i = falling.getSize() - 1; i >= 0; --i) out.Add(falling.GetAtXArray(i), falling.GetAtYArray(i));

  if (withoutDisinfection) return true;
  appendFunktionThDesinf(out);
  return out.GetY(0.0, true) != CHydrixInterpolation::kNoValue;
}

void CEinstellungKurve::appendFunktionThDesinf(CHydrixInterpolation& table) const {
  double x[3];
  double y[3];
  const int count = getFunktionThDesinf(table.lastX(), table.lastY(), x, y);
  for (int i = 0; i < count; ++i) table.Add(x[i], y[i]);
}

int CEinstellungKurve::getFunktionThDesinf(double lastX, double lastY, double (&x)[3], double (&y)[3]) const {
  // With a kv at disinfection the function rises to it after the highest temperature (65 °C at
  // the earliest) and holds it up to 75 °C; without, it holds its last kv up to 75 °C.
  if (m_KvDesinfektion > 0.0) {
    const double start = std::max(lastX, kDesinfektionStart);
    x[0] = start + 1.0;
    y[0] = lastY;
    x[1] = start + 3.0;
    y[1] = m_KvDesinfektion;
    x[2] = kDesinfektionEnde;
    y[2] = m_KvDesinfektion;
    return 3;
  }
  if (!(lastX < kDesinfektionEnde)) return 0;
  x[0] = kDesinfektionEnde;
  y[0] = lastY;
  return 1;
}

double CEinstellungKurve::findTemperaturByKvWert(double kv) const {
  CHydrixInterpolation inverse;
  getTemperaturByKvTable(inverse);
  const double temperature = inverse.GetY(kv, false);
  return temperature == CHydrixInterpolation::kNoValue ? -1.0 : temperature;
}

void CEinstellungKurve::getTemperaturByKvTable(CHydrixInterpolation& inverse) const {
  inverse.reset();
  CHydrixInterpolation function;
  getFunktion(function, false);

  // From the setting's own temperature downwards the valve opens: kv rises as the water cools.
  // The inverse table takes that stretch up to the first point where kv stops rising.
  const int size = function.getSize();
  int start = -1;
  for (int i = 0; i < size; ++i) {
    if (function.GetAtXArray(i) >= m_Temperatur) {
      start = i;
      break;
    }
  }
  double previousKv = 0.0;
  for (int i = start; i >= 0; --i) {
    const double pointKv = function.GetAtYArray(i);
    if (i != start && !(pointKv > previousKv)) break;
    inverse.Add(pointKv, function.GetAtXArray(i));
    previousKv = pointKv;
  }
}

}  // namespace armakon::hydVDIArmaturen
