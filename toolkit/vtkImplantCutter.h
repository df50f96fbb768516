#pragma once
// What the implant outline filters share: an implant's screw and connector
// meshes (input ports 0 and 1, world coordinates) cut by one plane into two
// outlines in the plane's own frame, filled on request and crossed by the
// implant's axis projected into the plane, and the implant's number label.
//
// The placement and connector matrices are the implant's own (borrowed) and
// count in GetMTime, so a moved implant is cut again at the next render.
#include <vtkMatrix4x4.h>
#include <vtkPolyDataAlgorithm.h>
#include <vtkSmartPointer.h>

#include "toolkit/QlmCutLabel.h"

class vtkActor2D;
class vtkMatrix4x4;
class vtkWin32TextMapper2;

class vtkImplantCutter : public vtkPolyDataAlgorithm {
public:
  vtkTypeMacro(vtkImplantCutter, vtkPolyDataAlgorithm);
  void PrintSelf(ostream& os, vtkIndent indent) override;

  // Implant placement (implant frame to world) and connector transform; borrowed, null for none.
  void SetMatrixScrew(vtkMatrix4x4* matrix);
  void SetMatrixConector(vtkMatrix4x4* matrix);
  vtkMatrix4x4* GetMatrixScrew() const { return this->MatrixScrew; }
  vtkMatrix4x4* GetMatrixConector() const { return this->MatrixConector; }

  // Implant dimensions (mm): the axis lines run from 3 mm below the apex to
  // 15 mm above the platform, the connector's from 3 mm below it to 35 mm above.
  void SetDiameter(float diameter);
  void SetScrewLenght(float length);
  void SetConectorLenght(float length);
  vtkGetMacro(Diameter, float);
  vtkGetMacro(ScrewLenght, float);
  vtkGetMacro(ConectorLenght, float);

  // Outlines filled with triangles (1) or lines only (0, the default).
  void SetFill(int on);
  vtkGetMacro(Fill, int);
  // Which parts and axis lines are cut; all 1 by default.
  void SetVisibilityScrew(int on);
  void SetVisibilityConector(int on);
  void SetVisibilityScrewLine(int on);
  void SetVisibilityConectorLine(int on);
  vtkGetMacro(VisibilityScrew, int);
  vtkGetMacro(VisibilityConector, int);
  vtkGetMacro(VisibilityScrewLine, int);
  vtkGetMacro(VisibilityConectorLine, int);

  // Label text: mode 0 the number at FontSize + 4, mode 1 "diameter x length"
  // at FontSize, any other mode no text. FontSize 12, mode 0, number 0 at first.
  void SetNumber(int number);
  void SetLabelMode(int mode);
  void SetFontSize(int size);
  int GetNumber() const { return this->Label.GetNumber(); }
  int GetLabelMode() const { return this->Label.GetMode(); }
  // Shows or hides every label of the filter.
  virtual void SetVisibilityNumber(int on) = 0;
  vtkWin32TextMapper2* GetTextMapper() const { return this->Label.GetTextMapper(); }

  vtkPolyData* GetOutputScrew() { return this->GetOutput(0); }
  vtkPolyData* GetOutputConector() { return this->GetOutput(1); }

  vtkMTimeType GetMTime() override;

  // x of a label that its plane cannot place.
  static constexpr double ParkedX = 10000.0;

  vtkImplantCutter(const vtkImplantCutter&) = delete;
  void operator=(const vtkImplantCutter&) = delete;

protected:
  explicit vtkImplantCutter(int outputPorts);
  ~vtkImplantCutter() override;

  int FillInputPortInformation(int port, vtkInformation* info) override;

  // Screw and connector cut by the z = 0 plane of `plane` into the two
  // outlines; `screwCentre` is the middle of the screw outline (axis line not counted).
  void CutImplant(vtkPolyData* screw, vtkPolyData* connector, vtkMatrix4x4* plane, vtkPolyData* screwOut,
                  vtkPolyData* connectorOut, double screwCentre[3]) const;
  // Adds triangles filling the closed outlines among the lines of `outline`.
  static void FillOutline(vtkPolyData* outline);
  // The middle of the screw outline in its plane, or (ParkedX, ParkedX, 0) when it is empty.
  static void OutlineCentre(vtkPolyData* screwOut, double centre[3]);
  // The implant's platform in the frame of `plane`, z dropped.
  void PlatformInPlane(vtkMatrix4x4* plane, double point[3]) const;
  // A label actor drawing the shared text, placed in world coordinates.
  void SetUpLabel(vtkActor2D* label) const { this->Label.SetUp(label); }
  // When a setting that changes the outlines last changed.
  vtkMTimeType GetSettingsTime() const { return this->SettingsTime.GetMTime(); }

private:
  void UpdateLabelText();
  void ChangeSetting();
  void AddAxisLine(vtkMatrix4x4* part, double from, double to, vtkMatrix4x4* plane, vtkPolyData* outline) const;

  vtkSmartPointer<vtkMatrix4x4> MatrixScrew;
  vtkSmartPointer<vtkMatrix4x4> MatrixConector;
  float Diameter = 3.75f;
  float ScrewLenght = 10.0f;
  float ConectorLenght = 5.0f;
  int Fill = 0;
  int VisibilityScrew = 1;
  int VisibilityConector = 1;
  int VisibilityScrewLine = 1;
  int VisibilityConectorLine = 1;
  QlmCutLabel Label;
  vtkTimeStamp SettingsTime;
};
