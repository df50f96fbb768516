#pragma once
// The classes of one multi-part family (endodontic or orthodontic objects):
// the multi-part classes, cutting with the family's filters `AxialFilter`,
// `CrossFilter` and `PanoramicFilter` and reading libraries of class `Lib`.
#include "objects/CQlmMultiPart3D.h"
#include "objects/CQlmMultiPartAxial.h"
#include "objects/CQlmMultiPartCreator.h"
#include "objects/CQlmMultiPartCross9.h"
#include "objects/CQlmMultiPartCutOf.h"
#include "objects/CQlmMultiPartList.h"
#include "objects/CQlmMultiPartPanoramic.h"

template <class AxialFilter, class CrossFilter, class PanoramicFilter, class Lib>
struct CQlmMultiPartKind {
  using Object = CQlmMultiPart3D;
  using List3D = CQlmMultiPartList<Object>;
  using Axial = CQlmMultiPartCutOf<CQlmMultiPartAxial, AxialFilter>;
  using AxialList = CQlmMultiPartList<Axial>;
  using Cross = CQlmMultiPartCutOf<CQlmMultiPartCross9, CrossFilter>;
  using CrossList = CQlmMultiPartList<Cross>;
  using Panoramic = CQlmMultiPartCutOf<CQlmMultiPartPanoramic, PanoramicFilter>;
  using PanoramicList = CQlmMultiPartList<Panoramic>;
  using Creator = CQlmMultiPartCreator;
  using Library = Lib;
};
