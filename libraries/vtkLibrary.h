#pragma once
// What every library has: its name (the title of its file, shown as
// "Plataforma"), its identifier, its password and one or more collections of
// items in file order. An item is identified across projects by the
// library's identifier and its own name.
//
// The password is user data kept in clear text by the file format: never
// print or log it.
//
// See also: vtkItemLibrary, vtkImplantLib, CQlmLibraryFile.
#include <vtkCollection.h>
#include <vtkCommand.h>
#include <vtkObject.h>

#include "platform/CString.h"

class vtkLibraryItem;

class vtkLibrary : public vtkObject {
public:
  vtkAbstractTypeMacro(vtkLibrary, vtkObject);

  vtkLibrary(const vtkLibrary&) = delete;
  vtkLibrary& operator=(const vtkLibrary&) = delete;

  CString Name;
  // A short text, " 4711" say; compared exactly, never interpreted.
  CString Identifier;
  // Empty when the library has none.
  CString Password;

  // Sent by Clear before it removes the items, so that lists showing them
  // can let them go.
  static constexpr unsigned long ClearedEvent = vtkCommand::UserEvent + 801;

  // Removes every item (releasing the collections' references) and empties
  // the three strings. The library and its collections stay.
  void Clear();

  // Takes the source's three strings and appends its items to the matching
  // collections: both libraries then hold a reference to each (items are not
  // copied). False, changing nothing, when the source is null, this library,
  // or of another class.
  bool AddContentOf(vtkLibrary* source);
  // Clear, then AddContentOf: the copy of a library choice or an import.
  bool CopyFrom(vtkLibrary* source);

  // Number of item collections (1, or 2 for implants and components) and each.
  virtual int GetNumberOfCollections() const = 0;
  virtual vtkCollection* GetCollection(int which) const = 0;

protected:
  vtkLibrary() = default;
  ~vtkLibrary() override = default;

  // The first item of the collection named `name` exactly when Identifier
  // equals `identifier` exactly; null otherwise.
  vtkLibraryItem* FindIn(vtkCollection* items, const CString& identifier, const CString& name) const;

private:
  // A library of the same class other than this one.
  bool CanTakeFrom(const vtkLibrary* source) const;
};
