#pragma once
// One implant in an 800901 project file, fields in file order. The record
// names its library item (library name, implant and component names, library
// identifier); the meshes are rebuilt from the libraries on reading. The
// library flag is carried as read: 0 generic, 1 from a library, any other
// value is built as a generic implant and written back unchanged.
#include <cstddef>
#include <cstdint>

#include "platform/CString.h"

class CArchive;

class CQlmImplantRecord {
public:
  // Smallest record: 3 floats, int32, four empty names, float, int32,
  // 12 floats, 10 int32, 32 doubles.
  static constexpr size_t MinimumSize = 3 * 4 + 4 + 4 * 1 + 4 + 4 + 12 * 4 + 10 * 4 + 32 * 8;

  void Store(CArchive& archive) const;
  void Load(CArchive& archive);

  float Diameter = 3.75f;        // mm
  float Length = 10.0f;          // mm
  float ConnectorHeight = 5.0f;  // mm
  int32_t LibraryFlag = 0;
  CString ImplantName = "Standard";
  // "Standard": the implant's own generic connector.
  CString ComponentName = "Standard";
  CString LibraryName;
  CString LibraryIdentifier;
  float ComponentValue = 0.0f;
  int32_t GenericComponent = 0;
  float ScrewColor[3] = {1.0f, 0.0f, 1.0f};
  float ConnectorColor[3] = {0.0f, 1.0f, 1.0f};
  float SelectedScrewColor[3] = {1.0f, 1.0f, 1.0f};
  float SelectedConnectorColor[3] = {1.0f, 1.0f, 1.0f};
  int32_t Visible = 1;
  int32_t ScrewShown = 1;
  int32_t ConnectorShown = 1;
  int32_t Selected = 0;
  int32_t ScrewLine = 1;
  int32_t ConnectorLine = 1;
  int32_t Number = 0;
  int32_t NumberShown = 1;
  int32_t ExtensionShown = 1;
  int32_t RingShown = 1;
  // Placement (implant frame to volume) and connector matrix relative to it, row by row.
  double Matrix[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
  double ConnectorMatrix[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
};
