#pragma once
// ARMATUR: the host's record of the valve a pipe-network component uses.
//
// Plain data owned by the host and passed by reference to the container operations; the host
// stores it with its component. The five fields are signed 32-bit integers in this order:
//   modellId     id of an ArmaturenModell of the container; 0 means none, valid when >= 1
//   dimension    nominal size (DN) of the chosen variant; 0 means no preference
//   einstellung  index of the chosen node in the variant's setting curve; -1 means none
//   einstellung2 for a combined differential-pressure and flow regulator, the node index in
//                the curve of its flow-regulator part; -1 means none
//   auswahl      selection flag, set to 1 by the interactive local choice; the container's
//                own operations never read it

#include <cstdint>

namespace armakon {

struct ARMATUR {
  std::int32_t modellId = 0;
  std::int32_t dimension = 0;
  std::int32_t einstellung = -1;
  std::int32_t einstellung2 = -1;
  std::int32_t auswahl = 0;
};

}  // namespace armakon
