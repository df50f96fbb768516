#pragma once
// Writes the content of a library into a storing archive in the layout that
// CQlmLibraryReader reads. Points are widened to doubles; only polygons of
// three or more points are written, as their first three indices, and the
// triangle count is what was written; a mesh without points is 0 and 0.
//
// A string with a character that Windows-1252 cannot hold, a polygon index
// outside its mesh or a mesh beyond the format's counts raises
// CQlmLibraryFileError with the reason and place: nothing is lost silently.
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

class CQlmLibraryWriter {
public:
  explicit CQlmLibraryWriter(CArchive& archive);

  void Write(vtkGeomsLib* library);
  void Write(vtkEndoImpLib* library);
  void Write(vtkOrtoImpLib* library);
  void Write(vtkImplantLib* library);

private:
  // Writes the count of `items`, then calls `visit` on each as an Item, with
  // the place extended by `placeFormat` and the item's number.
  template <class Item, class Visit>
  void WriteItems(vtkCollection* items, const char* what, const char* placeFormat, Visit visit);
  template <class Library>
  void WriteMultiPartItems(Library* library);
  void WriteHeader(vtkLibrary* library);
  void WriteImplant(vtkImplantCustom* item, bool withWasher);
  void WriteMesh(vtkPolyData* mesh);
  void WriteColor(const float (&color)[3]);
  // `what` names the string in the reason.
  void WriteString(const CString& text, const char* what);
  void WriteCount(int64_t count, const char* what);
  [[noreturn]] void Fail(const CString& problem) const;

  CArchive& Archive;
  // Where the writer is, as a suffix of the reasons: " no item 3".
  CString Place;
  std::vector<double> Coordinates;
  std::vector<int32_t> Indices;
};
