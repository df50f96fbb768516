#pragma once
// The machine-wide application-data folder (all users of the machine).
#include <string>

namespace QlmAppData {

// $QLM_COMMON_APPDATA when set; else /var/lib when writable; else the user's
// data folder ($XDG_DATA_HOME, or ~/.local/share). Never ends in a separator.
std::string CommonFolder();

// The program's own folder below it, CommonFolder() + "/Quillmar/Quorvantile/"
// (ends in a separator): the settings file and the library files live there.
std::string ProgramFolder();

}  // namespace QlmAppData
