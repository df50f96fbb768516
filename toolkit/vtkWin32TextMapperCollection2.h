#pragma once
// An ordered list of label mappers holding a reference to each; the list of
// tick numbers that a view rebuilds at once.
#include "toolkit/vtkWin32TextMapper2.h"

#include <vtkCollection.h>

class vtkWin32TextMapperCollection2 : public vtkCollection {
public:
  static vtkWin32TextMapperCollection2* New();
  vtkTypeMacro(vtkWin32TextMapperCollection2, vtkCollection);

  void AddItem(vtkWin32TextMapper2* mapper) { this->vtkCollection::AddItem(mapper); }
  // The next mapper after InitTraversal; null at the end.
  vtkWin32TextMapper2* GetNextItem() { return static_cast<vtkWin32TextMapper2*>(this->GetNextItemAsObject()); }
  // Traversal that several loops may run at once.
  vtkWin32TextMapper2* GetNextTextMapper(vtkCollectionSimpleIterator& cookie) {
    return static_cast<vtkWin32TextMapper2*>(this->GetNextItemAsObject(cookie));
  }

  vtkWin32TextMapperCollection2(const vtkWin32TextMapperCollection2&) = delete;
  void operator=(const vtkWin32TextMapperCollection2&) = delete;

protected:
  vtkWin32TextMapperCollection2() = default;
  ~vtkWin32TextMapperCollection2() override = default;

private:
  // Only label mappers go in.
  void AddItem(vtkObject* object) { this->vtkCollection::AddItem(object); }
};
