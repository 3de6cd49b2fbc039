// Writing pump files: the tree of one manufacturer, as a file chosen by the user or as the
// text form that carries a single pump between the host and the library.

#include <optional>

#include "armakon/components/TreeNode.h"
#include "armakon/platform/CurrentPlatform.h"
#include "armakon/pumps/PumpFile.h"
#include "armakon/pumps/hydPumpenManager.h"

namespace armakon {

namespace pumpfile {

namespace {

CLeaf* addEmptyLeaf(CNode& node, const char* name) { return node.AddLeaf(name, std::string()); }

void addPump(CNode& series, const hydPumpe& pumpe) {
  CNode& node = *series.AddChild(kPumpNode);
  node.AddLeaf("BEZ", pumpe.getName());
  node.AddLeaf("ART", pumpe.getArticleNumber());
  node.AddLeaf("BMP", pumpe.getBmpFile());
  node.AddLeaf("PDF", pumpe.getPdfFile());
  // Written even when empty: a pump node without REG is not read back at all.
  node.AddLeaf("REG", pumpe.getRegelungTypIntern());
  addEmptyLeaf(node, "DN")->SetFirstValue(pumpe.getDN(), "%i", kSeparator);

  CLeaf* heads = addEmptyLeaf(node, "DPZUL");
  heads->SetFirstValue(pumpe.getDpMin(), "%f", kSeparator);
  heads->SetNextValue(pumpe.getDpMax(), "%f");

  CLeaf* temperatures = addEmptyLeaf(node, "TZUL");
  temperatures->SetFirstValue(pumpe.getTMin(), "%f", kSeparator);
  temperatures->SetNextValue(pumpe.getTMax(), "%f");
  temperatures->SetNextValue(pumpe.getTMaxShort(), "%f");

  CLeaf* data = addEmptyLeaf(node, "DAT");
  data->SetFirstValue(pumpe.getPN(), "%f", kSeparator);
  data->SetNextValue(pumpe.getVoltage());

  for (const auto& kennlinie : pumpe.getKennlinien()) {
    CNode& curve = *node.AddChild(kCurveNode);
    CLeaf* curveData = addEmptyLeaf(curve, "DAT");
    curveData->SetFirstValue(kennlinie->getNummer(), "%i", kSeparator);
    // Two places the format keeps free; always 0 and never read.
    curveData->SetNextValue(0.0, "%f");
    curveData->SetNextValue(0.0, "%f");
    curveData->SetNextValue(kennlinie->getDrehzahl(), "%i");
    std::string flows;
    std::string heads;
    kennlinie->writeToString(flows, heads);
    curve.AddLeaf("VOL", flows);
    curve.AddLeaf("DPP", heads);
  }
}

}  // namespace

std::unique_ptr<CNode> buildTree(const hydPumpenHersteller& hersteller) {
  auto root = std::make_unique<CNode>(kRootName);
  root->AddLeaf("VERSION", kVersionText);
  root->AddLeaf("COMMENT", kCommentText);
  root->AddLeaf("HERSTELLER", hersteller.getName());
  root->AddLeaf("MMD", hersteller.getID());
  for (const auto& serie : hersteller.getSerien()) {
    CNode& node = *root->AddChild(kSeriesNode);
    node.AddLeaf("BEZ", serie->getName());
    node.AddLeaf("EB", serie->getEinsatzBereich());
    for (const auto& pumpe : serie->getPumpen()) addPump(node, *pumpe);
  }
  return root;
}

}  // namespace pumpfile

std::string hydPumpenManager::writeToFile(hydPumpenHersteller* hersteller, bool toString) const {
  if (hersteller == nullptr) return {};
  const std::unique_ptr<CNode> root = pumpfile::buildTree(*hersteller);
  if (toString) {
    std::string text;
    if (!root->WriteToString(text, false, false, true, 0, pumpfile::kSeparator)) return {};
    return text;
  }
  FileDialogRequest request;
  request.filter = pumpfile::kSaveFilter;
  request.defaultExtension = pumpfile::kSaveExtension;
  const std::optional<std::string> path = platform().chooseFileToSave(request);
  // Cancelling and a failed write look the same to the caller: the catalog is unchanged
  // either way, and a failed write leaves any earlier file intact.
  if (path && !path->empty()) root->WriteToFile(*path, false, true, true, 0, pumpfile::kSeparator);
  return {};
}

std::string hydPumpenManager::write(bool toString) const {
  for (const auto& hersteller : m_Hersteller) {
    std::string text = writeToFile(hersteller.get(), toString);
    // The text form holds exactly one manufacturer: the first.
    if (toString) return text;
  }
  return {};
}

}  // namespace armakon
