#pragma once
// Where a placed object's library item is looked up: the current library of
// its kind first, then every library file of the kind named in the list, in
// list order, each read in turn into a scratch library; the first hit wins.
// An item matches by its library's identifier and its exact name (the
// library's own Find functions). A file that fails to load is skipped.
//
// `Library` is a library class with a static New (vtkImplantLib,
// vtkGeomsLib, ...). The loader reads the library whose Name is set into it;
// tests give one over fixture libraries.
#include <vtkNew.h>

#include <functional>

#include "platform/CStringArray.h"

template <class Library>
class CQlmLibraryLookup {
public:
  // Reads the file of `library->Name` into `library` (emptied first); 1 when it was read.
  using Loader = std::function<int(Library* library)>;

  explicit CQlmLibraryLookup(Loader loader) : Load(std::move(loader)) {}

  // The library in use (not owned, may be null) and the names of the files to search after it.
  void SetCurrent(Library* current) { this->Current = current; }
  Library* GetCurrent() const { return this->Current; }
  void SetNames(const CStringArray& names) { this->Names = names; }
  const CStringArray& GetNames() const { return this->Names; }
  void SetLoader(Loader loader) { this->Load = std::move(loader); }

  // The first non-null result of `find(library)`; null when no library gives one.
  // An item of a scratch library lives until the next look-up.
  template <class Search>
  auto Find(Search find) -> decltype(find(static_cast<Library*>(nullptr))) {
    if (this->Current) {
      if (auto* item = find(this->Current)) return item;
    }
    for (const CString& name : this->Names) {
      this->Scratch->Clear();
      this->Scratch->Name = name;
      if (!this->Load(this->Scratch)) continue;
      if (auto* item = find(this->Scratch.GetPointer())) return item;
    }
    return nullptr;
  }

private:
  Loader Load;
  Library* Current = nullptr;
  CStringArray Names;
  vtkNew<Library> Scratch;
};
