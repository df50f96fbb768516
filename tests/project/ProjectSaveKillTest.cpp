// A process killed while it saves a large project: the file is always the old
// or the new one whole, and the next save removes the temporary files the
// killed saves left.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vtkUnsignedCharArray.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "ProjectFixtures.h"
#include "QlmBytes.h"
#include "QlmTempDir.h"

namespace {

using Clock = std::chrono::steady_clock;
using ProjectFixtures::Bytes;

// A project whose volume block holds 48 MB: the writer copies the block as it
// stands, so noise serves as well as a compressed scan and costs no coding.
void FillLargeProject(CQlmProjectData& data) {
  ProjectFixtures::FillSmallProject(data);
  data.MainVolumeBlock->SetNumberOfValues(48 << 20);
  uint32_t state = 7;
  unsigned char* bytes = data.MainVolumeBlock->GetPointer(0);
  for (vtkIdType i = 0; i < data.MainVolumeBlock->GetNumberOfValues(); ++i) {
    state = state * 1664525u + 1013904223u;
    bytes[i] = static_cast<unsigned char>(state >> 24);
  }
}

// The temporary files of `target` in its folder; those of process `writer` only when given.
int Temporaries(const std::filesystem::path& target, pid_t writer = 0) {
  std::string prefix = "." + target.filename().string() + ".";
  if (writer) prefix += std::to_string(writer) + "@";
  int count = 0;
  for (const auto& entry : std::filesystem::directory_iterator(target.parent_path())) {
    const std::string name = entry.path().filename().string();
    count += name.rfind(prefix, 0) == 0 && name.size() > prefix.size() + 4 && name.substr(name.size() - 4) == ".tmp";
  }
  return count;
}

TEST(ProjectSave, AKilledSaveLeavesTheOldOrTheNewFileAndTheNextSaveItsTemporariesGone) {
  QlmTempDir folder;
  const std::filesystem::path target = folder.Path() / "Grande.qlm";
  CQlmProjectData data;
  FillLargeProject(data);
  data.Notes = "antes";
  ASSERT_TRUE(data.Save(target));
  const Bytes before = QlmBytes::ReadFile(target);
  data.Notes = "depois";
  const Bytes after = ProjectFixtures::Stored(data);
  ASSERT_GT(after.size(), 40u << 20);

  // How long one save takes here. Each round kills the child a tenth sooner
  // into it, the last as soon as it has begun: that one surely leaves its
  // temporary file, which the next save must remove.
  const Clock::time_point start = Clock::now();
  ASSERT_TRUE(data.Save(folder.File("Medida.qlm")));
  const Clock::duration saving = Clock::now() - start;

  int killedWhileWriting = 0;
  for (int round = 9; round >= 0; --round) {
    SCOPED_TRACE(testing::Message() << "killed " << round << " tenths into the save");
    const pid_t child = ::fork();
    if (child == 0) ::_exit(data.Save(target) ? 0 : 1);
    ASSERT_GT(child, 0);
    // The save has begun once the child's temporary file exists.
    const Clock::time_point deadline = Clock::now() + std::chrono::seconds(30);
    int status = 0;
    bool ended = false;
    while (!ended && Temporaries(target, child) == 0 && Clock::now() < deadline) {
      ended = ::waitpid(child, &status, WNOHANG) == child;
      std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    if (!ended) {
      std::this_thread::sleep_for(saving * round / 10);
      ::kill(child, SIGKILL);
      ::waitpid(child, &status, 0);
    }
    killedWhileWriting += Temporaries(target, child);
    const Bytes now = QlmBytes::ReadFile(target);
    EXPECT_TRUE(now == before || now == after) << now.size() << " bytes";
  }
  EXPECT_GT(killedWhileWriting, 0);
  EXPECT_GT(Temporaries(target), 0);

  ASSERT_TRUE(data.Save(target));
  EXPECT_EQ(Temporaries(target), 0);
  EXPECT_TRUE(QlmBytes::ReadFile(target) == after);
}

}  // namespace
