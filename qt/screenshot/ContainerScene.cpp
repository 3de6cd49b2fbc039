// The container dialog on the heating list of the sample project, its second row selected.

#include <QTableWidget>

#include "armakon/components/AtomicFile.h"
#include "armakon/components/ProNode.h"
#include "armakon/containers/HzArmaturContainer.h"
#include "qt/screenshot/GrabWindow.h"

namespace armakon::screenshots {

void containerScene(const std::filesystem::path& samples, const QString& png) {
  std::string project;
  if (!readWholeFile(samples / "projects/heating.armakon", project)) return;
  const auto root = CProNodeBase::ReadFromString(project, 0, true);
  const CProNodeBase* heating = root ? root->findChild("Heizung") : nullptr;
  const CProNodeBase* list = heating ? heating->findChild("GlobalArmatures") : nullptr;
  HzArmaturContainer& container = HzArmaturContainer::instance();
  if (list == nullptr || !container.readArmaturesFromProNode(list, "armakon")) return;
  grabNextWindow(png, [](QWidget* window) {
    auto* rows = window->findChild<QTableWidget*>();
    rows->setCurrentCell(1, 1);  // as a click on the row
  });
  int extended = 0;
  container.armaturenAuswahlDialog(nullptr, "", {}, {}, {}, {}, 1, 0, 1, 0, 0, extended);
}

}  // namespace armakon::screenshots
