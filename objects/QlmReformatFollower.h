#pragma once
// A container's answer to a change of the reformat (CQlmArchListener::
// FollowReformat): the panoramic thickness and the section layout, the new
// spacing, every section cut along the arch anew, then the views' positions.
template <class Container>
void QlmFollowReformat(Container& objects, int thickPanoramic, int singleSection, float crossSpacing, int axialSlice,
                       int firstSection, int curve) {
  objects.SetPanoramicThick(thickPanoramic);
  objects.SetSingleCrossSection(singleSection);
  objects.SetCrossSpacing(crossSpacing);
  objects.UpdateCutters();
  objects.SetAxialIndex(axialSlice);
  objects.SetCrossIndex(firstSection);
  objects.SetPanoramicIndex(curve);
}
