#pragma once
// The project's imported 3D objects and their outlines in the three 2D views:
// the object list and three parallel cut lists (item i of each belongs to
// object i). The views' positions, the section spacing, the single-section
// and thick modes reach every cut through here. New cuts start hidden.
#include "objects/CQlmGeometryAxial.h"
#include "objects/CQlmGeometryCross9.h"
#include "objects/CQlmGeometryCutList.h"
#include "objects/CQlmGeometryPanoramic.h"
#include "objects/CQlmObjectContainer.h"
#include "objects/CQlmObjectList.h"

class CQlmPanoramicCalc;
class vtkImageData;

using CQlmGeometryAxialList = CQlmGeometryCutList<CQlmGeometryAxial>;
using CQlmGeometryCross9List = CQlmGeometryCutList<CQlmGeometryCross9>;
using CQlmGeometryPanoramicList = CQlmGeometryCutList<CQlmGeometryPanoramic>;

class CQlmGeometries : public CQlmObjectContainer<CQlmGeometryAxial, CQlmGeometryCross9, CQlmGeometryPanoramic> {
public:
  static CQlmGeometries* CreateObject() { return new CQlmGeometries; }
  CQlmGeometries() = default;
  // The cuts first, then the objects.
  ~CQlmGeometries() override;

  // Image and arch geometry (not owned) and the section spacing (mm) that new cuts take.
  void SetInput(vtkImageData* image, CQlmPanoramicCalc* calculator, float spacing);

  // The three cuts of the last object (after an import), or of every object
  // (after a load, with no cut built yet). They take no position until the
  // next SetAxialIndex / SetCrossIndex.
  void BuildViewObjectsOfLast();
  void BuildViewObjects();

  // The next index change cuts all nine sections of every object afresh.
  void InvalidateCrossSections();

  CQlmObjectList& GetObjectList() { return this->Objects; }
  CQlmGeometryAxialList& GetAxialList() { return this->AxialCutList; }
  CQlmGeometryCross9List& GetCross9List() { return this->CrossCutList; }
  CQlmGeometryPanoramicList& GetPanoramicList() { return this->PanoramicCutList; }

protected:
  CQlmPlanningList<CQlmGeometryAxial>& AxialCuts() override { return this->AxialCutList; }
  CQlmPlanningList<CQlmGeometryCross9>& CrossCuts() override { return this->CrossCutList; }
  CQlmPlanningList<CQlmGeometryPanoramic>& PanoramicCuts() override { return this->PanoramicCutList; }

private:
  void BuildViewObjectsOf(CQlmObject* object);

  CQlmObjectList Objects;
  CQlmGeometryAxialList AxialCutList;
  CQlmGeometryCross9List CrossCutList;
  CQlmGeometryPanoramicList PanoramicCutList;
};
