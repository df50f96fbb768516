#pragma once
// The classes of the endodontic objects: the multi-part classes, cutting with the
// endodontic filters and reading endodontic libraries.
#include "libraries/vtkEndoImpLib.h"
#include "objects/CQlmMultiPartKind.h"
#include "objects/CQlmObjectPlacer.h"
#include "toolkit/vtkEndoImpAxial.h"
#include "toolkit/vtkEndoImpCross9.h"
#include "toolkit/vtkEndoImpPanoramic.h"

using CQlmEndoImpKind = CQlmMultiPartKind<vtkEndoImpAxial, vtkEndoImpCross9, vtkEndoImpPanoramic, vtkEndoImpLib>;
using CQlmEndoImp3D = CQlmEndoImpKind::Object;
using CQlmEndoImp3DList = CQlmEndoImpKind::List3D;
using CQlmEndoImpCreator = CQlmEndoImpKind::Creator;
using CQlmEndoImpPlacer = CQlmObjectPlacer;
using CQlmEndoImpAxial = CQlmEndoImpKind::Axial;
using CQlmEndoImpCross9 = CQlmEndoImpKind::Cross;
using CQlmEndoImpPanoramic = CQlmEndoImpKind::Panoramic;
using CQlmEndoImpAxialList = CQlmEndoImpKind::AxialList;
using CQlmEndoImpCross9List = CQlmEndoImpKind::CrossList;
using CQlmEndoImpPanoramicList = CQlmEndoImpKind::PanoramicList;
