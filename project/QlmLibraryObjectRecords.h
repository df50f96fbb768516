#pragma once
// What the project file keeps of a placed library object (a library mesh, a
// tooth, the body of a multi-part object) and the look-up of its item,
// shared by the sections of those objects.
#include <vtkMatrix4x4.h>
#include <vtkSmartPointer.h>

#include <algorithm>
#include <vector>

#include "platform/CQlmPrompter.h"
#include "project/CQlmLibraryObjectRecord.h"

// The item of each record in order, through the container's look-up `find`
// (library name, item name, library identifier); false, after the message
// naming the library, at the first record whose item no library holds.
template <class Container, typename Find, class Record, class Item>
bool QlmResolveLibraryItems(Container& container, Find find, const std::vector<Record>& records,
                            std::vector<vtkSmartPointer<Item>>& items) {
  for (const Record& record : records) {
    Item* item = (container.*find)(record.LibraryName, record.ItemName, record.LibraryIdentifier);
    if (!item) {
      QlmMessageBox("Biblioteca: " + record.LibraryName + " não encontrada", "Carregando Projeto", QlmButtons::Ok,
                    QlmIcon::Error);
      return false;
    }
    items.emplace_back(item);
  }
  return true;
}

// The record's colour, visibility, selection and placement on an object built from its item.
template <class Object>
void QlmTakeLibraryObject(const CQlmLibraryObjectRecord& record, Object& object) {
  object.SetColor(record.Color);
  object.SetVisibility(record.Visible);
  object.SetSelected(record.Selected);
  object.SetMatrix(record.Matrix);
}

template <class Object>
void QlmGiveLibraryObject(const Object& object, CQlmLibraryObjectRecord& record) {
  record.ItemName = object.GetName();
  record.LibraryName = object.LibraryName;
  record.LibraryIdentifier = object.LibraryId;
  std::copy_n(object.GetColor(), 3, record.Color);
  record.Visible = object.GetVisible();
  record.Selected = object.GetSelected();
  std::copy_n(&object.GetMatrix()->Element[0][0], 16, record.Matrix);
}
