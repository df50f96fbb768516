#pragma once
// What an 800900 or 800901 project file carries, in the layout of those two
// generations. 800901, section by section:
//   header (format code, two reserved words); main CT volume block;
//   attachment list A; second volume (int32 flag; when set: block, list B,
//   int32 0); imported geometries (count, records, block); implants (count,
//   records, then the implant defaults); orthodontic, endodontic, library-mesh, teeth,
//   3D-ruler and nerve lists (count each); arch curve; view state; ruler
//   colour counters and the axial, panoramic and cross-section ruler lists;
//   ten request strings and the notes; the report printer's previewOpened
//   flag and, when it is set, its record; controller values.
// 800900: header, main volume, list A, imported geometries, second volume,
// six int32 that are dropped.
//
// Every count and length is checked against the bytes left and a bound before
// anything is allocated; a malformed file raises CArchiveException, a
// multi-part object of more parts than an object holds CQlmProjectRefusal.
#include <vtkSmartPointer.h>
#include <vtkUnsignedCharArray.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/CString.h"
#include "project/CQlmArchRecord.h"
#include "project/CQlmDocumentValues.h"
#include "project/CQlmGeometryRecord.h"
#include "project/CQlmImplantDefaults.h"
#include "project/CQlmImplantRecord.h"
#include "project/CQlmLibraryObjectRecord.h"
#include "project/CQlmMultiPartRecord.h"
#include "project/CQlmNerveRecord.h"
#include "project/CQlmRequestInfo.h"
#include "project/CQlmRuller3DRecord.h"
#include "project/CQlmRullerRecord.h"
#include "project/CQlmViewState.h"
#include "project/CQlmVolumeAttachmentList.h"

class CArchive;
class CQlmPrintPreview;

class CQlmProjectData {
public:
  static constexpr int32_t Format800900 = 800900;
  static constexpr int32_t Format800901 = 800901;
  // Most imported geometries a file may hold.
  static constexpr int32_t MaximumGeometries = 10000;
  // Most rulers a file may hold in one view.
  static constexpr int32_t MaximumRulers = 10000;
  // Most implants a file may hold.
  static constexpr int32_t MaximumImplants = 10000;
  // Most nerves a file may hold.
  static constexpr int32_t MaximumNerves = 50;
  // Most library meshes, and most teeth, a file may hold.
  static constexpr int32_t MaximumLibraryObjects = 10000;
  // Most orthodontic, and most endodontic, objects a file may hold.
  static constexpr int32_t MaximumMultiParts = 10000;

  // Empty blocks and lists, default values.
  CQlmProjectData();
  // Frees the attachment records still in both lists.
  ~CQlmProjectData();
  CQlmProjectData(const CQlmProjectData&) = delete;
  CQlmProjectData& operator=(const CQlmProjectData&) = delete;

  // The whole file in the 800901 layout (FormatCode is not consulted).
  // GeometryBlock must hold the meshes of Geometries, in order.
  void Store(CArchive& archive) const;
  // Everything after the header, in the layout of `formatCode` (800900 or
  // 800901), which becomes FormatCode. Geometries get their meshes from the
  // block. After a failure the data is partly filled.
  void LoadSections(CArchive& archive, int32_t formatCode);
  // Header and sections of an 800900 or 800901 file.
  void Load(CArchive& archive);

  // Writes the file atomically (see CAtomicFile): false on any failure, with
  // the previous file at `path` untouched.
  bool Save(const std::string& path) const;
  // Reads an 800900 or 800901 file; false when it cannot be opened or read.
  bool Open(const std::string& path);

  // Replaces GeometryBlock by the compressed meshes of Geometries; false when
  // a mesh is missing or cannot be compressed.
  bool BuildGeometryBlock();

  int32_t FormatCode = Format800901;
  int32_t ReservedWords[2] = {0, 0};
  vtkSmartPointer<vtkUnsignedCharArray> MainVolumeBlock;
  CQlmVolumeAttachmentList AttachmentsA;  // records owned by this object
  int32_t HasSecondVolume = 0;
  vtkSmartPointer<vtkUnsignedCharArray> SecondVolumeBlock;
  CQlmVolumeAttachmentList AttachmentsB;  // records owned by this object
  std::vector<CQlmGeometryRecord> Geometries;
  vtkSmartPointer<vtkUnsignedCharArray> GeometryBlock;
  std::vector<CQlmImplantRecord> Implants;
  CQlmImplantDefaults ImplantDefaults;
  std::vector<CQlmMultiPartRecord> Orthodontic;
  std::vector<CQlmMultiPartRecord> Endodontic;
  std::vector<CQlmLibraryObjectRecord> LibraryMeshes;
  std::vector<CQlmLibraryObjectRecord> Teeth;
  CQlmArchRecord Arch;
  CQlmViewState ViewState;
  std::vector<CQlmRuller3DRecord> Rulers3D;
  std::vector<CQlmNerveRecord> Nerves;
  int32_t RulerColorCounters[3] = {0, 0, 0};  // axial, panoramic, cross-section
  std::vector<CQlmRullerRecord> RulersAxial;
  std::vector<CQlmRullerRecord> RulersPanoramic;
  std::vector<CQlmRullerRecord> RulersCross;
  // Strings 0 to 9 of the guide and prototype request.
  CString RequestTexts[CQlmRequestInfo::FormCount];
  CString Notes;
  // The report pages: stored when its previewOpened is set.
  std::unique_ptr<CQlmPrintPreview> Report;
  CQlmDocumentValues Values;

private:
  void LoadSections800900(CArchive& archive);
  void LoadSections800901(CArchive& archive);
  void LoadSecondVolume(CArchive& archive);
  void LoadGeometries(CArchive& archive);
  void StoreGeometries(CArchive& archive) const;
};
