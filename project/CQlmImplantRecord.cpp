#include "project/CQlmImplantRecord.h"

#include "project/QlmArchiveArrays.h"

void CQlmImplantRecord::Store(CArchive& archive) const {
  archive << this->Diameter << this->Length << this->ConnectorHeight << this->LibraryFlag;
  archive << this->ImplantName << this->ComponentName << this->LibraryName << this->LibraryIdentifier;
  archive << this->ComponentValue << this->GenericComponent;
  QlmStoreArray(archive, this->ScrewColor);
  QlmStoreArray(archive, this->ConnectorColor);
  QlmStoreArray(archive, this->SelectedScrewColor);
  QlmStoreArray(archive, this->SelectedConnectorColor);
  archive << this->Visible << this->ScrewShown << this->ConnectorShown << this->Selected << this->ScrewLine
          << this->ConnectorLine << this->Number << this->NumberShown << this->ExtensionShown << this->RingShown;
  QlmStoreArray(archive, this->Matrix);
  QlmStoreArray(archive, this->ConnectorMatrix);
}

void CQlmImplantRecord::Load(CArchive& archive) {
  archive >> this->Diameter >> this->Length >> this->ConnectorHeight >> this->LibraryFlag;
  archive >> this->ImplantName >> this->ComponentName >> this->LibraryName >> this->LibraryIdentifier;
  archive >> this->ComponentValue >> this->GenericComponent;
  QlmLoadArray(archive, this->ScrewColor);
  QlmLoadArray(archive, this->ConnectorColor);
  QlmLoadArray(archive, this->SelectedScrewColor);
  QlmLoadArray(archive, this->SelectedConnectorColor);
  archive >> this->Visible >> this->ScrewShown >> this->ConnectorShown >> this->Selected >> this->ScrewLine >>
      this->ConnectorLine >> this->Number >> this->NumberShown >> this->ExtensionShown >> this->RingShown;
  QlmLoadArray(archive, this->Matrix);
  QlmLoadArray(archive, this->ConnectorMatrix);
}
