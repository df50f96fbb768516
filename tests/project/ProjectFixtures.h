#pragma once
// Small projects, meshes, attachments and byte helpers for the project-file tests.
#include <vtkImageData.h>
#include <vtkPolyData.h>
#include <vtkSmartPointer.h>

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "platform/CArchive.h"
#include "platform/CMemFile.h"
#include "project/CQlmProjectData.h"

class CQlmVolumeAttachment;

namespace ProjectFixtures {

using Bytes = std::vector<uint8_t>;

// A 16-bit volume of 8 x 6 x 3 voxels with distinct values, spacing (0.5, 0.5, 1).
vtkSmartPointer<vtkImageData> SmallVolume();
// A closed sphere of triangles; more resolution, more triangles.
vtkSmartPointer<vtkPolyData> Sphere(int resolution);
// An attachment whose every field is derived from `seed`, with `dataSize` bytes.
CQlmVolumeAttachment* Attachment(uint8_t seed, int dataSize);

// A generic implant whose every field is derived from `seed` (selected colours white, as the program keeps them).
CQlmImplantRecord Implant(int seed);
// A library mesh or tooth record of item `item` in library `library` (identifier `identifier`),
// its colour, flags and placement derived from `seed`.
CQlmLibraryObjectRecord LibraryObject(int seed, const char* library, const char* identifier, const char* item);
// An orthodontic or endodontic record of item `item`, one part entry per name
// of `sections` (the variant shown), colours and flags derived from `seed`.
CQlmMultiPartRecord MultiPart(int seed, const char* library, const char* identifier, const char* item,
                              std::initializer_list<const char*> sections);

// SmallVolume compressed into MainVolumeBlock, the default arch and view state.
void FillSmallProject(CQlmProjectData& data);
// Everything not default: attachments in both lists, a second volume, geometries
// with meshes and their block, two generic implants, notes with accents, changed view state and values,
// and report pages (ReportFixtures::FillReport).
void FillRichProject(CQlmProjectData& data);

// What Store writes for `object` (anything with Store(CArchive&) const).
template <typename T>
Bytes Stored(const T& object) {
  CMemFile file;
  CArchive archive(&file, CArchive::store);
  object.Store(archive);
  archive.Close();
  return file.Data();
}
// A part entry of a multi-part record as the file holds it: variant name, colour, visible flag.
Bytes StoredPart(const CQlmMultiPartRecord::Part& part);
// Loads `data` from the bytes (CQlmProjectData::Load); exceptions pass through.
void Load(const Bytes& bytes, CQlmProjectData& data);
// The same from the first `size` bytes.
void LoadPrefix(const Bytes& bytes, size_t size, CQlmProjectData& data);

int32_t PeekInt32(const Bytes& bytes, size_t offset);
void PokeInt32(Bytes& bytes, size_t offset, int32_t value);
void Append(Bytes& bytes, const Bytes& more);
void AppendInt32(Bytes& bytes, int32_t value);

}  // namespace ProjectFixtures
