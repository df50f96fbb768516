#pragma once
// The project's implants: four parallel lists (3D, axial, cross-section,
// panoramic; item i of each is the same implant), the creator and placer of
// new implants, and the display settings fanned out to every representation.
#include <vtkSmartPointer.h>

#include <memory>

#include "libraries/vtkImplantLib.h"
#include "objects/CQlmImplant3DList.h"
#include "objects/CQlmImplantAxialList.h"
#include "objects/CQlmImplantCross9List.h"
#include "objects/CQlmImplantPanoramicList.h"
#include "objects/CQlmLibraryLookup.h"
#include "objects/CQlmObjectContainer.h"
#include "views/CQlmImplantOptions.h"

class CQlmImplantCreator;
class CQlmObjectPlacer;
class CQlmIndicator;
class CQlmPanoramicCalc;
class CStringArray;
class vtkImageData;

class CQlmImplants : public CQlmObjectContainer<CQlmImplantAxial, CQlmImplantCross9, CQlmImplantPanoramic>,
                     public CQlmImplantOptions {
public:
  static CQlmImplants* CreateObject() { return new CQlmImplants; }
  CQlmImplants();
  ~CQlmImplants() override;

  // Image, arch geometry and the indicators whose picker places axial clicks
  // (not owned; no indicators: the first nine sections) and the section spacing (mm).
  void SetInput(vtkImageData* image, CQlmPanoramicCalc* calculator, float spacing, CQlmIndicator* indicator);

  // A generic implant (mm) for a click at `point` in the view drawn by
  // `window` (cell `cell` of the cross-sections), at list position `position`:
  // -1 or the count appends, 0 puts it first, k inserts after implant k - 1.
  // Returns 1; 0 and nothing changes for any other position.
  int AddImplant(const void* window, const double point[3], float diameter, float length, float connectorHeight,
                 int cell, int position);
  // An implant of the library `identifier` (the platform is not compared)
  // named `implantName` with the component `componentName` ("Standard": the
  // generic connector of `connectorHeight`), placed as AddImplant does. An
  // implant no library holds becomes a generic one of the given dimensions.
  int AddLibraryImplant(const void* window, const double point[3], const CString& identifier, const CString& platform,
                        const CString& implantName, const CString& componentName, float diameter, float length,
                        float connectorHeight, int cell, int position);
  // Rebuild implant i with other dimensions, respectively another library
  // item, keeping its placement, connector tilt and shown flags, colours and
  // selection; an index that does not exist changes nothing.
  void ChangeImplant(int i, float diameter, float length, float connectorHeight);
  void ChangeLibraryImplant(int i, const CString& identifier, const CString& platform, const CString& implantName,
                            const CString& componentName, float diameter, float length, float connectorHeight);
  // The library item: in the current library, then in each named library file; null when none holds it.
  vtkImplantCustom* FindLibraryImplant(const CString& identifier, const CString& platform, const CString& name);
  vtkImplantCustom* FindLibraryComponent(const CString& identifier, const CString& platform, const CString& name);
  // The implant library in use (not owned) and the names of the implant library files to search after it.
  void SetLibraries(vtkImplantLib* current, const CStringArray& names);
  // Reads the library file of `library->Name`; the library files' own reader unless replaced.
  void SetLibraryLoader(CQlmLibraryLookup<vtkImplantLib>::Loader loader);
  // While set, each library file is read once and kept (a project open); see CQlmLibraryLookup.
  void KeepLibrariesLoaded(bool keep) { this->Libraries.SetKeepLoaded(keep); }

  // Implant `index` (de)selected in all four views; nothing for an index out of range.
  void SetSelected(int index, int selected);
  // Removes every selected implant and renumbers the rest 1..n; 1 when any was removed.
  int RemoveSelected();
  // Builds the 2D representations of implants read from a project.
  void BuildViewObjects();

  // Also the arch geometry's current curve, which the panoramic cuts read.
  void SetPanoramicIndex(int index) override;
  // Also the placer's spacing.
  void SetCrossSpacing(float spacing) override;
  void SetFill(int on) override;
  void SetFontSize(int size) override;
  void SetUniformColor(int on);
  void SetLabelBackground(int on);
  void SetLabelMode(int mode) override;
  void SetVisibilityNumber(int on) override;
  void SetVisibilityAxisLines(int on) override;
  void SetScrewColor(float r, float g, float b) override;
  void SetConectorColor(float r, float g, float b) override;

  int GetCount() const { return this->List3D->GetCount(); }
  CQlmImplant3DList* GetList3D() const { return this->List3D.get(); }
  CQlmImplantAxialList* GetListAxial() const { return this->ListAxial.get(); }
  CQlmImplantCross9List* GetListCross() const { return this->ListCross.get(); }
  CQlmImplantPanoramicList* GetListPanoramic() const { return this->ListPanoramic.get(); }

  // The 3D list, then flip, 0, section spacing and fill as int32, int32, float, int32.
  void Serialize(CArchive& archive) override;

  // 1: new implants are turned 180 degrees about x (upper jaw).
  int Flip = 0;

protected:
  CQlmPlanningList<CQlmImplantAxial>& AxialCuts() override { return *this->ListAxial; }
  CQlmPlanningList<CQlmImplantCross9>& CrossCuts() override { return *this->ListCross; }
  CQlmPlanningList<CQlmImplantPanoramic>& PanoramicCuts() override { return *this->ListPanoramic; }

private:
  template <typename Visit>
  void ForEachImplant(Visit visit);
  void ApplySettings(int i, const float screwColor[3], const float connectorColor[3]);
  void BuildCuts(int i, CQlmImplant3D* implant);
  CQlmImplant3D* InsertNew(const void* window, const double point[3], int cell, int position, int library);
  bool SetLibraryCreator(const CString& identifier, const CString& platform, const CString& implantName,
                         const CString& componentName, float connectorHeight,
                         vtkSmartPointer<vtkImplantCustom>& implant, vtkSmartPointer<vtkImplantCustom>& component);
  void TakeLibraryItem(int i, vtkImplantCustom* item, vtkImplantCustom* component, const CString& identifier,
                       const CString& platform);
  // Placement, connector tilt, flags and colours of an implant about to be rebuilt.
  struct Kept;
  Kept Keep(int i);
  CQlmImplant3D* Rebuild(int i, const Kept& kept);

  std::unique_ptr<CQlmImplant3DList> List3D;
  std::unique_ptr<CQlmImplantAxialList> ListAxial;
  std::unique_ptr<CQlmImplantCross9List> ListCross;
  std::unique_ptr<CQlmImplantPanoramicList> ListPanoramic;
  std::unique_ptr<CQlmImplantCreator> Creator;
  std::unique_ptr<CQlmObjectPlacer> Placer;
  int Fill = 1;
  int Numbers = 1;
  int AxisLines = 1;
  float ScrewColor[3] = {1.0f, 0.0f, 1.0f};
  float ConectorColor[3] = {0.0f, 1.0f, 1.0f};
  int UniformColor = 0;
  int LabelBackground = 0;
  int LabelMode = 0;
  int FontSize = 12;
  CQlmLibraryLookup<vtkImplantLib> Libraries;
};
