#pragma once
// hydPumpenKennlinie: one static characteristic curve of a pump.
//
// The table holds the value pairs in model units: x = volume flow in m³/s, y = head in Pa,
// in ascending x. A curve is either drawn at a known speed (drehzahl >= 1, in 1/min) or
// only numbered (the stage of a multi-stage pump); its display name follows from that.
// The curve keeps a plain pointer to the pump that owns it; a copy keeps the same pointer, so
// whoever hands a copy to another pump sets the new owner.

#include <string>

#include "armakon/components/CHydrixInterpolation.h"

namespace armakon {

class hydPumpe;

class hydPumpenKennlinie {
 public:
  explicit hydPumpenKennlinie(hydPumpe* pumpe = nullptr);
  hydPumpenKennlinie(const hydPumpenKennlinie& other) = default;
  hydPumpenKennlinie& operator=(const hydPumpenKennlinie& other) = default;
  ~hydPumpenKennlinie() = default;

  hydPumpe* getPumpe() const { return m_Pumpe; }
  void setPumpe(hydPumpe* pumpe) { m_Pumpe = pumpe; }

  int getDrehzahl() const { return m_Drehzahl; }
  void setDrehzahl(int drehzahl) { m_Drehzahl = drehzahl; }
  int getNummer() const { return m_Nummer; }
  void setNummer(int nummer) { m_Nummer = nummer; }

  // The value pairs (m³/s, Pa); the pump editor changes them in place.
  const CHydrixInterpolation& getTable() const { return m_Table; }
  CHydrixInterpolation& getTable() { return m_Table; }
  void setTable(const CHydrixInterpolation& table) { m_Table = table; }

  int getAnzWertePaare() const;
  // Flow of the first / last pair in m³/s (0 for an empty curve).
  double getMinVolumenstrom() const;
  double getMaxVolumenstrom() const;
  // Head of the first pair in Pa: the head at zero flow when the curve starts at flow 0.
  double getNullForderHoehe() const;
  // Copies the table into funktion; true when the curve has pairs.
  bool getFunktion(CHydrixInterpolation& funktion) const;

  // "2900 1/min" with a speed of 1 or more, else "Nr. 3" (both translated).
  std::string getKennlinieName() const;

  // Plausibility of the pairs: non-negative flows and heads, strictly ascending flows, and no
  // (0, 0) pair before the last one.
  bool bIsKennlinieOk() const;

  // --- pump-file text form (defined with the pump file) ---
  // Flow text in l/h and head text in mbar, one "%g" field per pair, each followed by ";".
  void writeToString(std::string& volText, std::string& dppText) const;
  // Replaces the table by the pairs of the two texts (l/h, mbar); reading stops at the first
  // pair whose two values are both <= 0. True when at least one pair was read.
  bool readFromString(const std::string& volText, const std::string& dppText);
  // Field index + 1 of each text, in file units (l/h, mbar); a missing field reads as 0.
  // False only when both values are <= 0.
  static bool getWertePaarEx(int index, const std::string& volText, const std::string& dppText,
                             double& volumenstrom, double& druck);

 private:
  hydPumpe* m_Pumpe = nullptr;
  CHydrixInterpolation m_Table;
  int m_Drehzahl = -1;
  int m_Nummer = -1;
};

}  // namespace armakon
