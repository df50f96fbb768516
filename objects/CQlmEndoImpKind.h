#pragma once
// The classes of the endodontic objects: the multi-part classes, cutting with the
// endodontic filters and reading endodontic libraries.
#include "libraries/vtkEndoImpLib.h"
#include "objects/CQlmMultiPart3D.h"
#include "objects/CQlmMultiPartAxial.h"
#include "objects/CQlmMultiPartCreator.h"
#include "objects/CQlmMultiPartCross9.h"
#include "objects/CQlmMultiPartCutOf.h"
#include "objects/CQlmMultiPartList.h"
#include "objects/CQlmMultiPartPanoramic.h"
#include "objects/CQlmObjectPlacer.h"
#include "toolkit/vtkEndoImpAxial.h"
#include "toolkit/vtkEndoImpCross9.h"
#include "toolkit/vtkEndoImpPanoramic.h"

using CQlmEndoImp3D = CQlmMultiPart3D;
using CQlmEndoImp3DList = CQlmMultiPartList<CQlmEndoImp3D>;
using CQlmEndoImpCreator = CQlmMultiPartCreator;
using CQlmEndoImpPlacer = CQlmObjectPlacer;
using CQlmEndoImpAxial = CQlmMultiPartCutOf<CQlmMultiPartAxial, vtkEndoImpAxial>;
using CQlmEndoImpCross9 = CQlmMultiPartCutOf<CQlmMultiPartCross9, vtkEndoImpCross9>;
using CQlmEndoImpPanoramic = CQlmMultiPartCutOf<CQlmMultiPartPanoramic, vtkEndoImpPanoramic>;
using CQlmEndoImpAxialList = CQlmMultiPartList<CQlmEndoImpAxial>;
using CQlmEndoImpCross9List = CQlmMultiPartList<CQlmEndoImpCross9>;
using CQlmEndoImpPanoramicList = CQlmMultiPartList<CQlmEndoImpPanoramic>;

struct CQlmEndoImpKind {
  using Object = CQlmEndoImp3D;
  using List3D = CQlmEndoImp3DList;
  using Axial = CQlmEndoImpAxial;
  using AxialList = CQlmEndoImpAxialList;
  using Cross = CQlmEndoImpCross9;
  using CrossList = CQlmEndoImpCross9List;
  using Panoramic = CQlmEndoImpPanoramic;
  using PanoramicList = CQlmEndoImpPanoramicList;
  using Creator = CQlmEndoImpCreator;
  using Library = vtkEndoImpLib;
};
