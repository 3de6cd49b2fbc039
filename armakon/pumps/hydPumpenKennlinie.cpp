#include "armakon/pumps/hydPumpenKennlinie.h"

#include "armakon/components/FormatText.h"
#include "armakon/components/Translation.h"

namespace armakon {

hydPumpenKennlinie::hydPumpenKennlinie(hydPumpe* pumpe) : m_Pumpe(pumpe) {}

int hydPumpenKennlinie::getAnzWertePaare() const { return m_Table.getSize(); }

double hydPumpenKennlinie::getMinVolumenstrom() const { return m_Table.firstX(); }

double hydPumpenKennlinie::getMaxVolumenstrom() const { return m_Table.lastX(); }

double hydPumpenKennlinie::getNullForderHoehe() const { return m_Table.firstY(); }

bool hydPumpenKennlinie::getFunktion(CHydrixInterpolation& funktion) const {
  funktion = m_Table;
  return !funktion.isEmpty();
}

std::string hydPumpenKennlinie::getKennlinieName() const {
  if (m_Drehzahl >= 1) return FormatText("%d %s", m_Drehzahl, Translate("@Einheit@1/min"));
  return FormatText("%s %d", Translate("Nr."), m_Nummer);
}

bool hydPumpenKennlinie::bIsKennlinieOk() const {
  // Comparisons are written so that a NaN read from a damaged file fails them.
  if (!(m_Table.firstX() >= 0.0) || !(m_Table.lastX() >= 0.0) || !(m_Table.lastY() >= 0.0)) return false;
  const int n = m_Table.getSize();
  for (int i = 0; i + 1 < n; ++i) {
    const double x = m_Table.GetAtXArray(i);
    const double y = m_Table.GetAtYArray(i);
    if (!(x < m_Table.GetAtXArray(i + 1))) return false;
    if (!(y >= 0.0)) return false;
    // A (0, 0) pair inside the curve is the filler row of the editor, never a measured point;
    // only the last pair may reach head 0 (the curve's end on the flow axis).
    if (x == 0.0 && y == 0.0) return false;
  }
  return true;
}

}  // namespace armakon
