#pragma once
// The classes of the orthodontic objects: the multi-part classes, cutting with the
// orthodontic filters and reading orthodontic libraries.
#include "libraries/vtkOrtoImpLib.h"
#include "objects/CQlmMultiPartKind.h"
#include "objects/CQlmObjectPlacer.h"
#include "toolkit/vtkOrtoImpAxial.h"
#include "toolkit/vtkOrtoImpCross9.h"
#include "toolkit/vtkOrtoImpPanoramic.h"

using CQlmOrtoImpKind = CQlmMultiPartKind<vtkOrtoImpAxial, vtkOrtoImpCross9, vtkOrtoImpPanoramic, vtkOrtoImpLib>;
using CQlmOrtoImp3D = CQlmOrtoImpKind::Object;
using CQlmOrtoImp3DList = CQlmOrtoImpKind::List3D;
using CQlmOrtoImpCreator = CQlmOrtoImpKind::Creator;
using CQlmOrtoImpPlacer = CQlmObjectPlacer;
using CQlmOrtoImpAxial = CQlmOrtoImpKind::Axial;
using CQlmOrtoImpCross9 = CQlmOrtoImpKind::Cross;
using CQlmOrtoImpPanoramic = CQlmOrtoImpKind::Panoramic;
using CQlmOrtoImpAxialList = CQlmOrtoImpKind::AxialList;
using CQlmOrtoImpCross9List = CQlmOrtoImpKind::CrossList;
using CQlmOrtoImpPanoramicList = CQlmOrtoImpKind::PanoramicList;
