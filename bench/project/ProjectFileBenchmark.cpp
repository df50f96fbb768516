// Opening and saving a project: the sample project (the real head CT,
// 256 x 256 x 108) and a 512 x 512 x 400 project upsampled from it.
//   Open/x            read the file and decode the CT volume
//   ReadFile/x        read the file without decoding
//   DecodeVolume/x    decode the CT volume block alone (already in memory)
//   SaveUnchanged/x   save a project read from a file (kept blocks, no codec)
//   WriteSameBytes/x  write as many bytes to a new file and flush them to disk
//   WriteSameBytesAtomically/x  the same through CAtomicFile, as every save
//                     replaces the file (temporary file, flush, rename, folder flush)
// Targets: Open <= 1.2 x DecodeVolume; SaveUnchanged <= 1.2 x WriteSameBytes.
#include <benchmark/benchmark.h>
#include <vtkImageData.h>
#include <vtkImageResize.h>
#include <vtkNew.h>

#include <filesystem>
#include <memory>
#include <vector>

#include "QlmTempDir.h"
#include "QlmTestData.h"
#include "SampleProject.h"
#include "ct/CQlmImageCompressor.h"
#include "platform/CAtomicFile.h"
#include "platform/CFile.h"

namespace {

struct Project {
  std::string Path;
  uint64_t Size = 0;
  std::unique_ptr<CQlmProjectData> Data;  // read back from Path
};

QlmTempDir& Folder() {
  static QlmTempDir folder;
  return folder;
}

vtkSmartPointer<vtkImageData> Upsampled(vtkImageData* volume) {
  vtkNew<vtkImageResize> resize;
  resize->SetInputData(volume);
  resize->SetOutputDimensions(512, 512, 400);
  resize->InterpolateOn();
  resize->Update();
  return resize->GetOutput();
}

// Project 0 is the sample, project 1 the upsampled one; built once, null without the test data.
const Project* GetProject(int which, benchmark::State& state) {
  static std::unique_ptr<Project> projects[2];
  if (projects[which]) return projects[which].get();
  std::string why;
  if (!QlmTestData::Has(QlmTestData::CraniumMatrix, why)) {
    state.SkipWithError(why.c_str());
    return nullptr;
  }
  vtkSmartPointer<vtkImageData> volume =
      SampleProject::LoadHeadCT(QlmTestData::Path(QlmTestData::CraniumMatrix).string());
  if (which == 1) volume = Upsampled(volume);
  CQlmProjectData data;
  auto project = std::make_unique<Project>();
  project->Path = Folder().File(which ? "Grande.qlm" : "Amostra.qlm");
  project->Data = std::make_unique<CQlmProjectData>();
  if (!SampleProject::Fill(data, volume) || !data.Save(project->Path) || !project->Data->Open(project->Path)) {
    state.SkipWithError("cannot build the project");
    return nullptr;
  }
  project->Size = std::filesystem::file_size(project->Path);
  projects[which] = std::move(project);
  return projects[which].get();
}

bool Decode(vtkUnsignedCharArray* block, vtkImageData* image) {
  CQlmImageCompressor* codec = CQlmImageCompressor::New();
  codec->ImageData = image;
  codec->VolumeBlock = block;
  const bool done = codec->Decompress();
  codec->Delete();
  return done;
}

void Open(benchmark::State& state) {
  const Project* project = GetProject(static_cast<int>(state.range(0)), state);
  if (!project) return;
  for (auto _ : state) {
    CQlmProjectData data;
    vtkNew<vtkImageData> volume;
    if (!data.Open(project->Path) || !Decode(data.MainVolumeBlock, volume)) state.SkipWithError("open failed");
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * project->Size));
}

void ReadFile(benchmark::State& state) {
  const Project* project = GetProject(static_cast<int>(state.range(0)), state);
  if (!project) return;
  for (auto _ : state) {
    CQlmProjectData data;
    if (!data.Open(project->Path)) state.SkipWithError("read failed");
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * project->Size));
}

void DecodeVolume(benchmark::State& state) {
  const Project* project = GetProject(static_cast<int>(state.range(0)), state);
  if (!project) return;
  for (auto _ : state) {
    vtkNew<vtkImageData> volume;
    if (!Decode(project->Data->MainVolumeBlock, volume)) state.SkipWithError("decode failed");
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * project->Size));
}

void SaveUnchanged(benchmark::State& state) {
  const Project* project = GetProject(static_cast<int>(state.range(0)), state);
  if (!project) return;
  const std::string path = Folder().File("Salvo.qlm");
  for (auto _ : state) {
    if (!project->Data->Save(path)) state.SkipWithError("save failed");
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * project->Size));
}

void WriteSameBytes(benchmark::State& state) {
  const Project* project = GetProject(static_cast<int>(state.range(0)), state);
  if (!project) return;
  const std::vector<char> bytes(project->Size, 'q');
  const std::string path = Folder().File("Bytes.bin");
  for (auto _ : state) {
    state.PauseTiming();
    std::filesystem::remove(path);
    state.ResumeTiming();
    CFile file(path, CFile::modeCreate | CFile::modeWrite);
    file.Write(bytes.data(), bytes.size());
    file.Flush();
    file.Close();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * project->Size));
}

void WriteSameBytesAtomically(benchmark::State& state) {
  const Project* project = GetProject(static_cast<int>(state.range(0)), state);
  if (!project) return;
  const std::vector<char> bytes(project->Size, 'q');
  const std::string path = Folder().File("Atomico.bin");
  for (auto _ : state) {
    CAtomicFile file;
    file.Open(path);
    file.Write(bytes.data(), bytes.size());
    file.Commit();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * project->Size));
}

}  // namespace

BENCHMARK(Open)->ArgName("large")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ReadFile)->ArgName("large")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(DecodeVolume)->ArgName("large")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(SaveUnchanged)->ArgName("large")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(WriteSameBytes)->ArgName("large")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(WriteSameBytesAtomically)->ArgName("large")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
