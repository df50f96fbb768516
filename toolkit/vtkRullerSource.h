#pragma once
// A measuring ruler between Point1 and Point2 (world mm): output 0 the line,
// outputs 1 and 2 a tick across each end, and a length label drawn by its own
// text mapper and 2D actor at the middle of the line.
//
// The ticks lie in the view plane (z constant) for a 2D ruler; for a 3D ruler
// (Is3d) they are across the line in the plane that holds the line and the
// world axis least parallel to it. CalcSize computes the length and puts it
// on the label as "12.34 mm"; every update does the same.
#include <vtkNew.h>
#include <vtkPolyDataAlgorithm.h>

class vtkActor2D;
class vtkWin32TextMapper2;

class vtkRullerSource : public vtkPolyDataAlgorithm {
public:
  static vtkRullerSource* New();
  vtkTypeMacro(vtkRullerSource, vtkPolyDataAlgorithm);
  void PrintSelf(ostream& os, vtkIndent indent) override;

  // End points in world mm; (0, 0, 0) at first.
  vtkSetVector3Macro(Point1, float);
  vtkGetVector3Macro(Point1, float);
  vtkSetVector3Macro(Point2, float);
  vtkGetVector3Macro(Point2, float);

  // 1 for a ruler of the 3D view; 0 (the default) for a 2D view.
  vtkSetMacro(Is3d, int);
  vtkGetMacro(Is3d, int);

  // Length of each end tick in world mm; 2 by default.
  vtkSetMacro(TipSize, double);
  vtkGetMacro(TipSize, double);

  // The length of the line into Size and onto the label, which moves to the
  // middle of the line.
  void CalcSize();
  // The length computed last (mm); 0 before the first CalcSize or update.
  float GetSize() const { return this->Size; }

  vtkWin32TextMapper2* GetTextMapper() const { return this->TextMapper; }
  // The label, positioned in world coordinates.
  vtkActor2D* GetLabelActor() const { return this->LabelActor; }

  vtkPolyData* GetOutputLine() { return this->GetOutput(0); }
  vtkPolyData* GetOutputTip1() { return this->GetOutput(1); }
  vtkPolyData* GetOutputTip2() { return this->GetOutput(2); }

  vtkRullerSource(const vtkRullerSource&) = delete;
  void operator=(const vtkRullerSource&) = delete;

protected:
  vtkRullerSource();
  ~vtkRullerSource() override;

  int RequestData(vtkInformation* request, vtkInformationVector** inputVector,
                  vtkInformationVector* outputVector) override;

private:
  // A unit vector across the line in the plane its ticks lie in.
  void TickDirection(double across[3]) const;

  float Point1[3] = {0.0f, 0.0f, 0.0f};
  float Point2[3] = {0.0f, 0.0f, 0.0f};
  int Is3d = 0;
  double TipSize = 2.0;
  float Size = 0.0f;
  vtkNew<vtkWin32TextMapper2> TextMapper;
  vtkNew<vtkActor2D> LabelActor;
};
