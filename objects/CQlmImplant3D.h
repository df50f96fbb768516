#pragma once
// The master record of one planned implant: its screw (implant body),
// connector and extension meshes in the implant's own frame (platform at the
// origin, axis z, body down to z = -length), its placement in the volume, the
// connector's tilt relative to the implant, colours, flags and number label,
// drawn in the 3D view. The 2D cuts read its transformed meshes and matrices.
#include <vtkNew.h>

#include <cstddef>

#include "platform/CObject.h"
#include "platform/CString.h"

class CQlmImplantCreator;
class CQlmLayeredWindow;
class vtkActor;
class vtkActor2D;
class vtkAlgorithmOutput;
class vtkLineSource;
class vtkMatrix4x4;
class vtkPolyData;
class vtkPolyDataMapper;
class vtkWin32TextMapper2;
class vtkTransform;
class vtkTransformPolyDataFilter;

class CQlmImplant3D : public CObject {
public:
  static CQlmImplant3D* CreateObject() { return new CQlmImplant3D; }
  CQlmImplant3D();
  // Takes the actors out of the window's renderer when a window is set.
  ~CQlmImplant3D() override;

  // The 3D view's render-window wrapper; the actors go into its layer-3 renderer.
  void SetWindow(CQlmLayeredWindow* window) { this->Window = window; }
  // Screw, connector, both axis lines and the label; the extension only while shown.
  void AddToRenderer();
  void RemoveFromRenderer();

  // Deep copies of the creator's three meshes (each request rebuilds them) and its dimensions.
  void BuildFromCreator(CQlmImplantCreator* creator);
  // Deep copies of three meshes in the implant's frame (project readers).
  void SetPolyData(vtkPolyData* screw, vtkPolyData* connector, vtkPolyData* extension);
  // Diameter, length and connector height (mm) as a project file stores them,
  // whatever meshes were built (project readers).
  void SetDimensions(float diameter, float length, float connectorHeight);

  // Placement (implant frame to volume) and connector matrix (relative to the
  // implant), 16 values row by row.
  void SetMatrix(const double elements[16]);
  void SetConectorMatrix(const double elements[16]);
  vtkMatrix4x4* GetMatrix() const;
  vtkMatrix4x4* GetConectorMatrix() const { return this->ConectorMatrix; }
  // Placement x connector matrix.
  vtkMatrix4x4* GetConectorTransformMatrix() const;
  // The platform's position in the volume.
  void GetPosition(double position[3]) const;

  // Tilt of the connector axis from the implant axis, degrees (0 when straight).
  float GetConectorAngle() const;
  // A tilt of `degrees` in the connector's present tilt direction; a straight connector stays straight.
  void SetConectorAngle(float degrees);

  void SetScrewColor(float r, float g, float b);
  // Also the extension's colour.
  void SetConectorColor(float r, float g, float b);
  void SetSelected(int selected);
  void SetUniformColor(int on);
  void SetVisibility(int visible);
  void SetVisibilityScrew(int on);
  void SetVisibilityConector(int on);
  void SetVisibilityScrewLine(int on);
  void SetVisibilityConectorLine(int on);
  void SetVisibilityNumber(int on);
  // Label text by the label mode: 0 the number, 1 diameter x length, else none.
  void SetNumber(int number);
  void SetLabelMode(int mode);
  void SetLabelBackground(int on);
  // The flag only, for implants not yet in a renderer.
  void SetShowExtension(int on) { this->ShowExtensionFlag = on; }
  // The flag, and the extension actor into (on) or out of (off) the renderer.
  void ShowExtension(int on);

  float GetDiameter() const { return this->Diameter; }
  float GetLength() const { return this->Length; }
  float GetConectorHeight() const { return this->ConectorHeight; }
  int GetNumber() const { return this->Number; }
  int GetNumberVisible() const { return this->NumberVisible; }
  int GetSelected() const { return this->Selected; }
  int GetVisible() const { return this->Visible; }
  int GetShowScrew() const { return this->ShowScrew; }
  int GetShowConector() const { return this->ShowConector; }
  int GetShowScrewLine() const { return this->ShowScrewLine; }
  int GetShowConectorLine() const { return this->ShowConectorLine; }
  int GetShowExtension() const { return this->ShowExtensionFlag; }
  int GetLabelMode() const { return this->LabelMode; }
  const float* GetScrewColor() const { return this->ScrewColor; }
  const float* GetConectorColor() const { return this->ConectorColor; }
  const float* GetSelectedScrewColor() const { return this->SelectedScrewColor; }
  const float* GetSelectedConectorColor() const { return this->SelectedConectorColor; }

  // World-placed meshes: screw through the placement, connector through the connector transform.
  vtkAlgorithmOutput* GetScrewOutputPort() const;
  vtkAlgorithmOutput* GetConectorOutputPort() const;
  vtkPolyData* GetScrewMesh() const { return this->ScrewMesh; }
  vtkPolyData* GetConectorMesh() const { return this->ConectorMesh; }
  vtkPolyData* GetExtensionMesh() const { return this->ExtensionMesh; }

  vtkActor* GetScrewActor() const { return this->ScrewActor; }
  vtkActor* GetConectorActor() const { return this->ConectorActor; }
  vtkActor* GetExtensionActor() const { return this->ExtensionActor; }
  vtkActor* GetScrewLineActor() const { return this->ScrewLineActor; }
  vtkActor* GetConectorLineActor() const { return this->ConectorLineActor; }
  vtkActor2D* GetLabelActor() const { return this->LabelActor; }
  vtkWin32TextMapper2* GetLabelMapper() const { return this->LabelMapper; }
  vtkLineSource* GetScrewLine() const { return this->ScrewLine; }
  vtkLineSource* GetConectorLine() const { return this->ConectorLine; }
  // Screw, connector, extension or an axis line of this implant.
  bool OwnsActor(const vtkActor* actor) const;

  // Diameter, length, connector height, four colours, visible, show screw,
  // show connector, selected, implant and component names, both axis-line
  // flags, number, number visible, placement and connector matrix (row by
  // row). Loading applies them through the setters and builds generic meshes.
  void Serialize(CArchive& archive) override;
  // Bytes of the shortest record: both names empty.
  static constexpr size_t MinimumRecordSize = 3 * 4 + 12 * 4 + 4 * 4 + 2 + 2 * 4 + 2 * 4 + 32 * 8;

  CString LibraryIdentifier;
  CString Platform;
  CString ImplantName = "Standard";
  // "Standard" for the generic cylinder.
  CString ComponentName = "Standard";
  float ComponentAngle = 0.0f;
  // 1 once a container placed it; stored in project files, no other use.
  int Added = 0;
  int LibraryImplant = 0;
  int GenericComponent = 0;
  // Guide ring: start and end along the axis, outer and inner diameter, colour.
  float RingValues[7] = {};
  // Whether the guide ring shows, as a project file carries it; its rings follow it when they are made.
  int RingVisible = 1;

private:
  void StoreFields(CArchive& archive);
  void LoadFields(CArchive& archive);
  void UpdateConectorTransform();
  void UpdateAxisLines();
  void PlaceLabel();
  void ApplyColors();
  void ShowLabelIfPartShown();

  CQlmLayeredWindow* Window = nullptr;
  vtkNew<vtkPolyData> ScrewMesh;
  vtkNew<vtkPolyData> ConectorMesh;
  vtkNew<vtkPolyData> ExtensionMesh;
  vtkNew<vtkTransform> Placement;
  vtkNew<vtkTransform> ConectorTransform;
  vtkNew<vtkMatrix4x4> ConectorMatrix;
  vtkNew<vtkTransformPolyDataFilter> ScrewFilter;
  vtkNew<vtkTransformPolyDataFilter> ConectorFilter;
  vtkNew<vtkTransformPolyDataFilter> ExtensionFilter;
  vtkNew<vtkPolyDataMapper> ScrewMapper;
  vtkNew<vtkPolyDataMapper> ConectorMapper;
  vtkNew<vtkPolyDataMapper> ExtensionMapper;
  vtkNew<vtkActor> ScrewActor;
  vtkNew<vtkActor> ConectorActor;
  vtkNew<vtkActor> ExtensionActor;
  vtkNew<vtkLineSource> ScrewLine;
  vtkNew<vtkLineSource> ConectorLine;
  vtkNew<vtkPolyDataMapper> ScrewLineMapper;
  vtkNew<vtkPolyDataMapper> ConectorLineMapper;
  vtkNew<vtkActor> ScrewLineActor;
  vtkNew<vtkActor> ConectorLineActor;
  vtkNew<vtkWin32TextMapper2> LabelMapper;
  vtkNew<vtkActor2D> LabelActor;

  float SelectedScrewColor[3] = {1.0f, 0.3f, 1.0f};
  float SelectedConectorColor[3] = {0.3f, 1.0f, 1.0f};
  float ScrewColor[3] = {1.0f, 0.0f, 1.0f};
  float ConectorColor[3] = {0.0f, 1.0f, 1.0f};
  float SelectedExtensionColor[3] = {0.5f, 1.0f, 1.0f};
  float ExtensionColor[3] = {0.3f, 1.0f, 1.0f};
  int Selected = 0;
  int Visible = 1;
  int ShowScrew = 1;
  int ShowConector = 1;
  float Diameter = 0.0f;
  float Length = 0.0f;
  float ConectorHeight = 0.0f;
  int ShowScrewLine = 1;
  int ShowConectorLine = 1;
  int Number = 0;
  int NumberVisible = 1;
  int LabelMode = 0;
  int UniformColor = 0;
  int ShowExtensionFlag = 0;
};
