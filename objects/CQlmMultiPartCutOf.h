#pragma once
// A view's representation of one family of multi-part objects: `View`
// (CQlmMultiPartAxial, CQlmMultiPartCross9 or CQlmMultiPartPanoramic) cutting
// with the family's filter class `Filter` (vtkEndoImpAxial, vtkOrtoImpCross9, ...).
template <class View, class Filter>
class CQlmMultiPartCutOf : public View {
public:
  static CQlmMultiPartCutOf* CreateObject() { return new CQlmMultiPartCutOf; }

protected:
  typename View::Cutter* MakeCutter() const override { return Filter::New(); }
};
