// libFuzzer target (clang only) of one kind of library file, chosen by
// QLM_FUZZ_KIND (0 teeth, 1 meshes, 2 endodontic, 3 orthodontic, 4 implants).
// Load must answer 0 with a reason and the library untouched, or 1 with
// every triangle inside its mesh; what loaded must be written and read back
// the same (in memory: Save's own file handling is covered by the unit tests).
#include <vtkCellArray.h>
#include <vtkCellArrayIterator.h>
#include <vtkNew.h>
#include <vtkPolyData.h>
#include <vtkSmartPointer.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <tuple>
#include <type_traits>

#include "libraries/CDentesLibFile.h"
#include "libraries/CEndoLibFile.h"
#include "libraries/CGeomsLibFile.h"
#include "libraries/CImpLibFile.h"
#include "libraries/COrtoLibFile.h"
#include "libraries/CQlmLibraryReader.h"
#include "libraries/CQlmLibraryWriter.h"
#include "platform/CArchive.h"
#include "platform/CMemFile.h"
#include "platform/QlmAppData.h"

namespace {

using File = std::tuple_element_t<QLM_FUZZ_KIND,
                                  std::tuple<CDentesLibFile, CGeomsLibFile, CEndoLibFile, COrtoLibFile, CImpLibFile>>;
using Library = std::remove_pointer_t<decltype(File::Library)>;

void Require(bool condition) {
  if (!condition) __builtin_trap();
}

// A library folder of this process, in memory when the machine has /dev/shm,
// removed when the process ends.
class FuzzFolder {
public:
  FuzzFolder() : Root(std::filesystem::exists("/dev/shm") ? "/dev/shm/qlm-fuzz-XXXXXX" : "/tmp/qlm-fuzz-XXXXXX") {
    Require(mkdtemp(this->Root.data()) != nullptr);
    setenv("QLM_COMMON_APPDATA", this->Root.c_str(), 1);
    std::filesystem::create_directories(QlmAppData::ProgramFolder());
  }
  ~FuzzFolder() {
    std::error_code error;
    std::filesystem::remove_all(this->Root, error);
  }

private:
  std::string Root;
};

int CountTriangles(vtkPolyData* mesh) {
  const vtkIdType pointCount = mesh->GetNumberOfPoints();
  auto it = vtk::TakeSmartPointer(mesh->GetPolys()->NewIterator());
  int count = 0;
  for (it->GoToFirstCell(); !it->IsDoneWithTraversal(); it->GoToNextCell(), ++count) {
    vtkIdType size = 0;
    const vtkIdType* ids = nullptr;
    it->GetCurrentCell(size, ids);
    Require(size == 3);
    for (int k = 0; k < 3; ++k) Require(ids[k] >= 0 && ids[k] < pointCount);
  }
  return count;
}

// Triangles of every mesh in the collections, checking each on the way.
int CountTriangles(vtkCollection* items) {
  int count = 0;
  vtkCollectionSimpleIterator it;
  items->InitTraversal(it);
  while (vtkObject* object = items->GetNextItemAsObject(it)) {
    if (auto* sections = vtkCollection::SafeDownCast(object)) {
      count += CountTriangles(sections);
    } else if (auto* item = vtkLibraryItem::SafeDownCast(object)) {
      count += CountTriangles(item->Mesh);
      if (auto* main = vtkMultiPartItem::SafeDownCast(item)) count += CountTriangles(main->Positions);
    } else {
      Require(false);
    }
  }
  return count;
}

int CountTriangles(vtkLibrary* library) {
  int count = 0;
  for (int which = 0; which < library->GetNumberOfCollections(); ++which)
    count += CountTriangles(library->GetCollection(which));
  return count;
}

int Load(Library* library) {
  library->Name = "Fuzz";
  File file;
  file.Library = library;
  const int result = file.Load();
  Require(result == 1 ? file.GetReason().IsEmpty() : !file.GetReason().IsEmpty());
  return result;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const FuzzFolder fuzzFolder;
  const std::string folder = QlmAppData::ProgramFolder();
  const std::string extension = File().GetExtension();
  std::ofstream(folder + "Fuzz" + extension, std::ios::binary).write(reinterpret_cast<const char*>(data), size);

  vtkNew<Library> library;
  if (!Load(library)) {
    Require(library->Name == "Fuzz" && library->Identifier.IsEmpty() && library->Password.IsEmpty());
    for (int which = 0; which < library->GetNumberOfCollections(); ++which)
      Require(library->GetCollection(which)->GetNumberOfItems() == 0);
    return 0;
  }
  const int triangles = CountTriangles(library);

  CMemFile memory;
  CArchive store(&memory, CArchive::store, 4096);
  CQlmLibraryWriter(store).Write(library.Get());
  store.Close();
  memory.SeekToBegin();
  CArchive load(&memory, CArchive::load, 4096);
  vtkNew<Library> again;
  CQlmLibraryReader(load).Read(again.Get());
  Require(again->Name == library->Name);
  Require(again->Password == library->Password && again->Identifier == library->Identifier);
  for (int which = 0; which < library->GetNumberOfCollections(); ++which)
    Require(again->GetCollection(which)->GetNumberOfItems() == library->GetCollection(which)->GetNumberOfItems());
  Require(CountTriangles(again) == triangles);
  return 0;
}
