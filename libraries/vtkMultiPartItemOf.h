#pragma once
// Typed access to the sections of a main item whose sections are of class
// Section (vtkEndoImplant, vtkOrtoImplant).
#include "libraries/vtkMultiPartItem.h"

template <class Section>
class vtkMultiPartItemOf : public vtkMultiPartItem {
public:
  using SectionType = Section;
  vtkAbstractTemplateTypeMacro(vtkMultiPartItemOf<Section>, vtkMultiPartItem);

  vtkMultiPartItemOf(const vtkMultiPartItemOf&) = delete;
  vtkMultiPartItemOf& operator=(const vtkMultiPartItemOf&) = delete;

  // Section `index` of a position (both 0-based); null outside.
  Section* GetSection(int position, int index) const {
    return Section::SafeDownCast(this->GetSectionItem(position, index));
  }

protected:
  vtkMultiPartItemOf() = default;
  ~vtkMultiPartItemOf() override = default;
};
