#pragma once
// What the outline filters of library meshes share: a placed mesh (world
// coordinates, one input) cut by view planes into outlines in each plane's
// own frame, the object's placement for the position queries, and the
// object's label: its number or its name, placed after every cut at the
// mesh's centre as seen in the plane, or parked out of sight when the plane
// misses the mesh.
#include <vtkMatrix4x4.h>
#include <vtkPolyDataAlgorithm.h>
#include <vtkSmartPointer.h>

#include <string>

#include "toolkit/QlmCutLabel.h"

class vtkActor2D;
class vtkWin32TextMapper2;

class vtkGeomCutter : public vtkPolyDataAlgorithm {
public:
  vtkTypeMacro(vtkGeomCutter, vtkPolyDataAlgorithm);
  void PrintSelf(ostream& os, vtkIndent indent) override;

  // The object's name, the label in name mode; the text follows at the next label setter.
  void SetName(const std::string& name) { this->Name = name; }
  const std::string& GetName() const { return this->Name; }
  // The 3D object's placement (borrowed); its last column is the object's
  // position. Null stands for the identity.
  void SetObjectMatrix(vtkMatrix4x4* matrix) { this->ObjectMatrix = matrix; }
  vtkMatrix4x4* GetObjectMatrix() const { return this->ObjectMatrix; }

  // Label text: mode 0 the number ("%d") at FontSize + 4, mode 1 the name at
  // FontSize, any other mode no text (the font stays). Mode 0, size 12, number 0 at first.
  void SetLabelNumber(int number);
  void SetLabelMode(int mode);
  void SetFontSize(int size);
  int GetLabelNumber() const { return this->Label.GetNumber(); }
  int GetLabelMode() const { return this->Label.GetMode(); }
  int GetFontSize() const { return this->Label.GetFontSize(); }
  // Shows or hides the labels; hidden labels are not moved by a cut. The next update cuts again.
  virtual void SetLabelVisibility(int on) = 0;
  vtkGetMacro(LabelVisible, int);
  vtkWin32TextMapper2* GetTextMapper() const { return this->Label.GetTextMapper(); }
  // Output k's label actor; null for an output the filter does not have.
  virtual vtkActor2D* GetLabelActor(int k) const = 0;
  // Where output k's label sits after an update, in that output's frame;
  // false when it stays where it is (parked, or no cut).
  virtual bool GetLabelAnchor(int k, double anchor[3]) = 0;

  // Where a label goes when its plane misses the mesh.
  static constexpr double ParkedX = 10000.0;

  vtkGeomCutter(const vtkGeomCutter&) = delete;
  void operator=(const vtkGeomCutter&) = delete;

protected:
  explicit vtkGeomCutter(int outputPorts);
  ~vtkGeomCutter() override;

  int FillInputPortInformation(int port, vtkInformation* info) override;

  // The part slot a multi-part object's filter labels ("n-p"); -1, the object itself, at first.
  void SetLabelPart(int part);
  int GetLabelPart() const { return this->Label.GetPart(); }
  // A label actor drawing the shared text, placed in world coordinates.
  void SetUpLabel(vtkActor2D* label) const { this->Label.SetUp(label); }
  // The object's position in world coordinates (w = 1).
  void GetPlacementPosition(double world[4]) const;
  // `world` in the frame of `plane` (local to world), z dropped.
  static void ToPlane(vtkMatrix4x4* plane, const double world[3], float out[3]);
  // `label` at the centre of `input`'s bounds in the frame of `plane`, or
  // parked when `cut` holds no line; nothing while the labels are hidden.
  void PlaceLabel(vtkActor2D* label, vtkPolyData* input, vtkMatrix4x4* plane, vtkPolyData* cut) const;
  // Shows or parks `label` at `position`, as PlaceLabel does.
  void PlaceLabelAt(vtkActor2D* label, const double position[3], bool shown) const;

  int LabelVisible = 1;

private:
  std::string Name;
  vtkSmartPointer<vtkMatrix4x4> ObjectMatrix;
  QlmCutLabel Label;
};
