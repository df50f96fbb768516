#include "app/CQlmReportImplants.h"

#include "app/CQlmQuorvantile.h"
#include "objects/CQlmImplants.h"

int CQlmReportImplants::GetImplantCount() const {
  const CQlmImplants* implants = this->Controller->ImplantContainer;
  return implants ? implants->GetCount() : 0;
}

CQlmImplantTableSource::Row CQlmReportImplants::GetImplantRow(int index) const {
  Row row;
  const CQlmImplants* implants = this->Controller->ImplantContainer;
  if (!implants) return row;
  int position = 0;
  implants->GetList3D()->ForEach([&](const CQlmImplant3D* implant) {
    if (position++ != index) return;
    row.Diameter = implant->GetDiameter();
    row.Length = implant->GetLength();
    row.ConnectorHeight = implant->GetConectorHeight();
    row.ConnectorAngle = implant->GetConectorAngle();
  });
  return row;
}
