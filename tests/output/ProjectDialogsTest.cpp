// The request form, the capture parameters, the guide export and the notes:
// what each takes, refuses and gives back.
#include <gtest/gtest.h>
#include <vtkPolyData.h>

#include <QLineEdit>
#include <QListWidget>
#include <cstdlib>
#include <string>
#include <vector>

#include "QlmDialogDriver.h"
#include "QlmGuiTestApp.h"
#include "QlmTempDir.h"
#include "app/QlmConfig.h"
#include "output/CDialogNotes.h"
#include "output/CDialogPrintParam.h"
#include "output/CDialogPrototype.h"
#include "output/CDlgExportStelvane.h"
#include "platform/CQlmScriptedPrompter.h"
#include "project/CQlmRequestInfo.h"

using namespace QlmDialogDriver;

namespace {

constexpr UINT RequestEdits[CQlmRequestInfo::FormCount] = {1022, 1005, 1006, 1024, 1015, 1016, 1017, 1023, 1021, 1007};

class ProjectDialogs : public ::testing::Test {
protected:
  void SetUp() override {
    QlmGuiTestApp::Instance();
    ::setenv("QLM_COMMON_APPDATA", this->AppData.Path().c_str(), 1);
    ASSERT_EQ(EnsureConfigFile(), 1);
  }
  void TearDown() override { ::unsetenv("QLM_COMMON_APPDATA"); }

  std::vector<CString> Texts() const {
    std::vector<CString> texts;
    for (const Shown& shown : this->Prompter.Messages) texts.push_back(shown.Text);
    return texts;
  }

  using Shown = CQlmScriptedPrompter::Shown;
  QlmTempDir AppData;
  CQlmScriptedPrompter Prompter;
};

const CString Requester[8] = {"Clínica Sorriso", "Rua A, 1\r\nSala 2", "Campinas",     "SP",
                              "Brasil",          "13000-000",          "19 3333-0000", "ana@clinica.test"};

}  // namespace

TEST_F(ProjectDialogs, RequestFormTakesTheLastRequesterOnlyForAnEmptyRequester) {
  ASSERT_EQ(WriteConfigSendEmail(Requester), 1);
  struct Case {
    const char* Name;
    const char* Surgeon;
    const char* Address;
    bool FromSettings;
  };
  for (const Case& c : {Case{"empty requester", "", "", true}, Case{"surgeon without address", "Dr. Paulo", "", false},
                        Case{"address without surgeon", "", "Rua B", false}}) {
    CQlmRequestInfo info;
    info.Texts[CQlmRequestInfo::PatientName] = "José";
    info.Texts[CQlmRequestInfo::Requester] = c.Surgeon;
    info.Texts[CQlmRequestInfo::Address] = c.Address;
    CDialogPrototype form;
    form.SetRequestInfo(&info);
    std::vector<CString> shown;
    EXPECT_EQ(RunDialog(form,
                  [&] {
                    for (UINT id : RequestEdits) shown.push_back(form.GetDlgItemText(id));
                  }),
              QlmOpenDialog::StillOpen);
    EXPECT_EQ(shown[0], "José") << c.Name;
    if (c.FromSettings) {
      for (int i = 0; i < 8; ++i) EXPECT_EQ(shown[i + 1], Requester[i]) << c.Name << " " << i;
      // Taken into the record at once: Cancel keeps them.
      EXPECT_EQ(info.Texts[CQlmRequestInfo::City], "Campinas");
    } else {
      EXPECT_EQ(shown[1], c.Surgeon) << c.Name;
      EXPECT_EQ(shown[2], c.Address) << c.Name;
      EXPECT_EQ(shown[3], "") << c.Name;
    }
  }
}

TEST_F(ProjectDialogs, RequestFormNeedsEveryFieldButTheCommentsAndRemembersTheRequester) {
  CQlmRequestInfo info;
  info.Texts[12] = "guardado";
  CDialogPrototype form;
  form.SetRequestInfo(&info);
  const char* typed[CQlmRequestInfo::FormCount] = {
      "José",      "Dr. Paulo",    "Rua C, 3\r\nFundos",     "Recife", "PE", "Brasil",
      "50000-000", "81 2222-0000", "paulo@consultorio.test", ""};
  const INT_PTR result = RunDialog(form, [&] {
    for (int i = 0; i < CQlmRequestInfo::FormCount; ++i) Type(form, RequestEdits[i], typed[i]);
    Type(form, RequestEdits[CQlmRequestInfo::Telephone], "");
    Press(form, IDOK);
    Type(form, RequestEdits[CQlmRequestInfo::Telephone], typed[CQlmRequestInfo::Telephone]);
    Press(form, IDOK);
  });
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(this->Texts(), std::vector<CString>{"Os campos com '*' são obrigatórios"});
  for (int i = 0; i < CQlmRequestInfo::FormCount; ++i) EXPECT_EQ(info.Texts[i], typed[i]) << i;
  EXPECT_EQ(info.Texts[12], "guardado");
  CString remembered[8];
  ASSERT_EQ(ReadConfigSendEmail(remembered), 1);
  for (int i = 0; i < 8; ++i) EXPECT_EQ(remembered[i], typed[i + 1]) << i;
}

TEST_F(ProjectDialogs, CaptureParametersAreCheckedInOrder) {
  struct Case {
    const char* Name;
    int ScaleTextLines;
    const char* Resolution;
    const char* Width;
    const char* Height;
    const char* Multiplier;
    int Axial;
    const char* Refusal;  // null: accepted
  };
  const Case cases[] = {
      {"all in range", 1, "300", "100", "80", "1", 1, nullptr},
      {"99 dpi with scaled texts", 1, "99", "100", "80", "1", 1,
       "DPI Intervalo: 100 - 1500 \nPara utilizar uma menor desmarque o DPI: Linhas escalar Texto"},
      {"1501 dpi with scaled texts", 1, "1501", "100", "80", "1", 1,
       "DPI Intervalo: 100 - 1500 \nPara utilizar uma menor desmarque o DPI: Linhas escalar Texto"},
      {"99 dpi without scaled texts", 0, "99", "100", "80", "1", 1, nullptr},
      {"width 4", 1, "300", "4", "80", "1", 1, "Tamanho X Intervalo: 5 - 1000"},
      {"negative width", 0, "300", "-5", "80", "1", 1, "Tamanho X Intervalo: 5 - 1000"},
      {"height 1001", 1, "300", "5", "1001", "1", 1, "Tamanho Y Intervalo: 5 - 1000"},
      {"multiplier 0.1", 1, "300", "5", "1000", "0.1", 1, nullptr},
      {"multiplier 0.09", 1, "300", "5", "1000", "0.09", 1, "Múltiplos 3D Intervalo: 0.1 - 30"},
      {"multiplier 30.5", 1, "300", "5", "1000", "30.5", 1, "Múltiplos 3D Intervalo: 0.1 - 30"},
      {"no view", 1, "300", "100", "80", "1", 0, "Escolha a Janela"},
      {"no view and width 4", 1, "300", "4", "80", "1", 0, "Tamanho X Intervalo: 5 - 1000"},
  };
  for (const Case& c : cases) {
    this->Prompter.Messages.clear();
    CDialogPrintParam dialog;
    dialog.Axial = c.Axial;
    dialog.ScaleTextLines = c.ScaleTextLines;
    const INT_PTR result = RunDialog(dialog, [&] {
      Type(dialog, 1071, c.Resolution);
      Type(dialog, 1075, c.Width);
      Type(dialog, 1076, c.Height);
      Type(dialog, 1073, c.Multiplier);
      Press(dialog, IDOK);
    });
    if (!c.Refusal) {
      EXPECT_EQ(result, IDOK) << c.Name;
      EXPECT_TRUE(this->Prompter.Messages.empty()) << c.Name;
      continue;
    }
    EXPECT_EQ(result, QlmOpenDialog::StillOpen) << c.Name;
    EXPECT_EQ(this->Texts(), std::vector<CString>{c.Refusal}) << c.Name;
  }
  CDialogPrintParam fresh;
  EXPECT_EQ(fresh.ScaleTextLines, 1);
  EXPECT_EQ(fresh.Resolution, 0);
  EXPECT_EQ(fresh.Width, 0u);
}

TEST_F(ProjectDialogs, CaptureSwitchesEnableTheirFields) {
  CDialogPrintParam dialog;
  dialog.TrueScale = 0;
  dialog.FixedSize = 1;
  RunDialog(dialog, [&] {
    auto enabled = [&](UINT id) { return Control(dialog, id)->isEnabled(); };
    for (UINT id : {1071u, 1073u, 1131u}) EXPECT_FALSE(enabled(id)) << id;
    for (UINT id : {1075u, 1076u}) EXPECT_TRUE(enabled(id)) << id;
    Press(dialog, 1072);
    Press(dialog, 1074);
    for (UINT id : {1071u, 1073u, 1131u}) EXPECT_TRUE(enabled(id)) << id;
    for (UINT id : {1075u, 1076u}) EXPECT_FALSE(enabled(id)) << id;
  });
  EXPECT_EQ(dialog.TrueScale, 1);
  EXPECT_EQ(dialog.FixedSize, 0);
}

TEST_F(ProjectDialogs, GuideExportNeedsABaseObject) {
  std::vector<CQlmGeometryRecord> none;
  CDlgExportStelvane empty;
  empty.Geometries = &none;
  EXPECT_EQ(RunDialog(empty,
                [&] {
                  EXPECT_EQ(qobject_cast<QListWidget*>(Control(empty, 1025))->count(), 0);
                  Press(empty, IDOK);
                }),
            QlmOpenDialog::StillOpen);
  ASSERT_EQ(this->Prompter.Messages.size(), 1u);
  EXPECT_EQ(this->Prompter.Messages[0].Text, "Selecione a Geometria Base da Guia");
  EXPECT_EQ(this->Prompter.Messages[0].Caption, "Stelvane");

  std::vector<CQlmGeometryRecord> objects(2);
  objects[0].Name = "Modelo superior";
  objects[1].Name = "Modelo inferior";
  objects[1].Mesh = vtkSmartPointer<vtkPolyData>::New();
  CDlgExportStelvane dialog;
  dialog.Geometries = &objects;
  dialog.OutputPath = "/casos/Amostra.stv";
  dialog.OutputTitle = "Amostra";
  const std::string chosen = this->AppData.File("Guia Final");
  this->Prompter.QueueFile(chosen.c_str());
  const INT_PTR result = RunDialog(dialog, [&] {
    auto* list = qobject_cast<QListWidget*>(Control(dialog, 1025));
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(1)->text(), "Modelo inferior");
    EXPECT_EQ(dialog.GetDlgItemText(1209), "Amostra");
    Press(dialog, 1208);
    EXPECT_EQ(dialog.GetDlgItemText(1209), "Guia Final");
    list->setCurrentRow(1);
    Press(dialog, IDOK);
  });
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(dialog.BaseMesh, objects[1].Mesh.Get());
  EXPECT_EQ(dialog.OutputPath, chosen + ".stv");
  EXPECT_EQ(dialog.OutputFileName, "Guia Final.stv");
  EXPECT_EQ(dialog.OutputExtension, "stv");
  EXPECT_EQ(dialog.NameField, "Guia Final");
}

TEST_F(ProjectDialogs, NotesComeBackOnOkOnly) {
  for (const UINT button : {IDOK, IDCANCEL}) {
    CDialogNotes notes;
    notes.NoteText = "Paciente alérgico.\r\nRever em 30 dias.";
    const INT_PTR result = RunDialog(notes, [&] {
      EXPECT_EQ(notes.GetDlgItemText(1202), "Paciente alérgico.\r\nRever em 30 dias.");
      Type(notes, 1202, "Nova nota\r\ncom duas linhas");
      Press(notes, 1207);
      Press(notes, button);
    });
    EXPECT_EQ(result, static_cast<INT_PTR>(button));
    EXPECT_EQ(notes.AlertOnOpen, button == IDOK ? 1 : 0);
    EXPECT_EQ(notes.NoteText,
              button == IDOK ? "Nova nota\r\ncom duas linhas" : "Paciente alérgico.\r\nRever em 30 dias.");
  }
}
