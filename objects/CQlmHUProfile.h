#pragma once
// The profile curve of the HU plot: the CT values under a measuring line
// (vtkHUProfileSource), drawn solid in the plot's window.
#include <vtkNew.h>

#include "objects/CQlmHULineBase.h"

class vtkHUProfileSource;

class CQlmHUProfile : public CQlmHULineBase {
public:
  static CQlmHUProfile* CreateObject() { return new CQlmHUProfile; }

  vtkHUProfileSource* GetSource() const { return this->Source; }

protected:
  CQlmHUProfile();
  ~CQlmHUProfile() override;

private:
  vtkNew<vtkHUProfileSource> Source;
};
