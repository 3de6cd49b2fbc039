#pragma once
// hydPumpenSerie: a series of pumps of one manufacturer, found by its name.
//
// Einsatzbereich is the series' fields of application as a bit set (enEinsatzBereich.h);
// 0 means the series is offered for every field. The series owns its pumps, in file order,
// and keeps a plain pointer to its manufacturer.

#include <memory>
#include <string>
#include <vector>

#include "armakon/pumps/enEinsatzBereich.h"
#include "armakon/pumps/hydPumpe.h"

namespace armakon {

class hydPumpenHersteller;

class hydPumpenSerie {
 public:
  explicit hydPumpenSerie(hydPumpenHersteller* hersteller = nullptr);
  hydPumpenSerie(const hydPumpenSerie&) = delete;
  hydPumpenSerie& operator=(const hydPumpenSerie&) = delete;
  ~hydPumpenSerie();

  hydPumpenHersteller* getHersteller() const { return m_Hersteller; }

  const std::string& getName() const { return m_Name; }
  void setName(const std::string& name) { m_Name = name; }
  int getEinsatzBereich() const { return m_EinsatzBereich; }
  void setEinsatzBereich(int bereich) { m_EinsatzBereich = bereich; }
  // True when every bit of bereich is set in the series' Einsatzbereich (so 0 always is).
  bool bIsForEinsatzbereich(int bereich) const;

  int getSize() const;
  // Pump i; an index outside the array throws std::invalid_argument.
  hydPumpe* getAt(int i) const;
  const std::vector<std::unique_ptr<hydPumpe>>& getPumpen() const { return m_Pumpen; }
  // Appends a new pump with default data owned by this series and returns it.
  hydPumpe* addPumpe();

  // Deletes the pumps, and also empties the name and resets Einsatzbereich to 0.
  void removeAll();

 private:
  hydPumpenHersteller* m_Hersteller = nullptr;
  std::string m_Name;
  int m_EinsatzBereich = 0;
  std::vector<std::unique_ptr<hydPumpe>> m_Pumpen;
};

}  // namespace armakon
