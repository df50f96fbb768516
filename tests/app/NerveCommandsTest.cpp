// The nerve commands of the menu and the nerve tool bar on the sample
// project, run as the frame runs them.
#include <vtkMatrix4x4.h>
#include <vtkNew.h>

#include <QWidget>

#include "SampleProjectFixture.h"
#include "ct/CQlmBall.h"
#include "ct/CQlmPolyLineNerve.h"
#include "objects/CQlmNerve.h"
#include "objects/CQlmNerves.h"
#include "tools/CQlmCoreCores.h"
#include "tools/CQlmCoreNerve.h"
#include "views/CQlmInteractorStyle2.h"

namespace {

constexpr UINT EditNerveMenu = 32952;
constexpr UINT LeaveButton = 32965;
constexpr UINT AddButton = 32953;
constexpr UINT AddPointsButton = 32957;
constexpr UINT DeleteButton = 32954;
constexpr UINT NextButton = 32955;
constexpr UINT PreviousButton = 32956;
constexpr UINT ResetButton = 32959;
constexpr UINT CutsButton = 32980;
constexpr UINT Diameter34 = 32976;

class NerveCommandsTest : public SampleProjectFixture {
protected:
  CQlmNerves& Nerves() { return *this->Q->NerveContainer; }
  bool NerveBarShown() { return !this->Frame->NerveToolBar.GetSafeHwnd()->isHidden(); }
};

TEST_F(NerveCommandsTest, EditingIsEnteredWithTheMovePointsToolAndLeftWithTheSelectTool) {
  if (!this->Opened()) return;
  CQlmQuorvantile& q = *this->Q;
  q.Modified = 0;
  this->Frame->RunCommand(EditNerveMenu);
  EXPECT_EQ(q.NerveEditing, 1);
  EXPECT_EQ(q.Tool, 25);
  EXPECT_EQ(q.CoreNerve->Mode, CQlmCoreNerve::MovePoints);
  EXPECT_EQ(q.StyleAxial->GetCore(), q.CoreNerve);
  EXPECT_EQ(this->Nerves().GetCount(), 1);
  EXPECT_TRUE(this->NerveBarShown());
  EXPECT_EQ(q.Modified, 1);

  this->Frame->RunCommand(AddPointsButton);
  EXPECT_EQ(q.Tool, 24);
  EXPECT_EQ(q.CoreNerve->Mode, CQlmCoreNerve::AddPoints);

  this->Frame->RunCommand(LeaveButton);
  EXPECT_EQ(q.NerveEditing, 0);
  EXPECT_EQ(q.Tool, 10);
  EXPECT_EQ(q.StyleAxial->GetCore(), q.CoreCores);
  EXPECT_FALSE(this->NerveBarShown());
}

TEST_F(NerveCommandsTest, NervesAreAddedWalkedThroughAndDeletedAfterTheQuestion) {
  if (!this->Opened()) return;
  CQlmQuorvantile& q = *this->Q;
  this->Frame->RunCommand(EditNerveMenu);
  this->Frame->RunCommand(AddButton);
  ASSERT_EQ(this->Nerves().GetCount(), 2);
  EXPECT_EQ(this->Nerves().GetCurrent(), 1);

  this->Frame->RunCommand(NextButton);
  EXPECT_EQ(this->Nerves().GetCurrent(), 1);
  this->Frame->RunCommand(PreviousButton);
  EXPECT_EQ(this->Nerves().GetCurrent(), 0);
  this->Frame->RunCommand(PreviousButton);
  EXPECT_EQ(this->Nerves().GetCurrent(), 0);

  Prompter.QueueAnswer(QlmAnswer::No);
  this->Frame->RunCommand(DeleteButton);
  EXPECT_EQ(this->Nerves().GetCount(), 2);
  Prompter.QueueAnswer(QlmAnswer::Yes);
  this->Frame->RunCommand(DeleteButton);
  EXPECT_EQ(this->Nerves().GetCount(), 1);
  EXPECT_EQ(q.NerveEditing, 1);

  // The last nerve: another question, and the editing ends with it.
  Prompter.QueueAnswer(QlmAnswer::Yes);
  this->Frame->RunCommand(DeleteButton);
  EXPECT_EQ(this->Nerves().GetCount(), 0);
  EXPECT_EQ(q.NerveEditing, 0);
  ASSERT_EQ(Prompter.Messages.size(), 3u);
  EXPECT_EQ(Prompter.Messages[0].Text, CString("Você realmente deseja apagar o nervo?"));
  EXPECT_EQ(Prompter.Messages[2].Text, CString("Você realmente deseja apagar o ÚLTIMO nervo?"));
  EXPECT_EQ(Prompter.Messages[2].Caption, CString("Atenção"));
  EXPECT_EQ(Prompter.Messages[2].Icon, QlmIcon::Question);
}

TEST_F(NerveCommandsTest, ResetCutsAndDiameterActOnTheCurrentNerve) {
  if (!this->Opened()) return;
  this->Frame->RunCommand(EditNerveMenu);
  CQlmNerve& nerve = *this->Nerves().GetCurrentNerve();
  const float length = nerve.GetAxialLine().GetLength();
  CQlmPolyLineNerve& line = nerve.GetAxialLine();
  vtkNew<vtkMatrix4x4> moved;
  moved->DeepCopy(line.GetBalls().GetListItemAt(0)->GetMatrix());
  moved->SetElement(0, 3, moved->GetElement(0, 3) - 6.0);
  ASSERT_EQ(line.SelectPoint(line.GetBalls().GetListItemAt(0)->GetActor()), 1);
  line.MoveSelectedPoint(moved);
  ASSERT_GT(line.GetLength(), length + 1.0f);

  this->Frame->RunCommand(Diameter34);
  EXPECT_FLOAT_EQ(nerve.GetDiameter(), 3.4f);

  const int cuts = this->Nerves().GetCurrentVisibility();
  this->Frame->RunCommand(CutsButton);
  EXPECT_EQ(this->Nerves().GetCurrentVisibility(), !cuts);

  Prompter.QueueAnswer(QlmAnswer::Yes);
  this->Frame->RunCommand(ResetButton);
  ASSERT_EQ(Prompter.Messages.size(), 1u);
  EXPECT_EQ(Prompter.Messages[0].Text, CString("Isto irá redefenir a atual curva do nervo!\nDeseja continuar?"));
  EXPECT_FLOAT_EQ(nerve.GetAxialLine().GetLength(), length);
}

TEST_F(NerveCommandsTest, ClosingLeavesNerveEditing) {
  if (!this->Opened()) return;
  this->Frame->RunCommand(EditNerveMenu);
  Prompter.QueueAnswer(QlmAnswer::No);
  this->Frame->OnFileClose();
  EXPECT_EQ(this->Frame->GetController()->ProjectOpen, 0);
  EXPECT_FALSE(this->NerveBarShown());
}

}  // namespace
