// The recent-projects list: the order of its five entries and the
// "Abrir Recentes" pop-up of the file menu.
#include <QAction>
#include <QMenu>

#include "ShellFixture.h"
#include "app/CMainFrame.h"
#include "app/CQlmQuorvantile.h"
#include "app/QlmResourceIds.h"

namespace {

using List = std::vector<std::string>;

List Apply(List entries, const std::string& path) {
  CString list[CQlmQuorvantile::RecentCount];
  for (size_t index = 0; index < entries.size(); ++index) list[index] = CString(entries[index]);
  std::unique_ptr<CQlmQuorvantile> controller(CQlmQuorvantile::New());
  controller->AddRecentFile(list, CString(path));
  return List(std::begin(list), std::end(list));
}

TEST(CQlmQuorvantile, AddRecentFilePutsThePathFirstOnce) {
  struct Case {
    const char* Name;
    List Before;
    const char* Path;
    List After;
  };
  const Case cases[] = {
      {"empty list", {"", "", "", "", ""}, "/p/a.qlm", {"/p/a.qlm", "", "", "", ""}},
      {"entry 2 again", {"a", "b", "c", "d", "e"}, "c", {"c", "a", "b", "d", "e"}},
      {"entry 4 again", {"a", "b", "c", "d", "e"}, "e", {"e", "a", "b", "c", "d"}},
      {"entry 0 again", {"a", "b", "c", "d", "e"}, "a", {"a", "b", "c", "d", "e"}},
      {"a sixth project", {"a", "b", "c", "d", "e"}, "f", {"f", "a", "b", "c", "d"}},
      {"other letter case", {"/p/a.qlm", "", "", "", ""}, "/p/A.qlm", {"/p/A.qlm", "/p/a.qlm", "", "", ""}},
  };
  for (const Case& test : cases) EXPECT_EQ(Apply(test.Before, test.Path), test.After) << test.Name;
}

TEST(CQlmQuorvantile, ARecentEntryIsLabelledWithItsFileTitle) {
  const std::pair<const char*, const char*> cases[] = {{"/exames/maria.qlm", "maria"},
                                                       {"C:\\Exames\\joao.silva.qlm", "joao.silva"},
                                                       {"/exames.2021/semponto", ""},
                                                       {"nome", ""}};
  for (const auto& [path, title] : cases) EXPECT_EQ(CQlmQuorvantile::RecentTitle(path), CString(title)) << path;
}

class RecentMenuTest : public ShellFixture {
protected:
  std::unique_ptr<CMainFrame> Start() {
    auto frame = std::make_unique<CMainFrame>();
    this->App.m_pMainWnd = frame.get();
    EXPECT_TRUE(frame->LoadFrame(IDR_MAINFRAME));
    return frame;
  }

  // The file menu's entries: texts, "-" for separators.
  static std::vector<std::string> FileMenu(CMainFrame& frame) {
    std::vector<std::string> entries;
    for (QAction* action : frame.GetMenu()->GetSubMenu(0)->GetQMenu()->actions())
      entries.push_back(action->isSeparator() ? "-" : action->text().toStdString());
    return entries;
  }

  // The recent pop-up's entries: label and command.
  static std::vector<std::pair<std::string, UINT>> RecentEntries(CMainFrame& frame) {
    std::vector<std::pair<std::string, UINT>> entries;
    for (QAction* action : frame.GetMenu()->GetSubMenu(0)->GetQMenu()->actions()) {
      if (!action->menu()) continue;
      for (QAction* entry : action->menu()->actions())
        entries.emplace_back(entry->text().toStdString(), entry->data().toUInt());
    }
    return entries;
  }
};

TEST_F(RecentMenuTest, TheRecentPopUpSitsAboveExitWithAnEntryPerTitledPath) {
  WriteSettings({"Open Recent: ", "/exames/ana.qlm", "/exames/semponto", "/exames/bia.qlm", "", ""});
  auto frame = Start();
  const std::vector<std::string> layout{
      "Abrir", "Salvar",         "Salvar Como", "Fechar", "-", "Imprimir", "Prévia da Impressão", "Config. Impressão",
      "-",     "Abrir Recentes", "-",           "&Sair"};
  EXPECT_EQ(FileMenu(*frame), layout);
  const std::vector<std::pair<std::string, UINT>> entries{{"ana", RecentProjectCommands[0]},
                                                          {"bia", RecentProjectCommands[2]}};
  EXPECT_EQ(RecentEntries(*frame), entries);

  // Rebuilding replaces the pop-up and the separator under it.
  CQlmQuorvantile& q = *frame->GetController();
  q.UpdateRecentMenu(q.RecentProjects);
  q.AddRecentFile(q.RecentProjects, "/exames/carla.qlm");
  EXPECT_EQ(FileMenu(*frame), layout);
  EXPECT_EQ(RecentEntries(*frame).front(), std::make_pair(std::string("carla"), RecentProjectCommands[0]));
  EXPECT_EQ(RecentEntries(*frame).size(), 3u);

  // File/Close rebuilds it from the settings file, which the caller of AddRecentFile did not write.
  frame->OnFileClose();
  EXPECT_EQ(FileMenu(*frame), layout);
  EXPECT_EQ(RecentEntries(*frame), entries);
}

TEST_F(RecentMenuTest, AnEmptyListAddsNoPopUp) {
  auto frame = Start();
  const std::vector<std::string> layout{"Abrir", "Salvar",   "Salvar Como",         "Fechar",
                                        "-",     "Imprimir", "Prévia da Impressão", "Config. Impressão",
                                        "-",     "&Sair"};
  EXPECT_EQ(FileMenu(*frame), layout);
}

}  // namespace
