// The tool bars and an open project: the implant fields show the defaults
// the project file carries and the save takes them back from the fields; the
// fields and the library bars follow every open attempt and File/Close.
#include "ProjectFixtures.h"
#include "ProjectFrameFixture.h"
#include "QlmBytes.h"
#include "app/CQlmQuorvantile.h"

namespace {

using Bytes = std::vector<uint8_t>;

std::string Fields(CMainFrame& frame) {
  CMainToolBar& bar = frame.MainToolBar;
  return (bar.Diameter.GetWindowText() + " " + bar.Length.GetWindowText() + " " + bar.Connector.GetWindowText()).Str();
}

bool FieldsEnabled(CMainFrame& frame) { return frame.MainToolBar.Length.IsWindowEnabled(); }

// Implants of 4.1 x 9.5 mm with a 3 mm connector, turned for the maxilla.
void SetImplantDefaults(CQlmProjectData& data) {
  data.ImplantDefaults.Diameter = 4.1f;
  data.ImplantDefaults.Length = 9.5f;
  data.ImplantDefaults.ConnectorHeight = 3.0f;
  data.ImplantDefaults.Flip = 1;
}

TEST_F(ProjectFrameFixture, TheFieldsShowTheProjectsImplantDefaultsAndTheSaveTakesThemBack) {
  const std::string path = SmallProject("Campos.qlm", SetImplantDefaults);
  auto frame = Start(path);
  CQlmQuorvantile& q = *frame->GetController();
  ASSERT_EQ(q.ProjectOpen, 1);
  EXPECT_TRUE(FieldsEnabled(*frame));
  EXPECT_EQ(Fields(*frame), "4.10 9.50 3.00");
  EXPECT_EQ(q.GetImplantOrientation(), 1);

  // What the user typed, clamped by the save.
  frame->MainToolBar.Diameter.SetWindowText("12");
  frame->MainToolBar.Length.SetWindowText("8.5");
  frame->RunCommand(32938);  // "Mandíbula"
  frame->RunCommand(57603);
  EXPECT_EQ(Fields(*frame), "10.00 8.50 3.00");
  CQlmProjectData saved;
  ASSERT_TRUE(saved.Open(path));
  EXPECT_FLOAT_EQ(saved.ImplantDefaults.Diameter, 10.0f);
  EXPECT_FLOAT_EQ(saved.ImplantDefaults.Length, 8.5f);
  EXPECT_FLOAT_EQ(saved.ImplantDefaults.ConnectorHeight, 3.0f);
  EXPECT_EQ(saved.ImplantDefaults.Flip, 0);

  frame->OnFileClose();
  EXPECT_FALSE(FieldsEnabled(*frame));
  EXPECT_EQ(Fields(*frame), "  ");
  App.m_pMainWnd = nullptr;
}

// A file without implant defaults gives the program's; a refused file leaves the fields empty and disabled.
TEST_F(ProjectFrameFixture, AnOlderFileGivesTheDefaultValuesAndARefusedOneEmptyFields) {
  CQlmProjectData source;
  ProjectFixtures::FillSmallProject(source);
  Bytes older;
  for (int32_t word : {800900, 0, 0}) ProjectFixtures::AppendInt32(older, word);
  ProjectFixtures::AppendInt32(older, static_cast<int32_t>(source.MainVolumeBlock->GetNumberOfValues()));
  older.insert(older.end(), source.MainVolumeBlock->GetPointer(0),
               source.MainVolumeBlock->GetPointer(0) + source.MainVolumeBlock->GetNumberOfValues());
  for (int32_t word : {0, 0, 0, 0, 1, 2, 3, 4, 5, 6}) ProjectFixtures::AppendInt32(older, word);

  auto frame = Start(SmallProject("Atual.qlm", SetImplantDefaults));
  frame->MainToolBar.Connector.SetWindowText("7");
  Prompter.QueueFile(CString(RawFile("Antigo.qlm", older)));
  frame->RunCommand(57601);
  ASSERT_EQ(frame->GetController()->LoadedVersion, 800900);
  EXPECT_EQ(Fields(*frame), "3.50 11.00 2.50");
  EXPECT_TRUE(FieldsEnabled(*frame));

  const Bytes whole = QlmBytes::ReadFile(SmallProject("Inteiro.qlm"));
  Prompter.QueueFile(CString(RawFile("Cortado.qlm", Bytes(whole.begin(), whole.begin() + whole.size() / 2))));
  frame->RunCommand(57601);
  EXPECT_EQ(frame->GetController()->ProjectOpen, 0);
  EXPECT_EQ(Fields(*frame), "  ");
  EXPECT_FALSE(FieldsEnabled(*frame));
  App.m_pMainWnd = nullptr;
}

// After an open a library bar is enabled only when its kind has a library; File/Close disables both.
TEST_F(ProjectFrameFixture, LibraryBarsAreEnabledByTheProjectAndTheLibrariesOfTheirKind) {
  const std::string path = SmallProject("Bibliotecas.qlm");
  const std::pair<int, int> cases[] = {{1, 0}, {0, 1}};
  for (const auto& [implants, orthodontic] : cases) {
    SCOPED_TRACE(std::to_string(implants) + std::to_string(orthodontic));
    LibrariesFound[CQlmQuorvantile::Implants] = implants;
    LibrariesFound[CQlmQuorvantile::Orthodontic] = orthodontic;
    auto frame = Start();
    EXPECT_FALSE(frame->ImplantToolBar.ItemList.IsWindowEnabled());
    EXPECT_FALSE(frame->OrtoToolBar.ItemList.IsWindowEnabled());
    Prompter.QueueFile(CString(path));
    frame->RunCommand(57601);
    ASSERT_EQ(frame->GetController()->ProjectOpen, 1);
    EXPECT_EQ(frame->ImplantToolBar.ItemList.IsWindowEnabled(), implants);
    EXPECT_EQ(frame->ImplantToolBar.ProsthesisList.IsWindowEnabled(), implants);
    EXPECT_EQ(frame->OrtoToolBar.ItemList.IsWindowEnabled(), orthodontic);
    frame->OnFileClose();
    EXPECT_FALSE(frame->ImplantToolBar.ItemList.IsWindowEnabled());
    EXPECT_FALSE(frame->OrtoToolBar.ItemList.IsWindowEnabled());
    App.m_pMainWnd = nullptr;
  }
}

}  // namespace
