#pragma once
// ArmaturenModell: one entry of a valve container: a valve model together with the entry's
// id, list membership (global preselection or local assignment), valve kind and group name.
//
// The entry holds the valve model by value; its variants, in stored order, are the
// candidates of every look-up. An entry's text form is one header line
//   key;reserved;global;id;kind;group
// a bare line feed and the valve model's tree text (see TreeFile.h). The key marks the
// entries of one host; reading accepts only entries written with the same key.

#include <memory>
#include <span>
#include <string>
#include <vector>

#include "armakon/containers/enArmaturenTyp.h"
#include "armakon/model/en700ArmaturTyp.h"
#include "armakon/model/hydArmatur.h"
#include "armakon/model/hydArmaturenModell.h"

namespace armakon {

// Candidate variants of a search (not owned).
using ArmaturArray = std::vector<const hydVDIArmaturen::hydArmatur*>;
// VDI 3805 type codes that a valve selection offers.
using en700ArmaturTypListe = std::vector<hydVDIArmaturen::en700ArmaturTyp>;

class ArmaturenModell {
 public:
  ArmaturenModell();
  // Copies id, reserved value, global flag, kind and group name, and assigns the valve model
  // with the model's own assignment (typed copies of the variants, without the version: a
  // copy's model has version 0, an assigned one keeps the version it had).
  ArmaturenModell(const ArmaturenModell& other);
  ArmaturenModell& operator=(const ArmaturenModell& other);
  ~ArmaturenModell();

  // True when the valve model has no variants.
  bool bIsEmpty() const;

  // findNearestArmaturEx over the entry's own variants.
  const hydVDIArmaturen::hydArmatur* findNearestArmatur(const int& dimension) const;
  // Null for no variants; otherwise the first variant, in array order, whose dimension is at
  // least the wanted one, and the last variant when none is. Dimension 0 gives the first.
  static const hydVDIArmaturen::hydArmatur* findNearestArmaturEx(
      std::span<const hydVDIArmaturen::hydArmatur* const> variants, const int& dimension);
  static const hydVDIArmaturen::hydArmatur* findNearestArmaturEx(
      const std::vector<std::unique_ptr<hydVDIArmaturen::hydArmatur>>& variants, const int& dimension);

  // Appends the VDI 3805 type codes of the entry's kind (RnArmaturContainer::mapTo_VDI3805).
  void getFilter_VDI3805(en700ArmaturTypListe& list, int extended) const;

  // Same kind, manufacturer, model type and execution text; with shallow false the two text
  // forms (writeToStringEx) must be identical too.
  bool isEqualTo(const ArmaturenModell& other, bool shallow) const;

  // Replaces out by the header line, a line feed and the model's tree text.
  bool writeToString(std::string& out, const std::string& key) const;
  // Appends the model's tree text (trimmed) to out.
  bool writeToStringEx(std::string& out) const;
  // Reads a text made by writeToString. False without change when the first header field is
  // not key; the header values stay set when the model text then fails to read.
  bool readFromString(const std::string& text, const std::string& key);

  // --- fields ---
  int getId() const { return m_Id; }
  void setId(int id) { m_Id = id; }
  // Kept and persisted for the host; nothing in the library interprets it.
  int getReserved() const { return m_Reserved; }
  void setReserved(int value) { m_Reserved = value; }
  // Non-zero: the entry belongs to the global list.
  int getGlobal() const { return m_Global; }
  bool bIsGlobal() const { return m_Global != 0; }
  void setGlobal(int global) { m_Global = global; }
  enArmaturenTyp getTyp() const { return m_Typ; }
  void setTyp(enArmaturenTyp kind) { m_Typ = kind; }
  const std::string& getGruppe() const { return m_Gruppe; }
  void setGruppe(const std::string& group) { m_Gruppe = group; }
  const hydVDIArmaturen::hydArmaturenModell& getModell() const { return m_Modell; }
  hydVDIArmaturen::hydArmaturenModell& getModell() { return m_Modell; }

 private:
  int m_Id = 0;
  int m_Reserved = 1;
  int m_Global = 0;
  enArmaturenTyp m_Typ = ARMATURENTYP_KEIN;
  std::string m_Gruppe;
  hydVDIArmaturen::hydArmaturenModell m_Modell;
};

}  // namespace armakon
