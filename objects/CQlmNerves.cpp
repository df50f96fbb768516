#include "objects/CQlmNerves.h"

#include <algorithm>

#include "app/CQlmQuorvantile.h"
#include "ct/CQlmCTViewer2.h"
#include "toolkit/QlmPlanningFrame.h"

namespace {
constexpr float NewColor[3] = {1.0f, 0.3f, 0.0f};
}  // namespace

CQlmNerves::CQlmNerves()
    : Editor(CQlmNerveEdit::New()),
      Nerves(CQlmNerveList::CreateObject()),
      List3D(CQlmNerve3DList::CreateObject()),
      ListAxial(CQlmNerveAxialList::CreateObject()),
      ListCross(CQlmNerveCross9List::CreateObject()),
      ListPanoramic(CQlmNervePanoramicList::CreateObject()) {}

CQlmNerves::~CQlmNerves() {
  if (this->Editor->GetNerve()) this->Editor->Detach();
  this->ListPanoramic.reset();
  this->ListCross.reset();
  this->ListAxial.reset();
  this->List3D.reset();
  this->Editor.reset();
  this->Nerves.reset();
}

void CQlmNerves::SetWindows(CQlmLayeredWindow* window3D, CQlmLayeredWindow* axial, CQlmLayeredWindow9* cross,
                            CQlmLayeredWindow* panoramic) {
  CQlmObjectContainer::SetWindows(window3D, axial, cross, panoramic);
  this->Editor->SetWindows(axial, panoramic);
}

void CQlmNerves::SetInput(vtkImageData* image, CQlmPanoramicCalc* calculator, float spacing) {
  this->SetImage(image, calculator, spacing);
  this->Editor->SetImage(image);
}

CString CQlmNerves::UniqueName(const CString& base, int count) const {
  CString candidate = base;
  int number = 2;
  for (int i = 0; i < count; ++i) {
    if (this->Nerves->GetListItemAt(i)->GetName() != candidate) continue;
    const CString suffix = CString::Formatted(" %.2d", number);
    if (candidate.Right(3) == suffix) {
      candidate = candidate.Left(candidate.GetLength() - 3);
      ++number;
    }
    candidate += CString::Formatted(" %.2d", number);
    i = -1;
  }
  return candidate;
}

void CQlmNerves::AddNerve() {
  const CQlmNerve* last = this->Nerves->GetLast();
  const int side = !last || last->GetSide() == CQlmNerve::Left ? CQlmNerve::Right : CQlmNerve::Left;
  const int index = this->GetCount();
  CQlmNerve* nerve = this->Nerves->AddNewNerve();
  nerve->SetSide(side);
  nerve->SetName(this->UniqueName(side == CQlmNerve::Left ? "Nervo Esquerdo" : "Nervo Direito", index));
  nerve->SetColor(NewColor[0], NewColor[1], NewColor[2]);
  nerve->SetTranslation(QlmPlanningFrame(this->Image).GetCentre());

  this->MakeViewObjects(nerve);
  CQlmNervePanoramic* panoramic = this->ListPanoramic->GetLast();
  // The new nerve is drawn in the nerve window.
  panoramic->SetPanoramicLine(nerve->GetAxialLine().GetLinePolyData());
  panoramic->SetThick(this->Thick);

  this->ShowNerve(this->Current);
  this->Current = index;
}

void CQlmNerves::MakeViewObjects(CQlmNerve* nerve) {
  const float* color = nerve->GetColor();
  CQlmNerve3D* tube = this->List3D->AddNewNerve3D();
  tube->SetWindow(this->Window3D);
  tube->SetNerve(nerve);
  // The radius the same project gets once reloaded.
  tube->SetRadius(nerve->GetDiameter() / 2);
  tube->SetColor(color[0], color[1], color[2]);

  CQlmNerveAxial* axial = this->ListAxial->AddNewNerveAxial();
  axial->SetInputMesh(tube->GetOutputPort());
  axial->SetWindow(this->WindowAxial);
  axial->SetInput(this->Image);
  axial->SetColor(color[0], color[1], color[2]);
  axial->SetAxialIndex(this->AxialIndex);

  CQlmNerveCross9* cross = this->ListCross->AddNewNerveCross9();
  cross->SetInputMesh(tube->GetOutputPort());
  cross->SetWindow(this->WindowCross);
  cross->SetInput(this->Image, this->Calculator, this->Spacing);
  cross->SetColor(color[0], color[1], color[2]);
  cross->SetCrossIndex(this->CrossIndex);

  CQlmNervePanoramic* panoramic = this->ListPanoramic->AddNewNervePanoramic();
  panoramic->SetInputMesh(tube->GetOutputPort());
  panoramic->SetWindow(this->WindowPanoramic);
  panoramic->SetInput(this->Image, this->Calculator);
  panoramic->SetColor(color[0], color[1], color[2]);
}

void CQlmNerves::ShowNerve(int i) {
  if (i < 0 || i >= this->GetCount()) return;
  this->SetNerveVisibility(i, 1);
  this->List3D->GetListItemAt(i)->SetVisibility(1);
}

void CQlmNerves::SetNerveVisibility(int i, int visible) {
  this->Nerves->GetListItemAt(i)->SetVisible(visible);
  this->SetCutsVisibility(i, visible);
}

void CQlmNerves::SetCutsVisibility(int i, int visible) {
  this->ListAxial->GetListItemAt(i)->SetVisibility(visible);
  this->ListCross->GetListItemAt(i)->SetVisibility(visible);
  this->ListPanoramic->GetListItemAt(i)->SetVisibility(visible);
}

void CQlmNerves::AddViewObjects(int i) {
  this->List3D->GetListItemAt(i)->AddToRenderer();
  this->ListAxial->GetListItemAt(i)->AddToRenderer();
  this->ListCross->GetListItemAt(i)->AddToRenderer();
  this->ListPanoramic->GetListItemAt(i)->AddToRenderer();
}

void CQlmNerves::RemoveAllViewObjects() {
  this->List3D->ForEach([](CQlmNerve3D* tube) { tube->RemoveFromRenderer(); });
  this->ListAxial->ForEach([](CQlmNerveAxial* axial) { axial->RemoveFromRenderer(); });
  this->ListCross->ForEach([](CQlmNerveCross9* cross) { cross->RemoveFromRenderer(); });
  this->ListPanoramic->ForEach([](CQlmNervePanoramic* panoramic) { panoramic->RemoveFromRenderer(); });
}

void CQlmNerves::EditNerve(int i) {
  this->Editor->Detach();
  this->Editor->SetNerve(this->Nerves->GetListItemAt(i), this->List3D->GetListItemAt(i));
  this->Editor->Attach();
}

void CQlmNerves::SelectNerve(int i) {
  if (i < 0 || i >= this->GetCount()) return;
  this->ShowNerve(this->Current);
  this->RemoveAllViewObjects();
  this->AddViewObjects(i);
  this->SetNerveVisibility(i, this->CurrentVisibility);
  this->List3D->GetListItemAt(i)->SetVisibility(1);
  this->EditNerve(i);
  this->Current = i;
}

void CQlmNerves::RemoveAt(int i) {
  this->List3D->DeleteListItemAt(i);
  this->ListAxial->DeleteListItemAt(i);
  this->ListCross->DeleteListItemAt(i);
  this->ListPanoramic->DeleteListItemAt(i);
  this->Nerves->DeleteListItemAt(i);
}

void CQlmNerves::DeleteCurrentNerve() {
  const int count = this->GetCount();
  if (count == 0) return;
  const int removed = std::clamp(this->Current, 0, count - 1);
  if (count == 1) {
    this->Editor->Detach();
    this->Editor->SetNerve(nullptr, nullptr);
  } else if (removed == 0) {
    this->SelectNerve(1);
  } else {
    this->SelectNerve(removed - 1);
  }
  this->RemoveAt(removed);
  this->Current = removed == 0 ? 0 : removed - 1;
}

void CQlmNerves::BuildViewObjects() {
  int i = 0;
  this->Nerves->ForEach([this, &i](CQlmNerve* nerve) {
    const int visible = nerve->GetVisible();
    this->MakeViewObjects(nerve);
    this->List3D->GetListItemAt(i)->SetVisibility(visible);
    this->SetCutsVisibility(i, visible);
    this->AddViewObjects(i);
    ++i;
  });
}

void CQlmNerves::Serialize(CArchive& archive) { this->Nerves->Serialize(archive); }

void CQlmNerves::SetCurrentVisibility(int visible) {
  if (this->Current < this->GetCount()) this->SetNerveVisibility(this->Current, visible);
  this->CurrentVisibility = visible;
}

void CQlmNerves::SetMinimum() {
  vtkImage16bitsMonocromeTo8BitsRGBFilter& grey = *this->Controller->ViewerAxial->GetWindowLevelFilter();
  this->Editor->SetMinimum(int(grey.GetColorLevel() - grey.GetColorWindow() / 2));
}

void CQlmNerves::SetMaximum() {
  vtkImage16bitsMonocromeTo8BitsRGBFilter& grey = *this->Controller->ViewerAxial->GetWindowLevelFilter();
  this->Editor->SetMaximum(int(grey.GetColorLevel() + grey.GetColorWindow() / 2));
}
