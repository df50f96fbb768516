// QlmMakeSampleProject <output.qlm> [<matrix.dat>]
// Writes the sample project from the real head CT of the test data (by
// default ct/Cranium/matrix.dat below the test-data folder).
//
// QlmMakeSampleProject --check <sample.qlm>
// Exits with 0 when the file is a sample of this tool's revision, else 1.
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "QlmTestData.h"
#include "SampleProject.h"

namespace {

int Check(const char* path) {
  if (SampleProject::IsCurrent(path)) {
    std::printf("sample project %s is of revision %d\n", path, SampleProject::Revision);
    return 0;
  }
  std::printf("sample project %s is missing or not of revision %d\n", path, SampleProject::Revision);
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--check") == 0) return Check(argv[2]);
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: %s <output.qlm> [<matrix.dat>]\n       %s --check <sample.qlm>\n", argv[0], argv[0]);
    return 2;
  }
  const std::string output = argv[1];
  const std::string matrix = argc == 3 ? argv[2] : QlmTestData::Path(QlmTestData::CraniumMatrix).string();
  vtkSmartPointer<vtkImageData> head = SampleProject::LoadHeadCT(matrix);
  vtkSmartPointer<vtkImageData> volume = head ? SampleProject::JawRegion(head) : nullptr;
  if (!volume) {
    std::fprintf(stderr, "cannot read the head CT %s\n", matrix.c_str());
    return 1;
  }
  CQlmProjectData project;
  const std::filesystem::path folder = std::filesystem::path(output).parent_path();
  std::error_code ignored;
  if (!folder.empty()) std::filesystem::create_directories(folder, ignored);
  if (!SampleProject::Fill(project, volume) || !project.Save(output)) {
    std::fprintf(stderr, "cannot write the sample project %s\n", output.c_str());
    return 1;
  }
  std::printf("sample project in %s\n", output.c_str());
  return 0;
}
