#pragma once
// The actor of a cut outline in a 2D view: 3 px lines, unlit, on its own
// mapper (which it keeps alive), moved by its representation's drag transform.
#include <vtkSmartPointer.h>

class vtkActor;
class vtkAlgorithmOutput;
class vtkTransform;

class CQlmOutlineActor {
public:
  // Draws `outline`, with `drag` (borrowed) as its user transform.
  static vtkSmartPointer<vtkActor> New(vtkAlgorithmOutput* outline, vtkTransform* drag);
};
