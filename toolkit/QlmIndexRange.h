#pragma once
// Ranges of the position indices along the volume and the arch, and how an
// index follows when its range changes. Shared by the position indicators and
// the objects cut by the cross-sections.
namespace QlmIndexRange {

// A spacing, width or height the ranges can divide by: finite and above 0.
bool IsUsableLength(double length);

// Number of axial slices of a height: (int)(height / spacing + 0.5).
int AxialCount(float height, float spacing);

// Largest first index of the nine cross-sections on an arch: (int)(arch / spacing - 8).
// Negative when the arch is shorter than nine sections (or missing, length -1).
int CrossMaximum(float archLength, float spacing);

// `index` moved in proportion from 0 .. oldLargest to 0 .. newLargest:
// min(newLargest, trunc(newLargest * index / oldLargest)). An old range of 0
// or less keeps the index within the new one; the result is never below 0.
int Rescale(int index, int oldLargest, int newLargest);

}  // namespace QlmIndexRange
