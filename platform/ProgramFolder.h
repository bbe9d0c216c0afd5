#pragma once
// Where the results files go.

#include <functional>
#include <string>
#include <string_view>

namespace paarvinder {

// ProgMap: the folder of the program file (/proc/self/exe) with a final "/";
// when that folder cannot be written to (an installed program),
// ${XDG_DATA_HOME:-~/.local/share}/Paarvinder/, created when needed.
std::string ProgramFolder();

// The same choice from its inputs: the program file's path (empty when it
// cannot be read), XDG_DATA_HOME and HOME as the environment gives them, and a
// test of whether a folder can be written to. An XDG_DATA_HOME that is not an
// absolute path is passed over, as the XDG base directory rules say. The
// fallback folder is created with its parents; when that fails its name is
// still given, and the save there reports the error.
std::string ProgramFolderFrom(std::string_view programFile, std::string_view xdgDataHome,
                              std::string_view home,
                              const std::function<bool(const std::string& folder)>& canWrite);

}  // namespace paarvinder
