#pragma once
// The tool's names of the containers' valve kinds: each kind by its number (4445..4457,
// 5556..5564) or by a short name that is easy to type in a shell.

#include <string>
#include <utility>
#include <vector>

#include "armakon/containers/enArmaturenTyp.h"

namespace armakon::tool {

// A kind given as its number or short name (case ignored); false for anything else.
bool parseKind(const std::string& text, enArmaturenTyp& kind);
// The short name of a kind ("" for none).
std::string kindShortName(enArmaturenTyp kind);
// Every kind with its short name, in kind order.
const std::vector<std::pair<enArmaturenTyp, const char*>>& kindShortNames();
// A help text listing the kinds: "4445 hz-allgemein (Allgemeine Armaturen)" one per line.
std::string kindHelpText();

}  // namespace armakon::tool
