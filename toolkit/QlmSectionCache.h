#pragma once
// The outlines a nine-section cut kept from its last update. After the
// owner moved the first section by `shift` places, section k may take the
// outlines kept for section k + shift, but only when they were cut with the
// very matrix section k has now and nothing they came from changed since.
#include <vtkNew.h>
#include <vtkTimeStamp.h>
#include <vtkType.h>

#include <array>
#include <initializer_list>
#include <vector>

class vtkPolyData;

class QlmSectionCache {
public:
  static constexpr int Sections = 9;

  // `outlinesPerSection` polydata are kept per section.
  explicit QlmSectionCache(int outlinesPerSection);
  ~QlmSectionCache();

  // The change of the first section's index since the last keep.
  void SetShift(int shift) { this->Shift = shift; }
  int GetShift() const { return this->Shift; }

  // The kept section whose outlines section k can take, or -1 to cut it
  // again; `sourceTime` is the newest change of what is cut.
  int Reusable(int k, const double matrix[16], vtkMTimeType sourceTime) const;
  vtkPolyData* GetOutline(int section, int part) const;

  // Keeps a copy of section k's outlines and matrix; call for every section
  // after all of them took what they needed, then `Kept`.
  void Keep(int k, const double matrix[16], std::initializer_list<vtkPolyData*> outlines);
  // Stamps what was kept and clears the shift.
  void Kept();

  QlmSectionCache(const QlmSectionCache&) = delete;
  QlmSectionCache& operator=(const QlmSectionCache&) = delete;

private:
  struct Entry {
    bool Valid = false;
    std::array<double, 16> Matrix{};
    std::vector<vtkNew<vtkPolyData>> Outlines;
  };
  Entry Entries[Sections];
  vtkTimeStamp KeptTime;
  int Shift = 0;
};
