// The teeth, mesh and endodontic tool bars in the main frame: disabled at
// start, filled from library files of real STL models, enabled and disabled.
#include <QComboBox>

#include "QlmComboEntries.h"
#include "QlmStlLibraries.h"
#include "ShellFixture.h"

namespace {

// Not hidden, whether or not the bar itself shows.
bool Shown(const CWnd& window) { return !window.GetSafeHwnd()->isHidden(); }

// Box and list shown, or both blanks.
void ExpectShown(CLibraryToolBar& bar, bool enabled) {
  EXPECT_EQ(bar.ItemList.IsWindowEnabled(), enabled);
  EXPECT_EQ(Shown(bar.PlatformBox), enabled);
  EXPECT_EQ(Shown(bar.PlatformBlank), !enabled);
  EXPECT_EQ(Shown(bar.ListBlank), !enabled);
  EXPECT_EQ(bar.PlatformLabel.IsWindowEnabled(), enabled);
  EXPECT_EQ(bar.ItemLabel.IsWindowEnabled(), enabled);
}

TEST_F(ShellFixture, TheLibraryBarsListTheirLibrarysItemsSortedWhileEnabled) {
  QlmStlLibraries::Loaded libraries;
  std::string why;
  if (!QlmStlLibraries::WriteAndLoad(libraries, why)) GTEST_SKIP() << why;
  auto frame = StartFrame();
  struct Bar {
    const char* Name;
    CLibraryToolBar& ToolBar;
    const char* ItemLabel;
    vtkLibrary* Library;
  };
  const Bar bars[] = {{"teeth", frame->DentesToolBar, "Dente:  ", libraries.Teeth},
                      {"meshes", frame->GeomsToolBar, "STL:  ", libraries.Meshes},
                      {"endodontic", frame->EndoToolBar, "Endo Imp:  ", libraries.Endo}};
  const std::vector<std::string> sorted = {"Aranha", "aranha binária", "Esfera com furo", "triângulo", "Wuson"};
  for (const Bar& bar : bars) {
    SCOPED_TRACE(bar.Name);
    CLibraryToolBar& toolBar = bar.ToolBar;
    EXPECT_EQ(toolBar.PlatformLabel.GetWindowText(), CString(" Plataforma:"));
    EXPECT_EQ(toolBar.ItemLabel.GetWindowText(), CString(bar.ItemLabel));
    ExpectShown(toolBar, false);
    EXPECT_EQ(toolBar.ItemList.GetCurSel(), CB_ERR);

    toolBar.PlatformBox.SetWindowText(bar.Library->Name);
    toolBar.RefillItemList(bar.Library);
    toolBar.EnableLibToolBarControls(TRUE);
    ExpectShown(toolBar, true);
    EXPECT_EQ(QlmComboEntries(toolBar.ItemList), sorted);
    EXPECT_EQ(toolBar.ItemList.GetCurSel(), 0);
    vtkLibraryItem* first = toolBar.ItemList.GetItem(0);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first, bar.Library->GetCollection(0)->GetItemAsObject(3));
    EXPECT_GT(first->Mesh->GetNumberOfPolys(), 0);

    toolBar.EnableLibToolBarControls(FALSE);
    ExpectShown(toolBar, false);
    EXPECT_EQ(toolBar.ItemList.GetCurSel(), CB_ERR);
    toolBar.EnableLibToolBarControls(TRUE);
    EXPECT_EQ(toolBar.PlatformBox.GetWindowText(), bar.Library->Name);
  }
  // A library cleared while listed leaves the list empty.
  libraries.Teeth->Clear();
  EXPECT_EQ(frame->DentesToolBar.ItemList.GetCount(), 0);
  App.m_pMainWnd = nullptr;
}

}  // namespace
