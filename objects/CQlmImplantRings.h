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
#include "platform/CObject.h"
#include "views/CQlmArchListener.h"
#include "views/CQlmPositionListener.h"

class CQlmImplant3D;
class CQlmImplant3DList;
class CQlmImplantPanoramicList;
class CQlmLayeredWindow;
class CQlmLayeredWindow9;
class CQlmPanoramicCalc;
class vtkImageData;

class CQlmImplantRings : public CObject, public CQlmPositionListener, public CQlmArchListener {
public:
  // Ring values of a class: diameters, then start and end along the implant axis (mm).
  struct RingSet {
    float Outer, Inner, Start, End;
  };
  static constexpr int LibraryClass = 5;

  static CQlmImplantRings* CreateObject() { return new CQlmImplantRings; }
  CQlmImplantRings();
  ~CQlmImplantRings() override;

  void SetWindows(CQlmLayeredWindow* window3D, CQlmLayeredWindow* axial, CQlmLayeredWindow9* cross,
                  CQlmLayeredWindow* panoramic);
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

  void SetAxialIndex(int index) override;
  void SetCrossIndex(int index) override;
  void SetPanoramicIndex(int index) override { this->PanoramicIndex = index; }
  void SetCrossSpacing(float spacing);
  void SetSingleCrossSection(int on);
  // Thick panoramic: rings projected, 30 % opaque.
  void SetPanoramicThick(int on);
  // After an edit of the arch: the nine sections of every ring again.
  void UpdateCutters() override;
  void FollowReformat(int thickPanoramic, int singleSection, float crossSpacing, int axialSlice, int firstSection,
                      int curve) override;
  void ShowInPanoramic(int shown) override;

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

private:
  void Remove(int i);
  void SetVisibility(int i, int visible);

  std::unique_ptr<CQlmImplantRing3DList> List3D;
  std::unique_ptr<CQlmImplantRingAxialList> ListAxial;
  std::unique_ptr<CQlmImplantRingCross9List> ListCross;
  std::unique_ptr<CQlmImplantRingPanoramicList> ListPanoramic;
  vtkImageData* Image = nullptr;
  CQlmPanoramicCalc* Calculator = nullptr;
  CQlmImplant3DList* Implants = nullptr;
  CQlmImplantPanoramicList* ImplantCuts = nullptr;
  CQlmLayeredWindow* Window3D = nullptr;
  CQlmLayeredWindow* WindowAxial = nullptr;
  CQlmLayeredWindow9* WindowCross = nullptr;
  CQlmLayeredWindow* WindowPanoramic = nullptr;
  float Spacing = 2.0f;
  int AxialIndex = 0;
  int CrossIndex = 0;
  int PanoramicIndex = 0;
  int Thick = 0;
};
