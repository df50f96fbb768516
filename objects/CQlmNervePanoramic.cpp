#include "objects/CQlmNervePanoramic.h"

#include "toolkit/vtkPolyDataCutterPanoramic.h"

void CQlmNervePanoramic::SetPanoramicLine(vtkPolyData* line) { this->GetPanoramicCutter()->SetPanoramicLine(line); }
