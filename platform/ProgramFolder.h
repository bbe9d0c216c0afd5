#pragma once
// Where the results files go.

#include <string>

namespace paarvinder {

// ProgMap: the folder of the program file (/proc/self/exe) with a final "/";
// when that folder cannot be written to (an installed program),
// ${XDG_DATA_HOME:-~/.local/share}/Paarvinder/, created when needed.
std::string ProgramFolder();

}  // namespace paarvinder
