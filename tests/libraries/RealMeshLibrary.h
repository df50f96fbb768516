#pragma once
// A mesh library of the real meshes of the test data: the head CT's bone
// surface, the CGAL meshes and the STL models, one item each in that order.
#include <vtkSmartPointer.h>

#include <string>

#include "libraries/vtkGeomsLib.h"

namespace RealMeshLibrary {

// Named "Malhas Reais", identifier "   77". Null, with the reason in `why`,
// when the head CT's surface is missing; other missing files are left out.
vtkSmartPointer<vtkGeomsLib> Build(std::string& why);

}  // namespace RealMeshLibrary
