#pragma once
// Teeth, mesh and endodontic library files whose items are the real STL
// models of the test data, written into the library folder and read back
// through the library file classes, as the program reads its libraries.
#include <vtkSmartPointer.h>

#include <string>
#include <vector>

#include "libraries/vtkEndoImpLib.h"
#include "libraries/vtkGeomsLib.h"

namespace QlmStlLibraries {

// The item names in file order; the lists show them sorted.
const std::vector<std::string>& ItemNames();

struct Loaded {
  vtkSmartPointer<vtkGeomsLib> Teeth;
  vtkSmartPointer<vtkGeomsLib> Meshes;
  vtkSmartPointer<vtkEndoImpLib> Endo;
};

// Writes "Dentes STL.dnt", "Modelos STL.geo" and "Endo STL.end" into the
// library folder (made when missing) and reads them back. False, with the
// reason in `why`, when an STL model is missing or a file fails.
bool WriteAndLoad(Loaded& libraries, std::string& why);

}  // namespace QlmStlLibraries
