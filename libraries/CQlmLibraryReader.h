#pragma once
// Reads the content of a library file from a loading archive: the library
// name, password and identifier, then the items of the file's kind with
// their meshes (int32 P, P points of three doubles, int32 T, T triangles of
// three int32 point indices).
//
// Every count is checked against the bytes left before anything is
// allocated and every triangle index against the points of its mesh. Points
// and indices are read in blocks, the indices straight into the mesh's 32-bit
// cell array. A file that breaks a rule, ends early or
// holds a malformed string raises CQlmLibraryFileError with the reason and
// place. The library should be new: what was read before a failure stays in
// it (callers discard it).
//
// See also: CQlmLibraryWriter, CQlmLibraryFile.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/CString.h"

class CArchive;
class vtkCollection;
class vtkEndoImpLib;
class vtkGeomsLib;
class vtkImplantCustom;
class vtkImplantLib;
class vtkLibrary;
class vtkOrtoImpLib;
class vtkPolyData;

class CQlmLibraryReader {
public:
  explicit CQlmLibraryReader(CArchive& archive);

  void Read(vtkGeomsLib* library);
  void Read(vtkEndoImpLib* library);
  void Read(vtkOrtoImpLib* library);
  void Read(vtkImplantLib* library);

private:
  // Runs `body`, turning the archive's errors into CQlmLibraryFileError at the current place.
  template <class Body>
  void Guarded(Body body);
  // Reads a count of records of at least `minimumSize` bytes, then for each
  // adds a new Item to `items` and lets `fill` read it, with the place
  // extended by `placeFormat` and the item's number.
  template <class Item, class Fill>
  void ReadItems(vtkCollection* items, const char* what, size_t minimumSize, const char* placeFormat, Fill fill);
  template <class Library>
  void ReadMultiPartItems(Library* library);
  void ReadHeader(vtkLibrary* library);
  void ReadImplant(vtkImplantCustom* item, bool withWasher);
  void ReadMesh(vtkPolyData* mesh);
  void ReadColor(float (&color)[3]);
  // An int32 count of records of at least `minimumRecordSize` bytes each.
  int32_t ReadCount(const char* what, size_t minimumRecordSize);
  [[noreturn]] void Fail(const CString& problem) const;

  CArchive& Archive;
  // Where the reader is, as a suffix of the reasons: " no item 3".
  CString Place;
  std::vector<double> Coordinates;
};
