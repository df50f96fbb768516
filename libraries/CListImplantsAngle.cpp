#include "libraries/CListImplantsAngle.h"

#include <vtkMatrix4x4.h>

#include <algorithm>
#include <cmath>

#include "objects/CQlmImplant3D.h"
#include "objects/CQlmImplants.h"

namespace {

struct Axis {
  float x, y, z;
};

// The third column of the placement or connector matrix: the implant's z axis in the volume.
Axis AxisOf(const CQlmImplant3D& implant, int conector) {
  const vtkMatrix4x4* matrix = conector ? implant.GetConectorTransformMatrix() : implant.GetMatrix();
  return {float(matrix->GetElement(0, 2)), float(matrix->GetElement(1, 2)), float(matrix->GetElement(2, 2))};
}

float Length(const Axis& a) { return float(std::sqrt(double(a.x * a.x + a.y * a.y + a.z * a.z))); }

// Degrees, in single precision. Rounding can put the cosine of two parallel
// axes a hair beyond 1, where acos has no value: it is held to [-1, 1].
float AngleBetween(const Axis& a, const Axis& b) {
  const float cosine = (a.x * b.x + a.y * b.y + a.z * b.z) / (Length(a) * Length(b));
  return std::acos(std::clamp(cosine, -1.0f, 1.0f)) * 57.29578f;
}

CString PairLabel(int first, int second) {
  const CString left = first < 10 ? CString::Formatted("    0%d", first) : CString::Formatted("%d", first);
  const CString right = second < 10 ? CString::Formatted("0%d", second) : CString::Formatted("%d", second);
  return left + " x " + right;
}

}  // namespace

void CListImplantsAngle::OnCustomDraw() {
  if (!this->FirstPaint) return;
  this->FirstPaint = 0;
  this->InsertColumn(0, "Implantes", LVCFMT_CENTER, 80);
  this->InsertColumn(1, "Ângulos", LVCFMT_RIGHT, 60);
  this->FillList();
  this->SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_SUBITEMIMAGES);
}

void CListImplantsAngle::FillList() {
  this->DeleteAllItems();
  float best = 0.0f;
  CString bestLabel;
  CString bestText;
  bool listed = false;
  CQlmImplant3DList* implants = this->Implants ? this->Implants->GetList3D() : nullptr;
  const int count = implants ? implants->GetCount() : 0;
  for (int i = 0; i + 1 < count; ++i) {
    for (int j = i + 1; j < count; ++j) {
      const CQlmImplant3D& first = *implants->GetListItemAt(i);
      const CQlmImplant3D& second = *implants->GetListItemAt(j);
      if (!(first.GetDiameter() > 3.0f && second.GetDiameter() > 3.0f)) continue;
      const CString label = PairLabel(i + 1, j + 1);
      const int row = this->InsertItem(this->GetItemCount(), label);
      const float angle = AngleBetween(AxisOf(first, this->Conector), AxisOf(second, this->Conector));
      const CString text = CString::Formatted("%.1f°", double(angle));
      this->SetItemText(row, 1, text);
      if (!listed || angle > best) {
        best = angle;
        bestLabel = label;
        bestText = text;
        listed = true;
      }
    }
  }
  this->Summary.SetWindowText(bestLabel + "  " + bestText);
}
