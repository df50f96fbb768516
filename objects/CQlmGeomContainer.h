#pragma once
// The placed teeth or library meshes of the project (CQlmDentes and CQlmGeoms
// differ only in names and the kind of library file searched): four parallel
// lists (3D, axial, cross-section, panoramic; item i of each is one object,
// numbered i + 1), the creator and placer of new objects, the library
// look-up and the label settings fanned out to every representation.
#include <memory>

#include "libraries/vtkGeomsLib.h"
#include "objects/CQlmGeom3DList.h"
#include "objects/CQlmGeomAxialList.h"
#include "objects/CQlmGeomCross9List.h"
#include "objects/CQlmGeomPanoramicList.h"
#include "objects/CQlmGeomPlacer.h"
#include "objects/CQlmLibraryLookup.h"
#include "objects/CQlmObjectContainer.h"
#include "views/CQlmLabelOptions.h"

class CQlmGeomCreator;
class CQlmIndicator;
class CStringArray;

class CQlmGeomContainer : public CQlmObjectContainer<CQlmGeomAxial, CQlmGeomCross9, CQlmGeomPanoramic>,
                          public CQlmLabelOptions {
public:
  using Loader = CQlmLibraryLookup<vtkGeomsLib>::Loader;

  ~CQlmGeomContainer() override;

  // Image, arch geometry, section spacing (mm) and the indicators whose
  // picker places axial clicks (none owned; no indicators: the first nine sections).
  void SetInput(vtkImageData* image, CQlmPanoramicCalc* calculator, float spacing, CQlmIndicator* indicator);
  // The library in use for the kind (not owned) and the names of its library files to search after it.
  void SetLibraries(vtkGeomsLib* current, const CStringArray& names);
  // Reads the library file of `library->Name`; the kind's file reader unless replaced.
  void SetLibraryLoader(Loader loader);
  // While on, each library file is read at most once (a project open's look-ups).
  void KeepLibrariesLoaded(bool keep) { this->Libraries.SetKeepLoaded(keep); }

  // The item named `itemName` of `library` when the library's identifier is
  // `libraryId` (its name is not compared); null otherwise or without a library.
  static vtkGeom* FindItemInLibrary(vtkGeomsLib* library, const CString& libraryName, const CString& itemName,
                                    const CString& libraryId);

  // Replaces object `index` by the item, keeping its placement and selection
  // and deselecting the others; 0, changing nothing, when no library holds
  // the item or the index does not exist.
  int ReplaceObject(const CString& libraryName, const CString& libraryId, const CString& itemName, int index);
  // Removes every selected object and renumbers the rest 1..n; 1 when any was removed.
  int RemoveSelected();
  // The cuts of objects a project reader put into the 3D list (the cut lists empty).
  void BuildViewObjects();
  // Object `index` (de)selected in all four views; nothing for an index out of range.
  void SetSelected(int index, int selected);

  // Also the arch geometry's current curve, which the panoramic cuts read.
  void SetPanoramicIndex(int index) override;
  // Also the placer's spacing.
  void SetCrossSpacing(float spacing) override;
  // Label settings, stored for new objects: background, mode (0 number,
  // 1 name) and shown (1 at first) on all four representations, font size
  // (12 at first) on the three cuts.
  void SetLabelBackground(int on);
  void SetLabelMode(int mode) override;
  void SetVisibilityNumber(int on) override;
  void SetFontSize(int size) override;

  int GetCount() const { return this->List3D->GetCount(); }
  CQlmGeom3DList* GetList3D() const { return this->List3D.get(); }
  CQlmGeomAxialList* GetListAxial() const { return this->ListAxial.get(); }
  CQlmGeomCross9List* GetListCross() const { return this->ListCross.get(); }
  CQlmGeomPanoramicList* GetListPanoramic() const { return this->ListPanoramic.get(); }

protected:
  explicit CQlmGeomContainer(Loader loader);

  // Reads the library named by `library->Name` from its file of the kind `File`; 1 when read.
  template <class File>
  static int LoadFile(vtkGeomsLib* library) {
    File file;
    file.Library = library;
    return file.Load();
  }

  // The item in the current library, else in the library files in order; null when none holds it.
  vtkGeom* Find(const CString& libraryName, const CString& itemName, const CString& libraryId);
  // A new object of the item for a click at `point` in `window` (cell `cell`
  // of the cross-sections) at list position `position`: -1 or the count
  // appends, 0 puts it first, k gives it index k. 1; 0, changing nothing, when
  // no library holds the item or the position lies outside -1 .. count.
  int Add(const void* window, const double point[3], const CString& libraryName, const CString& libraryId,
          const CString& itemName, int cell, int position);

  CQlmPlanningList<CQlmGeomAxial>& AxialCuts() override { return *this->ListAxial; }
  CQlmPlanningList<CQlmGeomCross9>& CrossCuts() override { return *this->ListCross; }
  CQlmPlanningList<CQlmGeomPanoramic>& PanoramicCuts() override { return *this->ListPanoramic; }

private:
  template <typename Visit>
  void ForEachObject(Visit visit);
  bool BuildCreator(const CString& libraryName, const CString& libraryId, const CString& itemName);
  CQlmGeom3D* InsertNew(int i);
  void PrepareCuts(CQlmGeom3D* object, CQlmGeomAxial* axial, CQlmGeomCross9* cross, CQlmGeomPanoramic* panoramic);
  void ApplyLabels(int i);
  void SelectOnly(int i, int selected);

  std::unique_ptr<CQlmGeom3DList> List3D;
  std::unique_ptr<CQlmGeomAxialList> ListAxial;
  std::unique_ptr<CQlmGeomCross9List> ListCross;
  std::unique_ptr<CQlmGeomPanoramicList> ListPanoramic;
  std::unique_ptr<CQlmGeomCreator> Creator;
  std::unique_ptr<CQlmGeomPlacer> Placer;
  CQlmLibraryLookup<vtkGeomsLib> Libraries;
  int LabelVisible = 1;
  int LabelBackground = 0;
  int LabelMode = 0;
  int FontSize = 12;
};
