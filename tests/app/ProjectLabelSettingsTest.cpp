// The label options chosen with one project open are the settings the next
// project is shown with; the implant font size a file carries loses to them
// and the save writes back the one applied.
#include "ProjectFrameFixture.h"
#include "app/CQlmQuorvantile.h"
#include "views/CDialogImplantAdv.h"

namespace {

using Kind = CQlmQuorvantile::LibraryKind;

void LargeImplantFont(CQlmProjectData& data) { data.Values.ImplantFontSize = 18; }

TEST_F(ProjectFrameFixture, AReopenedProjectShowsTheLabelChoicesMadeBefore) {
  const std::string path = SmallProject("Rotulos.qlm", LargeImplantFont);
  auto frame = Start(path);
  CQlmQuorvantile* q = frame->GetController();
  ASSERT_EQ(q->ProjectOpen, 1);
  EXPECT_EQ(q->FontSizes[Kind::Implants], 12);

  CDialog::SetModalHook([](CDialog& dialog) {
    auto* options = dynamic_cast<CDialogImplantAdv*>(&dialog);
    if (!options) return INT_PTR(IDCANCEL);
    options->FontSize = 0;
    return INT_PTR(IDOK);
  });
  frame->RunCommand(32867);  // "Avançado"
  frame->RunCommand(33148);  // "Contorno"
  frame->RunCommand(33238);  // teeth "Nome"
  frame->RunCommand(33244);  // teeth "Grande"
  frame->RunCommand(33203);  // orthodontic "Nenhum": not kept
  EXPECT_EQ(q->Modified, 1);
  frame->RunCommand(57603);
  CQlmProjectData saved;
  ASSERT_TRUE(saved.Open(path));
  EXPECT_EQ(saved.Values.ImplantFontSize, 7);

  Prompter.QueueFile(CString(path));
  frame->RunCommand(57601);
  q = frame->GetController();
  ASSERT_EQ(q->ProjectOpen, 1);
  EXPECT_EQ(q->FontSizes[Kind::Implants], 7);
  EXPECT_EQ(q->ImplantFill, 0);
  EXPECT_EQ(q->LabelModes[Kind::Teeth], 1);
  EXPECT_EQ(q->FontSizes[Kind::Teeth], 18);
  EXPECT_EQ(q->LabelsShown[Kind::Orthodontic], 1);
  EXPECT_EQ(q->FontSizes[Kind::Meshes], 12);
  EXPECT_EQ(q->Modified, 0);
  App.m_pMainWnd = nullptr;
}

}  // namespace
