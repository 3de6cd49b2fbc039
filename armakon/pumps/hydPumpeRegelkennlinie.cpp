// Static curves of a pump and the control curves derived from its highest one.

#include <limits>

#include "armakon/pumps/hydPumpe.h"

namespace armakon {

hydPumpenKennlinie* hydPumpe::getStatischeKennlinie(int i) const {
  if (i < 0 || static_cast<std::size_t>(i) >= m_Kennlinien.size()) return nullptr;
  return m_Kennlinien[static_cast<std::size_t>(i)].get();
}

bool hydPumpe::getStatischeKennlinie(int i, CHydrixInterpolation& out) const {
  out.reset();
  const hydPumpenKennlinie* kennlinie = getStatischeKennlinie(i);
  if (kennlinie == nullptr) return false;
  out = kennlinie->getTable();
  return true;
}

hydPumpenKennlinie* hydPumpe::getStatischeKennlinieMax() const {
  // Starting at 0 means a pump whose curves all start at head 0 (or below) has no highest
  // curve; strict comparison keeps the earlier curve on equal heads.
  hydPumpenKennlinie* best = nullptr;
  double bestHead = 0.0;
  for (const auto& kennlinie : m_Kennlinien) {
    const double head = kennlinie->getNullForderHoehe();
    if (head > bestHead) {
      bestHead = head;
      best = kennlinie.get();
    }
  }
  return best;
}

hydPumpenKennlinie* hydPumpe::getStatischeKennlinieMin() const {
  hydPumpenKennlinie* best = nullptr;
  double bestHead = std::numeric_limits<double>::max();
  for (const auto& kennlinie : m_Kennlinien) {
    const double head = kennlinie->getNullForderHoehe();
    if (head < bestHead) {
      bestHead = head;
      best = kennlinie.get();
    }
  }
  return best;
}

bool hydPumpe::getRegelkennlinie(const double& sollDruck, const int& modus, CHydrixInterpolation& out) const {
  out.reset();
  const double hs = sollDruck;
  // dpMin/dpMax are in mbar, the setpoint in Pa.
  if (hs > m_DpMax * 100.0 || hs < m_DpMin * 100.0) return false;
  const hydPumpenKennlinie* maxKennlinie = getStatischeKennlinieMax();
  if (maxKennlinie == nullptr) return false;

  out = maxKennlinie->getTable();
  const int n = out.getSize();
  int last = -1;

  // Constant pressure: the highest curve cut off at the setpoint. A node above the setpoint
  // followed by another one above it is lowered to the setpoint; the node followed by one at
  // or below the setpoint moves onto the crossing, unless the crossing coincides with a node.
  // Step i changes node i only, so the head of node i + 1 read here is still the one the
  // next step starts with.
  double yNext = n > 0 ? out.GetAtYArray(0) : 0.0;
  for (int i = 0; i + 1 < n; ++i) {
    const double y = yNext;
    yNext = out.GetAtYArray(i + 1);
    if (!(y > hs)) continue;
    if (yNext <= hs) {
      const double x = out.GetAtXArray(i);
      const double xNext = out.GetAtXArray(i + 1);
      const double t = (hs - yNext) / (y - yNext);
      const double xq = xNext + (x - xNext) * t;
      const double yq = out.GetY(xq, false);
      if (x < xq && xq < xNext) {
        out.SetAtXArray(i, xq);
        out.SetAtYArray(i, yq);
      }
    } else {
      out.SetAtYArray(i, hs);
    }
    last = i;
  }

  const bool proportional = m_RegelungTyp == 2 || (m_RegelungTyp == 3 && modus != 0);
  if (!proportional || last < 0) return true;

  // Proportional pressure: from half the setpoint at zero flow up to the setpoint where the
  // cut curve reaches it; beyond that the static curve stays.
  CHydrixInterpolation line;
  line.Add(0.0, hs * 0.5);
  line.Add(out.GetAtXArray(last), hs);
  for (int j = 0; j <= last; ++j) {
    const double v = line.GetY(out.GetAtXArray(j), false);
    if (v != CHydrixInterpolation::kNoValue) out.SetAtYArray(j, v);
  }
  return true;
}

}  // namespace armakon
