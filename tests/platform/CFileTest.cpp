#include "platform/CAtomicFile.h"
#include "platform/CFile.h"

#include "QlmTempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {
std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
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
