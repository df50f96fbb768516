#pragma once
// Reads a library file into a library and writes a library into its file.
// Made on the stack by the kind's class (CDentesLibFile, CGeomsLibFile,
// CEndoLibFile, COrtoLibFile, CImpLibFile):
//
//   library->Name = "Padrao";            // selects the file
//   CDentesLibFile file;
//   file.Library = library;
//   if (!file.Load()) show("Erro lendo biblioteca " + name + ": " + file.GetReason());
//
// Load is all or nothing: the file is parsed into a new library first; only
// when the whole file was read does the held library take the name,
// password and identifier stored in the file and get the file's items
// appended after what it holds (callers Clear it first). Items carry the
// stored identifier and name as their library identifier and name. A stored
// name that could not select a file is refused.
//
// Save asks "<name>.dnt já existe. Deseja continuar?" before replacing a
// file (No returns 0 and writes nothing), and writes through a temporary
// file, so a failure never destroys the previous one. A missing library
// folder gives 0 without a message.
#include "libraries/CQlmLibraryFileBase.h"

template <class LibraryType>
class CQlmLibraryFile : public CQlmLibraryFileBase {
public:
  // The library read or written; not owned, null when made.
  LibraryType* Library = nullptr;

  // 1 when the whole file was read, else 0 with the reason and the library unchanged.
  int Load();
  // 1 when written; 0 when the user declined to overwrite (no reason), or
  // with the reason when the name is refused or the file cannot be written.
  int Save();

protected:
  using CQlmLibraryFileBase::CQlmLibraryFileBase;
};
