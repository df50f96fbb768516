#pragma once
// Reader of project files 800900 and 800901 and writer of 800901, owned by the
// controller and working on its members. Load tries 800900, then 800901; Save
// writes 800901. Every operation catches its own file and archive exceptions
// and reports 1 (done) or 0 (refused or failed).
//
// Kept blocks: the compressed main volume, second volume and imported-geometry
// blocks read or written last are written again byte for byte, so a save
// compresses the CT volume at most once per controller. A reader keeps the
// view state of an 800901 file until RestoreViews applies it.
//
// A file is read whole and checked before anything but the reserved words
// reaches the controller; a file that cannot be taken (a multi-part object of
// more parts than an object holds, an orthodontic, endodontic, library-mesh or
// tooth item that no library holds) is refused with a message. One open reads
// each library file at most once.
// Implants whose library is missing are reported after the whole file was
// read, one warning each, and come back generic.
#include <vtkSmartPointer.h>
#include <vtkUnsignedCharArray.h>

#include <vector>

#include "libraries/vtkEndoImplant.h"
#include "libraries/vtkGeom.h"
#include "libraries/vtkOrtoImplant.h"

#include "platform/CString.h"
#include "project/CQlmGeometryRecord.h"
#include "project/CQlmImplantDefaults.h"
#include "project/CQlmViewState.h"

class CQlmProjectData;
class CQlmQuorvantile;
class vtkImageData;
class vtkPolyData;

class CQlmProjectCreator202106 {
public:
  static CQlmProjectCreator202106* New();
  virtual ~CQlmProjectCreator202106() = default;
  CQlmProjectCreator202106(const CQlmProjectCreator202106&) = delete;
  CQlmProjectCreator202106& operator=(const CQlmProjectCreator202106&) = delete;

  // The first int32 of the file at Path; -1 when it cannot be opened or is shorter.
  int GetFileVersion();
  int Load();
  int Save();
  // The view state of the file last read (800901) or the default one (800900);
  // nothing for another FormatCode. Once the controller's views are wired.
  // Values of the file outside their ranges (QlmViewRanges) give way to those
  // of a new project: the middle slice, section and curve, the cameras as the
  // set-up framed them, the start-up splitter proportions.
  void RestoreViews();

  // 800900 stores the file's reserved words in the controller before it
  // compares the format code; 800901 compares first.
  int Read800900();
  int Read800901();
  // Atomic: on failure the previous file at Path is untouched.
  int Write800901();
  void RestoreViews800901();
  void RestoreViews800900();
  // Appends the compressed `mesh` (a new imported object's) to the kept
  // geometry block. A mesh that cannot be compressed drops the block instead,
  // so the next save builds it from the objects rather than writing one mesh
  // short: false then, and the controller no longer keeps a block.
  bool KeepImportedMesh(vtkPolyData* mesh);

  int HasMainVolumeBlock = 0;
  int HasSecondVolumeBlock = 0;
  vtkSmartPointer<vtkUnsignedCharArray> MainVolumeBlock;
  vtkSmartPointer<vtkUnsignedCharArray> SecondVolumeBlock;
  int HasGeometryBlock = 0;
  vtkSmartPointer<vtkUnsignedCharArray> GeometryBlock;
  CQlmQuorvantile* Controller = nullptr;  // not owned
  CString Path;
  int FormatCode = 0;
  // Kept view state of the last 800901 file read; values whose owners the
  // controller does not hold yet are written back from here.
  CQlmViewState ViewState;

  // Carried from the file read last to the next save until the controller
  // holds their owners: the implant defaults.
  CQlmImplantDefaults ImplantDefaults;

protected:
  CQlmProjectCreator202106();

private:
  int Read(int formatCode);
  bool DecodeVolume(vtkUnsignedCharArray* block, vtkImageData* image);
  bool TakeVolumes(CQlmProjectData& data);
  void TakeGeometries(CQlmProjectData& data);
  void TakeSections800901(CQlmProjectData& data);
  bool GiveVolumes(CQlmProjectData& data);
  bool GiveGeometries(CQlmProjectData& data);
  void GiveSections800901(CQlmProjectData& data);
  // The controller's rulers from (into) the file's sections 11 and 15.
  void TakeRulers(const CQlmProjectData& data);
  void GiveRulers(CQlmProjectData& data) const;
  // The controller's implants from (into) the file's section 6: rebuilt through
  // the implant libraries, a missing one after a warning as a generic implant.
  void TakeImplants(const CQlmProjectData& data);
  void GiveImplants(CQlmProjectData& data) const;
  // The library items of the file's orthodontic, endodontic, library-mesh
  // and tooth records (sections 7 to 10), in record order.
  struct LibraryItems {
    std::vector<vtkSmartPointer<vtkOrtoImplant>> Orthodontic;
    std::vector<vtkSmartPointer<vtkEndoImplant>> Endodontic;
    std::vector<vtkSmartPointer<vtkGeom>> Meshes;
    std::vector<vtkSmartPointer<vtkGeom>> Teeth;
  };
  // Every item looked up before anything reaches the controller; false, after
  // the refusal message naming its library, when one is missing.
  bool ResolveLibraryObjects(const CQlmProjectData& data, LibraryItems& items);
  // The controller's library meshes and teeth built from the resolved items (into the file's records).
  void TakeLibraryObjects(const CQlmProjectData& data, const LibraryItems& items);
  void GiveLibraryObjects(CQlmProjectData& data) const;
  // The same for the orthodontic and endodontic objects (sections 7 and 8).
  bool ResolveMultiParts(const CQlmProjectData& data, LibraryItems& items);
  void TakeMultiParts(const CQlmProjectData& data, const LibraryItems& items);
  void GiveMultiParts(CQlmProjectData& data) const;
  // The controller's nerves from (into) the file's section 12.
  void TakeNerves(const CQlmProjectData& data);
  void GiveNerves(CQlmProjectData& data) const;
  void GiveViewState(CQlmViewState& state);
  void ApplyViewState(const CQlmViewState& state);
  void RestoreReformat(float width, float spacing, float curveSpacing, int curveCountValue);
  void UpdateFilters();
  struct Positions {
    int AxialSlice;
    int CrossPosition;
    int Curve;
  };
  // The middle slice, cross-section position and curve of the loaded volume and arch.
  Positions MiddlePositions() const;
  void RestorePositionsOfFile(const CQlmViewState& state);
  void RestoreCameras(const CQlmViewState& state);
  void RestorePositions(int axialSlice, int crossPosition, int curve);
  void RestoreScrollBars(int axial, int cross, int panoramic);
  void ShowSingleCrossSection();
  void RestoreSplitters(const float fractions[3]);
};
