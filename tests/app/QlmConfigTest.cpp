#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "app/QlmConfig.h"
#include "app/QlmConfigFile.h"
#include "tests/support/QlmTempDir.h"

namespace {

const std::string FirstLine = "Quillmar Quorvantile Arquivo de Configuração";

class ConfigFixture : public ::testing::Test {
protected:
  void SetUp() override { ::setenv("QLM_COMMON_APPDATA", folder.Path().c_str(), 1); }
  void TearDown() override { ::unsetenv("QLM_COMMON_APPDATA"); }

  std::string SettingsPath() const {
    return (folder.Path() / "Quillmar" / "Quorvantile" / "QlmConfigQVT.sys").string();
  }

  std::string Bytes() const {
    std::ifstream file(SettingsPath(), std::ios::binary);
    std::stringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
  }

  // Writes the file from lines (CR LF added), raw bytes as given.
  void WriteFile(const std::vector<std::string>& lines) const {
    std::filesystem::create_directories(std::filesystem::path(SettingsPath()).parent_path());
    std::ofstream file(SettingsPath(), std::ios::binary);
    for (const auto& line : lines) file << line << "\r\n";
  }

  std::vector<std::string> Lines() const {
    std::vector<std::string> lines;
    std::stringstream bytes(Bytes());
    for (std::string line; std::getline(bytes, line);) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      lines.push_back(line);
    }
    return lines;
  }

  QlmTempDir folder;
};

// One key: writes sample values, and reads them back into outputs preset to
// markers, reporting the values read as one text.
struct KeyCase {
  const char* Key;
  std::function<int()> Write;
  std::function<int(std::string&)> Read;
  const char* Expected;  // the outputs after reading what Write wrote
  const char* Line;      // the line Write leaves at the end of the file
};

std::string Join(std::initializer_list<std::string> values) {
  std::string text;
  for (const auto& value : values) text += (text.empty() ? "" : "|") + value;
  return text;
}
std::string F(float value) { return std::to_string(value); }
std::string I(int value) { return std::to_string(value); }

template <int N>
std::string JoinInts(const int (&values)[N]) {
  std::string text;
  for (int value : values) text += (text.empty() ? "" : "|") + I(value);
  return text;
}

auto Pair(int (*read)(int&, int&)) {
  return [read](std::string& seen) {
    int mode = -1, size = -1;
    int found = read(mode, size);
    seen = Join({I(mode), I(size)});
    return found;
  };
}

auto Name(int (*read)(CString&)) {
  return [read](std::string& seen) {
    CString name("preset");
    int found = read(name);
    seen = name.Str();
    return found;
  };
}

std::vector<KeyCase> AllKeys() {
  static const float screw[3] = {0.95f, 0.5f, 0.25f};
  static const float connector[3] = {1.0f, 0.0f, 0.125f};
  static const int indicators[18] = {1, 1, 5, 0, 1, 0, 1, 0, 1, 1, 0, 1, 0, 1, 0, 1, 0, 1};
  static const int windows[21] = {1, 0, 1, 1, 0, 1, 1, 0, 1, 1, 1, 0, 1, 1, 0, 1, 1, 1, 0, 1, 0};
  static const int toolBars[5] = {1, 0, 1, 0, 1};
  static const CString recent[5] = {"/p/a.qlm", "", "/p/c d.qlm", "/p/ç.qlm", "/p/e.qlm"};
  static const CString email[8] = {"Dr. Silva", "Rua A, 10", "São Paulo", "SP",
                                   "Brasil",    "01000-000", "11 5555",   "a@b.br"};
  return {
      {"Dentes_ Advan: ", [] { return WriteConfigDentesAdvan(1, 18); }, Pair(ReadConfigDentesAdvan), "1|18",
       "Dentes_ Advan: 1;18"},
      {"EndoImp Advan: ", [] { return WriteConfigEndoImpAdvan(0, 7); }, Pair(ReadConfigEndoImpAdvan), "0|7",
       "EndoImp Advan: 0;7"},
      {"Geometr Advan: ", [] { return WriteConfigGeometrAdvan(1, 12); }, Pair(ReadConfigGeometrAdvan), "1|12",
       "Geometr Advan: 1;12"},
      {"OrtoImp Advan: ", [] { return WriteConfigOrtoImpAdvan(1, 7); }, Pair(ReadConfigOrtoImpAdvan), "1|7",
       "OrtoImp Advan: 1;7"},
      {"Implants Advanced: ", [] { return WriteConfigImplantsAdvanced(screw, connector, 1, 0, 1, 0, 18); },
       [](std::string& seen) {
         float s[3] = {-1, -1, -1}, c[3] = {-1, -1, -1};
         int mode = -1, fill = -1, numbers = -1, axis = -1, font = -1;
         int found = ReadConfigImplantsAdvanced(s, c, mode, fill, numbers, axis, font);
         seen = Join(
             {F(s[0]), F(s[1]), F(s[2]), F(c[0]), F(c[1]), F(c[2]), I(mode), I(fill), I(numbers), I(axis), I(font)});
         return found;
       },
       "0.950000|0.500000|0.250000|1.000000|0.000000|0.125000|1|0|1|0|18",
       "Implants Advanced: ;0.950000;0.500000;0.250000;1.000000;0.000000;0.125000;1;0;1;0;18;"},
      {"Indicators Advanced: ", [] { return WriteConfigIndicatorsAdvanced(indicators); },
       [](std::string& seen) {
         int values[18];
         std::fill(std::begin(values), std::end(values), -1);
         int found = ReadConfigIndicatorsAdvanced(values);
         seen = JoinInts(values);
         return found;
       },
       "1|1|5|0|1|0|1|0|1|1|0|1|0|1|0|1|0|1", "Indicators Advanced: 1;1;5;0;1;0;1;0;1;1;0;1;0;1;0;1;0;1"},
      {"2D Interpolation: ", [] { return WriteConfig2DInterpolation(0); },
       [](std::string& seen) {
         int value = -1;
         int found = ReadConfig2DInterpolation(value);
         seen = I(value);
         return found;
       },
       "0", "2D Interpolation: 0"},
      {"Printer Property: ",
       [] { return WriteConfigPrinterProperty(0.774f, 5, 16777215, "/h/header.bmp", "/h/footer.bmp"); },
       [](std::string& seen) {
         float ratio = -1;
         int type = -1, color = -1;
         CString header("preset"), footer("preset");
         int found = ReadConfigPrinterProperty(ratio, type, color, header, footer);
         seen = Join({F(ratio), I(type), I(color), header.Str(), footer.Str()});
         return found;
       },
       "0.774000|5|16777215|/h/header.bmp|/h/footer.bmp",
       "Printer Property: ;0.774000;5;16777215;/h/header.bmp;/h/footer.bmp;"},
      {"Send Email: ", [] { return WriteConfigSendEmail(email); },
       [](std::string& seen) {
         CString fields[8];
         std::fill(std::begin(fields), std::end(fields), CString("preset"));
         int found = ReadConfigSendEmail(fields);
         seen.clear();
         for (const CString& field : fields) seen += (seen.empty() ? "" : "|") + field.Str();
         return found;
       },
       "Dr. Silva|Rua A, 10|São Paulo|SP|Brasil|01000-000|11 5555|a@b.br",
       "Send Email: ;Dr. Silva;Rua A, 10;São Paulo;SP;Brasil;01000-000;11 5555;a@b.br;"},
      {"Show ToolBars: ", [] { return WriteConfigShowToolBars(toolBars); },
       [](std::string& seen) {
         int shown[5] = {-1, -1, -1, -1, -1};
         int found = ReadConfigShowToolBars(shown);
         seen = JoinInts(shown);
         return found;
       },
       "1|0|1|0|1", "Show ToolBars: ;1;0;1;0;1;"},
      {"Screen Shot: ", [] { return WriteConfigScreenShot(300, 2.5f, 1, 0, 150, 120, 1); },
       [](std::string& seen) {
         int dpi = -1, trueScale = -1, force = -1, width = -1, height = -1, scale = -1;
         float multiple = -1;
         int found = ReadConfigScreenShot(dpi, multiple, trueScale, force, width, height, scale);
         seen = Join({I(dpi), F(multiple), I(trueScale), I(force), I(width), I(height), I(scale)});
         return found;
       },
       "300|2.500000|1|0|150|120|1", "Screen Shot: 300;2.500000;1;0;150;120;1"},
      {"Dentes_ Lib Used: ", [] { return WriteConfigDentesLibUsed("Dentes Padrão"); }, Name(ReadConfigDentesLibUsed),
       "Dentes Padrão", "Dentes_ Lib Used: Dentes Padrão"},
      {"EndoImp Lib Used: ", [] { return WriteConfigEndoImpLibUsed("Endo"); }, Name(ReadConfigEndoImpLibUsed), "Endo",
       "EndoImp Lib Used: Endo"},
      {"Geometr Lib Used: ", [] { return WriteConfigGeometrLibUsed("Malhas"); }, Name(ReadConfigGeometrLibUsed),
       "Malhas", "Geometr Lib Used: Malhas"},
      {"Implant Lib Used: ", [] { return WriteConfigImplantLibUsed("Cone Morse"); }, Name(ReadConfigImplantLibUsed),
       "Cone Morse", "Implant Lib Used: Cone Morse"},
      {"OrtoImp Lib Used: ", [] { return WriteConfigOrtoImpLibUsed("Mini"); }, Name(ReadConfigOrtoImpLibUsed), "Mini",
       "OrtoImp Lib Used: Mini"},
      {"Windows Advanced: ", [] { return WriteConfigWindowsAdvanced(windows); },
       [](std::string& seen) {
         int values[21];
         std::fill(std::begin(values), std::end(values), -1);
         int found = ReadConfigWindowsAdvanced(values);
         seen = JoinInts(values);
         return found;
       },
       "1|0|1|1|0|1|1|0|1|1|1|0|1|1|0|1|1|1|0|1|0", "Windows Advanced: 1;0;1;1;0;1;1;0;1;1;1;0;1;1;0;1;1;1;0;1;0;"},
      {"Open Recent: ", [] { return WriteConfigOpenRecent(recent); },
       [](std::string& seen) {
         CString paths[5];
         std::fill(std::begin(paths), std::end(paths), CString("preset"));
         int found = ReadConfigOpenRecent(paths);
         seen.clear();
         for (const CString& path : paths) seen += (seen.empty() ? "" : "|") + path.Str();
         return found;
       },
       "/p/a.qlm||/p/c d.qlm|/p/ç.qlm|/p/e.qlm", "/p/e.qlm"},
  };
}

TEST_F(ConfigFixture, EnsureCreatesBothFoldersAndAFileWithTheFirstLineOnly) {
  ASSERT_EQ(EnsureConfigFile(), 1);
  EXPECT_EQ(Bytes(), FirstLine + "\r\n");
  EXPECT_EQ(GetConfigFolder(), CString((folder.Path() / "Quillmar" / "Quorvantile").string() + "/"));
  // A fresh file holds no key: every reader says so and leaves its outputs alone.
  for (const KeyCase& key : AllKeys()) {
    std::string seen;
    EXPECT_EQ(key.Read(seen), 0) << key.Key;
    EXPECT_EQ(seen.find_first_not_of("-1|.0preset"), std::string::npos) << key.Key << ": " << seen;
  }
}

TEST_F(ConfigFixture, EnsureKeepsAValidFileAndReplacesAnyOther) {
  const std::string latin1FirstLine = "Quillmar Quorvantile Arquivo de Configura\xE7\xE3o";
  struct Case {
    std::string FirstLine;
    bool Kept;
  };
  const Case cases[] = {
      {FirstLine, true},
      {latin1FirstLine, true},  // written by an older program in Windows-1252
      {FirstLine + " ", false},
      {"quillmar Quorvantile Arquivo de Configuração", false},
      {"", false},
  };
  for (const Case& test : cases) {
    WriteFile({test.FirstLine, "2D Interpolation: 0"});
    ASSERT_EQ(EnsureConfigFile(), 1);
    int interpolation = -1;
    EXPECT_EQ(ReadConfig2DInterpolation(interpolation), test.Kept ? 1 : 0) << test.FirstLine;
    if (!test.Kept) {
      EXPECT_EQ(Bytes(), FirstLine + "\r\n");
    }
  }
}

TEST_F(ConfigFixture, EveryKeyRoundTripsInItsOwnFormat) {
  ASSERT_EQ(EnsureConfigFile(), 1);
  for (const KeyCase& key : AllKeys()) {
    ASSERT_EQ(key.Write(), 1) << key.Key;
    EXPECT_EQ(Lines().back(), key.Line) << key.Key;
  }
  for (const KeyCase& key : AllKeys()) {
    std::string seen;
    EXPECT_EQ(key.Read(seen), 1) << key.Key;
    EXPECT_EQ(seen, key.Expected) << key.Key;
  }
  EXPECT_EQ(Lines().front(), FirstLine);
}

TEST_F(ConfigFixture, WritingAKeyAgainMovesItsOnlyLineToTheEnd) {
  WriteFile(
      {FirstLine, "Show ToolBars: ;1;1;1;1;1;", "2D Interpolation: 1", "Show ToolBars: ;0;0;0;0;0;", "Unknown: x"});
  int shown[5] = {};
  ASSERT_EQ(ReadConfigShowToolBars(shown), 1);
  EXPECT_EQ(shown[0], 1);  // the upper of two lines
  const int written[5] = {0, 1, 0, 1, 0};
  ASSERT_EQ(WriteConfigShowToolBars(written), 1);
  EXPECT_EQ(Lines(),
            (std::vector<std::string>{FirstLine, "2D Interpolation: 1", "Unknown: x", "Show ToolBars: ;0;1;0;1;0;"}));
}

TEST_F(ConfigFixture, WritingTheRecentListDropsTheKeyAndExactlyFiveLines) {
  WriteFile({FirstLine, "Open Recent: ", "/a.qlm", "", "/c.qlm", "/d.qlm", "", "2D Interpolation: 0"});
  const CString paths[5] = {"/n.qlm", "/a.qlm", "", "", ""};
  ASSERT_EQ(WriteConfigOpenRecent(paths), 1);
  EXPECT_EQ(Lines(), (std::vector<std::string>{FirstLine, "2D Interpolation: 0", "Open Recent: ", "/n.qlm", "/a.qlm",
                                               "", "", ""}));
}

TEST_F(ConfigFixture, AKeyTextInsideAValueIsNotTakenForTheKey) {
  ASSERT_EQ(EnsureConfigFile(), 1);
  const CString recent[5] = {"/exames/Screen Shot: 1;2/a.qlm", "/Show ToolBars: /b.qlm", "", "", ""};
  ASSERT_EQ(WriteConfigOpenRecent(recent), 1);
  ASSERT_EQ(WriteConfigImplantLibUsed("Implant Lib Used: velha"), 1);
  int dpi = -1, trueScale = -1, force = -1, width = -1, height = -1, scale = -1;
  float multiple = -1;
  EXPECT_EQ(ReadConfigScreenShot(dpi, multiple, trueScale, force, width, height, scale), 0);
  int shown[5] = {};
  EXPECT_EQ(ReadConfigShowToolBars(shown), 0);

  // Rewriting another key keeps the block whole.
  const int toolBars[5] = {1, 0, 0, 0, 0};
  ASSERT_EQ(WriteConfigShowToolBars(toolBars), 1);
  CString paths[5];
  ASSERT_EQ(ReadConfigOpenRecent(paths), 1);
  EXPECT_EQ(paths[0], recent[0]);
  EXPECT_EQ(paths[1], recent[1]);
  CString library;
  ASSERT_EQ(ReadConfigImplantLibUsed(library), 1);
  EXPECT_EQ(library, CString("Implant Lib Used: velha"));
}

TEST_F(ConfigFixture, TextsWithSeparatorsLineBreaksAndPercentSignsRoundTrip) {
  ASSERT_EQ(EnsureConfigFile(), 1);
  const CString email[8] = {"Clínica; Sorriso", "Rua B\r\nSala 3", "100%", "%3B", "", "x;y;z", "\n", "a@b.br"};
  ASSERT_EQ(WriteConfigSendEmail(email), 1);
  ASSERT_EQ(WriteConfigPrinterProperty(0.707f, 5, 255, "/h/cab;eçalho.bmp", "/h/ro\ndapé.bmp"), 1);
  const CString recent[5] = {"/a\n/b.qlm", "/c;d.qlm", "", "", ""};
  ASSERT_EQ(WriteConfigOpenRecent(recent), 1);

  CString read[8];
  ASSERT_EQ(ReadConfigSendEmail(read), 1);
  for (int index = 0; index < 8; ++index) EXPECT_EQ(read[index], email[index]) << index;
  float ratio = 0;
  int type = 0, color = 0;
  CString header, footer;
  ASSERT_EQ(ReadConfigPrinterProperty(ratio, type, color, header, footer), 1);
  EXPECT_EQ(header, CString("/h/cab;eçalho.bmp"));
  EXPECT_EQ(footer, CString("/h/ro\ndapé.bmp"));
  CString paths[5];
  ASSERT_EQ(ReadConfigOpenRecent(paths), 1);
  EXPECT_EQ(paths[0], recent[0]);
  EXPECT_EQ(paths[1], recent[1]);
  EXPECT_EQ(Lines().size(), 1u + 1 + 1 + 6);
}

TEST_F(ConfigFixture, FilesOfTheOlderProgramReadAsTheyStand) {
  WriteFile({"Quillmar Quorvantile Arquivo de Configura\xE7\xE3o", "Send Email: ;Jo\xE3o;50% off;a;b;c;d;e;f;",
             "Implants Advanced: 0.1;0.2;0.3;0.4;0.5;0.6;0.7;1;1;1;1;12;", "Dentes_ Advan: 12",
             "Windows Advanced: 1;1;1;1;1;1;1;1;1;1;1;1;1;1;1;1;1;1;1;1;0;", "Geometr Advan: x;y",
             "Screen Shot: 150;1.5"});
  ASSERT_EQ(EnsureConfigFile(), 1);

  CString email[8];
  ASSERT_EQ(ReadConfigSendEmail(email), 1);
  EXPECT_EQ(email[0], CString("João"));
  EXPECT_EQ(email[1], CString("50% off"));

  // Without its leading separator the first float is the text between the first two.
  float screw[3], connector[3];
  int mode, fill, numbers, axis, font;
  ASSERT_EQ(ReadConfigImplantsAdvanced(screw, connector, mode, fill, numbers, axis, font), 1);
  EXPECT_FLOAT_EQ(screw[0], 0.2f);
  EXPECT_FLOAT_EQ(connector[2], 0.7f);
  EXPECT_EQ(font, 12);

  int label = -1, size = -1;
  ASSERT_EQ(ReadConfigDentesAdvan(label, size), 1);
  EXPECT_EQ(label, 0);
  EXPECT_EQ(size, 12);
  int windows[21];
  ASSERT_EQ(ReadConfigWindowsAdvanced(windows), 1);
  EXPECT_EQ(windows[20], 0);
  ASSERT_EQ(ReadConfigGeometrAdvan(label, size), 1);
  EXPECT_EQ(label, 0);
  EXPECT_EQ(size, 0);
  int dpi = -1, trueScale = -1, force = -1, width = -1, height = -1, scale = -1;
  float multiple = -1;
  ASSERT_EQ(ReadConfigScreenShot(dpi, multiple, trueScale, force, width, height, scale), 1);
  EXPECT_EQ(dpi, 150);
  EXPECT_FLOAT_EQ(multiple, 0);  // every later field depends on a missing separator
  EXPECT_EQ(scale, 150);         // ... and the last is then the whole text

  // Rewriting converts the file to UTF-8 and keeps every other line.
  ASSERT_EQ(WriteConfigDentesAdvan(1, 7), 1);
  EXPECT_EQ(Lines().front(), FirstLine);
  EXPECT_EQ(Lines()[1], "Send Email: ;João;50% off;a;b;c;d;e;f;");
}

TEST_F(ConfigFixture, WithoutAFileReadersAndWritersFailAndCreateNothing) {
  int interpolation = 7;
  EXPECT_EQ(ReadConfig2DInterpolation(interpolation), 0);
  EXPECT_EQ(interpolation, 7);
  EXPECT_EQ(WriteConfig2DInterpolation(1), 0);
  EXPECT_FALSE(std::filesystem::exists(SettingsPath()));
}

TEST_F(ConfigFixture, NumbersAreWrittenWithAPointWhateverTheLocale) {
  ASSERT_EQ(EnsureConfigFile(), 1);
  const char* before = std::setlocale(LC_ALL, nullptr);
  std::string saved = before ? before : "C";
  if (!std::setlocale(LC_ALL, "pt_BR.UTF-8")) GTEST_SKIP() << "pt_BR.UTF-8 is not installed";
  ASSERT_EQ(WriteConfigPrinterProperty(0.707f, 5, 1, "", ""), 1);
  float ratio = 0;
  int type = 0, color = 0;
  CString header, footer;
  EXPECT_EQ(ReadConfigPrinterProperty(ratio, type, color, header, footer), 1);
  std::setlocale(LC_ALL, saved.c_str());
  EXPECT_EQ(Lines().back(), "Printer Property: ;0.707000;5;1;;;");
  EXPECT_FLOAT_EQ(ratio, 0.707f);
}

// Two processes rewrite their own key many times while this one reads: every
// file seen is whole, and no temporary file is left behind.
TEST_F(ConfigFixture, TwoProcessesWritingAtOnceNeverTearTheFile) {
  ASSERT_EQ(EnsureConfigFile(), 1);
  constexpr int Writes = 60;
  auto writer = [](int (*write)(int, int)) {
    for (int round = 0; round < Writes; ++round) write(round, round);
    _exit(0);
  };
  pid_t first = fork();
  if (first == 0) writer(WriteConfigDentesAdvan);
  pid_t second = fork();
  if (second == 0) writer(WriteConfigGeometrAdvan);

  int observed = 0;
  auto finished = [&](pid_t child) { return ::waitpid(child, nullptr, WNOHANG) == child; };
  bool firstDone = false, secondDone = false;
  while (!(firstDone && secondDone)) {
    std::vector<std::string> lines = Lines();
    ASSERT_FALSE(lines.empty());
    ASSERT_EQ(lines.front(), FirstLine);
    for (size_t index = 1; index < lines.size(); ++index) {
      int label = -1, size = -2;
      std::string value = lines[index].substr(std::string("Dentes_ Advan: ").size());
      ASSERT_EQ(std::sscanf(value.c_str(), "%d;%d", &label, &size), 2) << lines[index];
      EXPECT_EQ(label, size) << lines[index];
    }
    ++observed;
    firstDone = firstDone || finished(first);
    secondDone = secondDone || finished(second);
  }
  int label = -1, size = -1;
  EXPECT_EQ(ReadConfigDentesAdvan(label, size) + ReadConfigGeometrAdvan(label, size), 2);
  EXPECT_GT(observed, 0);
  for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(SettingsPath()).parent_path())) {
    EXPECT_EQ(entry.path().filename(), "QlmConfigQVT.sys");
  }
}

TEST(QlmConfigFile, NumbersConvertAsTheClassicFunctionsDo) {
  const std::pair<const char*, int> ints[] = {
      {"12", 12}, {" -3x", -3}, {"+7", 7}, {"", 0}, {"abc", 0}, {"99999999999", 2147483647}, {"21;", 21}};
  for (const auto& [text, value] : ints) EXPECT_EQ(QlmConfigFile::ToInt(text), value) << text;
  const std::pair<const char*, float> floats[] = {{"0.707000", 0.707f}, {" 2.5mm", 2.5f}, {"-1e2", -100.0f},
                                                  {"", 0.0f},           {"x", 0.0f},      {"+.5", 0.5f}};
  for (const auto& [text, value] : floats) EXPECT_FLOAT_EQ(QlmConfigFile::ToFloat(text), value) << text;
}

}  // namespace
