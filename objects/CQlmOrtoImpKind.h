#pragma once
// The classes of the orthodontic objects: the multi-part classes, cutting with the
// orthodontic filters and reading orthodontic libraries.
#include "libraries/vtkOrtoImpLib.h"
#include "objects/CQlmMultiPart3D.h"
#include "objects/CQlmMultiPartAxial.h"
#include "objects/CQlmMultiPartCreator.h"
#include "objects/CQlmMultiPartCross9.h"
#include "objects/CQlmMultiPartCutOf.h"
#include "objects/CQlmMultiPartList.h"
#include "objects/CQlmMultiPartPanoramic.h"
#include "objects/CQlmObjectPlacer.h"
#include "toolkit/vtkOrtoImpAxial.h"
#include "toolkit/vtkOrtoImpCross9.h"
#include "toolkit/vtkOrtoImpPanoramic.h"

using CQlmOrtoImp3D = CQlmMultiPart3D;
using CQlmOrtoImp3DList = CQlmMultiPartList<CQlmOrtoImp3D>;
using CQlmOrtoImpCreator = CQlmMultiPartCreator;
using CQlmOrtoImpPlacer = CQlmObjectPlacer;
using CQlmOrtoImpAxial = CQlmMultiPartCutOf<CQlmMultiPartAxial, vtkOrtoImpAxial>;
using CQlmOrtoImpCross9 = CQlmMultiPartCutOf<CQlmMultiPartCross9, vtkOrtoImpCross9>;
using CQlmOrtoImpPanoramic = CQlmMultiPartCutOf<CQlmMultiPartPanoramic, vtkOrtoImpPanoramic>;
using CQlmOrtoImpAxialList = CQlmMultiPartList<CQlmOrtoImpAxial>;
using CQlmOrtoImpCross9List = CQlmMultiPartList<CQlmOrtoImpCross9>;
using CQlmOrtoImpPanoramicList = CQlmMultiPartList<CQlmOrtoImpPanoramic>;

struct CQlmOrtoImpKind {
  using Object = CQlmOrtoImp3D;
  using List3D = CQlmOrtoImp3DList;
  using Axial = CQlmOrtoImpAxial;
  using AxialList = CQlmOrtoImpAxialList;
  using Cross = CQlmOrtoImpCross9;
  using CrossList = CQlmOrtoImpCross9List;
  using Panoramic = CQlmOrtoImpPanoramic;
  using PanoramicList = CQlmOrtoImpPanoramicList;
  using Creator = CQlmOrtoImpCreator;
  using Library = vtkOrtoImpLib;
};
