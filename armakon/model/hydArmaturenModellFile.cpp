// The valve model as a tree: the node "Modell" with its header leaves and one child node per
// variant, in a valve-model file (*.vam) or handed to a caller as a node.

#include "armakon/components/AtomicFile.h"
#include "armakon/components/TreeNode.h"
#include "armakon/components/TreeText.h"
#include "armakon/model/CObjectFactory.h"
#include "armakon/model/LeafValueReader.h"
#include "armakon/model/hydArmaturenModell.h"

namespace armakon::hydVDIArmaturen {

namespace {

const char* const kModelNodeName = "Modell";

// The class name a variant node stands for: "hydArmatur" + the node name, and the plain
// variant for "ARM".
std::string classNameOfVariantNode(const std::string& nodeName) {
  if (nodeName == "ARM") return "hydArmatur";
  return "hydArmatur" + nodeName;
}

}  // namespace

bool hydArmaturenModell::write(::armakon::CNode* node) const {
  if (node == nullptr) return false;
  if (node->GetName().empty()) node->SetName(kModelNodeName);

  node->AddLeaf("VER", std::string())->SetFirstValue(m_Version);
  node->AddLeaf("MON", std::string())->SetFirstValue(m_Model);

  ::armakon::CLeaf* header = node->AddLeaf("X", std::string());
  header->SetFirstValue(m_Type);
  header->SetNextValue(m_Idx);
  header->SetNextValue(m_Manufacturer);
  header->SetNextValue(m_Filename);
  header->SetNextValue(m_CatID);
  header->SetNextValue(m_RLDatum);

  for (const std::unique_ptr<hydArmatur>& variant : m_Armaturen) {
    variant->write(node->AddChild(std::string()));
  }
  return true;
}

bool hydArmaturenModell::readHeader(const ::armakon::CNode& node) {
  const ::armakon::CLeaf* version = node.FindLeaf("VER");
  const ::armakon::CLeaf* header = node.FindLeaf("X");
  if (version == nullptr || header == nullptr) return false;

  LeafValueReader(version).next(m_Version);
  m_Model.clear();
  if (const ::armakon::CLeaf* model = node.FindLeaf("MON")) LeafValueReader(model).next(m_Model);

  LeafValueReader values(header);
  values.next(m_Type);
  values.next(m_Idx);
  values.next(m_Manufacturer);
  values.next(m_Filename);
  values.next(m_CatID);
  values.next(m_RLDatum);
  return true;
}

void hydArmaturenModell::readVariant(const ::armakon::CNode& child) {
  std::unique_ptr<hydArmaturObject> object =
      CObjectFactory::instance().createObject(classNameOfVariantNode(child.GetName()));
  // Only variant classes belong here: a name that makes any other valve object (a model,
  // an accessory) is skipped like a name without a class.
  auto* variant = dynamic_cast<hydArmatur*>(object.get());
  if (variant == nullptr) return;
  object.release();
  std::unique_ptr<hydArmatur> owned(variant);
  if (owned->read(&child)) appendArmatur(std::move(owned));
}

bool hydArmaturenModell::read(const ::armakon::CNode* node) {
  if (node == nullptr || !readHeader(*node)) return false;
  for (const ::armakon::CNode* child = node->GetNextChild(nullptr); child != nullptr;
       child = node->GetNextChild(child)) {
    readVariant(*child);
  }
  return true;
}

bool hydArmaturenModell::saveVAMFile(const std::string& path) const {
  if (path.empty()) return false;
  ::armakon::CNode root(std::string{});
  if (!write(&root)) return false;
  return root.WriteToFile(path, false, true, true, 0, ':');
}

bool hydArmaturenModell::loadVAMFile(const std::string& path) {
  if (path.empty()) return false;
  // The file is read before the old variants go. Freed right before the new ones are made,
  // their small pieces of memory are handed out again at once; the large buffer of the file,
  // asked for in between, would first make the allocator merge them all.
  std::string text;
  const bool fileRead = ::armakon::readWholeFile(path, text);
  destroyAll();
  if (!fileRead) return false;
  // Each variant is read as soon as its node is complete, and the parser builds the next one
  // from its items: a model of hundreds of variants never stands as a whole tree. The header
  // leaves stay with the root; read after the variants, they give the same model as read().
  std::unique_ptr<::armakon::CNode> root =
      ::armakon::parseTreeText(text, ':', [this](const ::armakon::CNode& child) {
        if (child.GetParent()->GetName() != kModelNodeName) return false;
        readVariant(child);
        return true;
      });
  if (root == nullptr || root->GetName() != kModelNodeName || !readHeader(*root)) {
    destroyAll();
    return false;
  }
  return true;
}

}  // namespace armakon::hydVDIArmaturen
