#include "toolkit/QlmSectionCache.h"

#include <vtkPolyData.h>

#include <algorithm>

#include "toolkit/QlmPlanarCut.h"

QlmSectionCache::QlmSectionCache(int outlinesPerSection) {
  for (Entry& entry : this->Entries) entry.Outlines.resize(outlinesPerSection);
}

QlmSectionCache::~QlmSectionCache() = default;

int QlmSectionCache::Reusable(int k, const double matrix[16], vtkMTimeType sourceTime) const {
  const int kept = k + this->Shift;
  if (this->Shift == 0 || kept < 0 || kept >= Sections || !this->Entries[kept].Valid) return -1;
  if (sourceTime > this->KeptTime.GetMTime()) return -1;
  return QlmPlanarCut::SamePlane(matrix, this->Entries[kept].Matrix.data()) ? kept : -1;
}

vtkPolyData* QlmSectionCache::GetOutline(int section, int part) const {
  return this->Entries[section].Outlines[part].GetPointer();
}

void QlmSectionCache::Keep(int k, const double matrix[16], std::initializer_list<vtkPolyData*> outlines) {
  Entry& entry = this->Entries[k];
  int part = 0;
  for (vtkPolyData* outline : outlines) entry.Outlines[part++]->DeepCopy(outline);
  std::copy(matrix, matrix + 16, entry.Matrix.begin());
  entry.Valid = true;
}

void QlmSectionCache::Kept() {
  this->KeptTime.Modified();
  this->Shift = 0;
}
