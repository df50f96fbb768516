#pragma once
// What the implant table of a report page reads: the project's implants in
// the order of the implant container's 3D list. The report printer gives
// every implant-table rectangle one source; the source is not owned there.
class CQlmImplantTableSource {
public:
  // One implant's values as the table prints them.
  struct Row {
    float Diameter = 0;         // mm
    float Length = 0;           // mm
    float ConnectorHeight = 0;  // mm
    float ConnectorAngle = 0;   // degrees
  };

  virtual ~CQlmImplantTableSource() = default;

  virtual int GetImplantCount() const = 0;
  // The implant at `index` (0 .. count - 1).
  virtual Row GetImplantRow(int index) const = 0;
};
