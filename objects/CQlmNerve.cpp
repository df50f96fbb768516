#include "objects/CQlmNerve.h"

#include <algorithm>

#include "platform/CArchive.h"

namespace {
// Default shapes of the axial and the panoramic line per side.
constexpr int AxialShape[2] = {0, 1};
constexpr int PanoramicShape[2] = {2, 3};
}  // namespace

CQlmNerve::CQlmNerve() { this->SetSide(Right); }

void CQlmNerve::SetShapesOfSide(int side) {
  const int shapes = side == Left ? Left : Right;
  this->AxialLine.SetShapeIndex(AxialShape[shapes]);
  this->PanoramicLine.SetShapeIndex(PanoramicShape[shapes]);
}

void CQlmNerve::SetSide(int side) {
  this->SetShapesOfSide(side);
  this->AxialLine.Reset();
  this->PanoramicLine.Reset();
  this->Side = side;
}

void CQlmNerve::SetColor(float r, float g, float b) {
  this->Color[0] = r;
  this->Color[1] = g;
  this->Color[2] = b;
}

void CQlmNerve::SetTranslation(const float translation[3]) { std::copy_n(translation, 3, this->Translation); }

void CQlmNerve::Serialize(CArchive& archive) {
  this->AxialLine.Serialize(archive);
  this->PanoramicLine.Serialize(archive);
  if (archive.IsStoring()) {
    archive << this->Name << int32_t(this->Side) << this->Diameter << int32_t(this->Visible);
    for (float value : this->Color) archive << value;
    return;
  }
  int32_t side = 0, visible = 0;
  archive >> this->Name >> side >> this->Diameter >> visible;
  for (float& value : this->Color) archive >> value;
  this->Side = side;
  this->Visible = visible;
  // The lines keep the points read; a reset gives the side's shapes.
  this->SetShapesOfSide(side);
}
