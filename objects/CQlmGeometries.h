#pragma once
// The project's imported 3D objects and their outlines in the three 2D views:
// the object list and three parallel cut lists (item i of each belongs to
// object i). The views' positions, the section spacing, the single-section
// and thick modes reach every cut through here. New cuts start hidden.
#include "objects/CQlmGeometryAxial.h"
#include "objects/CQlmGeometryCross9.h"
#include "objects/CQlmGeometryCutList.h"
#include "objects/CQlmGeometryPanoramic.h"
#include "objects/CQlmObjectList.h"
#include "platform/CObject.h"
#include "views/CQlmArchListener.h"
#include "views/CQlmPositionListener.h"

class CQlmLayeredWindow;
class CQlmLayeredWindow9;
class CQlmPanoramicCalc;
class vtkImageData;

using CQlmGeometryAxialList = CQlmGeometryCutList<CQlmGeometryAxial>;
using CQlmGeometryCross9List = CQlmGeometryCutList<CQlmGeometryCross9>;
using CQlmGeometryPanoramicList = CQlmGeometryCutList<CQlmGeometryPanoramic>;

class CQlmGeometries : public CObject, public CQlmPositionListener, public CQlmArchListener {
public:
  static CQlmGeometries* CreateObject() { return new CQlmGeometries; }
  CQlmGeometries() = default;
  // The cuts first, then the objects.
  ~CQlmGeometries() override;

  // The four views' wrappers (not owned).
  void SetWindows(CQlmLayeredWindow* window3D, CQlmLayeredWindow* axial, CQlmLayeredWindow9* cross,
                  CQlmLayeredWindow* panoramic);
  CQlmLayeredWindow* GetWindow3D() const { return this->Window3D; }
  // Image and arch geometry (not owned) and the section spacing (mm) that new cuts take.
  void SetInput(vtkImageData* image, CQlmPanoramicCalc* calculator, float spacing);

  // The three cuts of the last object (after an import), or of every object
  // (after a load, with no cut built yet). They take no position until the
  // next SetAxialIndex / SetCrossIndex.
  void BuildViewObjectsOfLast();
  void BuildViewObjects();

  void SetAxialIndex(int index) override;
  void SetCrossIndex(int index) override;
  // Stored only: the panoramic cuts follow the arch geometry's current curve.
  void SetPanoramicIndex(int index) override { this->PanoramicIndex = index; }
  void SetCrossSpacing(float spacing);
  void SetSingleCrossSection(int on);
  // Thick: the panoramic outlines 30 % opaque.
  void SetPanoramicThick(int on);
  // The next index change cuts all nine sections of every object afresh.
  void InvalidateCrossSections();
  // After an arch edit: the nine sections of every object along the new arch.
  void UpdateCutters() override;
  void FollowReformat(int thickPanoramic, int singleSection, float crossSpacing, int axialSlice, int firstSection,
                      int curve) override;
  void ShowInPanoramic(int shown) override;

  CQlmObjectList& GetObjectList() { return this->Objects; }
  CQlmGeometryAxialList& GetAxialList() { return this->AxialCuts; }
  CQlmGeometryCross9List& GetCross9List() { return this->CrossCuts; }
  CQlmGeometryPanoramicList& GetPanoramicList() { return this->PanoramicCuts; }

private:
  void BuildViewObjectsOf(CQlmObject* object);

  CQlmObjectList Objects;
  CQlmGeometryAxialList AxialCuts;
  CQlmGeometryCross9List CrossCuts;
  CQlmGeometryPanoramicList PanoramicCuts;
  vtkImageData* Image = nullptr;
  CQlmPanoramicCalc* Calculator = nullptr;
  CQlmLayeredWindow* Window3D = nullptr;
  CQlmLayeredWindow* WindowAxial = nullptr;
  CQlmLayeredWindow9* WindowCross = nullptr;
  CQlmLayeredWindow* WindowPanoramic = nullptr;
  float SectionSpacing = 2.0f;
  int AxialIndex = 0;
  int CrossIndex = 0;
  int PanoramicIndex = 0;
  int PanoramicThick = 0;
};
