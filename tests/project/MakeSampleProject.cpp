// QlmMakeSampleProject <output.qlm> [<matrix.dat>]
// Writes the sample project from the real head CT of the test data (by
// default ct/Cranium/matrix.dat below the test-data folder).
#include <cstdio>
#include <filesystem>

#include "QlmTestData.h"
#include "SampleProject.h"

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: %s <output.qlm> [<matrix.dat>]\n", argv[0]);
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
