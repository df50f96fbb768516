#pragma once
// Shared pieces of the arch-geometry tests: a window with bare layer
// renderers (nothing is rendered), placement matrices and archive helpers.
#include <vtkMatrix4x4.h>
#include <vtkNew.h>
#include <vtkRenderer.h>
#include <vtkSmartPointer.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "ct/CQlmLayeredWindow.h"
#include "platform/CArchive.h"
#include "platform/CMemFile.h"

class ArchTestWindow : public CQlmLayeredWindow {
public:
  vtkRenderer* GetLayerRenderer(int layer) const override {
    return layer >= 0 && layer < 4 ? static_cast<vtkRenderer*>(this->Layers[layer]) : nullptr;
  }
  bool Holds(int layer, vtkProp* prop) const { return this->Layers[layer]->GetViewProps()->IsItemPresent(prop) != 0; }
  int PropCount(int layer) const { return this->Layers[layer]->GetViewProps()->GetNumberOfItems(); }

private:
  vtkNew<vtkRenderer> Layers[4];
};

inline vtkSmartPointer<vtkMatrix4x4> Translation(double x, double y, double z = 0.0) {
  auto matrix = vtkSmartPointer<vtkMatrix4x4>::New();
  matrix->SetElement(0, 3, x);
  matrix->SetElement(1, 3, y);
  matrix->SetElement(2, 3, z);
  return matrix;
}

template <typename Object>
std::vector<uint8_t> StoreBytes(Object& object) {
  CMemFile file;
  CArchive archive(&file, CArchive::store);
  object.Serialize(archive);
  archive.Close();
  return file.Data();
}

// Loads `object` from the bytes; returns the bytes left unread.
template <typename Object>
uint64_t LoadBytes(Object& object, const std::vector<uint8_t>& bytes) {
  CMemFile file(bytes);
  CArchive archive(&file, CArchive::load);
  object.Serialize(archive);
  return archive.GetBytesLeft();
}

template <typename T>
void PutAt(std::vector<uint8_t>& bytes, size_t offset, T value) {
  std::memcpy(bytes.data() + offset, &value, sizeof value);
}

template <typename T>
T GetAt(const std::vector<uint8_t>& bytes, size_t offset) {
  T value;
  std::memcpy(&value, bytes.data() + offset, sizeof value);
  return value;
}
