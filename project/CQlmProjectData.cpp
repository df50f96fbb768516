#include "project/CQlmProjectData.h"

#include <sys/mman.h>

#include <cstdlib>
#include <exception>
#include <new>

#include "output/CQlmPrintPreview.h"
#include "platform/CArchive.h"
#include "platform/CAtomicFile.h"
#include "project/CQlmGeometryBlock.h"
#include "project/CQlmVolumeAttachment.h"

namespace {

constexpr int Dropped800900Words = 6;

void StoreBlock(CArchive& archive, vtkUnsignedCharArray* block) {
  const vtkIdType size = block ? block->GetNumberOfValues() : 0;
  if (size > INT32_MAX) throw CArchiveException(CArchiveException::badIndex, "block too large");
  if (size == 0) {
    archive << int32_t(0);
    return;
  }
  archive.WriteByteBlock(block->GetPointer(0), static_cast<int32_t>(size));
}

// Memory for a block of `size` bytes. A large block (a CT volume) is aligned to
// huge pages and advised as such: reading it then costs a few page faults
// instead of one per 4 KiB, a large share of the time an open takes.
vtkSmartPointer<vtkUnsignedCharArray> NewBlock(int32_t size) {
  constexpr size_t HugePage = size_t(2) << 20;
  auto block = vtkSmartPointer<vtkUnsignedCharArray>::New();
  if (static_cast<size_t>(size) < 2 * HugePage) {
    block->SetNumberOfValues(size);
    return block;
  }
  const size_t rounded = (static_cast<size_t>(size) + HugePage - 1) / HugePage * HugePage;
  void* memory = std::aligned_alloc(HugePage, rounded);
  if (!memory) throw std::bad_alloc();
  ::madvise(memory, rounded, MADV_HUGEPAGE);
  block->SetArray(static_cast<unsigned char*>(memory), size, 0, vtkAbstractArray::VTK_DATA_ARRAY_FREE);
  return block;
}

// Reads an int32 byte count and the bytes into a new array.
vtkSmartPointer<vtkUnsignedCharArray> LoadBlock(CArchive& archive) {
  int32_t size = 0;
  archive >> size;
  if (size < 0) throw CArchiveException(CArchiveException::badIndex, "negative block size");
  if (static_cast<uint64_t>(size) > archive.GetBytesLeft()) {
    throw CArchiveException(CArchiveException::endOfFile, "block longer than the data left");
  }
  vtkSmartPointer<vtkUnsignedCharArray> block = NewBlock(size);
  if (size) archive.ReadExact(block->GetPointer(0), static_cast<size_t>(size));
  return block;
}

// A count and that many records of at least `minimumSize` bytes each; the
// count is checked against the bytes left and `maximum` first.
template <typename Record>
void LoadRecords(CArchive& archive, std::vector<Record>& records, int32_t maximum,
                 size_t minimumSize = Record::Size) {
  const int32_t count = archive.ReadCount(minimumSize);
  if (count > maximum) throw CArchiveException(CArchiveException::badIndex, "too many records");
  records.assign(static_cast<size_t>(count), Record());
  for (Record& record : records) record.Load(archive);
}

template <typename Record>
void StoreRecords(CArchive& archive, const std::vector<Record>& records) {
  archive << static_cast<int32_t>(records.size());
  for (const Record& record : records) record.Store(archive);
}

}  // namespace

CQlmProjectData::CQlmProjectData()
    : MainVolumeBlock(vtkSmartPointer<vtkUnsignedCharArray>::New()),
      SecondVolumeBlock(vtkSmartPointer<vtkUnsignedCharArray>::New()),
      GeometryBlock(vtkSmartPointer<vtkUnsignedCharArray>::New()),
      Report(std::make_unique<CQlmPrintPreview>()) {}

CQlmProjectData::~CQlmProjectData() {
  this->AttachmentsA.DeleteAll();
  this->AttachmentsB.DeleteAll();
}

void CQlmProjectData::Store(CArchive& archive) const {
  archive << Format800901 << this->ReservedWords[0] << this->ReservedWords[1];
  StoreBlock(archive, this->MainVolumeBlock);
  this->AttachmentsA.Store(archive);
  archive << this->HasSecondVolume;
  if (this->HasSecondVolume) {
    StoreBlock(archive, this->SecondVolumeBlock);
    this->AttachmentsB.Store(archive);
    archive << int32_t(0);
  }
  this->StoreGeometries(archive);
  StoreRecords(archive, this->Implants);
  this->ImplantDefaults.Store(archive);
  StoreRecords(archive, this->Orthodontic);
  StoreRecords(archive, this->Endodontic);
  StoreRecords(archive, this->LibraryMeshes);
  StoreRecords(archive, this->Teeth);
  StoreRecords(archive, this->Rulers3D);
  StoreRecords(archive, this->Nerves);
  this->Arch.Store(archive);
  this->ViewState.Store(archive);
  for (int32_t counter : this->RulerColorCounters) archive << counter;
  StoreRecords(archive, this->RulersAxial);
  StoreRecords(archive, this->RulersPanoramic);
  StoreRecords(archive, this->RulersCross);
  for (const CString& text : this->RequestTexts) archive << text;
  archive << this->Notes;
  archive << this->Report->previewOpened;
  if (this->Report->previewOpened) this->Report->Serialize(archive);
  this->Values.Store(archive);
}

void CQlmProjectData::LoadSections(CArchive& archive, int32_t formatCode) {
  if (formatCode != Format800900 && formatCode != Format800901) {
    throw CArchiveException(CArchiveException::badSchema, "not an 800900 or 800901 project");
  }
  this->FormatCode = formatCode;
  if (formatCode == Format800900) {
    this->LoadSections800900(archive);
  } else {
    this->LoadSections800901(archive);
  }
}

void CQlmProjectData::Load(CArchive& archive) {
  int32_t formatCode = 0;
  archive >> formatCode >> this->ReservedWords[0] >> this->ReservedWords[1];
  this->LoadSections(archive, formatCode);
}

void CQlmProjectData::LoadSections800900(CArchive& archive) {
  this->MainVolumeBlock = LoadBlock(archive);
  this->AttachmentsA.Load(archive);
  this->LoadGeometries(archive);
  this->LoadSecondVolume(archive);
  for (int i = 0; i < Dropped800900Words; ++i) {
    int32_t dropped = 0;
    archive >> dropped;
  }
}

void CQlmProjectData::LoadSections800901(CArchive& archive) {
  this->MainVolumeBlock = LoadBlock(archive);
  this->AttachmentsA.Load(archive);
  this->LoadSecondVolume(archive);
  this->LoadGeometries(archive);
  LoadRecords(archive, this->Implants, MaximumImplants, CQlmImplantRecord::MinimumSize);
  this->ImplantDefaults.Load(archive);
  LoadRecords(archive, this->Orthodontic, MaximumMultiParts, CQlmMultiPartRecord::MinimumSize);
  LoadRecords(archive, this->Endodontic, MaximumMultiParts, CQlmMultiPartRecord::MinimumSize);
  LoadRecords(archive, this->LibraryMeshes, MaximumLibraryObjects, CQlmLibraryObjectRecord::MinimumSize);
  LoadRecords(archive, this->Teeth, MaximumLibraryObjects, CQlmLibraryObjectRecord::MinimumSize);
  LoadRecords(archive, this->Rulers3D, MaximumRulers);
  LoadRecords(archive, this->Nerves, MaximumNerves);
  this->Arch.Load(archive);
  this->ViewState.Load(archive);
  for (int32_t& counter : this->RulerColorCounters) archive >> counter;
  LoadRecords(archive, this->RulersAxial, MaximumRulers);
  LoadRecords(archive, this->RulersPanoramic, MaximumRulers);
  LoadRecords(archive, this->RulersCross, MaximumRulers);
  for (CString& text : this->RequestTexts) archive >> text;
  archive >> this->Notes;
  int32_t printFlag = 0;
  archive >> printFlag;
  if (printFlag) this->Report->Serialize(archive);
  this->Values.Load(archive);
}

void CQlmProjectData::LoadSecondVolume(CArchive& archive) {
  archive >> this->HasSecondVolume;
  if (!this->HasSecondVolume) return;
  this->SecondVolumeBlock = LoadBlock(archive);
  this->AttachmentsB.Load(archive);
  int32_t dropped = 0;
  archive >> dropped;
}

void CQlmProjectData::LoadGeometries(CArchive& archive) {
  const int32_t count = archive.ReadCount(CQlmGeometryRecord::MinimumSize + sizeof(int32_t));
  if (count > MaximumGeometries) throw CArchiveException(CArchiveException::badIndex, "too many geometries");
  this->Geometries.assign(static_cast<size_t>(count), CQlmGeometryRecord());
  for (CQlmGeometryRecord& record : this->Geometries) record.Load(archive);
  this->GeometryBlock = LoadBlock(archive);
  std::vector<vtkSmartPointer<vtkPolyData>> meshes;
  if (!CQlmGeometryBlock::ExtractMeshes(this->GeometryBlock, count, meshes)) {
    throw CArchiveException(CArchiveException::badIndex, "imported-geometry block does not match its records");
  }
  for (int32_t k = 0; k < count; ++k) this->Geometries[k].Mesh = meshes[k];
}

void CQlmProjectData::StoreGeometries(CArchive& archive) const {
  archive << static_cast<int32_t>(this->Geometries.size());
  for (const CQlmGeometryRecord& record : this->Geometries) record.Store(archive);
  StoreBlock(archive, this->GeometryBlock);
}

bool CQlmProjectData::BuildGeometryBlock() {
  auto block = vtkSmartPointer<vtkUnsignedCharArray>::New();
  for (const CQlmGeometryRecord& record : this->Geometries) {
    if (!CQlmGeometryBlock::AppendMesh(block, record.Mesh)) return false;
  }
  this->GeometryBlock = block;
  return true;
}

bool CQlmProjectData::Save(const std::string& path) const {
  try {
    CAtomicFile file;
    if (!file.Open(path)) return false;
    CArchive archive(&file, CArchive::store);
    this->Store(archive);
    archive.Close();
    file.Commit();
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

bool CQlmProjectData::Open(const std::string& path) {
  try {
    CFile file;
    if (!file.Open(path, CFile::modeRead)) return false;
    CArchive archive(&file, CArchive::load);
    this->Load(archive);
    return true;
  } catch (const std::exception&) {
    return false;
  }
}
