#pragma once
// Where a placed object's library item is looked up: the current library of
// its kind first, then every library file of the kind named in the list, in
// list order, each read in turn into a scratch library; the first hit wins.
// An item matches by its library's identifier and its exact name (the
// library's own Find functions). A file that fails to load is skipped.
//
// While KeepLoaded is set, each file is read once into a library of its own
// and kept, with the items found in it, until KeepLoaded is cleared: a
// project open that looks up many objects reads each file at most once.
//
// `Library` is a library class with a static New (vtkImplantLib,
// vtkGeomsLib, ...). The loader reads the library whose Name is set into it;
// tests give one over fixture libraries.
#include <vtkNew.h>

#include <vtkSmartPointer.h>

#include <functional>
#include <map>
#include <string>

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
  // Clearing it frees the kept libraries.
  void SetKeepLoaded(bool keep) {
    this->KeepLoaded = keep;
    if (!keep) this->Kept.clear();
  }

  // The first non-null result of `find(library)`; null when no library gives one.
  // An item of a scratch library lives until the next look-up, one of a
  // kept library until KeepLoaded is cleared.
  template <class Search>
  auto Find(Search find) -> decltype(find(static_cast<Library*>(nullptr))) {
    if (this->Current) {
      if (auto* item = find(this->Current)) return item;
    }
    for (const CString& name : this->Names) {
      Library* library = this->KeepLoaded ? this->LoadKept(name) : this->LoadScratch(name);
      if (!library) continue;
      if (auto* item = find(library)) return item;
    }
    return nullptr;
  }

private:
  // The library of file `name`; null when the file cannot be read.
  Library* LoadScratch(const CString& name) {
    this->Scratch->Clear();
    this->Scratch->Name = name;
    return this->Load(this->Scratch) ? this->Scratch.GetPointer() : nullptr;
  }
  // The same, read on the first call only (a failed read is not tried again).
  Library* LoadKept(const CString& name) {
    const auto found = this->Kept.find(name.Str());
    if (found != this->Kept.end()) return found->second;
    auto library = vtkSmartPointer<Library>::New();
    library->Name = name;
    if (!this->Load(library)) library = nullptr;
    this->Kept.emplace(name.Str(), library);
    return library;
  }

  Loader Load;
  Library* Current = nullptr;
  CStringArray Names;
  vtkNew<Library> Scratch;
  bool KeepLoaded = false;
  std::map<std::string, vtkSmartPointer<Library>> Kept;
};
