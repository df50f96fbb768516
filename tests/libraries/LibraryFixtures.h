#pragma once
// Library files written value by value from their byte layouts (never by
// the writer under test), the expected content they hold, and a library
// folder of a test's own.
#include <vtkSmartPointer.h>
#include <vtkType.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "QlmBytes.h"
#include "QlmTempDir.h"
#include "libraries/vtkLibrary.h"
#include "platform/CString.h"

class vtkLibraryItem;
class vtkMultiPartItem;
class vtkImplantCustom;
class vtkPolyData;

namespace LibraryFixtures {

using QlmBytes::Bytes;
using Color = std::array<float, 3>;

struct MeshSpec {
  std::vector<double> Points;  // x, y, z each
  std::vector<int32_t> Triangles;
};
// A teeth or mesh item, or a section.
struct ItemSpec {
  std::string Name;
  Color Rgb;
  MeshSpec Mesh;
};
struct MainItemSpec {
  ItemSpec Body;
  std::vector<std::vector<ItemSpec>> Positions;
};
struct ImplantSpec {
  std::string Name;
  float Diameter, Length, Angle;
  Color Rgb;
  std::array<float, 4> Washer;  // height, distance, outer and inner diameter
  Color WasherRgb;
  MeshSpec Mesh;
};
struct HeaderSpec {
  std::string Name, Password, Identifier;
};

// Values appended in the file's order and encoding.
class LibraryBytes {
public:
  LibraryBytes& Int32(int32_t value);
  LibraryBytes& Float(float value);
  LibraryBytes& Double(double value);
  LibraryBytes& Rgb(const Color& color);
  // UTF-8 text as Windows-1252 bytes after the shortest length prefix.
  LibraryBytes& String(const std::string& utf8);
  // The wide form: 0xFF 0xFFFE, a length prefix counting UTF-16 units, the units.
  LibraryBytes& WideString(const std::u16string& text);
  LibraryBytes& Header(const HeaderSpec& header);
  LibraryBytes& Mesh(const MeshSpec& mesh);
  LibraryBytes& Item(const ItemSpec& item);
  LibraryBytes& Section(const ItemSpec& section);
  LibraryBytes& MainItem(const MainItemSpec& item);
  LibraryBytes& Implant(const ImplantSpec& implant);
  LibraryBytes& Component(const ImplantSpec& component);

  Bytes Data;

private:
  LibraryBytes& Length(uint32_t length);
  LibraryBytes& Raw(const void* data, size_t size);
};

// Whole files of each layout.
Bytes ItemFile(const HeaderSpec& header, const std::vector<ItemSpec>& items);
Bytes MultiPartFile(const HeaderSpec& header, const std::vector<MainItemSpec>& items);
Bytes ImplantFile(const HeaderSpec& header, const std::vector<ImplantSpec>& implants,
                  const std::vector<ImplantSpec>& components);

// Small fixtures of every kind: a tetrahedron, an empty mesh, 1252 text.
HeaderSpec TeethHeader();
std::vector<ItemSpec> TeethItems();
HeaderSpec EndoHeader();
std::vector<MainItemSpec> EndoItems();
HeaderSpec ImplantHeader();
std::vector<ImplantSpec> Implants();
std::vector<ImplantSpec> Components();

// Checks (gtest assertions) of loaded objects against their specs: points as
// the stored doubles narrowed to float, triangles as stored.
void ExpectMesh(vtkPolyData* mesh, const MeshSpec& spec);
void ExpectItem(vtkLibraryItem* item, const ItemSpec& spec);
void ExpectMainItem(vtkMultiPartItem* item, const MainItemSpec& spec);
void ExpectImplant(vtkImplantCustom* item, const ImplantSpec& spec, bool withWasher);
// Every triangle index of every mesh of the library inside its mesh.
void ExpectMeshesWhole(vtkLibrary* library);

// Load and Save of `library` through a new object of the file class File;
// `reason`, when given, receives its GetReason().
template <class File, class Library>
int LoadWith(Library* library, CString* reason = nullptr) {
  File file;
  file.Library = library;
  const int result = file.Load();
  if (reason) *reason = file.GetReason();
  return result;
}
template <class File, class Library>
int SaveWith(Library* library, CString* reason = nullptr) {
  File file;
  file.Library = library;
  const int result = file.Save();
  if (reason) *reason = file.GetReason();
  return result;
}

// One kind of library file, driven through vtkLibrary.
struct LibraryKind {
  std::string Extension;  // ".dnt"
  Bytes Fixture;          // a small file of the kind, from the fixtures above
  std::function<vtkSmartPointer<vtkLibrary>()> NewLibrary;
  // The kind's file class on `library`; `reason` gets GetReason().
  std::function<int(vtkLibrary* library, CString& reason)> Load;
  std::function<int(vtkLibrary* library, CString& reason)> Save;
};
// Teeth, meshes, endodontic, orthodontic and implant files, in that order.
std::vector<LibraryKind> AllKinds();

// What a failed Load must leave alone: the strings and the very items.
struct LibraryState {
  CString Name, Identifier, Password;
  std::vector<void*> Items;
  static LibraryState Of(vtkLibrary* library);
  bool operator==(const LibraryState&) const = default;
};

// A temporary machine-wide application-data folder ($QLM_COMMON_APPDATA)
// for the life of the object, with the library folder made in it unless
// told otherwise.
class LibraryFolder {
public:
  explicit LibraryFolder(bool makeLibraryFolder = true);
  ~LibraryFolder();
  LibraryFolder(const LibraryFolder&) = delete;
  LibraryFolder& operator=(const LibraryFolder&) = delete;

  // A file in the library folder.
  std::string File(const std::string& name) const;
  const std::filesystem::path& Root() const { return this->Temp.Path(); }
  // Every file below Root(), as paths relative to it.
  std::vector<std::string> AllFiles() const;

private:
  QlmTempDir Temp;
  std::string SavedValue;
  bool HadValue;
};

}  // namespace LibraryFixtures
