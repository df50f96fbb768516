#include <gtest/gtest.h>

#include "QlmGuiTestApp.h"
#include "QlmPopupMenuScript.h"
#include "platform/gui/CMenu.h"

namespace {

// "Dente 11 = 1", separator, "Cor = 2" checked, "Delete = 4" grayed, sub-menu "Mais" with "Visibilidade = 3".
void BuildMenu(CMenu& menu, CMenu& sub) {
  QlmGuiTestApp::Instance();
  ASSERT_TRUE(menu.CreatePopupMenu());
  menu.AppendMenu(MF_STRING, 1, "Dente 11");
  menu.AppendMenu(MF_SEPARATOR);
  menu.AppendMenu(MF_STRING, 2, "Cor");
  menu.AppendMenu(MF_STRING, 4, "Delete");
  ASSERT_TRUE(sub.CreatePopupMenu());
  sub.AppendMenu(MF_STRING, 3, "Visibilidade");
  menu.InsertMenu(4, MF_BYPOSITION | MF_POPUP, &sub, "Mais");
  menu.CheckMenuItem(2, MF_CHECKED);
  menu.EnableMenuItem(4, MF_GRAYED);
}

}  // namespace

TEST(CMenuPopupHook, SeesEveryEntryAndReturnsTheChosenCommand) {
  CMenu menu;
  CMenu sub;
  BuildMenu(menu, sub);
  QlmPopupMenuScript script("Visibilidade");
  EXPECT_EQ(menu.TrackPopupMenu(TPM_RETURNCMD, 10, 10, nullptr), 3u);
  ASSERT_EQ(script.Menus.size(), 1u);
  const std::vector<std::string> expected = {"Dente 11 = 1", "---", "Cor = 2 [x]", "Delete = 4 (grayed)", "> Mais",
                                             "  Visibilidade = 3"};
  EXPECT_EQ(script.Menus[0], expected);
}

TEST(CMenuPopupHook, DismissedOrGrayedChoicesReturnNothing) {
  CMenu menu;
  CMenu sub;
  BuildMenu(menu, sub);
  for (const char* choice : {"", "Delete", "Absent"}) {
    QlmPopupMenuScript script(choice);
    EXPECT_EQ(menu.TrackPopupMenu(TPM_RETURNCMD, 0, 0, nullptr), 0u) << choice;
  }
}

TEST(CMenuPopupHook, TheScriptRestoresThePreviousHook) {
  CMenu menu;
  CMenu sub;
  BuildMenu(menu, sub);
  QlmPopupMenuScript outer("Cor");
  { QlmPopupMenuScript inner("Dente 11"); }
  EXPECT_EQ(menu.TrackPopupMenu(TPM_RETURNCMD, 0, 0, nullptr), 2u);
  EXPECT_EQ(outer.Menus.size(), 1u);
}
