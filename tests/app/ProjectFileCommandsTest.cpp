// File/Abrir, Abrir Recentes, Salvar, Salvar Como, Fechar and Sair on a main
// frame: the save question, the refused files, failed saves and the round
// trip of the sample project through Save As, Close and the recent list.
#include <sys/wait.h>
#include <unistd.h>
#include <vtkCamera.h>

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QScrollBar>
#include <algorithm>
#include <array>
#include <csignal>
#include <optional>
#include <set>

#include "ProjectFixtures.h"
#include "ProjectFrameFixture.h"
#include "QlmBytes.h"
#include "QlmTestData.h"
#include "app/CQlmQuorvantile.h"
#include "app/QlmConfig.h"
#include "app/QlmResourceIds.h"
#include "ct/CQlmCTAxialFilter.h"
#include "ct/CQlmCTData.h"
#include "ct/CQlmCTFilter.h"
#include "platform/CAtomicFile.h"
#include "platform/gui/CCmdUI.h"
#include "platform/gui/CStatusBar.h"
#include "views/CAxialWnd.h"
#include "views/CCrossWnd.h"
#include "views/CPanoramicWnd.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlm3DWindow9.h"
#include "views/CQlmInteractorStyle2.h"
#include "views/CQlmInteractorStyle29.h"
#include "views/CQlmInteractorStyle3.h"

namespace {

using Bytes = std::vector<uint8_t>;
using QlmBytes::ReadFile;
namespace fs = std::filesystem;

std::string Title(const CMainFrame& frame) { return frame.GetMainWindow()->windowTitle().toStdString(); }

// What the views show: the three 2D pictures.
std::vector<QImage> Pictures(const CQlmQuorvantile& q) {
  return {q.WindowAxial->GetImage(), q.WindowCross->GetImage(), q.WindowPanoramic->GetImage()};
}

// Focal point, position, view-up and parallel scale of the four views' cameras.
std::vector<std::array<double, 10>> Cameras(CQlmQuorvantile& q) {
  std::vector<std::array<double, 10>> cameras;
  for (CQlmInteractorBase* style : std::initializer_list<CQlmInteractorBase*>{q.StyleAxial, q.StyleCross,
                                                                                q.StylePanoramic, q.Style3D}) {
    vtkCamera* camera = style->GetCamera();
    std::array<double, 10> values;
    camera->GetFocalPoint(&values[0]);
    camera->GetPosition(&values[3]);
    camera->GetViewUp(&values[6]);
    values[9] = camera->GetParallelScale();
    cameras.push_back(values);
  }
  return cameras;
}

// Distinct grey levels of a picture: a grey (disabled) view has two, a CT picture many.
size_t GreyLevels(const QImage& picture) {
  std::set<int> levels;
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) levels.insert(qRed(picture.pixel(x, y)));
  }
  return levels.size();
}

// Pixels of at least 3533 on the 0 .. 4095 display range (2509 HU): enamel, not bone.
int EnamelPixels(const QImage& picture) {
  int enamel = 0;
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) enamel += qRed(picture.pixel(x, y)) >= 220;
  }
  return enamel;
}

QMenu* RecentMenu(CMainFrame& frame) {
  for (QAction* action : frame.GetMenu()->GetSubMenu(0)->GetQMenu()->actions()) {
    if (action->menu() && action->text() == "Abrir Recentes") return action->menu();
  }
  return nullptr;
}

bool Enabled(CMainFrame& frame, UINT id) {
  CCmdUI state(id, nullptr);
  frame.OnCmdMsg(id, QlmCmdCode::Update, &state);
  return state.Enabled;
}

struct Message {
  std::string Text;
  std::string Caption;
  QlmButtons Buttons;
  QlmIcon Icon;
  bool operator==(const Message&) const = default;
};

std::vector<Message> Shown(const CQlmScriptedPrompter& prompter) {
  std::vector<Message> shown;
  for (const auto& message : prompter.Messages)
    shown.push_back({message.Text.Str(), message.Caption.Str(), message.Buttons, message.Icon});
  return shown;
}

const Message CannotOpen(const std::string& title) {
  return {"Erro ao abrir projeto\n" + title, "Atenção", QlmButtons::Ok, QlmIcon::Warning};
}

TEST_F(ProjectFrameFixture, TheSampleNamedOnTheCommandLineOpensIntoTheViews) {
  QLM_REQUIRE_TEST_DATA(QlmTestData::CraniumMatrix);
  const std::string sample = SampleFile("Amostra.qlm");
  auto frame = Start(sample);
  CQlmQuorvantile& q = *frame->GetController();

  EXPECT_TRUE(Prompter.Messages.empty());
  ASSERT_EQ(q.ProjectOpen, 1);
  EXPECT_EQ(q.Modified, 0);
  EXPECT_EQ(q.ProjectPath, CString(sample));
  EXPECT_EQ(q.ProjectFileName, CString("Amostra.qlm"));
  EXPECT_EQ(q.ProjectExtension, CString("qlm"));
  EXPECT_EQ(Title(*frame), "Quorvantile 2021R Amostra");
  ASSERT_FALSE(StatusTexts.empty());
  EXPECT_EQ(StatusTexts.front(), "Lendo Projeto...");
  EXPECT_EQ(StatusTexts.back(), "Pronto");
  EXPECT_EQ(frame->StatusBar.GetPaneText(0), CString("Pronto"));
  EXPECT_EQ(frame->StatusBar.GetPaneText(2), CString("min: 0  max: 4095"));
  EXPECT_EQ(RecentList(), (std::vector<std::string>{sample, "", "", "", ""}));
  QMenu* recent = RecentMenu(*frame);
  ASSERT_NE(recent, nullptr);
  ASSERT_EQ(recent->actions().size(), 1);
  EXPECT_EQ(recent->actions()[0]->text(), QString("Amostra"));
  EXPECT_EQ(recent->actions()[0]->data().toUInt(), RecentProjectCommands[0]);

  // Every view renders the CT; scroll bars and splitters are live.
  EXPECT_EQ(q.WindowAxial->Enabled + q.WindowCross->Enabled + q.WindowPanoramic->Enabled + q.Window3D->Enabled, 4);
  for (const QImage& picture : Pictures(q)) EXPECT_GT(GreyLevels(picture), 64u);
  for (CWnd* view : {static_cast<CWnd*>(frame->AxialView), static_cast<CWnd*>(frame->CrossView),
                     static_cast<CWnd*>(frame->PanoramicView)}) {
    EXPECT_TRUE(view->GetVerticalScrollBar()->isEnabled());
  }
  EXPECT_TRUE(frame->SplitterLeft.IsWindowEnabled());
  EXPECT_TRUE(frame->SplitterRight.IsWindowEnabled());
  const CQlmCTAxialFilter& axial = *q.CTFilter->GetAxialFilter();
  EXPECT_EQ(axial.GetMaxSlice(), QlmTestData::CraniumDims[2] - 1);
  EXPECT_EQ(frame->AxialView->GetScrollPos(SB_VERT), axial.GetMaxSlice() - axial.GetCurrentSlice());

  // The sample opens on the crowns of the maxillary teeth.
  EXPECT_GT(EnamelPixels(q.WindowAxial->GetImage()), 50);
}

TEST_F(ProjectFrameFixture, SaveAsCloseAndReopeningFromTheRecentListGiveTheSameViewsCamerasAndBytes) {
  QLM_REQUIRE_TEST_DATA(QlmTestData::CraniumMatrix);
  const std::string sample = SampleFile("Amostra.qlm");
  const std::string copy = Files.File("Copia.qlm");
  auto frame = Start(sample);
  // Cameras moved since the file was read are saved with the project.
  CQlmQuorvantile& first = *frame->GetController();
  first.StyleAxial->ZoomOut();
  first.StylePanoramic->Pan(100, 100, 90, 95);
  first.WindowAxial->Render();
  first.WindowPanoramic->Render();
  const std::vector<QImage> opened = Pictures(first);
  const auto cameras = Cameras(first);

  Prompter.QueueFile(CString(Files.File("Copia")));  // the extension is added
  frame->OnFileSaveAs();
  CQlmQuorvantile* q = frame->GetController();
  EXPECT_EQ(q->ProjectPath, CString(copy));
  EXPECT_EQ(q->ProjectTitle, CString("Copia"));
  EXPECT_EQ(q->ProjectFileName, CString("Copia.qlm"));
  EXPECT_EQ(q->Modified, 0);
  EXPECT_EQ(Title(*frame), "Quorvantile 2021R Copia");
  EXPECT_EQ(RecentList(), (std::vector<std::string>{copy, sample, "", "", ""}));

  frame->OnFileClose();
  EXPECT_EQ(frame->GetController()->ProjectOpen, 0);
  EXPECT_EQ(Title(*frame), "Quorvantile 2021R ");
  QMenu* recent = RecentMenu(*frame);
  ASSERT_NE(recent, nullptr);
  ASSERT_EQ(recent->actions().size(), 2);
  recent->actions()[0]->trigger();

  q = frame->GetController();
  ASSERT_EQ(q->ProjectOpen, 1);
  EXPECT_EQ(q->ProjectPath, CString(copy));
  EXPECT_EQ(Pictures(*q), opened);
  EXPECT_EQ(Cameras(*q), cameras);
  Prompter.QueueFile(CString(Files.File("Copia2.qlm")));
  frame->OnFileSaveAs();
  const Bytes saved = ReadFile(copy);
  ASSERT_FALSE(saved.empty());
  EXPECT_TRUE(ReadFile(Files.File("Copia2.qlm")) == saved);
  EXPECT_TRUE(Prompter.Messages.empty());
}

enum class Command { Close, Open, Exit, CloseWindow };

void RunCommand(CMainFrame& frame, Command command) {
  switch (command) {
    case Command::Close:
      return frame.OnFileClose();
    case Command::Open:
      return frame.OnFileOpen();
    case Command::Exit:
      return frame.OnAppExit();
    case Command::CloseWindow:
      frame.GetMainWindow()->close();
      return;
  }
}

// Yes saves and goes on, No goes on, Cancel stops; a Yes whose save fails stops too.
TEST_F(ProjectFrameFixture, TheSaveQuestionSavesGoesOnOrStops) {
  struct Case {
    QlmAnswer Answer;
    bool FolderGone;
    bool Saved;
    bool GoesOn;
  };
  const Case answers[] = {{QlmAnswer::Yes, false, true, true},
                          {QlmAnswer::No, false, false, true},
                          {QlmAnswer::Cancel, false, false, false},
                          {QlmAnswer::Yes, true, false, false}};
  const std::string other = SmallProject("Outro.qlm");
  int round = 0;
  for (Command command : {Command::Close, Command::Open, Command::Exit, Command::CloseWindow}) {
    for (const Case& test : answers) {
      SCOPED_TRACE(testing::Message() << "command " << static_cast<int>(command) << ", answer "
                                      << static_cast<int>(test.Answer) << (test.FolderGone ? ", folder gone" : ""));
      const std::string folderName = "exame" + std::to_string(++round);
      const fs::path folder = Files.Path() / folderName;
      fs::create_directories(folder);
      const std::string path = SmallProject(folderName + "/Paciente.qlm");
      auto frame = Start(path);
      ASSERT_EQ(frame->GetController()->ProjectOpen, 1);
      frame->GetController()->Modified = 1;
      fs::remove_all(folder);
      if (!test.FolderGone) fs::create_directories(folder);
      const int controllers = ControllersMade;
      Prompter.Messages.clear();
      Prompter.FileCaptions.clear();
      Prompter.Unscripted = 0;
      Prompter.QueueAnswer(test.Answer);
      if (command == Command::Open && test.GoesOn) Prompter.QueueFile(CString(other));

      RunCommand(*frame, command);

      std::vector<Message> expected{
          {"Salvar alterações para Paciente.qlm", "Atenção", QlmButtons::YesNoCancel, QlmIcon::None}};
      if (test.FolderGone) expected.push_back({"Erro ao salvar Paciente.qlm", "Erro", QlmButtons::Ok, QlmIcon::Error});
      EXPECT_EQ(Shown(Prompter), expected);
      EXPECT_EQ(fs::exists(path), test.Saved);
      EXPECT_EQ(Prompter.Unscripted, test.FolderGone ? 1 : 0);  // the save error's OK
      CQlmQuorvantile* q = frame->GetController();
      if (!test.GoesOn) {
        EXPECT_EQ(ControllersMade, controllers);
        EXPECT_TRUE(Prompter.FileCaptions.empty());
        ASSERT_NE(q, nullptr);
        EXPECT_EQ(q->ProjectOpen, 1);
        EXPECT_EQ(q->Modified, 1);
      } else if (command == Command::Close || command == Command::Open) {
        ASSERT_NE(q, nullptr);
        EXPECT_EQ(ControllersMade, controllers + 1);
        EXPECT_EQ(q->ProjectPath, CString(command == Command::Open ? other : ""));
        EXPECT_EQ(q->Modified, 0);
      } else {
        EXPECT_EQ(q, nullptr);  // the window is gone with its controller
      }
      App.m_pMainWnd = nullptr;
    }
  }
}

// From the recent list and from the command line: only a six-digit code above
// 800901 is a newer project; the status is back at "Pronto" in every case.
TEST_F(ProjectFrameFixture, AFileThatNoReaderTakesLeavesNoProjectAndAFreshController) {
  const std::string good = SmallProject("Bom.qlm");
  const Bytes whole = ReadFile(good);
  auto withCode = [&whole](int32_t code) {
    Bytes bytes = whole;
    ProjectFixtures::PokeInt32(bytes, 0, code);
    return bytes;
  };
  Bytes picture = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
  picture.resize(200, 0);
  struct Case {
    const char* Name;
    std::optional<Bytes> Content;  // none: the file does not exist
    bool OutOfDate;
  };
  const Case cases[] = {{"Novo", withCode(800902), true},
                        {"Ultimo", withCode(999999), true},
                        {"Sete digitos", withCode(1000000), false},
                        {"Negativo", withCode(-800902), false},
                        {"Figura", picture, false},
                        {"Cortado", Bytes(whole.begin(), whole.begin() + whole.size() / 2), false},
                        {"Vazio", Bytes(), false},
                        {"Sumiu", std::nullopt, false}};
  for (const Case& test : cases) {
    SCOPED_TRACE(test.Name);
    const std::string name = std::string(test.Name) + ".qlm";
    const std::string path = test.Content ? RawFile(name, *test.Content) : Files.File(name);
    std::vector<Message> expected;
    if (test.OutOfDate) {
      expected.push_back({"Quorvantile desatualizado\nAtualize em www.quillmar.example\n", "Atenção",
                          QlmButtons::OkCancel, QlmIcon::None});
    }
    expected.push_back(CannotOpen(test.Name));
    auto expectNoProject = [&](CMainFrame& frame) {
      CQlmQuorvantile& q = *frame.GetController();
      EXPECT_EQ(q.ProjectOpen, 0);
      EXPECT_EQ(q.CTData->ImageData->GetNumberOfPoints(), 0);
      EXPECT_EQ(q.WindowAxial->Enabled, 0);
      EXPECT_EQ(Title(frame), "Quorvantile 2021R ");
      EXPECT_EQ(frame.StatusBar.GetPaneText(0), CString("Pronto"));
    };

    // The refused file is entry 1 of the recent list, the good project entry 0.
    WriteSettings({"Open Recent: ", path, "", "", "", ""});
    auto frame = Start(good);
    ASSERT_EQ(frame->GetController()->ProjectOpen, 1);
    const std::vector<std::string> recent = RecentList();
    int controllers = ControllersMade;
    Prompter.Messages.clear();
    frame->RunCommand(RecentProjectCommands[1]);
    EXPECT_EQ(Shown(Prompter), expected);
    EXPECT_EQ(ControllersMade, controllers + 2);  // one made by the close, one after the failure
    expectNoProject(*frame);
    EXPECT_EQ(RecentList(), recent);
    frame.reset();
    App.m_pMainWnd = nullptr;

    // Named on the command line, as a double click on the file does.
    Prompter.Messages.clear();
    controllers = ControllersMade;
    frame = Start(path);
    EXPECT_EQ(Shown(Prompter), expected);
    EXPECT_EQ(ControllersMade, controllers + 2);  // the start's, then a fresh one after the failure
    expectNoProject(*frame);
    EXPECT_EQ(RecentList(), recent);
    frame.reset();
    App.m_pMainWnd = nullptr;
  }
}

// An allocation that fails while the views are set up refuses the file as damage does.
TEST_F(ProjectFrameFixture, AnAllocationThatFailsDuringTheOpenRefusesTheFile) {
  const std::string path = SmallProject("Espessa.qlm", [](CQlmProjectData& data) { data.Values.ThickPanoramic = 1; });
  FailingStatusText = "Calculando Espessura Panorâmica";  // the slab of the thick panoramic
  auto frame = Start();
  Prompter.QueueFile(CString(path));
  frame->OnFileOpen();
  EXPECT_EQ(Shown(Prompter), std::vector<Message>{CannotOpen("Espessa")});
  EXPECT_EQ(frame->GetController()->ProjectOpen, 0);
  EXPECT_EQ(frame->StatusBar.GetPaneText(0), CString("Pronto"));
  EXPECT_EQ(Title(*frame), "Quorvantile 2021R ");
  EXPECT_EQ(RecentList(), (std::vector<std::string>{"", "", "", "", ""}));
}

// A save killed midway leaves its temporary file beside the project; the next open of the project removes it.
TEST_F(ProjectFrameFixture, OpeningAProjectRemovesTheTemporaryFilesOfKilledSaves) {
  const std::string path = SmallProject("Paciente.qlm");
  auto temporaries = [this] {
    return std::count_if(fs::directory_iterator(Files.Path()), fs::directory_iterator(),
                         [](const fs::directory_entry& entry) {
                           return entry.path().filename().string().rfind(".Paciente.qlm.", 0) == 0;
                         });
  };
  const pid_t child = ::fork();
  if (child == 0) {
    CAtomicFile file;
    if (file.Open(path)) ::raise(SIGKILL);
    ::_exit(1);
  }
  ::waitpid(child, nullptr, 0);
  ASSERT_EQ(temporaries(), 1);

  auto frame = Start(path);
  EXPECT_EQ(frame->GetController()->ProjectOpen, 1);
  EXPECT_EQ(temporaries(), 0);
}

TEST_F(ProjectFrameFixture, AStartWithoutACommandLineOpensNothingAndSaysNothing) {
  auto frame = Start();
  EXPECT_EQ(frame->GetController()->ProjectOpen, 0);
  EXPECT_TRUE(Prompter.Messages.empty());
  EXPECT_EQ(Title(*frame), "Quorvantile 2021R ");
}

TEST_F(ProjectFrameFixture, AFailedSaveKeepsTheProjectAndItsName) {
  fs::create_directories(Files.Path() / "exames");
  const std::string path = SmallProject("exames/Paciente.qlm");
  auto frame = Start(path);
  CQlmQuorvantile& q = *frame->GetController();
  ASSERT_EQ(q.ProjectOpen, 1);
  q.Modified = 1;
  fs::remove_all(Files.Path() / "exames");  // root writes into read-only folders: the folder goes instead

  EXPECT_FALSE(frame->OnFileSave());
  EXPECT_EQ(Shown(Prompter),
            (std::vector<Message>{{"Erro ao salvar Paciente.qlm", "Erro", QlmButtons::Ok, QlmIcon::Error}}));
  EXPECT_EQ(q.ProjectOpen, 1);
  EXPECT_EQ(q.Modified, 1);
  EXPECT_EQ(Title(*frame), "Quorvantile 2021R Paciente");

  // Save As into a missing folder: the name, the title and the recent list stay.
  Prompter.Messages.clear();
  Prompter.QueueFile(CString(Files.File("nenhuma/Outro.qlm")));
  frame->OnFileSaveAs();
  EXPECT_EQ(Shown(Prompter), (std::vector<Message>{{"Erro ao salvar Outro", "Erro", QlmButtons::Ok, QlmIcon::Error}}));
  EXPECT_EQ(q.ProjectPath, CString(path));
  EXPECT_EQ(q.ProjectFileName, CString("Paciente.qlm"));
  EXPECT_EQ(Title(*frame), "Quorvantile 2021R Paciente");
  EXPECT_EQ(RecentList(), (std::vector<std::string>{path, "", "", "", ""}));
  EXPECT_EQ(q.Modified, 1);

  // Where it can be written, the project takes the new name.
  Prompter.Messages.clear();
  Prompter.QueueFile(CString(Files.File("Outro.qlm")));
  frame->OnFileSaveAs();
  EXPECT_TRUE(Prompter.Messages.empty());
  EXPECT_EQ(q.ProjectPath, CString(Files.File("Outro.qlm")));
  EXPECT_EQ(Title(*frame), "Quorvantile 2021R Outro");
  EXPECT_EQ(RecentList(), (std::vector<std::string>{Files.File("Outro.qlm"), path, "", "", ""}));
  EXPECT_EQ(q.Modified, 0);
  EXPECT_TRUE(fs::exists(Files.File("Outro.qlm")));
}

TEST_F(ProjectFrameFixture, CancellingTheFileDialogChangesNothing) {
  const std::string path = SmallProject("Paciente.qlm");
  auto frame = Start(path);
  CQlmQuorvantile* q = frame->GetController();
  Prompter.QueueFile(CString());
  frame->OnFileOpen();
  Prompter.QueueFile(CString());
  frame->OnFileSaveAs();
  EXPECT_EQ(frame->GetController(), q);
  EXPECT_EQ(q->ProjectOpen, 1);
  EXPECT_EQ(q->ProjectPath, CString(path));
  EXPECT_EQ(q->Modified, 0);
  EXPECT_EQ(Prompter.FileCaptions.size(), 2u);
  EXPECT_TRUE(Prompter.Messages.empty());
}

// Save and Save As need an open project outside curve and nerve editing; the
// tool-bar Save a modified one; Close an open one.
TEST_F(ProjectFrameFixture, FileCommandsAreEnabledByTheProjectState) {
  struct State {
    const char* Name;
    int Open, Modified, CurveEditing;
    bool Save, SaveAs, SaveButton, Close;
  };
  const State states[] = {{"no project", 0, 0, 0, false, false, false, false},
                          {"open", 1, 0, 0, true, true, false, true},
                          {"modified", 1, 1, 0, true, true, true, true},
                          {"curve edited", 1, 1, 1, false, false, true, true}};
  auto frame = Start();
  CQlmQuorvantile& q = *frame->GetController();
  for (const State& state : states) {
    SCOPED_TRACE(state.Name);
    q.ProjectOpen = state.Open;
    q.Modified = state.Modified;
    q.CurveEditing = state.CurveEditing;
    EXPECT_EQ(Enabled(*frame, ID_FILE_SAVE), state.Save);
    EXPECT_EQ(Enabled(*frame, ID_FILE_SAVE_AS), state.SaveAs);
    EXPECT_EQ(Enabled(*frame, ID_SAVE_PROJECT), state.SaveButton);
    EXPECT_EQ(Enabled(*frame, ID_FILE_CLOSE), state.Close);
    for (UINT always : {ID_FILE_OPEN, ID_OPEN_PROJECT, ID_APP_EXIT, RecentProjectCommands[0]})
      EXPECT_TRUE(Enabled(*frame, always));
  }
  q.ProjectOpen = 0;
  q.Modified = 0;
}

}  // namespace
