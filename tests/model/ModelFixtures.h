#pragma once
// The sample model holding one variant of every valve class (data/samples/models/alle_klassen.vam,
// model type 201, variants in the order of the class table), and the tree text to compare models.

#include <string>

#include "armakon/components/TreeNode.h"
#include "armakon/model/hydArmaturenModell.h"

namespace armakon::hydVDIArmaturen::modeltest {

inline const std::string kFullModelFile = std::string(ARMAKON_SOURCE_DIR) + "/data/samples/models/alle_klassen.vam";

inline std::string treeText(const hydArmaturenModell& model) {
  CNode root("");
  model.write(&root);
  std::string text;
  root.WriteToString(text);
  return text;
}

}  // namespace armakon::hydVDIArmaturen::modeltest
