#include "libraries/CQlmLibraryFile.h"

#include <vtkNew.h>

#include "libraries/CQlmLibraryReader.h"
#include "libraries/CQlmLibraryWriter.h"
#include "libraries/vtkEndoImpLib.h"
#include "libraries/vtkGeomsLib.h"
#include "libraries/vtkImplantLib.h"
#include "libraries/vtkOrtoImpLib.h"

template <class LibraryType>
int CQlmLibraryFile<LibraryType>::Load() {
  if (!this->Library) return this->Refuse("nenhuma biblioteca");
  if (!IsValidLibraryName(this->Library->Name)) return this->Refuse("nome de biblioteca inválido");
  vtkNew<LibraryType> read;
  if (!this->ReadFile(this->Library->Name, [&](CQlmLibraryReader& reader) { reader.Read(read.Get()); })) return 0;
  if (!IsValidLibraryName(read->Name)) return this->Refuse("nome de biblioteca inválido gravado no arquivo");
  this->Library->AddContentOf(read);
  return 1;
}

template <class LibraryType>
int CQlmLibraryFile<LibraryType>::Save() {
  if (!this->Library) return this->Refuse("nenhuma biblioteca");
  if (!IsValidLibraryName(this->Library->Name)) return this->Refuse("nome de biblioteca inválido");
  return this->WriteFile(this->Library->Name, [&](CQlmLibraryWriter& writer) { writer.Write(this->Library); });
}

template class CQlmLibraryFile<vtkGeomsLib>;
template class CQlmLibraryFile<vtkEndoImpLib>;
template class CQlmLibraryFile<vtkOrtoImpLib>;
template class CQlmLibraryFile<vtkImplantLib>;
