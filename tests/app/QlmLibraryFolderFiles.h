#pragma once
// Library files written into the library folder by the library files'
// writer, as the program finds them at start-up: a mesh library of real
// meshes and a library of generic implants.
#include <string>

namespace QlmLibraryFolderFiles {

// The meshes pig.stl ("Porco"), bunny00 ("Coelho") and the binary spider
// STL ("Aranha") as `title` + `extension`, a teeth (".dnt") or mesh (".geo")
// extension in any case. False, with the reason, when a mesh or the file fails.
bool WriteMeshLibrary(const std::string& title, const std::string& extension, std::string& why);
// The implants "Cônico" (4 x 10 mm) and "Reto" (3.75 x 13 mm), each with a
// guide ring from 1 to 6 mm of 1.5 mm over its diameter outside and 0.2 mm
// inside, and the component "Pilar" (4.5 x 2 mm) as `title` + `extension`
// (".imp" in any case), identifier " 12".
bool WriteImplantLibrary(const std::string& title, const std::string& extension, std::string& why);

}  // namespace QlmLibraryFolderFiles
