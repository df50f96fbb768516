#pragma once
// One orthodontic or endodontic object in an 800901 project file, fields in
// file order: the body as a library-object record (item name, library name,
// library identifier, colour, visible, selected, placement), then the
// object's present parts as a count P and P entries, in slot order. The
// meshes are rebuilt from the libraries on reading.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/CString.h"
#include "project/CQlmLibraryObjectRecord.h"

class CArchive;

class CQlmMultiPartRecord : public CQlmLibraryObjectRecord {
public:
  // Most parts an object holds.
  static constexpr int32_t MaximumParts = 50;
  // Smallest record: the smallest body and the part count.
  static constexpr size_t MinimumSize = CQlmLibraryObjectRecord::MinimumSize + 4;

  // One present part: the variant its section shows, its colour and visible flag.
  struct Part {
    CString SectionName;
    float Color[3] = {1.0f, 1.0f, 1.0f};
    int32_t Visible = 1;
  };

  void Store(CArchive& archive) const;
  // Reads exactly the entries the part count gives. A count below 0 or above
  // MaximumParts raises CQlmProjectRefusal naming the item.
  void Load(CArchive& archive);

  std::vector<Part> Parts;
};
