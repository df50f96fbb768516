#include "platform/QlmAppData.h"
#include "platform/QlmPath.h"

#include "QlmTempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

TEST(QlmPath, SplitsAtEitherSeparator) {
  EXPECT_EQ(QlmPath::FileName("C:\\dados\\Paciente.qlm"), "Paciente.qlm");
  EXPECT_EQ(QlmPath::FileName("/home/x/a.b.qlm"), "a.b.qlm");
  EXPECT_EQ(QlmPath::FileTitle("x/y\\a.b.qlm"), "a.b");
  EXPECT_EQ(QlmPath::Extension("x/y\\a.QLM"), "QLM");
  EXPECT_EQ(QlmPath::Extension("x.d/noext"), "");
  EXPECT_EQ(QlmPath::Directory("/a/b\\c.qlm"), "/a/b");
  EXPECT_EQ(QlmPath::Join("/data\\Quillmar", "\\Quorvantile\\"), "/data\\Quillmar\\Quorvantile\\");
  EXPECT_EQ(QlmPath::ToNative("/data\\Quillmar\\Quorvantile\\x.sys"), "/data/Quillmar/Quorvantile/x.sys");
}

TEST(QlmPath, FilesWithExtensionIgnoreCaseAndAreSorted) {
  QlmTempDir dir;
  for (const char* name : {"b.imp", "A.IMP", "c.dnt", "z.Imp", "imp"}) std::ofstream(dir.File(name)) << "x";
  std::filesystem::create_directory(dir.Path() / "folder.imp");
  EXPECT_EQ(QlmPath::FilesWithExtension(dir.Path().string(), "imp"),
            (std::vector<std::string>{"A.IMP", "b.imp", "z.Imp"}));
  EXPECT_TRUE(QlmPath::FilesWithExtension(dir.File("missing"), "imp").empty());
}

TEST(QlmAppData, EnvironmentOverridesTheCommonFolder) {
  QlmTempDir dir;
  const char* previous = std::getenv("QLM_COMMON_APPDATA");
  const std::string saved = previous ? previous : "";
  setenv("QLM_COMMON_APPDATA", (dir.Path().string() + "/").c_str(), 1);
  EXPECT_EQ(QlmAppData::CommonFolder(), dir.Path().string());
  EXPECT_EQ(QlmAppData::ProgramFolder(), dir.Path().string() + "/Quillmar/Quorvantile/");
  if (previous) setenv("QLM_COMMON_APPDATA", saved.c_str(), 1);
  else unsetenv("QLM_COMMON_APPDATA");
}
