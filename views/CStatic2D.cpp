#include "views/CStatic2D.h"

#include "toolkit/vtkRullerWindowHU.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlmRullerWindowHU.h"
#include "views/QlmInteraction.h"

namespace {

constexpr int ScaleSize = 100;

}  // namespace

CStatic2D::CStatic2D() : CStaticPreview("None", QlmState::None), Scale(CQlmRullerWindowHU::New()) {
  this->Scale->SetWindow(this->GetWrapper());
  this->Scale->AddToWindow();
  static_cast<vtkRullerWindowHU*>(this->Scale->GetSource())->SetSize(ScaleSize, ScaleSize);
}

// The scale leaves the wrapper's renderers before the base deletes the wrapper.
CStatic2D::~CStatic2D() = default;
