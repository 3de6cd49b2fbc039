#include "armakon/model/hydArmaturZubehoer.h"

#include "armakon/components/TreeLeaf.h"
#include "armakon/model/LeafValueReader.h"

namespace armakon::hydVDIArmaturen {

namespace {
const char* const kLeafName = "Zubehoer";
}

bool hydArmaturZubehoer::read(const ::armakon::CLeaf* leaf) {
  if (leaf == nullptr || leaf->GetName() != kLeafName) return false;
  LeafValueReader values(leaf);
  values.next(m_Text2);
  values.next(m_Text1);
  values.next(m_RefNr);
  values.next(m_Satzart);
  values.next(m_SatzIndex);
  values.next(m_Menge);
  values.next(m_Flag1);
  values.next(m_Flag2);
  values.next(m_Flag3);
  return true;
}

bool hydArmaturZubehoer::write(::armakon::CLeaf* leaf) const {
  if (leaf == nullptr) return false;
  if (leaf->GetName().empty()) leaf->SetName(kLeafName);
  leaf->SetFirstValue(m_Text2);
  leaf->SetNextValue(m_Text1);
  leaf->SetNextValue(m_RefNr);
  leaf->SetNextValue(m_Satzart);
  leaf->SetNextValue(m_SatzIndex);
  leaf->SetNextValue(static_cast<double>(m_Menge));
  leaf->SetNextValue(static_cast<int>(m_Flag1));
  leaf->SetNextValue(static_cast<int>(m_Flag2));
  leaf->SetNextValue(static_cast<int>(m_Flag3));
  return true;
}

void hydArmaturZubehoer::clear() {
  m_RefNr = 0;
  m_Satzart = 0;
  m_SatzIndex = 0;
  m_Text1.clear();
  m_Text2.clear();
  m_Menge = 0.0f;
  m_Flag1 = 0;
  m_Flag2 = 0;
  m_Flag3 = 0;
}

bool hydArmaturZubehoer::operator==(const hydArmaturZubehoer& other) const {
  return m_RefNr == other.m_RefNr && m_Satzart == other.m_Satzart && m_SatzIndex == other.m_SatzIndex &&
         m_Text1 == other.m_Text1 && m_Text2 == other.m_Text2 && m_Menge == other.m_Menge &&
         m_Flag1 == other.m_Flag1 && m_Flag2 == other.m_Flag2 && m_Flag3 == other.m_Flag3;
}

}  // namespace armakon::hydVDIArmaturen
