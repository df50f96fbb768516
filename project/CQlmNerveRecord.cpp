#include "project/CQlmNerveRecord.h"

#include "platform/CArchive.h"

namespace {

void StoreLine(CArchive& archive, const CQlmNerveRecord::Line& line) {
  archive << line.Count;
  for (const auto& point : line.Points)
    for (float value : point) archive << value;
}

void LoadLine(CArchive& archive, CQlmNerveRecord::Line& line) {
  archive >> line.Count;
  if (line.Count < 2 || line.Count > CQlmNerveRecord::Slots)
    throw CArchiveException(CArchiveException::badIndex, "nerve line point count out of range");
  for (auto& point : line.Points)
    for (float& value : point) archive >> value;
}

}  // namespace

void CQlmNerveRecord::Store(CArchive& archive) const {
  for (float value : this->Translation) archive << value;
  StoreLine(archive, this->Axial);
  StoreLine(archive, this->Panoramic);
  archive << this->Name << this->Side << this->Diameter << this->Visible;
  for (float value : this->Color) archive << value;
}

void CQlmNerveRecord::Load(CArchive& archive) {
  for (float& value : this->Translation) archive >> value;
  LoadLine(archive, this->Axial);
  LoadLine(archive, this->Panoramic);
  archive >> this->Name >> this->Side >> this->Diameter >> this->Visible;
  for (float& value : this->Color) archive >> value;
}
