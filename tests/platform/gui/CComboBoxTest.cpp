// The drop-down list: entries, sorting, selection and item data.
#include <gtest/gtest.h>

#include <QComboBox>

#include "QlmGuiTestApp.h"
#include "platform/gui/CComboBox.h"

namespace {

class ComboFixture : public ::testing::Test {
protected:
  void SetUp() override {
    QlmGuiTestApp::Instance();
    ASSERT_TRUE(this->Host.Create(0, CRect(0, 0, 400, 300), nullptr, 0));
  }

  void Make(DWORD extra) {
    ASSERT_TRUE(
        this->Combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | extra, CRect(10, 2, 220, 252), &this->Host, 302));
  }

  std::vector<std::string> Entries() {
    std::vector<std::string> entries;
    for (int index = 0; index < this->Combo.GetCount(); ++index) {
      CString text;
      this->Combo.GetLBText(index, text);
      entries.push_back(text.Str());
    }
    return entries;
  }

  CWnd Host;
  CComboBox Combo;
};

TEST_F(ComboFixture, SortedEntriesKeepTheirDataAndNothingIsSelectedUntilChosen) {
  Make(CBS_SORT | CBS_HASSTRINGS);
  int values[3] = {1, 2, 3};
  for (const auto& [text, value] :
       {std::pair{"Titanio 4.1", &values[0]}, {"ancora", &values[1]}, {"Cone 3.5", &values[2]}}) {
    this->Combo.SetItemDataPtr(this->Combo.AddString(text), value);
  }
  EXPECT_EQ(Entries(), (std::vector<std::string>{"ancora", "Cone 3.5", "Titanio 4.1"}));
  EXPECT_EQ(this->Combo.GetCurSel(), CB_ERR);
  EXPECT_EQ(this->Combo.GetItemDataPtr(0), &values[1]);
  EXPECT_EQ(this->Combo.GetItemDataPtr(2), &values[0]);

  EXPECT_EQ(this->Combo.SetCurSel(1), 1);
  EXPECT_EQ(this->Combo.GetWindowText(), CString("Cone 3.5"));
  EXPECT_EQ(this->Combo.FindStringExact(1, "ANCORA"), 0);  // the search wraps
  EXPECT_EQ(this->Combo.FindStringExact(-1, "Cone"), CB_ERR);
  EXPECT_EQ(this->Combo.SetCurSel(-1), CB_ERR);
  EXPECT_EQ(this->Combo.GetCurSel(), CB_ERR);

  EXPECT_EQ(this->Combo.SetCurSel(3), CB_ERR);
  EXPECT_EQ(this->Combo.SetItemData(3, 7), CB_ERR);
  EXPECT_EQ(this->Combo.DeleteString(0), 2);
  this->Combo.ResetContent();
  EXPECT_EQ(this->Combo.GetCount(), 0);
  EXPECT_EQ(this->Combo.FindStringExact(-1, "ancora"), CB_ERR);
}

TEST_F(ComboFixture, UnsortedEntriesStayInOrderAndTheTextLineSetsTheHeight) {
  Make(0);
  this->Combo.AddString("Standard");
  this->Combo.AddString("Abutment");
  EXPECT_EQ(this->Combo.InsertString(1, "Cicatrizador"), 1);
  EXPECT_EQ(this->Combo.InsertString(9, "fora"), CB_ERR);
  EXPECT_EQ(Entries(), (std::vector<std::string>{"Standard", "Cicatrizador", "Abutment"}));
  this->Combo.SetItemHeight(-1, 19);
  EXPECT_EQ(this->Combo.GetItemHeight(-1), 19);
  EXPECT_EQ(this->Combo.GetSafeHwnd()->height(), 25);
  EXPECT_GE(static_cast<QComboBox*>(this->Combo.GetSafeHwnd())->maxVisibleItems(), 5);
}

}  // namespace
