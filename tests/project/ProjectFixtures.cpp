#include "ProjectFixtures.h"

#include <vtkNew.h>
#include <vtkSphereSource.h>
#include <vtkTriangleFilter.h>

#include <cstring>

#include "ReportFixtures.h"
#include "ct/CQlmImageCompressor.h"
#include "project/CQlmVolumeAttachment.h"

namespace ProjectFixtures {

namespace {
// Far below the program's buffer: the many loads of a test stay cheap and refill often.
constexpr size_t LoadBufferSize = 4096;
}  // namespace

vtkSmartPointer<vtkImageData> SmallVolume() {
  auto image = vtkSmartPointer<vtkImageData>::New();
  image->SetDimensions(8, 6, 3);
  image->SetSpacing(0.5, 0.5, 1.0);
  image->SetOrigin(-2, -1.5, 10);
  image->AllocateScalars(VTK_UNSIGNED_SHORT, 1);
  auto* voxels = static_cast<uint16_t*>(image->GetScalarPointer());
  for (vtkIdType i = 0; i < image->GetNumberOfPoints(); ++i) voxels[i] = static_cast<uint16_t>(37 * i % 4011);
  return image;
}

vtkSmartPointer<vtkPolyData> Sphere(int resolution) {
  vtkNew<vtkSphereSource> sphere;
  sphere->SetThetaResolution(resolution);
  sphere->SetPhiResolution(resolution);
  sphere->SetRadius(5);
  vtkNew<vtkTriangleFilter> triangles;
  triangles->SetInputConnection(sphere->GetOutputPort());
  triangles->Update();
  return triangles->GetOutput();
}

CQlmVolumeAttachment* Attachment(uint8_t seed, int dataSize) {
  auto* item = new CQlmVolumeAttachment;
  item->Lead = seed;
  for (int i = 0; i < 16; ++i) {
    item->Code[i] = static_cast<uint8_t>(seed + i);
    item->Values[i] = -1000 * seed + i;
  }
  item->Text = CString::Formatted("Anexo %d", seed);
  item->DataSize = dataSize;
  item->Data->SetNumberOfValues(dataSize);
  for (int i = 0; i < dataSize; ++i) item->Data->SetValue(i, static_cast<uint8_t>(seed * 7 + i));
  return item;
}

void FillSmallProject(CQlmProjectData& data) {
  vtkSmartPointer<vtkImageData> volume = SmallVolume();
  CQlmImageCompressor* codec = CQlmImageCompressor::New();
  codec->ImageData = volume;
  codec->VolumeBlock = data.MainVolumeBlock;
  codec->Compress();
  codec->Delete();
  data.Arch.Points.assign(3, CQlmArchRecord::Matrix{1, 0, 0, -10, 0, 1, 0, 5, 0, 0, 1, 0, 0, 0, 0, 1});
  data.Arch.Points[1][3] = 0;
  data.Arch.Points[1][7] = 12;
  data.Arch.Points[2][3] = 10;
}

CQlmImplantRecord Implant(int seed) {
  CQlmImplantRecord record;
  const float f = static_cast<float>(seed);
  record.Diameter = 3.0f + 0.25f * f;
  record.Length = 8.0f + 0.5f * f;
  record.ConnectorHeight = 1.5f + 0.125f * f;
  record.ComponentValue = 0.5f * f;
  record.GenericComponent = seed % 2;
  for (int c = 0; c < 3; ++c) {
    record.ScrewColor[c] = 0.125f * static_cast<float>((seed + c) % 8);
    record.ConnectorColor[c] = 0.0625f * static_cast<float>((seed + 2 * c) % 16);
  }
  record.Visible = 1;
  record.ScrewShown = seed % 2;
  record.ConnectorShown = 1 - seed % 2;
  record.Selected = seed % 3 == 0;
  record.ScrewLine = seed % 2;
  record.ConnectorLine = 1;
  record.Number = seed;
  record.NumberShown = 1 - seed % 2;
  record.RingShown = seed % 2;
  for (int row = 0; row < 3; ++row) record.Matrix[4 * row + 3] = 10.0 * seed + row;
  record.ConnectorMatrix[1] = 0.25 * seed;
  return record;
}

CQlmLibraryObjectRecord LibraryObject(int seed, const char* library, const char* identifier, const char* item) {
  CQlmLibraryObjectRecord record;
  record.ItemName = item;
  record.LibraryName = library;
  record.LibraryIdentifier = identifier;
  for (int c = 0; c < 3; ++c) record.Color[c] = 0.125f * static_cast<float>((seed + c) % 8);
  record.Visible = 1 - seed % 2;
  record.Selected = seed % 3 == 0;
  for (int row = 0; row < 3; ++row) record.Matrix[4 * row + 3] = -5.0 * seed + row;
  record.Matrix[1] = 0.5;
  return record;
}

CQlmMultiPartRecord MultiPart(int seed, const char* library, const char* identifier, const char* item,
                              std::initializer_list<const char*> sections) {
  CQlmMultiPartRecord record;
  static_cast<CQlmLibraryObjectRecord&>(record) = LibraryObject(seed, library, identifier, item);
  int j = 0;
  for (const char* section : sections) {
    CQlmMultiPartRecord::Part& part = record.Parts.emplace_back();
    part.SectionName = section;
    for (int c = 0; c < 3; ++c) part.Color[c] = 0.0625f * static_cast<float>((seed + j + c) % 16);
    part.Visible = (seed + j) % 3 != 0;
    ++j;
  }
  return record;
}

void FillRichProject(CQlmProjectData& data) {
  FillSmallProject(data);
  data.ReservedWords[0] = 17;
  data.ReservedWords[1] = -4;
  data.AttachmentsA.Append(Attachment(1, 5));
  data.AttachmentsA.Append(Attachment(2, 0));
  data.HasSecondVolume = 1;
  data.SecondVolumeBlock->DeepCopy(data.MainVolumeBlock);
  data.AttachmentsB.Append(Attachment(3, 300));
  for (int k = 0; k < 2; ++k) {
    CQlmGeometryRecord record;
    record.Name = k ? "Modelo inferior" : "Guia cirúrgica";
    record.Color[1] = 0.25f * k;
    record.Pickable = k;
    record.CutShown[k] = 1;
    record.ReservedValue2 = 40 + k;
    record.Matrix[5] = 2.5 + k;
    record.Points[9][2] = -3.0f * k;
    record.Mesh = Sphere(6 + 4 * k);
    data.Geometries.push_back(record);
  }
  data.BuildGeometryBlock();
  data.Implants = {Implant(1), Implant(2)};
  data.ImplantDefaults.Diameter = 4.1f;
  data.ImplantDefaults.Flip = 1;
  data.RequestTexts[0] = "José da Silva";
  data.RequestTexts[1] = "Clínica Sorriso";
  data.RequestTexts[2] = "Rua das Flores, 12\r\nSala 3";
  data.RequestTexts[8] = "ana@clinica.test";
  data.Arch.SectionWidth = 40;
  data.ViewState.AxialSlice = 2;
  data.ViewState.Camera3D.ViewUp[2] = 1;
  data.ViewState.DisplayMaximum = 2500;
  data.RulerColorCounters[1] = 2;
  CQlmRuller3DRecord ruler3D;
  ruler3D.Point2[0] = 12.5f;
  ruler3D.Color[2] = 0.25f;
  ruler3D.Visible = 0;
  data.Rulers3D = {ruler3D, CQlmRuller3DRecord()};
  CQlmRullerRecord ruler;
  ruler.Point1[1] = -3.0f;
  ruler.Point2[0] = 8.75f;
  ruler.Selected = 1;
  ruler.Slice = 40;
  ruler.CurrentSlice = 41;
  data.RulersAxial = {ruler};
  ruler.Slice = 7;
  data.RulersCross = {ruler, CQlmRullerRecord()};
  CQlmNerveRecord nerve;
  nerve.Translation[2] = 19.5f;
  nerve.Axial.Count = 3;
  nerve.Axial.Points[2][0] = -12.25f;
  nerve.Panoramic.Count = 2;
  nerve.Panoramic.Points[1][1] = 4.5f;
  nerve.Name = "Nervo Esquerdo 02";
  nerve.Side = 1;
  nerve.Diameter = 2.5f;
  nerve.Visible = 0;
  nerve.Color[2] = 0.75f;
  data.Nerves = {nerve, CQlmNerveRecord()};
  data.Nerves[1].Axial.Count = data.Nerves[1].Panoramic.Count = 50;
  data.Notes = "Paciente ansioso; revisar a região do canino (ç, ã, é).";
  data.Values.ThickPanoramic = 1;
  data.Values.SagittalCoronal = 1;
  data.Values.Saved.ArchPointCount = 9;
  data.Values.Saved.ArchPoints[8][0] = 36;
  ReportFixtures::FillReport(*data.Report);
}

void Load(const Bytes& bytes, CQlmProjectData& data) { LoadPrefix(bytes, bytes.size(), data); }

void LoadPrefix(const Bytes& bytes, size_t size, CQlmProjectData& data) {
  CMemFile file(bytes.data(), size);
  CArchive archive(&file, CArchive::load, LoadBufferSize);
  data.Load(archive);
}

Bytes StoredPart(const CQlmMultiPartRecord::Part& part) {
  CMemFile file;
  CArchive archive(&file, CArchive::store);
  archive << part.SectionName;
  for (float c : part.Color) archive << c;
  archive << part.Visible;
  archive.Close();
  return file.Data();
}

int32_t PeekInt32(const Bytes& bytes, size_t offset) {
  int32_t value = 0;
  std::memcpy(&value, bytes.data() + offset, 4);
  return value;
}

void PokeInt32(Bytes& bytes, size_t offset, int32_t value) { std::memcpy(bytes.data() + offset, &value, 4); }

void Append(Bytes& bytes, const Bytes& more) { bytes.insert(bytes.end(), more.begin(), more.end()); }

void AppendInt32(Bytes& bytes, int32_t value) {
  const size_t at = bytes.size();
  bytes.resize(at + 4);
  PokeInt32(bytes, at, value);
}

}  // namespace ProjectFixtures
