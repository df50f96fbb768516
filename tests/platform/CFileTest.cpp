#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "QlmTempDir.h"
#include "platform/CAtomicFile.h"
#include "platform/CFile.h"

namespace {
std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::set<std::string> FileNames(const std::filesystem::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) names.insert(entry.path().filename().string());
  return names;
}

// The id of a process that has ended.
pid_t EndedProcess() {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  ::waitpid(child, nullptr, 0);
  return child;
}
}  // namespace

TEST(CFile, WritesReadsAndAcceptsBackslashes) {
  QlmTempDir dir;
  const std::string windowsStyle = dir.Path().string() + "\\projeto.qlm";
  {
    CFile file(windowsStyle, CFile::modeCreate | CFile::modeWrite);
    file.Write("abcdef", 6);
    EXPECT_EQ(file.GetFileName(), "projeto.qlm");
    EXPECT_EQ(file.GetFileTitle(), "projeto");
  }
  CFile file;
  ASSERT_TRUE(file.Open(dir.File("projeto.qlm"), CFile::modeRead));
  EXPECT_EQ(file.GetLength(), 6u);
  char buffer[10] = {};
  EXPECT_EQ(file.Read(buffer, 10), 6u);
  EXPECT_STREQ(buffer, "abcdef");
}

TEST(CFile, OpenFailureIsReportedNotThrown) {
  QlmTempDir dir;
  CFile file;
  CFileException error(CFileException::none, 0, "");
  EXPECT_FALSE(file.Open(dir.File("missing.qlm"), CFile::modeRead, &error));
  EXPECT_EQ(error.m_cause, CFileException::fileNotFound);
  EXPECT_FALSE(file.Open(dir.Path().string(), CFile::modeRead, &error));  // a folder
  EXPECT_THROW(CFile(dir.File("missing.qlm"), CFile::modeRead), CFileException);
}

TEST(CAtomicFile, CommitReplacesTheTargetAndLeavesNoTemporaryFile) {
  QlmTempDir dir;
  const std::string target = dir.File("a.qlm");
  std::ofstream(target) << "old";
  {
    CAtomicFile file;
    ASSERT_TRUE(file.Open(target));
    file.Write("new contents", 12);
    EXPECT_EQ(Slurp(target), "old");  // nothing visible before the commit
    file.Commit();
  }
  EXPECT_EQ(Slurp(target), "new contents");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

TEST(CAtomicFile, AbandonedWriteKeepsThePreviousFile) {
  QlmTempDir dir;
  const std::string target = dir.File("a.qlm");
  std::ofstream(target) << "precious";
  {
    CAtomicFile file;
    ASSERT_TRUE(file.Open(target));
    file.Write("half", 4);
  }  // e.g. the writer failed and returned without Commit
  EXPECT_EQ(Slurp(target), "precious");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

TEST(CAtomicFile, OpenFailsInAMissingFolder) {
  QlmTempDir dir;
  CAtomicFile file;
  EXPECT_FALSE(file.Open(dir.File("no/such/folder/a.qlm")));
}

TEST(CAtomicFile, TheTemporaryFileNamesItsTargetAndWriter) {
  QlmTempDir dir;
  CAtomicFile file;
  ASSERT_TRUE(file.Open(dir.File("Paciente.qlm")));
  const std::string name = std::filesystem::path(file.GetFilePath()).filename().string();
  const std::string writer = ".Paciente.qlm." + std::to_string(::getpid()) + "@";
  EXPECT_EQ(name.rfind(writer, 0), 0u) << name;
  EXPECT_EQ(name.substr(name.size() - 4), ".tmp") << name;
  EXPECT_EQ(FileNames(dir.Path()), std::set<std::string>{name});
}

// Only the temporaries of this target written on this host by a process that
// has ended are stale; the next save of the target removes them.
TEST(CAtomicFile, OpenRemovesTheStaleTemporariesOfItsTarget) {
  QlmTempDir dir;
  const std::string target = dir.File("a.qlm");
  std::string host;
  {
    CAtomicFile probe;
    ASSERT_TRUE(probe.Open(target));
    const std::string name = std::filesystem::path(probe.GetFilePath()).filename().string();
    host = name.substr(name.find('@') + 1, name.rfind('.', name.size() - 5) - name.find('@') - 1);
  }
  const std::string ended = std::to_string(EndedProcess());
  const std::string running = std::to_string(::getppid());
  const std::set<std::string> stale = {".a.qlm." + ended + "@" + host + ".Ab12Cd.tmp",
                                       ".a.qlm." + ended + "@" + host + ".zzzzzz.tmp"};
  const std::set<std::string> kept = {".a.qlm." + running + "@" + host + ".Ab12Cd.tmp",    // its writer still runs
                                      ".a.qlm." + ended + "@outra-maquina.Ab12Cd.tmp",     // written on another host
                                      ".b.qlm." + ended + "@" + host + ".Ab12Cd.tmp",      // another target
                                      ".a.qlm.bak." + ended + "@" + host + ".Ab12Cd.tmp",  // another target
                                      ".a.qlm." + ended + "@" + host + ".Ab12Cd",       // not a temporary of this class
                                      ".a.qlm.Ab12Cd",                                  // an older form: writer unknown
                                      ".a.qlm.x" + ended + "@" + host + ".Ab12Cd.tmp",  // no process id
                                      "a.qlm." + ended + "@" + host + ".Ab12Cd.tmp"};   // not hidden
  for (const std::string& name : stale) std::ofstream(dir.File(name)) << "half";
  for (const std::string& name : kept) std::ofstream(dir.File(name)) << "other";

  CAtomicFile file;
  ASSERT_TRUE(file.Open(target));
  file.Write("new", 3);
  file.Commit();

  std::set<std::string> expected = kept;
  expected.insert("a.qlm");
  EXPECT_EQ(FileNames(dir.Path()), expected);
  EXPECT_EQ(CAtomicFile::RemoveStaleTemporaries(target), 0);
}
