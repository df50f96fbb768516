#pragma once
// The classes of the teeth and library-mesh kinds (one set serves both).
#include "libraries/vtkGeomsLib.h"
#include "objects/CQlmGeom3DList.h"
#include "objects/CQlmGeomAxialList.h"
#include "objects/CQlmGeomCreator.h"
#include "objects/CQlmGeomCross9List.h"
#include "objects/CQlmGeomPanoramicList.h"

struct CQlmGeomKind {
  using Object = CQlmGeom3D;
  using List3D = CQlmGeom3DList;
  using Axial = CQlmGeomAxial;
  using AxialList = CQlmGeomAxialList;
  using Cross = CQlmGeomCross9;
  using CrossList = CQlmGeomCross9List;
  using Panoramic = CQlmGeomPanoramic;
  using PanoramicList = CQlmGeomPanoramicList;
  using Creator = CQlmGeomCreator;
  using Library = vtkGeomsLib;
};
