#pragma once
// The guide rings of the project's implants: four lists (3D, axial,
// cross-section, panoramic) parallel to the implant lists, ring i belonging
// to implant i. A ring's size and colour come from its implant's diameter
// class, or from the library implant itself.
#include <memory>

#include "objects/CQlmImplantRing3DList.h"
#include "objects/CQlmImplantRingAxialList.h"
#include "objects/CQlmImplantRingCross9List.h"
#include "objects/CQlmImplantRingPanoramicList.h"
#include "objects/CQlmObjectContainer.h"

class CQlmImplant3D;
class CQlmImplant3DList;
class CQlmImplantPanoramicList;
class CQlmPanoramicCalc;
class vtkImageData;

class CQlmImplantRings
    : public CQlmObjectContainer<CQlmImplantRingAxial, CQlmImplantRingCross9, CQlmImplantRingPanoramic> {
public:
  // Ring values of a class: diameters, then start and end along the implant axis (mm).
  struct RingSet {
    float Outer, Inner, Start, End;
  };
  static constexpr int LibraryClass = 5;

  static CQlmImplantRings* CreateObject() { return new CQlmImplantRings; }
  CQlmImplantRings();
  ~CQlmImplantRings() override;

  // Image, arch geometry and section spacing; the implant container's 3D
  // list and panoramic cuts (none owned), which the rings follow.
  void SetInput(vtkImageData* image, CQlmPanoramicCalc* calculator, float spacing, CQlmImplant3DList* implants,
                CQlmImplantPanoramicList* implantCuts);

  // The ring of one implant: -1 appends the ring of the last implant, 0 puts
  // the first implant's ring first, k the ring of implant k after ring k - 1.
  // 0, changing nothing, when k lies outside -1 .. ring count or the implant does not exist.
  int AddRing(int k);
  // After implant i was rebuilt: its ring anew, shown or hidden as before;
  // an index that does not exist changes nothing.
  void RebuildRing(int i);
  // Removes the rings of the selected implants (run before the implants go); 1 when any was removed.
  int RemoveSelected();
  // Ring i shown or hidden in all four views; an index that does not exist changes nothing.
  void SetVisibility(int i, int visible);

  // 0 .. 4 by the diameter (0 up to 2.0 mm inclusive, 1 up to 3.5, 2 up to
  // 4.1, 3 up to 6.0, 4 beyond or negative), LibraryClass for a library implant.
  static int DiameterClass(float diameter, int libraryImplant);
  static const RingSet& GetRingSet(int diameterClass);
  static const float* GetClassColor(int diameterClass);

  int GetCount() const { return this->List3D->GetCount(); }
  CQlmImplantRing3DList* GetList3D() const { return this->List3D.get(); }
  CQlmImplantRingAxialList* GetListAxial() const { return this->ListAxial.get(); }
  CQlmImplantRingCross9List* GetListCross() const { return this->ListCross.get(); }
  CQlmImplantRingPanoramicList* GetListPanoramic() const { return this->ListPanoramic.get(); }

protected:
  CQlmPlanningList<CQlmImplantRingAxial>& AxialCuts() override { return *this->ListAxial; }
  CQlmPlanningList<CQlmImplantRingCross9>& CrossCuts() override { return *this->ListCross; }
  CQlmPlanningList<CQlmImplantRingPanoramic>& PanoramicCuts() override { return *this->ListPanoramic; }

private:
  void Remove(int i);

  std::unique_ptr<CQlmImplantRing3DList> List3D;
  std::unique_ptr<CQlmImplantRingAxialList> ListAxial;
  std::unique_ptr<CQlmImplantRingCross9List> ListCross;
  std::unique_ptr<CQlmImplantRingPanoramicList> ListPanoramic;
  CQlmImplant3DList* Implants = nullptr;
  CQlmImplantPanoramicList* ImplantCuts = nullptr;
};
