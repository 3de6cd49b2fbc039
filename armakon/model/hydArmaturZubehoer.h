#pragma once
// hydArmaturZubehoer: one accessory of a valve variant, stored as the tree leaf "Zubehoer".
//
// The import decides what each field receives; this class only stores, copies and persists
// them. A default accessory is a cleared one: empty texts, all numbers and flags 0.

#include <string>

#include "armakon/model/hydArmaturObject.h"

namespace armakon::hydVDIArmaturen {

class hydArmaturZubehoer : public hydArmaturObject {
  ARMAKON_RUNTIME_CLASS(hydArmaturZubehoer, hydArmaturObject)

 public:
  hydArmaturZubehoer() = default;
  hydArmaturZubehoer(const hydArmaturZubehoer&) = default;
  hydArmaturZubehoer& operator=(const hydArmaturZubehoer&) = default;
  ~hydArmaturZubehoer() override = default;

  using hydArmaturObject::read;
  using hydArmaturObject::write;
  // True only for a leaf named "Zubehoer"; reads the nine values in the written order.
  virtual bool read(const ::armakon::CLeaf* leaf);
  // Names an unnamed leaf "Zubehoer" and writes the nine values; false for a null leaf.
  virtual bool write(::armakon::CLeaf* leaf) const;
  // Empties both texts and sets every number and flag to 0.
  virtual void clear();

  int getRefNr() const { return m_RefNr; }
  void setRefNr(int value) { m_RefNr = value; }
  // The VDI record type x 100 (16001 for record 160.01).
  int getSatzart() const { return m_Satzart; }
  void setSatzart(int value) { m_Satzart = value; }
  int getSatzIndex() const { return m_SatzIndex; }
  void setSatzIndex(int value) { m_SatzIndex = value; }
  const std::string& getText1() const { return m_Text1; }
  void setText1(const std::string& value) { m_Text1 = value; }
  const std::string& getText2() const { return m_Text2; }
  void setText2(const std::string& value) { m_Text2 = value; }
  float getMenge() const { return m_Menge; }
  void setMenge(float value) { m_Menge = value; }
  unsigned char getFlag1() const { return m_Flag1; }
  void setFlag1(unsigned char value) { m_Flag1 = value; }
  unsigned char getFlag2() const { return m_Flag2; }
  void setFlag2(unsigned char value) { m_Flag2 = value; }
  unsigned char getFlag3() const { return m_Flag3; }
  void setFlag3(unsigned char value) { m_Flag3 = value; }

  // Field-wise equality (the parent link is not part of the value).
  bool operator==(const hydArmaturZubehoer& other) const;

 private:
  int m_RefNr = 0;
  int m_Satzart = 0;
  int m_SatzIndex = 0;
  std::string m_Text1;
  std::string m_Text2;
  float m_Menge = 0.0f;
  unsigned char m_Flag1 = 0;
  unsigned char m_Flag2 = 0;
  unsigned char m_Flag3 = 0;
};

}  // namespace armakon::hydVDIArmaturen
