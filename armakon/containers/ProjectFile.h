#pragma once
// The project file of the armakon tool and the desktop application: the valve containers'
// persisted lists in one text file, so that valve sizing can be tried without a host.
//
// The file is an attribute tree (armakon/components/ProNode.h):
//
//   [ArmakonProjekt]
//   [Heizung]                 the heating container (VDI 3805 sheet 2), when it has entries
//   [GlobalArmatures]         exactly what the container persists (key "armakon"), plus the
//   ...                       local entries as further "Armature" sections: the container
//   [ENDE_GlobalArmatures]    persists only its global list, and its reader files every
//   [ENDE_Heizung]            section into the list that the entry's own flag names
//   [Trinkwasser]             the drinking-water container (sheet 17), likewise
//   ...
//   [ENDE_Trinkwasser]
//   [ENDE_ArmakonProjekt]
//
// What this reader does not understand survives a rewrite unchanged: further attributes and
// sections anywhere, and within a list every section that is no entry under the key "armakon"
// the container could read (entries of other hosts, damaged ones). Only the own entries and
// the list's id counter are written anew, after the kept sections.
//
// The file is written atomically. Failures come back as one German sentence (translated).

#include <memory>
#include <string>

#include "armakon/components/ProNode.h"
#include "armakon/containers/RnArmaturContainer.h"
#include "armakon/containers/enArmaturenTyp.h"

namespace armakon {

// The key text under which the own entries are persisted.
inline constexpr const char* kProjectKey = "armakon";

// The project file as read, for a rewrite to carry over what the containers do not hold.
struct ProjectTree {
  std::unique_ptr<CProNodeBase> root;  // null: a new project
};

// Loads the project into HzArmaturContainer::instance() and TwArmaturContainer::instance()
// (both emptied first), and the file's whole tree into read. A missing file gives empty
// containers when mayBeMissing is true. False with a one-line reason in error otherwise (the
// containers are then empty).
bool loadProject(const std::string& path, bool mayBeMissing, ProjectTree& read, std::string& error);
// Writes both containers into the project file, with everything else of read unchanged;
// false with a reason in error.
bool saveProject(const std::string& path, const ProjectTree& read, std::string& error);

// The container that holds entries of the kind: heating for 4445..4457, drinking water for
// 5556..5564; null for any other value.
RnArmaturContainer* containerForKind(enArmaturenTyp kind);

}  // namespace armakon
