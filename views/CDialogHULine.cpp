#include "views/CDialogHULine.h"

#include <vtkActor.h>
#include <vtkCamera.h>
#include <vtkProperty.h>

#include "objects/CQlmHUGrid.h"
#include "objects/CQlmHUProfile.h"
#include "platform/QlmNumberFormat.h"
#include "platform/gui/CDataExchange.h"
#include "toolkit/vtkHUGridSource.h"
#include "toolkit/vtkHUProfileSource.h"
#include "toolkit/vtkRullerWindowHU.h"
#include "toolkit/vtkWin32TextMapper2.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlmInteractorStyle2.h"
#include "views/CQlmRullerWindowHU.h"
#include "views/CQlmTitleWindow.h"

namespace {

constexpr UINT PlotControl = 1153;
constexpr UINT MeanEdit = 1151;
// Pan and zoom limits of the plot (world units).
constexpr float PlotExtent = 50.0f;
constexpr double CameraDrop = -2.0;
// The HU scale's extent (world units).
constexpr int ScaleWidth = 100;
constexpr int ScaleHeight = 82;

const QlmDialogTemplate& ProfileTemplate() {
  static const QlmDialogTemplate dialog{204,
                                        "Linha de Perfil Hounsfield",
                                        316,
                                        150,
                                        {QlmDialogItem::Static(PlotControl, {7, 7, 231, 136}, SS_SUNKEN | SS_NOTIFY),
                                         QlmDialogItem::Label("Média:", {263, 16, 22, 8}),
                                         QlmDialogItem::Edit(MeanEdit, {263, 24, 40, 14}, ES_READONLY),
                                         QlmDialogItem::DefaultButton(IDOK, "Fechar", {259, 129, 50, 14})}};
  return dialog;
}

struct Band {
  const char* Name;
  int BoneMin;
  int BoneMax;
  float Color[3];
  bool TopOff;
};
constexpr Band BandTable[CDialogHULine::BandCount] = {{"Tipo IV", 350, 1350, {0.0f, 0.0f, 1.0f}, true},
                                                      {"Tipo III", 1350, 1850, {0.5f, 0.5f, 1.0f}, true},
                                                      {"Tipo II", 1850, 2250, {1.0f, 1.0f, 0.5f}, true},
                                                      {"Tipo I", 2250, 3350, {1.0f, 1.0f, 0.0f}, false}};

}  // namespace

CDialogHULine::CDialogHULine(CWnd* parent)
    : CDialog(ProfileTemplate(), parent),
      Profile(CQlmHUProfile::CreateObject()),
      Bands{CQlmHUGrid::CreateObject(), CQlmHUGrid::CreateObject(), CQlmHUGrid::CreateObject(),
            CQlmHUGrid::CreateObject()} {}

CDialogHULine::~CDialogHULine() { this->ReleasePlotObjects(); }

vtkHUProfileSource* CDialogHULine::GetProfileSource() const {
  return this->Profile ? this->Profile->GetSource() : nullptr;
}

void CDialogHULine::DoDataExchange(CDataExchange* exchange) {
  DDX_Control(exchange, PlotControl, this->Plot);
  DDX_Text(exchange, MeanEdit, this->Mean);
}

BOOL CDialogHULine::OnInitDialog() {
  CDialog::OnInitDialog();
  CQlm3DWindow* plot = this->Plot.GetWrapper();
  this->Plot.GetTitle()->GetTitleMapper()->SetInput("Hounsfield");
  static_cast<vtkRullerWindowHU*>(this->Plot.GetScale()->GetSource())->SetSize(ScaleWidth, ScaleHeight);

  CQlmInteractorStyle2* style = this->Plot.GetInteractorStyle();
  style->ImageHalfWidth = PlotExtent;
  style->ImageHalfHeight = PlotExtent;
  style->FitToWindow();
  vtkCamera* camera = style->GetCamera();
  double position[3], focal[3];
  camera->GetPosition(position);
  camera->GetFocalPoint(focal);
  camera->SetPosition(position[0], position[1] + CameraDrop, position[2]);
  camera->SetFocalPoint(focal[0], focal[1] + CameraDrop, focal[2]);

  this->PlaceBands();
  this->Profile->SetWindow(plot);
  this->Profile->AddToRenderer();
  this->Profile->GetActor()->GetProperty()->SetColor(0.75, 0.0, 0.0);
  vtkHUProfileSource* source = this->Profile->GetSource();
  source->Update();
  this->Mean = QlmNumberFormat::Format("%.1f", source->GetAverage()).c_str();
  this->UpdateData(FALSE);
  plot->Render();
  return TRUE;
}

void CDialogHULine::PlaceBands() {
  for (int k = 0; k < BandCount; ++k) {
    CQlmHUGrid& grid = *this->Bands[k];
    const Band& band = BandTable[k];
    grid.SetWindow(this->Plot.GetWrapper());
    grid.AddToRenderer();
    grid.GetActor()->GetProperty()->SetColor(band.Color[0], band.Color[1], band.Color[2]);
    grid.GetLabelMapper()->SetColor(band.Color[0], band.Color[1], band.Color[2]);
    grid.GetSource()->SetBoneMin(band.BoneMin);
    grid.GetSource()->SetBoneMax(band.BoneMax);
    if (band.TopOff) grid.GetSource()->SetTop(0);
    grid.GetLabelMapper()->SetInput(band.Name);
    grid.UpdateLabelPosition();
  }
}

void CDialogHULine::OnOK() {
  this->ReleasePlotObjects();
  this->EndDialog(IDOK);
}

void CDialogHULine::ReleasePlotObjects() {
  if (this->Profile) this->Profile->RemoveAndDelete();
  this->Profile = nullptr;
  for (CQlmHUGrid*& band : this->Bands) {
    if (band) band->RemoveAndDelete();
    band = nullptr;
  }
}
