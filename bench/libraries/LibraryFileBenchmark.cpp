// Loading and saving a mesh library of the real meshes (the head CT's bone
// surface, the CGAL meshes and the STL models) beside moving the same bytes:
//   Load                      CGeomsLibFile::Load into a new library
//   ReadSameBytes             read the file's bytes into new memory through CFile in
//                             4,096,000-byte blocks
//   Save                      CGeomsLibFile::Save over the file (the question answered Yes)
//   WriteSameBytesAtomically  write as many bytes through CAtomicFile (temporary file,
//                             flush, rename, folder flush), as Save does
// Load and ReadSameBytes run with the file in the page cache (cold:0) and
// with its pages dropped before every iteration (cold:1), as at start-up.
// Targets: Load <= 1.5 x ReadSameBytes; Save <= 1.5 x WriteSameBytesAtomically.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>
#include <vtkNew.h>

#include <filesystem>
#include <memory>
#include <vector>

#include "LibraryFixtures.h"
#include "RealMeshLibrary.h"
#include "libraries/CGeomsLibFile.h"
#include "platform/CArchive.h"
#include "platform/CAtomicFile.h"
#include "platform/CQlmPrompter.h"

namespace {

class AnswerYes : public CQlmPrompter {
public:
  QlmAnswer Message(const CString&, const CString&, QlmButtons, QlmIcon) override { return QlmAnswer::Yes; }
  CString ChooseOpenFile(const CString&, const CString&, const CString&) override { return {}; }
  CString ChooseSaveFile(const CString&, const CString&, const CString&) override { return {}; }
};

struct SavedLibrary {
  LibraryFixtures::LibraryFolder Folder;
  vtkSmartPointer<vtkGeomsLib> Library;
  std::string Path;
  uint64_t Size = 0;
  double Points = 0;
  double Triangles = 0;
};

// Built and saved once; null without the test data.
const SavedLibrary* GetLibrary(benchmark::State& state) {
  static std::unique_ptr<SavedLibrary> saved;
  if (saved) return saved.get();
  std::string why;
  auto library = RealMeshLibrary::Build(why);
  if (!library) {
    state.SkipWithError(why.c_str());
    return nullptr;
  }
  saved = std::make_unique<SavedLibrary>();
  saved->Library = library;
  CGeomsLibFile file;
  file.Library = library;
  if (!file.Save()) {
    state.SkipWithError(file.GetReason().c_str());
    return nullptr;
  }
  saved->Path = saved->Folder.File("Malhas Reais.geo");
  saved->Size = std::filesystem::file_size(saved->Path);
  for (int i = 0; i < library->GetNumberOfItems(); ++i) {
    saved->Points += library->GetItem(i)->Mesh->GetNumberOfPoints();
    saved->Triangles += library->GetItem(i)->Mesh->GetNumberOfPolys();
  }
  return saved.get();
}

// With cold:1, drops the file's pages from the page cache (timing paused).
void DropCachedPages(benchmark::State& state, const SavedLibrary* saved) {
  if (!state.range(0)) return;
  state.PauseTiming();
  const int fd = ::open(saved->Path.c_str(), O_RDONLY | O_CLOEXEC);
  ::fdatasync(fd);
  ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
  ::close(fd);
  state.ResumeTiming();
}

void Load(benchmark::State& state) {
  const SavedLibrary* saved = GetLibrary(state);
  if (!saved) return;
  for (auto _ : state) {
    DropCachedPages(state, saved);
    vtkNew<vtkGeomsLib> library;
    library->Name = "Malhas Reais";
    CGeomsLibFile file;
    file.Library = library;
    if (!file.Load()) state.SkipWithError("load failed");
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * saved->Size));
  state.counters["items"] = saved->Library->GetNumberOfItems();
  state.counters["points"] = saved->Points;
  state.counters["triangles"] = saved->Triangles;
}

void ReadSameBytes(benchmark::State& state) {
  const SavedLibrary* saved = GetLibrary(state);
  if (!saved) return;
  for (auto _ : state) {
    DropCachedPages(state, saved);
    // Into new memory, as a load must: not value-initialised, so only the read touches it.
    std::unique_ptr<char[]> bytes(new char[saved->Size]);
    CFile file(saved->Path, CFile::modeRead);
    for (size_t done = 0; done < saved->Size;)
      done += file.Read(bytes.get() + done, std::min<size_t>(CArchive::DefaultBufferSize, saved->Size - done));
    benchmark::DoNotOptimize(bytes.get());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * saved->Size));
}

void Save(benchmark::State& state) {
  const SavedLibrary* saved = GetLibrary(state);
  if (!saved) return;
  AnswerYes yes;
  CQlmPrompter* previous = CQlmPrompter::Install(&yes);
  for (auto _ : state) {
    CGeomsLibFile file;
    file.Library = saved->Library;
    if (!file.Save()) state.SkipWithError("save failed");
  }
  CQlmPrompter::Install(previous);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * saved->Size));
}

void WriteSameBytesAtomically(benchmark::State& state) {
  const SavedLibrary* saved = GetLibrary(state);
  if (!saved) return;
  const std::vector<char> bytes(saved->Size, 'q');
  const std::string path = saved->Folder.File("Atomico.bin");
  for (auto _ : state) {
    CAtomicFile file;
    file.Open(path);
    file.Write(bytes.data(), bytes.size());
    file.Commit();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * saved->Size));
}

}  // namespace

BENCHMARK(Load)->ArgName("cold")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ReadSameBytes)->ArgName("cold")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(Save)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(WriteSameBytesAtomically)->Unit(benchmark::kMillisecond)->UseRealTime();
